// Readings, translations, the subject memory, words, groups, word lists, utterances
// and utterance lists. Query primitives, variants and segmentation have files of their
// own (untTransWypZapytania, untTransWypWarianty, untTransWypSegmentacja).
#include "core/engine/untTransWypTypy.h"

#include <algorithm>

#include "core/app/untUtils.h"
#include "core/dictionaries/untKod.h"
#include "core/generators/untGenPLLiczebnik.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

TZbiorKodow KodyOdDo(int first, int last)
{
    TZbiorKodow set;
    for (int code = std::max(first, 0); code <= std::min(last, 255); ++code)
        set.set(static_cast<std::size_t>(code));
    return set;
}

// ---------------------------------------------------------------- code → class

namespace {

bool Between(int code, int first, int last) { return code >= first && code <= last; }

std::uint8_t FrenchClassOfCode(int code)
{
    if (Between(code, 31, 49) || code == 210 || code == 215) return kwOkreslnik;
    if (Between(code, 50, 79)) return kwPrzymiotnik;
    if (Between(code, 80, 205)) return kwCzasownik;
    if (Between(code, 211, 214) || Between(code, 216, 235)) return kwZaimek;
    if (code == 241 || code == 246 || code == 247) return kwPrzyimek;
    if (code == 242) return kwSpojnik;
    if (code == 243 || code == 249) return kwPartykula;
    if (code == 244) return kwWykrzyknik;
    if (code == 245) return kwLiczebnik;
    if (Between(code, 250, 254)) return kwPrzyslowek;
    if (code == 255) return kwInna;
    return kwRzeczownik;
}

std::uint8_t PolishClassOfCode(int code)
{
    if (Between(code, 65, 67) || code == 215) return kwLiczebnik;
    if (Between(code, 78, 99)) return kwPrzymiotnik;
    if (Between(code, 100, 199)) return kwCzasownik;
    if (code == 210 || code == 216) return kwZaimek;
    if (code == 211) return kwPrzyimek;
    if (code == 212) return kwSpojnik;
    if (code == 213) return kwPartykula;
    if (code == 214) return kwWykrzyknik;
    if (code == 218) return kwPrzyslowek;
    if (code == 219 || code == 250) return kwInna;
    return kwRzeczownik;
}

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

template <typename T>
void MoveItem(std::vector<T>& items, int from, int to)
{
    const int count = static_cast<int>(items.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    T item = std::move(items[static_cast<std::size_t>(from)]);
    items.erase(items.begin() + from);
    items.insert(items.begin() + to, std::move(item));
}

} // namespace

std::uint8_t WordClassOfCodeNumber(int code, std::uint8_t language)
{
    if (code < 0)
        return kwNieznana;
    return language == jezPolski ? PolishClassOfCode(code) : FrenchClassOfCode(code);
}

// ---------------------------------------------------------------- readings

TZnaczenie::TZnaczenie() : Entry(std::make_unique<TTransSlownikSlowo>()) {}

TZnaczenie::~TZnaczenie() = default;

TZnaczenie::TZnaczenie(const TZnaczenie& other) : Entry(std::make_unique<TTransSlownikSlowo>())
{
    CopyFields(other);
    Features1 = other.Features1;
    Features2 = other.Features2;
}

TZnaczenie& TZnaczenie::operator=(const TZnaczenie& other)
{
    if (this != &other) {
        CopyFields(other);
        Features1 = other.Features1;
        Features2 = other.Features2;
    }
    return *this;
}

void TZnaczenie::Assign(const TZnaczenie& other)
{
    if (this != &other)
        CopyFields(other);
}

void TZnaczenie::CopyFields(const TZnaczenie& other)
{
    Entry->Assign(*other.Entry);
    DictKind = other.DictKind;
    EntryIndex = other.EntryIndex;
    Score = other.Score;
    Lemma = other.Lemma;
    Code = other.Code;
    WordClass = other.WordClass;
    Subclass = other.Subclass;
    Note = other.Note;
    Qualifier = other.Qualifier;
    Extra = other.Extra;
    Text1 = other.Text1;
    Text2 = other.Text2;
    SubRecord = other.SubRecord;
    SubRecord2 = other.SubRecord2;
    Flag = other.Flag;
}

TZnaczenie* TZnaczenia::Item(int i)
{
    return i >= 0 && i < Count() ? &items_[static_cast<std::size_t>(i)] : nullptr;
}

const TZnaczenie* TZnaczenia::Item(int i) const
{
    return i >= 0 && i < Count() ? &items_[static_cast<std::size_t>(i)] : nullptr;
}

int TZnaczenia::Add()
{
    items_.emplace_back();
    return Count() - 1;
}

int TZnaczenia::Add(const TZnaczenie& reading)
{
    items_.push_back(reading);
    return Count() - 1;
}

void TZnaczenia::Delete(int i)
{
    if (i >= 0 && i < Count())
        items_.erase(items_.begin() + i);
}

void TZnaczenia::Move(int from, int to) { MoveItem(items_, from, to); }

TZbiorKodow TZnaczenia::ClassSet(bool preferOnly, bool withDispreferred) const
{
    TZbiorKodow preferred, neutral, dispreferred, rejected;
    for (const TZnaczenie& reading : items_) {
        if (reading.DictKind == kRodzajUzytkownika || reading.Code < 0 || reading.Code > 255)
            continue;
        const auto bit = static_cast<std::size_t>(reading.Code);
        if (reading.Score >= 51) preferred.set(bit);
        else if (reading.Score == 50) neutral.set(bit);
        else if (reading.Score >= 1) dispreferred.set(bit);
        else rejected.set(bit);
    }
    if (preferOnly) {
        for (const TZbiorKodow* set : {&preferred, &neutral, &dispreferred, &rejected})
            if (set->any())
                return *set;
        return {};
    }
    return withDispreferred ? preferred | neutral | dispreferred | rejected : preferred | neutral;
}

namespace {
bool CodeInSet(int code, const TZbiorKodow& codes)
{
    return code >= 0 && code <= 255 && codes.test(static_cast<std::size_t>(code));
}
} // namespace

int TZnaczenia::FirstCodeIn(const TZbiorKodow& codes) const
{
    for (const TZnaczenie& reading : items_)
        if (CodeInSet(reading.Code, codes))
            return reading.Code;
    return -1;
}

void TZnaczenia::KeepCodes(const TZbiorKodow& codes)
{
    std::erase_if(items_, [&](const TZnaczenie& reading) { return !CodeInSet(reading.Code, codes); });
}

int TZnaczenia::FindLemmaIn(std::string_view tagList) const
{
    for (int i = 0; i < Count(); ++i)
        if (InTagList(items_[static_cast<std::size_t>(i)].Lemma, tagList))
            return i;
    return -1;
}

int TZnaczenia::FirstWithFlag() const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<std::size_t>(i)].Flag)
            return i;
    return -1;
}

bool TZnaczenia::GrammarCodeOf(int i, int wordClass, std::uint8_t language, std::string& code) const
{
    const TZnaczenie* reading = Item(i);
    if (reading == nullptr || reading->DictKind == kRodzajUzytkownika || wordClass == 14 ||
        wordClass == kwWieleKlas)
        return false;
    // A Polish verbal noun stands for its noun.
    if (language == jezPolski && reading->Code >= 181 && reading->Code <= 188 && wordClass == kwRzeczownik) {
        code = "41";
        return true;
    }
    const TTransSlownikPodrekordy& subRecords = reading->Entry->SubRecords;
    for (int s = 0; s < subRecords.Count(); ++s)
        if (WordClassOfCode(subRecords.Item(s)->Code, language) == wordClass) {
            code = subRecords.Item(s)->Code;
            return true;
        }
    return false;
}

bool TZnaczenia::GrammarCodeFor(int wordClass, std::uint8_t language, std::string& code) const
{
    for (int i = 0; i < Count(); ++i)
        if (GrammarCodeOf(i, wordClass, language, code))
            return true;
    return false;
}

void TZnaczenia::Score(const TZbiorKodow& codes, int score)
{
    for (TZnaczenie& reading : items_)
        if (CodeInSet(reading.Code, codes))
            reading.Score = score;
    std::stable_sort(items_.begin(), items_.end(),
                     [](const TZnaczenie& a, const TZnaczenie& b) { return a.Score > b.Score; });
}

// ---------------------------------------------------------------- translations

TTlumaczenie& TTlumaczenia::Item(int i)
{
    if (i >= 0 && i < Count())
        return items_[static_cast<std::size_t>(i)];
    spare_ = TTlumaczenie{};
    return spare_;
}

int TTlumaczenia::Add()
{
    items_.emplace_back();
    return Count() - 1;
}

void TTlumaczenia::Insert(int i)
{
    items_.insert(items_.begin() + std::clamp(i, 0, Count()), TTlumaczenie{});
}

void TTlumaczenia::Delete(int i)
{
    if (i >= 0 && i < Count())
        items_.erase(items_.begin() + i);
}

void TTlumaczenia::Move(int from, int to) { MoveItem(items_, from, to); }

// ---------------------------------------------------------------- subject memory

void TPodmiotyZdan::Add(int gender, int number, bool flag)
{
    if (Count() >= kPojemnosc)
        items_.erase(items_.begin(), items_.begin() + (Count() - (kPojemnosc - 1)));
    items_.push_back({gender, number, flag});
}

const TPodmiotZdania* TPodmiotyZdan::Item(int i) const
{
    return i >= 0 && i < Count() ? &items_[static_cast<std::size_t>(i)] : nullptr;
}

// ---------------------------------------------------------------- word

TDaneSlowa::TDaneSlowa() = default;
TDaneSlowa::~TDaneSlowa() = default;
TDaneSlowa::TDaneSlowa(TDaneSlowa&&) noexcept = default;
TDaneSlowa& TDaneSlowa::operator=(TDaneSlowa&&) noexcept = default;

TCustomWypSlowo::TCustomWypSlowo(TCustomWypSlowa* owner)
    : owner_(owner), group_(owner ? &owner->NoGroup() : nullptr)
{
}

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
    for (const TZnaczenie& reading :
         dictionaries->Readings(text, secondAttempt, SentenceCapital || Capitalised))
        Readings.Add(reading);
    if (Readings.Count() == 0)
        return false;
    AfterLookup1();
    AfterLookup2();
    return true;
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

void TCustomWypSlowo::SetText(const std::string& text)
{
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

// ---------------------------------------------------------------- group

void TCustomWypGrupa::SetKind(std::uint8_t kind)
{
    kind_ = kind;
    if (OnKindChange)
        OnKindChange(*this);
}

void TCustomWypGrupa::ClearState()
{
    static_cast<TDaneGrupy&>(*this) = TDaneGrupy{};
    kind_ = 0;
}

// ---------------------------------------------------------------- word list

TCustomWypSlowa::TCustomWypSlowa(TCustomWypowiedzenie* owner)
    : owner_(owner), noGroup_(std::make_unique<TCustomWypGrupa>()),
      noWord_(std::make_unique<TCustomWypSlowo>(this))
{
}

TCustomWypSlowa::~TCustomWypSlowa() = default;

const TKontekstWypowiedzi& TCustomWypSlowa::Context() const
{
    static const TKontekstWypowiedzi standalone;
    return owner_ && owner_->Owner() ? owner_->Owner()->Context() : standalone;
}

std::uint8_t TCustomWypSlowa::Language() const { return Context().SourceLanguage; }

void TCustomWypSlowa::ResetSentinels() const
{
    noGroup_->ClearState();
    noWord_->ClearState();
    noAround_ = TPrzedPo{};
}

TCustomWypSlowo& TCustomWypSlowa::Word(int i)
{
    if (InRange(i))
        return *words_[static_cast<std::size_t>(i)];
    ResetSentinels();
    return *noWord_;
}

const TCustomWypSlowo& TCustomWypSlowa::Word(int i) const
{
    if (InRange(i))
        return *words_[static_cast<std::size_t>(i)];
    ResetSentinels();
    return *noWord_;
}

void TCustomWypSlowa::SetWord(int i, std::unique_ptr<TCustomWypSlowo> word)
{
    if (!InRange(i) || !word)
        return;
    word->SetOwner(this);
    words_[static_cast<std::size_t>(i)] = std::move(word);
}

TCustomWypGrupa& TCustomWypSlowa::Group(int i)
{
    if (i >= 0 && i < GroupCount())
        return *groups_[static_cast<std::size_t>(i)];
    ResetSentinels();
    return *noGroup_;
}

void TCustomWypSlowa::SetGroup(int i, std::unique_ptr<TCustomWypGrupa> group)
{
    if (i < 0 || i >= GroupCount() || !group)
        return;
    const TCustomWypGrupa* old = groups_[static_cast<std::size_t>(i)].get();
    for (auto& word : words_)
        if (word->Group() == old)
            word->SetGroup(noGroup_.get());
    groups_.erase(groups_.begin() + i);
    // Words of other groups that the new group spans leave them.
    for (int j = std::max(group->First, 0); j <= group->Last && j < Count(); ++j) {
        DetachFromGroup(j);
        words_[static_cast<std::size_t>(j)]->SetGroup(group.get());
    }
    groups_.push_back(std::move(group));
    SortGroups();
}

TPrzedPo& TCustomWypSlowa::Around(int i)
{
    if (InRange(i))
        return around_[static_cast<std::size_t>(i)];
    ResetSentinels();
    return noAround_;
}

const TPrzedPo& TCustomWypSlowa::Around(int i) const
{
    if (InRange(i))
        return around_[static_cast<std::size_t>(i)];
    ResetSentinels();
    return noAround_;
}

int TCustomWypSlowa::IndexOf(const TCustomWypSlowo* word) const
{
    // From the end: the word asked for is mostly the one just added.
    for (int i = Count() - 1; i >= 0; --i)
        if (words_[static_cast<std::size_t>(i)].get() == word)
            return i;
    return -1;
}

std::unique_ptr<TCustomWypSlowo> TCustomWypSlowa::NewWord()
{
    return std::make_unique<TCustomWypSlowo>(this);
}

std::unique_ptr<TCustomWypGrupa> TCustomWypSlowa::NewGroup()
{
    return std::make_unique<TCustomWypGrupa>();
}

std::string TCustomWypSlowa::Generate(int wordIndex, int translationIndex)
{
    TCustomWypSlowo& word = Word(wordIndex);
    if (!word.FixedTarget.empty())
        return word.FixedTarget;
    if (word.Translations.Count() == 0)
        return word.Text;
    const TTlumaczenie& translation = word.Translations.Item(translationIndex);
    if (!translation.Text.empty())
        return translation.Text;
    std::string text;
    for (const std::string& form : translation.Forms) {
        std::string lemma, code;
        SplitAtStar(form, lemma, code, true);
        if (!text.empty())
            text += ' ';
        text += Trim(lemma);
    }
    return text;
}

bool TCustomWypSlowa::IsWordToken(std::string_view token)
{
    return std::any_of(token.begin(), token.end(),
                       [](char c) { return IsWordCharComma(static_cast<unsigned char>(c)); });
}

int TCustomWypSlowa::AddWord(const std::string& token, const std::string& before,
                             const TZnaczniki& markers, int start, int end, bool sentenceCapital,
                             const std::string& after)
{
    if (!IsWordToken(token)) {
        AppendAfterLast(before + token + after);
        return -1;
    }
    std::unique_ptr<TCustomWypSlowo> word = NewWord();
    word->OnChange = OnWordChange;
    word->Start = start;
    word->End = end;
    word->SentenceCapital = sentenceCapital;
    word->Markers |= markers;
    word->SetGroup(noGroup_.get());
    TPrzedPo around{before, after};
    if (words_.empty()) {
        word->SetMarker(znPoczatekZdania);
        Lead += around.Przed;
        around.Przed.clear();
    }
    words_.push_back(std::move(word));
    around_.push_back(std::move(around));
    const int index = Count() - 1;
    TCustomWypSlowo& added = *words_.back();
    TSlownikiWypowiedzi* dictionaries = Context().Dictionaries;
    if (dictionaries != nullptr && dictionaries->IsUntranslatable(token)) {
        added.Reset(token);
        added.AddMarkers(Znaczniki({znNazwaWlasna, znNieOznaczac, znNieTlumaczyc}));
    } else {
        added.FirstText = token;
        added.SetText(token);
        // What the caller marked stays even when the preparation resets the word.
        added.Markers |= markers;
    }
    return index;
}

int TCustomWypSlowa::InsertWordAfter(int i, std::unique_ptr<TCustomWypSlowo> word, TPrzedPo around)
{
    if (!word)
        return -1;
    const int at = std::clamp(i + 1, 0, Count());
    word->SetOwner(this);
    if (word->Group() == nullptr)
        word->SetGroup(noGroup_.get());
    words_.insert(words_.begin() + at, std::move(word));
    around_.insert(around_.begin() + at, std::move(around));
    for (auto& group : groups_) {
        if (group->First >= at) ++group->First;
        if (group->Last >= at) ++group->Last;
    }
    return at;
}

std::string& TCustomWypSlowa::TextBehindLast()
{
    if (words_.empty())
        return Lead;
    // Bracketed text stands behind its word's Po: what follows it belongs to the Tail
    // of its last utterance, so that the texts keep their order.
    TCustomWypSlowo& last = *words_.back();
    if (last.Nested && last.Nested->Count() > 0) {
        TCustomWypSlowa& nested = last.Nested->Item(last.Nested->Count() - 1)->Words();
        return nested.Tail;
    }
    return around_.back().Po;
}

void TCustomWypSlowa::AppendAfterLast(const std::string& text) { TextBehindLast() += text; }

void TCustomWypSlowa::Clear()
{
    words_.clear();
    around_.clear();
    groups_.clear();
    Lead.clear();
    Tail.clear();
    variants_ = TZdania{};
    variantCount_ = 0;
}

// ---------------------------------------------------------------- groups

int TCustomWypSlowa::GroupIndex(const TCustomWypGrupa* group) const
{
    for (int i = 0; i < GroupCount(); ++i)
        if (groups_[static_cast<std::size_t>(i)].get() == group)
            return i;
    return -1;
}

void TCustomWypSlowa::SortGroups()
{
    std::stable_sort(groups_.begin(), groups_.end(),
                     [](const auto& a, const auto& b) { return a->First < b->First; });
}

void TCustomWypSlowa::DetachFromGroup(int i)
{
    TCustomWypSlowo& word = *words_[static_cast<std::size_t>(i)];
    TCustomWypGrupa* group = word.Group();
    word.SetGroup(noGroup_.get());
    const int index = GroupIndex(group);
    if (index < 0)
        return;
    if (group->First == i && group->Last == i) {
        groups_.erase(groups_.begin() + index);
    } else if (group->First == i) {
        ++group->First;
    } else if (group->Last == i) {
        --group->Last;
    } else {
        // A word from the middle: the part behind it gets a group of its own kind.
        std::unique_ptr<TCustomWypGrupa> tail = NewGroup();
        tail->Type = group->Type;
        tail->First = i + 1;
        tail->Last = group->Last;
        tail->OnKindChange = group->OnKindChange;
        group->Last = i - 1;
        for (int j = tail->First; j <= tail->Last; ++j)
            words_[static_cast<std::size_t>(j)]->SetGroup(tail.get());
        groups_.push_back(std::move(tail));
        SortGroups();
    }
}

int TCustomWypSlowa::NewGroupAt(int i, std::uint8_t type)
{
    if (!InRange(i))
        return -1;
    DetachFromGroup(i);
    std::unique_ptr<TCustomWypGrupa> group = NewGroup();
    group->Type = type;
    group->First = group->Last = i;
    group->OnKindChange = [this](TCustomWypGrupa& changed) { GroupKindChanged(changed); };
    words_[static_cast<std::size_t>(i)]->SetGroup(group.get());
    const TCustomWypGrupa* added = group.get();
    groups_.push_back(std::move(group));
    SortGroups();
    return GroupIndex(added);
}

void TCustomWypSlowa::SetGroupRange(TCustomWypGrupa& group, int first, int last)
{
    if (GroupIndex(&group) < 0 || !InRange(first) || !InRange(last) || first > last)
        return;
    const int oldFirst = group.First, oldLast = group.Last;
    for (int j = first; j <= last; ++j)
        if (words_[static_cast<std::size_t>(j)]->Group() != &group)
            DetachFromGroup(j);
    group.First = first;
    group.Last = last;
    for (int j = first; j <= last; ++j)
        words_[static_cast<std::size_t>(j)]->SetGroup(&group);
    for (int j = oldFirst; j <= oldLast; ++j)
        if (j < first || j > last) {
            words_[static_cast<std::size_t>(j)]->SetGroup(noGroup_.get());
            NewGroupAt(j, tgZadna);
        }
    SortGroups();
}

void TCustomWypSlowa::ExtendGroupLeft(TCustomWypGrupa& group, int i) { SetGroupRange(group, i, group.Last); }

void TCustomWypSlowa::ExtendGroupRight(TCustomWypGrupa& group, int i) { SetGroupRange(group, group.First, i); }

// ---------------------------------------------------------------- utterance

TCustomWypowiedzenie::TCustomWypowiedzenie(TCustomWypowiedzenia* owner,
                                           std::unique_ptr<TCustomWypSlowa> words)
    : owner_(owner), words_(std::move(words))
{
}

TCustomWypowiedzenie::TCustomWypowiedzenie(TCustomWypowiedzenia* owner)
    : owner_(owner), words_(std::make_unique<TCustomWypSlowa>(this))
{
}

TCustomWypowiedzenie::~TCustomWypowiedzenie() = default;

void TCustomWypowiedzenie::SetHead(int i)
{
    if (!HasGroup(i))
        return;
    const TCustomWypGrupa& group = *words_->Word(i).Group();
    for (int j = group.First; j <= group.Last; ++j)
        words_->Word(j).Markers.reset(znGlowaGrupy);
    words_->Word(i).SetMarker(znGlowaGrupy);
}

bool TCustomWypowiedzenie::IsQuestion() const
{
    const int last = words_->Count() - 1;
    return (last >= 0 && words_->Around(last).Po.find('?') != std::string::npos) ||
           words_->Tail.find('?') != std::string::npos;
}

namespace {
template <typename Step>
void ForEachNested(TCustomWypSlowa& words, Step step)
{
    for (int i = 0; i < words.Count(); ++i)
        if (TCustomWypowiedzenia* nested = words.Word(i).Nested.get())
            for (int u = 0; u < nested->Count(); ++u)
                step(*nested->Item(u));
}
} // namespace

void TCustomWypowiedzenie::Analyse(int level)
{
    ForEachNested(*words_, [level](TCustomWypowiedzenie& u) { u.Analyse(level); });
}

void TCustomWypowiedzenie::Transfer()
{
    ForEachNested(*words_, [](TCustomWypowiedzenie& u) { u.Transfer(); });
}

void TCustomWypowiedzenie::Finish()
{
    ForEachNested(*words_, [](TCustomWypowiedzenie& u) { u.Finish(); });
}

// ---------------------------------------------------------------- utterance list

TCustomWypowiedzenia::TCustomWypowiedzenia(TKontekstWypowiedzi context) : context_(context) {}

TCustomWypowiedzenia::~TCustomWypowiedzenia() = default;

int TCustomWypowiedzenia::NewUtterance()
{
    Append(std::make_unique<TCustomWypowiedzenie>(this));
    return Count() - 1;
}

std::unique_ptr<TCustomWypowiedzenia> TCustomWypowiedzenia::NewNested() const
{
    return std::make_unique<TCustomWypowiedzenia>(NestedContext());
}

TKontekstWypowiedzi TCustomWypowiedzenia::NestedContext() const
{
    TKontekstWypowiedzi nested = context_;
    ++nested.NestingDepth;
    return nested;
}

void TCustomWypowiedzenia::Append(std::unique_ptr<TCustomWypowiedzenie> utterance)
{
    items_.push_back(std::move(utterance));
}

TCustomWypowiedzenie* TCustomWypowiedzenia::Item(int i)
{
    return i >= 0 && i < Count() ? items_[static_cast<std::size_t>(i)].get() : nullptr;
}

const TCustomWypowiedzenie* TCustomWypowiedzenia::Item(int i) const
{
    return i >= 0 && i < Count() ? items_[static_cast<std::size_t>(i)].get() : nullptr;
}

void TCustomWypowiedzenia::Delete(int i)
{
    if (i >= 0 && i < Count())
        items_.erase(items_.begin() + i);
}

void TCustomWypowiedzenia::Clear() { items_.clear(); }

bool TCustomWypowiedzenia::StopRequested() const
{
    return context_.Stop != nullptr && context_.Stop->load(std::memory_order_relaxed);
}

} // namespace velmar
