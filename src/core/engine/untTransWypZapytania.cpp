// The query primitives of an utterance that every analyser rule is written in. An
// index out of range answers false (or comes back unchanged); callers test InRange
// before they write.
#include <algorithm>

#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {

namespace {

bool ClassInMask(std::uint8_t wordClass, std::uint32_t mask)
{
    return wordClass < 32 && (mask & KlasaBit(wordClass)) != 0;
}

bool KindInList(int kind, std::initializer_list<int> kinds)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

} // namespace

const TCustomWypGrupa* TCustomWypowiedzenie::GroupOf(int i) const
{
    return words_->GroupOfWord(i);
}

bool TCustomWypowiedzenie::HasGroup(int i) const
{
    return GroupOf(i) != nullptr;
}

bool TCustomWypowiedzenie::CodeIn(int i, const TZbiorKodow& codes) const
{
    return InRange(i) && CodeInSet(words_->Word(i).Code, codes);
}

bool TCustomWypowiedzenie::CodeIs(int i, int code) const
{
    return InRange(i) && words_->Word(i).Code == code;
}

bool TCustomWypowiedzenie::ClassIn(int i, std::uint32_t classMask) const
{
    return InRange(i) && ClassInMask(words_->Word(i).WordClass, classMask);
}

bool TCustomWypowiedzenie::ClassIs(int i, std::uint8_t wordClass) const
{
    return InRange(i) && words_->Word(i).WordClass == wordClass;
}

bool TCustomWypowiedzenie::TextIn(int i, std::string_view tagList, bool stripDigits, bool ignoreCase) const
{
    return InRange(i) && InTagList(words_->Word(i).Text, tagList, ignoreCase, stripDigits);
}

bool TCustomWypowiedzenie::TextIs(int i, std::string_view text, bool stripDigits, bool ignoreCase) const
{
    if (!InRange(i))
        return false;
    std::string own = stripDigits ? StripTrailingDigits(words_->Word(i).Text) : words_->Word(i).Text;
    return ignoreCase ? LowerStr(own) == LowerStr(text) : own == text;
}

bool TCustomWypowiedzenie::FirstWordIn(int i, std::string_view tagList) const
{
    return InRange(i) && InTagList(FirstWord(words_->Word(i).Text), tagList);
}

bool TCustomWypowiedzenie::PhraseIn(int i, int n, std::string_view tagList) const
{
    if (n <= 0 || !InRange(i) || !InRange(i + n - 1))
        return false;
    std::string phrase = words_->Word(i).Text;
    for (int j = i + 1; j < i + n; ++j)
        phrase += ' ' + words_->Word(j).Text;
    return InTagList(phrase, tagList);
}

bool TCustomWypowiedzenie::TextsAre(int i, const std::vector<std::string>& texts) const
{
    const int n = static_cast<int>(texts.size());
    if (n == 0 || !InRange(i) || !InRange(i + n - 1))
        return false;
    for (int k = 0; k < n; ++k)
        if (words_->Word(i + k).Text != texts[static_cast<std::size_t>(k)])
            return false;
    return true;
}

bool TCustomWypowiedzenie::LemmaIn(int i, std::string_view tagList) const
{
    return InRange(i) && InTagList(words_->Word(i).Lemma, tagList);
}

bool TCustomWypowiedzenie::LemmaIs(int i, std::string_view text) const
{
    return InRange(i) && words_->Word(i).Lemma == text;
}

bool TCustomWypowiedzenie::HasAllMarkers(int i, const TZnaczniki& set) const
{
    return InRange(i) && words_->Word(i).HasAllMarkers(set);
}

bool TCustomWypowiedzenie::HasMarker(int i, int bit) const
{
    return InRange(i) && words_->Word(i).HasMarker(bit);
}

bool TCustomWypowiedzenie::HasAnyMarkerOf(int i, const TZnaczniki& set) const
{
    return InRange(i) && words_->Word(i).HasAnyMarker(set);
}

// ---------------------------------------------------------------- scanning

int TCustomWypowiedzenie::Step(int i, bool backwards, const std::function<bool(int)>& holds, bool whileHolds) const
{
    const int step = backwards ? -1 : 1;
    while (InRange(i) && holds(i) == whileHolds)
        i += step;
    return i;
}

int TCustomWypowiedzenie::SkipClassIn(int i, std::uint32_t classMask, bool backwards) const
{
    return Step(
        i, backwards, [&](int j) { return ClassIn(j, classMask); }, true);
}

int TCustomWypowiedzenie::SkipCodeIn(int i, const TZbiorKodow& codes, bool backwards) const
{
    return Step(
        i, backwards, [&](int j) { return CodeIn(j, codes); }, true);
}

int TCustomWypowiedzenie::SkipTextIn(int i, std::string_view tagList, bool backwards) const
{
    return Step(
        i, backwards, [&](int j) { return TextIn(j, tagList); }, true);
}

int TCustomWypowiedzenie::FindClassIn(int i, std::uint32_t classMask, bool backwards) const
{
    return Step(
        i, backwards, [&](int j) { return ClassIn(j, classMask); }, false);
}

int TCustomWypowiedzenie::FindCodeIn(int i, const TZbiorKodow& codes, bool backwards) const
{
    return Step(
        i, backwards, [&](int j) { return CodeIn(j, codes); }, false);
}

int TCustomWypowiedzenie::FindTextIn(int i, std::string_view tagList, bool backwards) const
{
    return Step(
        i, backwards, [&](int j) { return TextIn(j, tagList); }, false);
}

void TCustomWypowiedzenie::ClauseBounds(int i, int& first, int& last) const
{
    words_->ClauseBounds(i, first, last);
}

void TCustomWypSlowa::ClauseBounds(int i, int& first, int& last) const
{
    first = last = i;
    if (!InRange(i))
        return;
    while (first > 0 && !Word(first).HasMarker(znPoczatekZdania))
        --first;
    while (InRange(last + 1) && !Word(last + 1).HasMarker(znPoczatekZdania))
        ++last;
}

// ---------------------------------------------------------------- groups

bool TCustomWypowiedzenie::InVerbalGroup(int i) const
{
    const TCustomWypGrupa* group = GroupOf(i);
    return group != nullptr && group->Type == tgWerbalna;
}

bool TCustomWypowiedzenie::InNominalGroup(int i) const
{
    const TCustomWypGrupa* group = GroupOf(i);
    return group != nullptr && group->Type == tgNominalna;
}

bool TCustomWypowiedzenie::InPlainNominalGroup(int i) const
{
    return InNominalGroup(i) && !GroupOf(i)->IsPrepositional();
}

bool TCustomWypowiedzenie::InPrepositionalGroup(int i) const
{
    return InNominalGroup(i) && GroupOf(i)->IsPrepositional();
}

bool TCustomWypowiedzenie::PrepositionBeforeGroup(int i) const
{
    return ClassIs(i, kwPrzyimek) && InPrepositionalGroup(i + 1);
}

int TCustomWypowiedzenie::GroupFirst(int i) const
{
    const TCustomWypGrupa* group = GroupOf(i);
    return group != nullptr ? group->First : i;
}

int TCustomWypowiedzenie::GroupLast(int i) const
{
    const TCustomWypGrupa* group = GroupOf(i);
    return group != nullptr ? group->Last : i;
}

bool TCustomWypowiedzenie::IsGroupStart(int i, std::uint8_t type) const
{
    const TCustomWypGrupa* group = GroupOf(i);
    return group != nullptr && group->Type == type && group->First == i;
}

bool TCustomWypowiedzenie::IsGroupEnd(int i, std::uint8_t type) const
{
    const TCustomWypGrupa* group = GroupOf(i);
    return group != nullptr && group->Type == type && group->Last == i;
}

bool TCustomWypowiedzenie::IsSingleWordGroup(int i, std::uint8_t type) const
{
    return IsGroupStart(i, type) && IsGroupEnd(i, type);
}

bool TCustomWypowiedzenie::KindIn(int i, std::initializer_list<int> kinds) const
{
    const TCustomWypGrupa* group = GroupOf(i);
    return group != nullptr && KindInList(group->Kind(), kinds);
}

bool TCustomWypowiedzenie::HasRoles(int i, const TRoleGrupy& roles) const
{
    const TCustomWypGrupa* group = GroupOf(i);
    return group != nullptr && (group->Roles & roles) == roles;
}

bool TCustomWypowiedzenie::HasRole(int i, int role) const
{
    return role >= 0 && role < 40 && HasRoles(i, Bity<40>({role}));
}

int TCustomWypowiedzenie::GroupHead(int i) const
{
    if (!InNominalGroup(i))
        return i;
    const TCustomWypGrupa& group = *GroupOf(i);
    for (int j = group.First; j <= group.Last; ++j)
        if (HasMarker(j, znGlowaGrupy))
            return j;
    return group.Last;
}

int TCustomWypowiedzenie::FindGroup(int i, std::uint32_t typeMask, std::initializer_list<int> kinds, bool inClause,
                                    bool backwards) const
{
    return words_->FindGroup(i, typeMask, kinds, inClause, backwards);
}

const TCustomWypGrupa* TCustomWypSlowa::GroupOfWord(int i) const
{
    if (!InRange(i))
        return nullptr;
    const TCustomWypGrupa* group = Word(i).Group();
    return group == nullptr || IsNoGroup(group) ? nullptr : group;
}

int TCustomWypSlowa::FindGroup(int i, std::uint32_t typeMask, std::initializer_list<int> kinds, bool inClause,
                               bool backwards) const
{
    if (!InRange(i))
        return -1;
    int clauseFirst = 0, clauseLast = 0;
    ClauseBounds(i, clauseFirst, clauseLast);
    const TCustomWypGrupa* own = GroupOfWord(i);
    int j = backwards ? (own ? own->First : i) - 1 : (own ? own->Last : i) + 1;
    while (InRange(j)) {
        if (inClause && (j < clauseFirst || j > clauseLast))
            return -1;
        const TCustomWypGrupa* group = GroupOfWord(j);
        if (group != nullptr) {
            const bool typeFits = group->Type < 32 && (typeMask & (1u << group->Type)) != 0;
            if (typeFits && (kinds.size() == 0 || KindInList(group->Kind(), kinds)))
                return group->First;
            j = backwards ? group->First - 1 : group->Last + 1;
        } else {
            j += backwards ? -1 : 1;
        }
    }
    return -1;
}

bool TCustomWypowiedzenie::IsUnknownName(int i) const
{
    return InRange(i) && words_->Word(i).Readings.Count() == 0 && StartsUpper(words_->Word(i).Text);
}

} // namespace velmar
