#include "ui/translator/untAutokorekta.h"

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untSlownikDopisan.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/generators/untGenTlumaczFr.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

// A feature the rendering did not record (−1) leaves the generator's default.
int Given(int value, int fallback)
{
    return value < 0 ? fallback : value;
}

std::string RenderAlternative(const std::string& wordWithCode, const TStanGeneracji& form, std::uint8_t targetLanguage)
{
    if (targetLanguage == jezPolski)
        return GenFormPl(wordWithCode, {.Case = Given(form.Case, 1),
                                        .Number = Given(form.Number, 1),
                                        .Gender = Given(form.Gender, 1),
                                        .Person = Given(form.Person, 0),
                                        .FormCode = Given(form.FormCode, 0)});
    return GenFormFr(wordWithCode, {.Number = Given(form.Number, 1),
                                    .Gender = Given(form.Gender, 1),
                                    .FormCode = Given(form.FormCode, 0),
                                    .Person = Given(form.Person, 0)});
}

TZnaczenieKorekty Render(const TTransSlownikZnaczenie& meaning, const TStanGeneracji& form, std::uint8_t targetLanguage,
                         int partOfSpeech)
{
    TZnaczenieKorekty rendered{{}, {}, partOfSpeech};
    for (int a = 0; a < meaning.AlternativeCount(); ++a) {
        const std::string separator = a == 0 ? "" : " ";
        rendered.Text += separator + Trim(RenderAlternative(meaning.WordWithCode(a), form, targetLanguage));
        rendered.Meaning += separator + meaning.WordWithCode(a);
    }
    return rendered;
}

// The user dictionary's part of speech whose code is of the sub-record's word class.
int PartOfSpeechOf(const std::string& code, std::uint8_t sourceLanguage)
{
    const int wordClass = WordClassOfCode(code, sourceLanguage);
    for (int p = 0; p < kCzescMowyNieznana; ++p)
        if (WordClassOfCode(PartOfSpeechCode(p, sourceLanguage), sourceLanguage) == wordClass)
            return p;
    return kCzescMowyNiePodana;
}

} // namespace

TPropozycjeKorekty ProposeCorrections(const TSledzSlowo& word, const std::string& current, std::uint8_t sourceLanguage,
                                      std::uint8_t targetLanguage)
{
    TTransSlownikGlowny& main = Slowniki().Main;
    const TTransSlownik::TPrzypiecie pin(main);
    int index = -1;
    if (!main.FindExact(word.Lemma.empty() ? word.Text : word.Lemma, index))
        return {};
    const TTransSlownikSlowo& entry = main.GetEntry(index);
    std::vector<TZnaczenieKorekty> matching, others;
    for (const auto& subRecord : entry.SubRecords) {
        const int partOfSpeech = PartOfSpeechOf(subRecord->Code, sourceLanguage);
        std::vector<TZnaczenieKorekty> rendered;
        bool gaveCurrent = false;
        for (const auto& meaning : subRecord->Meanings) {
            if (meaning->Hidden || meaning->AlternativeCount() == 0)
                continue;
            rendered.push_back(Render(*meaning, word.Generation, targetLanguage, partOfSpeech));
            gaveCurrent = gaveCurrent || LowerStr(rendered.back().Text) == LowerStr(current);
        }
        std::vector<TZnaczenieKorekty>& into = gaveCurrent ? matching : others;
        into.insert(into.end(), rendered.begin(), rendered.end());
    }
    if (matching.empty())
        matching = std::move(others);
    return {entry.Headword, std::move(matching)};
}

std::u16string WithCasePatternOf(std::u16string_view replacement, std::u16string_view replaced)
{
    return WideApplyCasePattern(replacement, WideCasePattern(replaced));
}

} // namespace velmar
