// Codes and classes, groups, word lists, utterances and utterance lists. Readings and
// translations (untTransWypZnaczenia), words (untTransWypSlowo), the groups of a word
// list (untTransWypGrupy), query primitives (untTransWypZapytania), variants
// (untTransWypWarianty), segmentation (untTransWypSegmentacja) and target assembly
// (untTransWypSkladanie, untTransWypGeneruj, untTransWypCechy, untTransWypOdstepy,
// untTransWypListing, untTransWypPorzadkowe) have files of their own.
#include "core/engine/untTransWypTypy.h"

#include <algorithm>

#include "core/app/untUtils.h"

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

bool Between(int code, int first, int last)
{
    return code >= first && code <= last;
}

std::uint8_t FrenchClassOfCode(int code)
{
    if (Between(code, 31, 49) || code == 210 || code == 215)
        return kwOkreslnik;
    if (Between(code, 50, 79))
        return kwPrzymiotnik;
    if (Between(code, 80, 205))
        return kwCzasownik;
    if (Between(code, 211, 214) || Between(code, 216, 235))
        return kwZaimek;
    if (code == 241 || code == 246 || code == 247)
        return kwPrzyimek;
    if (code == 242)
        return kwSpojnik;
    if (code == 243 || code == 249)
        return kwPartykula;
    if (code == 244)
        return kwWykrzyknik;
    if (code == 245)
        return kwLiczebnik;
    if (Between(code, 250, 254))
        return kwPrzyslowek;
    if (code == 255)
        return kwInna;
    return kwRzeczownik;
}

std::uint8_t PolishClassOfCode(int code)
{
    if (Between(code, 65, 67) || code == 215)
        return kwLiczebnik;
    if (Between(code, 78, 99))
        return kwPrzymiotnik;
    if (Between(code, 100, 199))
        return kwCzasownik;
    if (code == 210 || code == 216)
        return kwZaimek;
    if (code == 211)
        return kwPrzyimek;
    if (code == 212)
        return kwSpojnik;
    if (code == 213)
        return kwPartykula;
    if (code == 214)
        return kwWykrzyknik;
    if (code == 218)
        return kwPrzyslowek;
    if (code == 219 || code == 250)
        return kwInna;
    return kwRzeczownik;
}

} // namespace

std::uint8_t WordClassOfCodeNumber(int code, std::uint8_t language)
{
    if (code < 0)
        return kwNieznana;
    return language == jezPolski ? PolishClassOfCode(code) : FrenchClassOfCode(code);
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
    : owner_(owner), noGroup_(std::make_unique<TCustomWypGrupa>()), noWord_(std::make_unique<TCustomWypSlowo>(this))
{
}

TCustomWypSlowa::~TCustomWypSlowa() = default;

const TKontekstWypowiedzi& TCustomWypSlowa::Context() const
{
    static const TKontekstWypowiedzi standalone;
    return owner_ && owner_->Owner() ? owner_->Owner()->Context() : standalone;
}

std::uint8_t TCustomWypSlowa::Language() const
{
    return Context().SourceLanguage;
}

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

bool TCustomWypSlowa::IsWordToken(std::string_view token)
{
    return std::any_of(token.begin(), token.end(),
                       [](char c) { return IsWordCharComma(static_cast<unsigned char>(c)); });
}

int TCustomWypSlowa::AddWord(const std::string& token, const std::string& before, const TZnaczniki& markers, int start,
                             int end, bool sentenceCapital, const std::string& after)
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
        if (group->First >= at)
            ++group->First;
        if (group->Last >= at)
            ++group->Last;
        // A word inserted inside a group belongs to it.
        if (group->First < at && group->Last > at)
            words_[static_cast<std::size_t>(at)]->SetGroup(group.get());
    }
    return at;
}

std::pair<std::unique_ptr<TCustomWypSlowo>, TPrzedPo> TCustomWypSlowa::TakeWord(int i)
{
    std::unique_ptr<TCustomWypSlowo> word = std::move(words_[static_cast<std::size_t>(i)]);
    TPrzedPo around = std::move(around_[static_cast<std::size_t>(i)]);
    words_.erase(words_.begin() + i);
    around_.erase(around_.begin() + i);
    word->SetGroup(noGroup_.get());
    std::erase_if(groups_, [i](const auto& group) { return group->First == i && group->Last == i; });
    for (auto& group : groups_) {
        if (group->First > i)
            --group->First;
        if (group->Last >= i)
            --group->Last;
    }
    return {std::move(word), std::move(around)};
}

void TCustomWypSlowa::DeleteWord(int i)
{
    if (InRange(i))
        TakeWord(i);
}

void TCustomWypSlowa::MoveWord(int from, int to)
{
    if (!InRange(from) || !InRange(to) || from == to)
        return;
    const int first = std::min(from, to);
    const bool clauseStart = words_[static_cast<std::size_t>(first)]->HasMarker(znPoczatekZdania);
    words_[static_cast<std::size_t>(first)]->RemoveMarkers(Znaczniki({znPoczatekZdania}));
    auto [word, around] = TakeWord(from);
    InsertWordAfter(to - 1, std::move(word), std::move(around));
    if (clauseStart)
        words_[static_cast<std::size_t>(first)]->SetMarker(znPoczatekZdania);
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

void TCustomWypSlowa::AppendAfterLast(const std::string& text)
{
    TextBehindLast() += text;
}

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

// ---------------------------------------------------------------- utterance

TCustomWypowiedzenie::TCustomWypowiedzenie(TCustomWypowiedzenia* owner, std::unique_ptr<TCustomWypSlowa> words)
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

void TCustomWypowiedzenia::Clear()
{
    items_.clear();
}

bool TCustomWypowiedzenia::StopRequested() const
{
    return context_.Stop != nullptr && context_.Stop->load(std::memory_order_relaxed);
}

} // namespace velmar
