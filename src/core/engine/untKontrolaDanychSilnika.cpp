#include "core/engine/untKontrolaDanychSilnika.h"

#include <map>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untFormy.h"
#include "core/dictionaries/untTransSlownikSlowo.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/engine/untDaneSilnika.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {

namespace {

using TOdczytySlow = std::map<std::string, std::vector<TOdwolanie>>;

// "a determiner", "a pronoun or an adjective": the classes a word must have, for the
// message that it has none of them.
std::string ClassNames(const TSlowoSilnika& word)
{
    static constexpr const char* kNames[] = {"a noun",       "a verb",        "an adjective",  "an adverb",
                                             "a pronoun",    "a preposition", "a conjunction", "an interjection",
                                             "a determiner", "a numeral",     "a particle"};
    std::string names;
    for (int wordClass = 0; wordClass < static_cast<int>(std::size(kNames)); ++wordClass)
        if (word.Allows(wordClass))
            names += (names.empty() ? "" : " or ") + std::string(kNames[wordClass]);
    return names;
}

class TKontrola {
public:
    TKontrola(std::uint8_t language, TTransSlownikGlowny& main, const TTransSlownikOdwolan& forms)
        : language_(language), main_(main), readings_(ReadingsByForm(forms, language))
    {
    }

    std::vector<std::string> Run()
    {
        for (const TSlowoSilnika& homograph : EngineHomographs(language_))
            CheckHomograph(homograph);
        for (const TSlowoSilnika& word : EngineFunctionWords(language_))
            CheckFunctionWord(word);
        if (language_ == jezPolski) {
            for (const std::string_view preposition : GoverningPrepositions())
                CheckGovernedCases(preposition);
            CheckFutureAuxiliary();
        } else {
            CheckFrenchCodes();
        }
        return std::move(problems_);
    }

private:
    static TOdczytySlow ReadingsByForm(const TTransSlownikOdwolan& forms, std::uint8_t language)
    {
        TOdczytySlow readings;
        const TTransSlownik::TPrzypiecie pin(forms);
        for (int i = 0; i < forms.Count(); ++i) {
            TOdwolanie reading = ParseFormLine(forms.DecodedLine(i), language);
            readings[reading.Form].push_back(std::move(reading));
        }
        return readings;
    }

    std::string Shown(std::string_view text) const { return ToUtf8(text, language_); }

    void Problem(std::string_view word, const std::string& message)
    {
        problems_.push_back(std::string(word) + ": " + message);
    }

    const std::vector<TOdwolanie>* ReadingsOf(const std::string& form) const
    {
        const auto found = readings_.find(form);
        return found == readings_.end() ? nullptr : &found->second;
    }

    int ClassOf(const TOdwolanie& reading) const { return WordClassOfCodeNumber(reading.FormCode, language_); }

    void CheckHomograph(const TSlowoSilnika& homograph)
    {
        const std::string text = FromUtf8(homograph.Text);
        int index = 0;
        if (!main_.FindKeyExact(text, index))
            Problem(homograph.Text, "no entry in the main dictionary");
        const auto* readings = ReadingsOf(text);
        const TOdwolanie* own = nullptr;
        if (readings != nullptr)
            for (const TOdwolanie& reading : *readings)
                if (reading.Base == text)
                    own = &reading;
        if (own == nullptr)
            Problem(homograph.Text, "no forms line of its own");
        else if (!homograph.Allows(ClassOf(*own)))
            Problem(homograph.Text,
                    "form code " + std::to_string(own->FormCode) + " does not make it " + ClassNames(homograph));
    }

    void CheckFunctionWord(const TSlowoSilnika& word)
    {
        const auto* readings = ReadingsOf(FromUtf8(word.Text));
        if (readings != nullptr)
            for (const TOdwolanie& reading : *readings)
                if (word.Allows(ClassOf(reading)))
                    return;
        Problem(word.Text, readings == nullptr ? "no forms line" : "no reading as " + ClassNames(word));
    }

    void CheckGovernedCases(std::string_view preposition)
    {
        const std::string text = FromUtf8(preposition);
        int index = 0;
        const TTransSlownik::TPrzypiecie pin(main_);
        if (!main_.FindKeyExact(text, index))
            Problem(preposition, "no entry in the main dictionary");
        else if (main_.GetEntry(index).MarkerValue.empty())
            Problem(preposition, "the entry names no governed case");
    }

    void CheckFutureAuxiliary()
    {
        int code = kFirstFutureCode;
        for (const std::string_view form : FutureAuxiliaries()) {
            const auto* readings = ReadingsOf(FromUtf8(form));
            bool found = false;
            if (readings != nullptr)
                for (const TOdwolanie& reading : *readings)
                    found = found || (reading.FormCode == code && reading.Base == "by\xE6");
            if (!found)
                Problem(form, "not a form of \"być\" on the future code " + std::to_string(code));
            ++code;
        }
    }

    void CheckFrenchCodes()
    {
        for (const auto& [form, readings] : readings_)
            for (const TOdwolanie& reading : readings)
                if (!IsFrenchFormCode(reading.FormCode))
                    Problem(Shown(form), "form code " + std::to_string(reading.FormCode) + " of \"" +
                                             Shown(reading.Base) + "\" is none the rules know");
    }

    std::uint8_t language_;
    TTransSlownikGlowny& main_;
    TOdczytySlow readings_;
    std::vector<std::string> problems_;
};

} // namespace

std::vector<std::string> CheckEngineData(std::uint8_t language, TTransSlownikGlowny& main,
                                         const TTransSlownikOdwolan& forms)
{
    return TKontrola(language, main, forms).Run();
}

} // namespace velmar
