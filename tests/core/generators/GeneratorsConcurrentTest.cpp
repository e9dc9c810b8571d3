// Generation from several threads at once gives what one thread gives.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczFr.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {
namespace {

// Every verb form by person and subject gender.
std::vector<std::string> VerbForms(const std::string& word)
{
    std::vector<std::string> forms;
    for (int formCode : {1, 2, 3, 4, 5, 6, 7, 9, 10, 21, 22, 23, 24, 61})
        for (int person : {1, 2, 3, 4, 5, 6, 9})
            for (int subjectGender : {0, 3})
                forms.push_back(GenFormPl(word, {.Person = person, .FormCode = formCode,
                                                 .SubjectNumber = person > 3 ? 2 : 1,
                                                 .SubjectGender = subjectGender}));
    return forms;
}

// Every form of a word over cases, numbers, genders, degrees and the flags; for a verb
// over the verb forms.
std::vector<std::string> AllForms(const std::string& word)
{
    if (WordClassOfCode(SplitWordPl(word).Code, jezPolski) == ksCzasownik)
        return VerbForms(word);
    std::vector<std::string> forms;
    for (int grammaticalCase = 1; grammaticalCase <= 7; ++grammaticalCase)
        for (int number = 1; number <= 2; ++number)
            for (int gender = 0; gender <= 4; ++gender)
                for (int degree = 0; degree <= 2; ++degree)
                    for (bool flag : {false, true})
                        forms.push_back(GenFormPl(word, {.Case = grammaticalCase, .Number = number,
                                                         .Gender = gender, .Degree = degree,
                                                         .NormaliseOblique = flag, .AdverbFlag = flag,
                                                         .AfterPreposition = flag}));
    forms.push_back(GenFormFr(word, {.QueToQui = true}));
    return forms;
}

TEST(GeneratorsConcurrent, ThreadsGenerateTheSameFormsAsOneThread)
{
    const std::vector<std::vector<std::string>> words = {
        {FromUtf8("dobry *7"), FromUtf8("jakiś *96"), FromUtf8("on *90"), FromUtf8("nią *90")},
        {FromUtf8("pięć *95"), FromUtf8("dwadzieścia trzy *95"), FromUtf8("dwudziesty pierwszy *95"),
         FromUtf8("szybko *70"), "que*90"},
        {FromUtf8("pies *2110208"), FromUtf8("oko *423"), FromUtf8("czytać **1"),
         FromUtf8("nie robić się **61"), FromUtf8("powinien **1")},
    };
    std::vector<std::vector<std::vector<std::string>>> together(words.size());
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < words.size(); ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 3; ++round) {
                together[t].clear();
                for (const std::string& word : words[t])
                    together[t].push_back(AllForms(word));
            }
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
