#include "core/engine/untTransWypSlownikiRobocze.h"

#include "core/engine/untTransWypTypy.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

TSlownikiRobocze::TSlownikiRobocze(TSlowniki& set, std::uint8_t sourceLanguage)
    : set_(set), language_(sourceLanguage)
{
}

TZnajdzOpcje TSlownikiRobocze::OptionsFor(std::string_view text, bool capitalised) const
{
    // A capitalised word may stand for a headword with a small first letter; German
    // nouns are capitalised anyway, so there the case is never folded.
    return InitOptions(text, capitalised && language_ != jezNiemiecki);
}

TTransSlownik& TSlownikiRobocze::DictionaryOf(TSlownikWyrazen dictionary)
{
    switch (dictionary) {
    case TSlownikWyrazen::Uzytkownika: return set_.UserWorker;
    case TSlownikWyrazen::Form: return set_.FormsWorker;
    case TSlownikWyrazen::Glowny: break;
    }
    return set_.MainWorker;
}

TProbaWyrazenia TSlownikiRobocze::ProbeExpression(TSlownikWyrazen which, std::string_view candidate,
                                                  bool capitalised)
{
    TTransSlownik& dictionary = DictionaryOf(which);
    TProbaWyrazenia probe;
    if (dictionary.Count() == 0)
        return probe;
    TZnajdzOpcje options = OptionsFor(candidate, capitalised);
    probe.Counts = dictionary.Find(options);
    // Longer headwords that begin with the candidate sort right behind it.
    const TZnajdzOpcje prefix = OptionsFor(candidate, capitalised);
    int index = std::max(options.Index - 1, 0);
    while (index >= 0 && index < dictionary.Count()) {
        const bool equal = dictionary.PrefixFrom(prefix, index);
        if (index < 0)
            break;
        if (!equal) {
            probe.More = true;
            break;
        }
        ++index;
    }
    return probe;
}

bool TSlownikiRobocze::EntryIsNotVerbal(TTransSlownikGlowny& dictionary, int index, bool refuseSigns) const
{
    const TTransSlownikSlowo& entry = dictionary.GetEntry(index);
    if (refuseSigns && entry.SignFlag)
        return false;
    for (int i = 0; i < entry.SubRecords.Count(); ++i)
        if (WordClassOfCode(entry.SubRecords.Item(i)->Code, language_) == ksCzasownik)
            return false;
    return true;
}

bool TSlownikiRobocze::AcceptsExpression(TSlownikWyrazen which, std::string_view expression, bool capitalised)
{
    int index = -1;
    TZnajdzOpcje options = OptionsFor(expression, capitalised);
    switch (which) {
    case TSlownikWyrazen::Uzytkownika:
        return true;
    case TSlownikWyrazen::Glowny:
        return set_.MainWorker.Find(options) && EntryIsNotVerbal(set_.MainWorker, options.Index, true);
    case TSlownikWyrazen::Form: {
        if (!set_.FormsWorker.FindForms(options) || set_.FormsWorker.Readings().Empty())
            return false;
        const std::string base = set_.FormsWorker.Readings().Item(0).Base;
        if (set_.MainWorker.FindExact(base, index))
            return EntryIsNotVerbal(set_.MainWorker, index, true);
        return set_.Phrases.FindExact(base, index) && EntryIsNotVerbal(set_.Phrases, index, false);
    }
    }
    return false;
}

bool TSlownikiRobocze::IsUntranslatable(std::string_view token)
{
    int index = -1;
    return set_.UntranslatableWorker.Count() > 0 && set_.UntranslatableWorker.FindExact(token, index);
}

TProbaArchiwum TSlownikiRobocze::ProbeArchive(std::string_view, bool) { return {}; }

std::optional<std::string> TSlownikiRobocze::FindSimilarSentence(std::string_view, int) { return std::nullopt; }

bool TSlownikiRobocze::ReadingFromEntry(TTransSlownikGlowny& dictionary, int index, TZnaczenie& reading) const
{
    const TTransSlownikSlowo& entry = dictionary.GetEntry(index);
    if (entry.SubRecords.Count() == 0)
        return false;
    reading.Entry->Assign(entry);
    reading.DictKind = dictionary.Kind;
    reading.EntryIndex = index;
    reading.Lemma = dictionary.GetKey(index);
    reading.WordClass = static_cast<std::uint8_t>(WordClassOfCode(entry.SubRecords.Item(0)->Code, language_));
    return true;
}

std::vector<TZnaczenie> TSlownikiRobocze::Readings(std::string_view text, bool secondAttempt, bool capitalised)
{
    std::vector<TZnaczenie> readings;
    const auto options = [&] {
        TZnajdzOpcje o = secondAttempt ? OptionsFor(text, capitalised) : InitOptions(text);
        o.TryForms = secondAttempt ? 1 : 0;
        return o;
    };

    TZnajdzOpcje user = options();
    if (TZnaczenie reading; set_.UserWorker.Find(user) && ReadingFromEntry(set_.UserWorker, user.Index, reading)) {
        reading.Score = kOcenaPewna;
        readings.push_back(reading);
    }

    TZnajdzOpcje forms = options();
    if (set_.FormsWorker.FindForms(forms)) {
        for (const TOdwolanie& form : set_.FormsWorker.Readings()) {
            int index = -1;
            TZnaczenie byForm;
            if (!set_.MainWorker.FindExact(form.Base, index) || !ReadingFromEntry(set_.MainWorker, index, byForm))
                continue;
            byForm.Lemma = form.Base;
            byForm.Code = form.FormCode;
            byForm.WordClass = WordClassOfCodeNumber(form.FormCode, language_);
            byForm.Score = byForm.Entry->SubRecords.Item(0)->Code == "777" ? 0 : form.Priority;
            readings.push_back(byForm);
        }
    }

    TZnajdzOpcje main = options();
    if (TZnaczenie reading;
        readings.empty() && set_.MainWorker.Find(main) && ReadingFromEntry(set_.MainWorker, main.Index, reading))
        readings.push_back(reading);
    return readings;
}

} // namespace velmar
