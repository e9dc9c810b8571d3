// Generation from several threads at once gives what one thread gives.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczFr.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {
namespace {

// Every form of a word over cases, numbers, genders, degrees, the flags, persons and
// tenses, asked of both entry points.
std::vector<std::string> AllForms(const std::string& word)
{
    std::vector<std::string> forms;
    for (int grammaticalCase = 1; grammaticalCase <= 7; ++grammaticalCase)
        for (int number = 1; number <= 2; ++number)
            for (int gender = 0; gender <= 4; ++gender)
                for (int degree = 0; degree <= 2; ++degree)
                    for (bool flag : {false, true})
                        forms.push_back(GenFormPl(word, {.Case = grammaticalCase,
                                                         .Number = number,
                                                         .Gender = gender,
                                                         .Degree = degree,
                                                         .NormaliseOblique = flag,
                                                         .AdverbFlag = flag,
                                                         .AfterPreposition = flag}));
    for (int person = 1; person <= 6; ++person)
        for (int form : {1, 2, 3, 11, 27}) {
            forms.push_back(GenFormPl(word, {.Person = person, .FormCode = form}));
            forms.push_back(GenFormFr(word, {.Number = person > 3 ? 2 : 1, .FormCode = form, .Person = person}));
        }
    forms.push_back(GenFormFr(word, {.QueToQui = true}));
    return forms;
}

TEST(GeneratorsConcurrent, ThreadsGenerateTheSameFormsAsOneThread)
{
    const std::vector<std::vector<std::string>> words = {
        {FromUtf8("dobry *7"), FromUtf8("jakiś *96"), FromUtf8("on *90"), FromUtf8("nią *90"), "pies *2110208",
         "cheval*1", "venir*6"},
        {FromUtf8("pięć *95"), FromUtf8("dwadzieścia trzy *95"), FromUtf8("dwudziesty pierwszy *95"),
         FromUtf8("szybko *70"), FromUtf8("czytać **1"), "que*90", "ce*95", "grand*7"},
    };
    std::vector<std::vector<std::vector<std::string>>> together(words.size());
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < words.size(); ++t)
        threads.emplace_back([&, t] {
            for (const std::string& word : words[t])
                together[t].push_back(AllForms(word));
        });
    for (std::thread& thread : threads)
        thread.join();

    std::vector<std::vector<std::vector<std::string>>> alone(words.size());
    for (std::size_t t = 0; t < words.size(); ++t)
        for (const std::string& word : words[t])
            alone[t].push_back(AllForms(word));

    EXPECT_EQ(together, alone);
}

} // namespace
} // namespace velmar
