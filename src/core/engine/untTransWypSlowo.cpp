// One word of an utterance: its code and class, its readings and how one is
// committed, renaming and lookup, the chosen translation and what it tells the group.
#include <algorithm>

#include "core/app/untUtils.h"
#include "core/dictionaries/untKod.h"
#include "core/engine/untTransWypTypy.h"
#include "core/generators/untGenPLLiczebnik.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

// Markers that belong to the token's place in the text, not to its readings: a reset
// keeps them.
const TZnaczniki& MarkersKeptByReset()
{
    static const TZnaczniki kept = Znaczniki({znPoczatekZdania, znNazwaWlasna, znNieOznaczac, znNieTlumaczyc});
    return kept;
}

// Markers that come from the readings of the previous text and go with a rename.
const TZnaczniki& MarkersOfReadings()
{
    static const TZnaczniki markers = Znaczniki({znSkrotKonczacy, 158, 159, 162});
    return markers;
}

} // namespace

bool IsUrlOrMail(std::string_view text)
{
    const std::size_t at = text.find('@'), dot = text.find('.', 1);
    if (at != std::string_view::npos && at > 0 && dot != std::string_view::npos)
        return true;
    for (const std::string_view mark :
         {"http:", "https:", "ftp:", "mailto:", "www.", ".com", ".htm", ".exe", ".zip", ".pas", ".pdf", ".rar"})
        if (text.find(mark) != std::string_view::npos)
            return true;
    return false;
}

bool HasMeaningInSubjects(const TZnaczenie& reading, const std::bitset<256>& subjects)
{
    for (int k = 0; k < reading.Entry->SubRecords.Count(); ++k) {
        const TTransSlownikZnaczenia& meanings = reading.Entry->SubRecords.Item(k)->Meanings;
        for (int m = 0; m < meanings.Count(); ++m)
            if ((meanings.Item(m)->Codes & subjects).any())
                return true;
    }
    return false;
}

// ---------------------------------------------------------------- word

TDaneSlowa::TDaneSlowa() = default;
TDaneSlowa::~TDaneSlowa() = default;
TDaneSlowa::TDaneSlowa(TDaneSlowa&&) noexcept = default;
TDaneSlowa& TDaneSlowa::operator=(TDaneSlowa&&) noexcept = default;

TCustomWypSlowo::TCustomWypSlowo(TCustomWypSlowa* owner) : owner_(owner), group_(owner ? &owner->NoGroup() : nullptr) {}

TCustomWypSlowo::~TCustomWypSlowo() = default;

std::uint8_t TCustomWypSlowo::Language() const
{
    return owner_ ? owner_->Language() : Program().SourceLanguage;
}

void TCustomWypSlowo::ClearState()
{
    static_cast<TDaneSlowa&>(*this) = TDaneSlowa{};
    group_ = owner_ ? &owner_->NoGroup() : nullptr;
}

void TCustomWypSlowo::SetCode(int code)
{
    Code = code;
    WordClass = WordClassOfCodeNumber(code, Language());
    if (code == -1 && !Text.empty() && IsAlnum(static_cast<unsigned char>(Text[0]))) {
        Code = 1;
        WordClass = kwRzeczownik;
        Unknown = true;
    }
    if (code == 0)
        Translate = false;
    if (HasMarker(znZaimek))
        WordClass = kwZaimek;
    else if (HasMarker(znOkreslnik))
        WordClass = kwOkreslnik;
}

void TCustomWypSlowo::Prepare()
{
    if (LookupWord())
        return;
    const int index = owner_ ? owner_->IndexOf(this) : -1;
    if (index >= 0 && Text.size() > 1 && Text.back() == '.') {
        TPrzedPo& around = owner_->Around(index);
        around.Po.insert(0, ".");
        --End;
        SetText(Text.substr(0, Text.size() - 1));
        return;
    }
    Reset(Text);
}

bool TCustomWypSlowo::Lookup(std::string_view text, bool secondAttempt)
{
    TSlownikiWypowiedzi* dictionaries = owner_ ? owner_->Context().Dictionaries : nullptr;
    if (dictionaries == nullptr)
        return false;
    const TOdczytyTekstu found = dictionaries->Readings(text, secondAttempt, CaseFolding());
    for (const TZnaczenie& reading : found.Readings)
        Readings.Add(reading);
    if (Readings.Count() == 0)
        return false;
    if (secondAttempt)
        TakeFoundKey(found.FoundKey, found.CaseFolded);
    AfterLookup1();
    AfterLookup2();
    return true;
}

TZwijanieLiter TCustomWypSlowo::CaseFolding() const
{
    const TOpcjeAnalizy& options = owner_->Context().Analysis;
    return {SentenceCapital || Capitalised, options.FoldFirstCapital, options.FoldAnyCase};
}

void TCustomWypSlowo::TakeFoundKey(const std::string& key, bool caseFolded)
{
    if (key.empty() || key == Text)
        return;
    const std::string source = Text;
    Text = key;
    if (!caseFolded || LowerStr(source) == source)
        return;
    if (source == Capitalize(key))
        Capitalised = true;
    else if (source == UpperStr(key))
        AllCaps = true;
    else if (source == velmar::TitleCase(key) || IsUpperLetter(static_cast<unsigned char>(source.front())))
        TitleCase = true;
}

bool TCustomWypSlowo::LookupWord()
{
    if (Text.empty())
        return false;
    const std::string text = Text;
    const bool found = Lookup(text, false) || Lookup(text, true);
    if (found)
        Commit(false);
    return found;
}

void TCustomWypSlowo::Reset(const std::string& text)
{
    Readings.Clear();
    Text = FirstText = Lemma = text;
    Markers &= MarkersKeptByReset();
    Features.reset();
    GrammaticalNumber = FormNumber = FormCode = FormCase = -1;
    Gender = FormGender = -1;
    Unknown = false;
    SetCode(-1);
}

void TCustomWypSlowo::SetMarker(int bit)
{
    if (bit >= 0 && bit < static_cast<int>(Markers.size()))
        Markers.set(static_cast<std::size_t>(bit));
}

bool TCustomWypSlowo::HasMarker(int bit) const
{
    return bit >= 0 && bit < static_cast<int>(Markers.size()) && Markers.test(static_cast<std::size_t>(bit));
}

void TCustomWypSlowo::CreateNested()
{
    if (Nested)
        return;
    const TCustomWypowiedzenie* utterance = owner_ ? owner_->Owner() : nullptr;
    const TCustomWypowiedzenia* list = utterance ? utterance->Owner() : nullptr;
    Nested = list ? list->NewNested() : std::make_unique<TCustomWypowiedzenia>();
}

void TCustomWypSlowo::CommitFirst(bool keepCode)
{
    if (Readings.Count() == 0) {
        Reset(Text);
    } else {
        const TZnaczenie& first = *Readings.Item(0);
        Unknown = false;
        Lemma = first.Lemma;
        if (!keepCode) {
            Code = first.Code;
            WordClass = first.WordClass;
        }
    }
    ReadingCommitted = true;
}

void TCustomWypSlowo::Commit(bool keepCode)
{
    if (!ReadingCommitted)
        CommitFirst(keepCode);
}

void TCustomWypSlowo::ChooseReading(int i, bool keepCode)
{
    if (Readings.Item(i) == nullptr)
        return;
    Readings.Move(i, 0);
    CommitFirst(keepCode);
}

namespace {
std::uint8_t ClassOfReading(const TZnaczenie& reading, std::uint8_t language)
{
    return reading.Code >= 0 ? WordClassOfCodeNumber(reading.Code, language) : reading.WordClass;
}
} // namespace

namespace {

// The meaning whose first alternative is the text's lemma ("osoba" of "osoba *343"),
// keeping the entry's own code; made with the text's code when the sub-record has none.
TTransSlownikZnaczenie& MeaningOf(TTransSlownikPodrekord& record, const std::string& text)
{
    const std::size_t codeMark = text.find(" *");
    const std::string lemma = Trim(text.substr(0, codeMark));
    for (int m = 0; m < record.Meanings.Count(); ++m) {
        TTransSlownikZnaczenie& meaning = *record.Meanings.Item(m);
        if (meaning.Word(0) == lemma)
            return meaning;
    }
    TTransSlownikZnaczenie& meaning = *record.Meanings.Item(record.Meanings.Append());
    const int alternative = meaning.AddAlternative();
    meaning.Words[static_cast<std::size_t>(alternative)] = lemma;
    if (codeMark != std::string::npos)
        meaning.SetWordCode(alternative, Trim(text.substr(codeMark + 1)));
    return meaning;
}

} // namespace

void TCustomWypSlowo::PreferMeaning(std::string_view texts)
{
    for (int r = 0; r < Readings.Count(); ++r) {
        TZnaczenie& reading = *Readings.Item(r);
        const int subRecord = reading.DictKind == kRodzajUzytkownika ? -1 : SelectSubRecord(reading, true, true);
        if (subRecord < 0)
            continue;
        SetMarker(znWymuszoneZnaczenie);
        TTransSlownikPodrekord& record = *reading.Entry->SubRecords.Item(subRecord);
        const std::vector<std::string> items = texts.empty() ? std::vector<std::string>{""} : CommaListItems(texts);
        for (const std::string& item : items) {
            const std::string text = Trim(item);
            if (text.empty())
                Translate = false;
            else
                MeaningOf(record, text).Preferred = true;
        }
    }
}

bool TCustomWypSlowo::ChooseReadingOfClass(std::uint8_t wordClass)
{
    if (wordClass == kwNieznana || wordClass == kwWieleKlas)
        return false;
    for (int i = 0; i < Readings.Count(); ++i) {
        const TZnaczenie reading = *Readings.Item(i);
        if (ClassOfReading(reading, Language()) != wordClass)
            continue;
        Lemma = reading.Lemma;
        if (reading.Code >= 0)
            SetCode(reading.Code);
        else
            WordClass = wordClass;
        Unknown = false;
        Readings.Move(i, 0);
        ReadingCommitted = true;
        return true;
    }
    return false;
}

bool TCustomWypSlowo::ChooseReadingByLemma(std::string_view lemma, bool keepCode)
{
    for (int i = 0; i < Readings.Count(); ++i)
        if (Readings.Item(i)->Lemma == lemma) {
            ChooseReading(i, keepCode);
            return true;
        }
    return false;
}

bool TCustomWypSlowo::ChooseReadingByCode(const TZbiorKodow& codes, bool keepCode)
{
    for (int i = 0; i < Readings.Count(); ++i)
        if (CodeInSet(Readings.Item(i)->Code, codes)) {
            ChooseReading(i, keepCode);
            return true;
        }
    return false;
}

void TCustomWypSlowo::RecodeReadings(const TZbiorKodow& codes, int code)
{
    for (int i = 0; i < Readings.Count(); ++i) {
        TZnaczenie& reading = *Readings.Item(i);
        if (CodeInSet(reading.Code, codes)) {
            reading.Code = code;
            reading.WordClass = WordClassOfCodeNumber(code, Language());
        }
    }
}

bool TCustomWypSlowo::HasReadingOfClass(std::uint8_t wordClass) const
{
    for (int i = 0; i < Readings.Count(); ++i)
        if (ClassOfReading(*Readings.Item(i), Language()) == wordClass)
            return true;
    return false;
}

namespace {

std::string_view WithoutNumber(std::string_view text)
{
    const std::size_t last = text.find_last_not_of("0123456789");
    return last == std::string_view::npos ? text : text.substr(0, last + 1);
}

// "de" renamed "de7", "les1" renamed "les2": the name a rule gives a word to choose one
// of its homograph entries.
bool IsHomographOf(std::string_view name, std::string_view text)
{
    const std::string_view base = WithoutNumber(name);
    return base.size() < name.size() && !base.empty() && LowerStr(base) == LowerStr(WithoutNumber(text));
}

} // namespace

bool TCustomWypSlowo::DictionariesHold(const std::string& text)
{
    TSlownikiWypowiedzi* dictionaries = owner_ ? owner_->Context().Dictionaries : nullptr;
    return dictionaries != nullptr && (!dictionaries->Readings(text, false, CaseFolding()).Readings.empty() ||
                                       !dictionaries->Readings(text, true, CaseFolding()).Readings.empty());
}

std::string TCustomWypSlowo::ShownText() const
{
    return MissingHomograph ? std::string(WithoutNumber(Text)) : Text;
}

void TCustomWypSlowo::SetText(const std::string& text)
{
    // Losing its readings would turn the word into an unknown noun and damage every
    // rule after it, so a homograph the data lacks only takes the name.
    MissingHomograph = IsHomographOf(text, Text) && !DictionariesHold(text);
    if (MissingHomograph) {
        Text = text;
        return;
    }
    Text = text;
    Readings.Clear();
    RemoveMarkers(MarkersOfReadings());
    ReadingCommitted = false;
    Prepare();
}

std::uint8_t TCustomWypSlowo::TargetLanguage() const
{
    return owner_ ? owner_->Context().TargetLanguage : Program().TargetLanguage;
}

void TCustomWypSlowo::ChooseTranslation(int i)
{
    const int index = owner_ ? owner_->IndexOf(this) : -1;
    if (i < 0 || i >= Translations.Count()) {
        ChosenTranslation = -1;
    } else {
        Translations.Move(i, 0);
        ChosenTranslation = 0;
        const TTlumaczenie& chosen = Translations.Item(0);
        TranslationFlags = chosen.Flags;
        TranslationPrefix = chosen.Prefix;
        Chosen = chosen.Extra;
        RecordTargetAgreement(chosen);
    }
    if (OnChange)
        OnChange(*this, index);
}

void TCustomWypSlowo::RecordTargetAgreement(const TTlumaczenie& chosen)
{
    if (owner_ == nullptr || group_ == nullptr || owner_->IsNoGroup(group_))
        return;
    const std::uint8_t target = TargetLanguage();
    if (HasMarker(znGlowaGrupy)) {
        TLiczbaRodzaj found;
        for (const std::string& form : chosen.Forms) {
            std::string word, code;
            SplitAtStar(form, word, code, true);
            word = Trim(word);
            code = Trim(code);
            if (!code.empty() && code != "90")
                found = NumberAndGenderOfCode(code, target);
            else if (target == jezPolski && InTagList(word, "<wszystko><nic><to><tamto><co>"))
                found = {1, 4};
            if (found.Number > 0 || found.Gender >= 0)
                break;
        }
        if (found.Number <= 0 && found.Gender < 0)
            return;
        group_->num = found.Number == 2 ? 2 : HasMarker(znLiczbaMnoga) ? 1 : 0;
        group_->genus = found.Gender;
        if (target != jezPolski) {
            const bool single = chosen.Forms.size() == 1;
            group_->TargetGender = single ? found.Gender : -1;
            group_->TargetNumber = single ? found.Number : 0;
        }
        return;
    }
    const bool numeralLike = WordClass == kwPrzyslowek || WordClass == kwLiczebnik || HasMarker(znLiczebnikowy);
    if (target == jezPolski && numeralLike && group_->Type == tgNominalna && !NumericValueKnown &&
        !HasAnyMarker(Znaczniki({znPorzadkowy, znSkrotKonczacy, znData, znRok}))) {
        std::string words;
        for (const std::string& form : chosen.Forms) {
            std::string word, code;
            SplitAtStar(form, word, code, true);
            words += (words.empty() ? "" : " ") + Trim(word);
        }
        NumericValue = ParseNumber(words, AlphabetId(target));
        NumeralClass = NumeralClassPl(words);
        NumericValueKnown = true;
    }
}

int TCustomWypSlowo::SelectSubRecord(const TZnaczenie& reading, bool, bool)
{
    return reading.Entry->SubRecords.Count() > 0 ? 0 : -1;
}

bool TCustomWypSlowo::SelectMeanings(const TZnaczenie& reading, int subRecord, bool, bool)
{
    const TTransSlownikPodrekord* sub = reading.Entry->SubRecords.Item(subRecord);
    return sub != nullptr && sub->Meanings.Count() > 0;
}

int TCustomWypSlowo::TranslationGender()
{
    const std::uint8_t target = TargetLanguage();
    for (int r = 0; r < Readings.Count(); ++r) {
        const TZnaczenie& reading = *Readings.Item(r);
        if (reading.DictKind == kRodzajUzytkownika)
            continue;
        const int subRecord = SelectSubRecord(reading, true, true);
        if (subRecord < 0 || !SelectMeanings(reading, subRecord, false, false))
            continue;
        const TTransSlownikZnaczenie* meaning = reading.Entry->SubRecords.Item(subRecord)->Meanings.Item(0);
        if (meaning == nullptr)
            continue;
        for (int k = meaning->AlternativeCount() - 1; k >= 0; --k) {
            std::string code = meaning->WordCode(k);
            if (StartsWith(code, "*"))
                code.erase(0, 1);
            const int gender = NumberAndGenderOfCode(Trim(code), target).Gender;
            if (gender >= 0)
                return gender;
        }
        if (target == jezPolski && EndsWithAny(meaning->Word(0), "anie,enie"))
            return 4;
    }
    return -1;
}

void TCustomWypSlowo::AddNote(const std::string& text)
{
    if (!Notes.empty() && !text.empty())
        Notes += ' ';
    Notes += text;
}

namespace {
std::vector<std::string> Lines(std::string_view text)
{
    const std::vector<std::string_view> lines = SplitLines(text);
    return {lines.begin(), lines.end()};
}
} // namespace

void TCustomWypSlowo::ApplySearchOptions(const TZnajdzOpcje& options)
{
    if (options.Found == 0)
        return;
    SearchFlags = options.Found;
    Text = options.InputWord;
    BeforeRule = options.BeforeRule;
    if (options.Aux2 >= 0)
        for (int i = 0; i < Readings.Count(); ++i)
            Readings.Item(i)->Qualifier = options.Aux2;
    if (options.Aux1 > 0)
        FormCase = options.Aux1;
    if (options.WordClass > 0)
        st = options.WordClass;
    Markers |= options.Features;
    RuleBefore = Lines(options.PrefixText);
    RuleAfter = Lines(options.Extra);
}

} // namespace velmar
