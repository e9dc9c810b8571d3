#include "core/engine/untTransWypSlownikiRobocze.h"

#include "core/engine/untTransWypTypy.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

TSlownikiRobocze::TSlownikiRobocze(TSlowniki& set, std::uint8_t sourceLanguage) : set_(set), language_(sourceLanguage)
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

TProbaWyrazenia TSlownikiRobocze::ProbeExpression(TSlownikWyrazen which, std::string_view candidate, bool capitalised)
{
    TTransSlownik& dictionary = DictionaryOf(which);
    // The search and the walk behind it must read the same version of the list.
    const TTransSlownik::TPrzypiecie pin(dictionary);
    // Bounded, so that a long document does not keep every span it ever probed.
    constexpr std::size_t kRememberedProbes = 1 << 15;
    TPamiecProb& memo = probes_[which];
    if (memo.Version != pin.Snapshot() || memo.Answers.size() >= kRememberedProbes) {
        memo.Version = pin.Snapshot();
        memo.Answers.clear();
    }
    std::string key(candidate);
    key += capitalised ? '\1' : '\0';
    if (const auto known = memo.Answers.find(key); known != memo.Answers.end())
        return known->second;
    return memo.Answers[key] = ProbeUncached(dictionary, candidate, capitalised);
}

TProbaWyrazenia TSlownikiRobocze::ProbeUncached(TTransSlownik& dictionary, std::string_view candidate,
                                                bool capitalised)
{
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
    // An index found by one call is read by the next: one version of each list.
    const TTransSlownik::TPrzypiecie mainPin(set_.MainWorker), formsPin(set_.FormsWorker), phrasesPin(set_.Phrases);
    switch (which) {
    case TSlownikWyrazen::Uzytkownika: return true;
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

TProbaArchiwum TSlownikiRobocze::ProbeArchive(std::string_view prefix, bool)
{
    TTransSlownikZdan& archive = set_.ArchiveWorker;
    const TTransSlownik::TPrzypiecie pin(archive);
    TProbaArchiwum probe;
    if (archive.Count() == 0 || prefix.empty())
        return probe;
    int index = 0;
    if (archive.FindAt(prefix, 100, index)) {
        probe.Complete = true;
        if (const auto* first = archive.Record(index).Translations.Item(0))
            probe.Translation = first->Plain;
    }
    // Longer stored sentences that begin with the prefix sort right behind it.
    TZnajdzOpcje options;
    options.Word = std::string(prefix);
    for (index = std::max(index - 1, 0); index >= 0 && index < archive.Count(); ++index) {
        const bool equal = archive.PrefixFrom(options, index);
        if (index < 0)
            break;
        if (!equal) {
            probe.More = true;
            break;
        }
    }
    return probe;
}

std::optional<std::string> TSlownikiRobocze::FindSimilarSentence(std::string_view text, int level)
{
    TTransSlownikZdan& archive = set_.ArchiveWorker;
    const TTransSlownik::TPrzypiecie pin(archive);
    int index = 0;
    if (archive.Count() == 0 || !archive.FindAt(text, level, index))
        return std::nullopt;
    const auto* first = archive.Record(index).Translations.Item(0);
    if (!first)
        return std::nullopt;
    return first->ViewAt(level);
}

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

TOdczytyTekstu TSlownikiRobocze::Readings(std::string_view text, bool secondAttempt, const TZwijanieLiter& folding)
{
    TOdczytyTekstu found;
    std::vector<TZnaczenie>& readings = found.Readings;
    const auto note = [&found](const TZnajdzOpcje& o) {
        if (found.FoundKey.empty()) {
            found.FoundKey = o.Word;
            found.CaseFolded = o.FirstLowered != 0 || o.AnyCase != 0;
        }
    };
    // The user dictionary may change on the window thread between a search and the
    // reading of the line it found: each list keeps one version for the whole look-up.
    const TTransSlownik::TPrzypiecie userPin(set_.UserWorker), formsPin(set_.FormsWorker), mainPin(set_.MainWorker),
        phrasesPin(set_.Phrases);
    const auto options = [&] {
        TZnajdzOpcje o = secondAttempt ? OptionsFor(text, folding.FirstLower) : InitOptions(text);
        if (secondAttempt && language_ != jezNiemiecki) {
            o.FirstLowered = folding.FirstLowered ? 1 : 0;
            o.AnyCase = folding.AnyCase ? 1 : 0;
        }
        o.TryForms = secondAttempt ? 1 : 0;
        return o;
    };

    TZnajdzOpcje user = options();
    if (TZnaczenie reading; set_.UserWorker.Find(user) && ReadingFromEntry(set_.UserWorker, user.Index, reading)) {
        note(user);
        reading.Score = kOcenaPewna;
        readings.push_back(reading);
    }

    // A phrase entry of the text itself stands for the word (with the code of its form
    // when the forms know it); only without one do the base forms give the readings,
    // each from the main entry of the base and from a phrase entry of it.
    TZnajdzOpcje forms = options();
    const bool formsKnow = set_.FormsWorker.FindForms(forms) && !set_.FormsWorker.Readings().Empty();
    TZnajdzOpcje phrase = options();
    if (TZnaczenie reading; set_.Phrases.Find(phrase) && ReadingFromEntry(set_.Phrases, phrase.Index, reading)) {
        note(phrase);
        if (formsKnow) {
            reading.Code = set_.FormsWorker.Readings().Item(0).FormCode;
            reading.WordClass = WordClassOfCodeNumber(reading.Code, language_);
        }
        readings.push_back(reading);
    } else if (formsKnow) {
        note(forms);
        for (const TOdwolanie& form : set_.FormsWorker.Readings()) {
            for (TTransSlownikGlowny* dictionary : {&set_.MainWorker, &set_.Phrases}) {
                int index = -1;
                TZnaczenie byForm;
                if (!dictionary->FindExact(form.Base, index) || !ReadingFromEntry(*dictionary, index, byForm))
                    continue;
                byForm.Lemma = form.Base;
                byForm.Code = form.FormCode;
                byForm.WordClass = WordClassOfCodeNumber(form.FormCode, language_);
                byForm.Score = byForm.Entry->SubRecords.Item(0)->Code == "777" ? 0 : form.Priority;
                readings.push_back(byForm);
            }
        }
    }

    TZnajdzOpcje main = options();
    if (TZnaczenie reading;
        readings.empty() && set_.MainWorker.Find(main) && ReadingFromEntry(set_.MainWorker, main.Index, reading)) {
        note(main);
        readings.push_back(reading);
    }
    return found;
}

} // namespace velmar
