// Readings of a source word, translation alternatives and the subject memory.
#include <algorithm>

#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

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
    CaseCodes = other.CaseCodes;
    Gender = other.Gender;
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

void TZnaczenia::Move(int from, int to)
{
    MoveItem(items_, from, to);
}

TZbiorKodow TZnaczenia::ClassSet(bool preferOnly, bool withDispreferred) const
{
    TZbiorKodow preferred, neutral, dispreferred, rejected;
    for (const TZnaczenie& reading : items_) {
        if (reading.DictKind == kRodzajUzytkownika || reading.Code < 0 || reading.Code > 255)
            continue;
        const auto bit = static_cast<std::size_t>(reading.Code);
        if (reading.Score >= 51)
            preferred.set(bit);
        else if (reading.Score == 50)
            neutral.set(bit);
        else if (reading.Score >= 1)
            dispreferred.set(bit);
        else
            rejected.set(bit);
    }
    if (preferOnly) {
        for (const TZbiorKodow* set : {&preferred, &neutral, &dispreferred, &rejected})
            if (set->any())
                return *set;
        return {};
    }
    return withDispreferred ? preferred | neutral | dispreferred | rejected : preferred | neutral;
}

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
    if (reading == nullptr || reading->DictKind == kRodzajUzytkownika || wordClass == 14 || wordClass == kwWieleKlas)
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

void TTlumaczenia::Move(int from, int to)
{
    MoveItem(items_, from, to);
}

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

} // namespace velmar
