// The features of a word's target form: the walks over the groups that find the
// words supplying them, and the table that takes each feature from the first source
// that has a value.
#include "core/engine/untTransWypCechy.h"

#include <initializer_list>

#include "core/generators/untGenPLLiczebnik.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

bool GroupHasRole(const TCustomWypGrupa* group, int role)
{
    return group != nullptr && role >= 0 && role < 40 && group->Roles.test(static_cast<std::size_t>(role));
}

bool HasRole(const TCustomWypSlowa& words, int i, int role)
{
    return GroupHasRole(words.GroupOfWord(i), role);
}

bool IsSubjectWord(const TCustomWypSlowa& words, int i)
{
    const TCustomWypGrupa* group = words.GroupOfWord(i);
    return group != nullptr && group->IsSubject();
}

// FollowRole with the "previous" role of a pair backwards, else the "next" role
// (the following number) forwards.
int FollowPair(const TCustomWypSlowa& words, int i, std::uint8_t type, int previousRole)
{
    const int found = FollowRole(words, i, type, previousRole, true);
    return found >= 0 ? found : FollowRole(words, i, type, previousRole + 1, false);
}

int ClauseStart(const TCustomWypSlowa& words, int i)
{
    int first = 0, last = 0;
    words.ClauseBounds(i, first, last);
    return first;
}

// The start of the clause before the one that starts at k, −1 when there is none.
int PreviousClauseStart(const TCustomWypSlowa& words, int k)
{
    return k > 0 ? ClauseStart(words, k - 1) : -1;
}

bool TakesEarlierSubject(const TCustomWypSlowo& word)
{
    return word.HasAnyMarker(Znaczniki({znPodmiotPoprzedni, znPodmiotSprzedDwoch, znPodmiotPoNS}));
}

// From a word whose clause takes the subject of an earlier clause to the start of
// the clause that has it, −1 when the utterance has none.
int ClauseOfEarlierSubject(const TCustomWypSlowa& words, int j)
{
    const TCustomWypSlowo* carrier = &words.Word(j);
    int k = ClauseStart(words, j);
    while (k >= 0 && TakesEarlierSubject(*carrier)) {
        const int previous = PreviousClauseStart(words, k);
        const bool skipsOne =
            carrier->HasMarker(znPodmiotSprzedDwoch) || (carrier->HasMarker(znPodmiotPoNS) && previous >= 0 &&
                                                         words.Word(previous).HasAnyMarker(Znaczniki({znNS1, znNS2})));
        k = skipsOne && previous >= 0 ? PreviousClauseStart(words, previous) : previous;
        if (k >= 0)
            carrier = &words.Word(k);
    }
    return k;
}

int FirstSubjectInClause(const TCustomWypSlowa& words, int k)
{
    int first = 0, last = 0;
    words.ClauseBounds(k, first, last);
    for (int j = k; j <= last; ++j)
        if (IsSubjectWord(words, j))
            return j;
    return -1;
}

// The numeral of a nominal group that governs word i's form ("pięciu kotów", "kilka
// książek"): another word of the group with a value, or a quantity word that takes
// the genitive.
int GoverningNumeral(const TCustomWypSlowa& words, int i)
{
    const TCustomWypGrupa* group = words.GroupOfWord(i);
    if (group == nullptr || group->Type != tgNominalna)
        return -1;
    for (int j = group->First; j <= group->Last; ++j)
        if (j != i && (words.Word(j).NumericValue > 0 || words.Word(j).NumeralClass > klZgoda))
            return j;
    return -1;
}

int FirstSet(std::initializer_list<int> values)
{
    for (const int value : values)
        if (value >= 1)
            return value;
    return 0;
}

int FirstGender(std::initializer_list<int> values)
{
    for (const int value : values)
        if (value >= 0)
            return value;
    return -1;
}

// Reads the fields of a source word and its group; a missing source or group reads
// as "no value".
class TZrodlo {
public:
    TZrodlo(const TCustomWypSlowa& words, int i)
        : word_(words.InRange(i) ? &words.Word(i) : nullptr), group_(words.GroupOfWord(i)), source_(words.Language()),
          target_(words.Context().TargetLanguage)
    {
    }

    const TCustomWypGrupa* Group() const { return group_; }
    int GroupField(int TDaneGrupy::*field, int missing) const { return group_ ? group_->*field : missing; }
    int WordField(int TDaneSlowa::*field, int missing) const { return word_ ? word_->*field : missing; }
    int GroupGender() const { return ConvertGender(source_, target_, GroupField(&TDaneGrupy::rdz, -1)); }
    int WordGender() const { return ConvertGender(source_, target_, WordField(&TDaneSlowa::Gender, -1)); }

private:
    const TCustomWypSlowo* word_;
    const TCustomWypGrupa* group_;
    std::uint8_t source_, target_;
};

struct TWlasneCechy {
    int Gender = -1, Number = 0;
};

TWlasneCechy OwnGenderAndNumber(const TCustomWypSlowo& word, const TZrodlo& gender, const TZrodlo& number)
{
    return {FirstGender({word.FormGender, gender.GroupField(&TDaneGrupy::genus, -1), gender.GroupGender(),
                         gender.WordGender()}),
            FirstSet({word.FormNumber, number.GroupField(&TDaneGrupy::num, 0), number.GroupField(&TDaneGrupy::lba, 0),
                      number.WordField(&TDaneSlowa::GrammaticalNumber, 0)})};
}

int SubjectGroupNumber(const TZrodlo& subject)
{
    const int num = subject.GroupField(&TDaneGrupy::num, 0);
    return num == 1 && GroupHasRole(subject.Group(), rgMnogaDoZgody) ? 2 : num;
}

void ApplyNumeralCase(int numeralClass, TCechyCelu& features)
{
    if (numeralClass == 1 && (features.Case <= 1 || features.Case == 4))
        features.Case = 2;
    else if (numeralClass == 2)
        features.Case = 2;
    else if (numeralClass == 3) {
        features.Case = 2;
        features.Number = 1;
    }
}

} // namespace

int GroupAnchor(const TCustomWypSlowa& words, int i)
{
    const TCustomWypGrupa* group = words.GroupOfWord(i);
    if (!GroupHasRole(group, rgReprezentowana))
        return i;
    for (int j = group->Last + 1; words.InRange(j); ++j) {
        const TCustomWypGrupa* other = words.GroupOfWord(j);
        if (GroupHasRole(other, rgReprezentowana) || GroupHasRole(other, rgReprezentant))
            return GroupHasRole(other, rgReprezentant) ? j : i;
    }
    return i;
}

int FollowRole(const TCustomWypSlowa& words, int i, std::uint8_t type, int role, bool backwards)
{
    if (!HasRole(words, i, role))
        return -1;
    // A role that points at a group the utterance does not have gives nothing, so
    // that the other direction of a pair is tried.
    i = words.FindGroup(i, 1u << type, {}, false, backwards);
    if (i < 0)
        return -1;
    while (HasRole(words, i, role)) {
        const int next = words.FindGroup(i, 1u << type, {}, false, backwards);
        if (next < 0)
            break;
        i = next;
    }
    return GroupAnchor(words, i);
}

TZrodlaCech FeatureSources(const TCustomWypSlowa& words, int i)
{
    if (words.GroupOfWord(i) == nullptr)
        return {};
    const int anchor = GroupAnchor(words, i);
    TZrodlaCech sources{anchor, anchor, anchor, anchor, anchor};
    if (const int h = FollowPair(words, i, tgNominalna, rgCechyPoprzedniej); h >= 0)
        sources.Gender = sources.Number = sources.Case = h;
    if (const int g = FollowPair(words, sources.Gender, tgNominalna, rgRodzajPoprzedniej); g >= 0)
        sources.Gender = g;
    if (const int n = FollowPair(words, sources.Number, tgNominalna, rgLiczbaPoprzedniej); n >= 0)
        sources.Number = n;
    if (const int c = FollowPair(words, sources.Case, tgNominalna, rgPrzypadekPoprzedniej); c >= 0)
        sources.Case = c;
    if (const int v = FollowPair(words, i, tgWerbalna, rgOsobaCzasPoprzedniej); v >= 0)
        sources.Person = sources.Tense = v;
    if (const int p = FollowPair(words, sources.Person, tgWerbalna, rgOsobaPoprzedniej); p >= 0)
        sources.Person = p;
    if (const int t = FollowPair(words, sources.Tense, tgWerbalna, rgCzasPoprzedniej); t >= 0)
        sources.Tense = t;
    return sources;
}

TZrodloPodmiotu SubjectOf(const TCustomWypSlowa& words, int i)
{
    if (!words.InRange(i))
        return {};
    int j = i;
    if (HasRole(words, i, rgPodmiotNastepuje)) {
        while (!IsSubjectWord(words, j) && words.InRange(j + 1) && !words.Word(j + 1).HasMarker(znPoczatekZdania))
            ++j;
    } else {
        while (!IsSubjectWord(words, j) && j > 0 && !words.Word(j).HasMarker(znPoczatekZdania))
            --j;
    }
    if (TakesEarlierSubject(words.Word(j))) {
        const int k = ClauseOfEarlierSubject(words, j);
        const int subject = k >= 0 ? FirstSubjectInClause(words, k) : -1;
        if (subject >= 0)
            j = subject;
    }
    if (!IsSubjectWord(words, j))
        return {};
    const TZrodlaCech sources = FeatureSources(words, j);
    return {sources.Gender, sources.Number};
}

TCechyCelu TargetFeatures(const TCustomWypSlowa& words, int i)
{
    const TCustomWypSlowo& word = words.Word(i);
    const TZrodlaCech sources = FeatureSources(words, i);
    const TZrodloPodmiotu subject = SubjectOf(words, i);
    const TZrodlo genderSource(words, sources.Gender), numberSource(words, sources.Number);
    const TZrodlo caseSource(words, sources.Case), personSource(words, sources.Person);
    const TZrodlo tenseSource(words, sources.Tense);
    const TZrodlo subjectGender(words, subject.Gender), subjectNumber(words, subject.Number);
    const bool polishTarget = words.Context().TargetLanguage == jezPolski;

    const TWlasneCechy own = OwnGenderAndNumber(word, genderSource, numberSource);
    TCechyCelu features;
    features.SubjectGender =
        FirstGender({subjectGender.GroupField(&TDaneGrupy::genus, -1), subjectGender.GroupGender(), own.Gender});
    const int subjectGroupNumber = SubjectGroupNumber(subjectNumber);
    features.SubjectNumber = FirstSet({subjectGroupNumber, subjectNumber.GroupField(&TDaneGrupy::lba, 0), own.Number});

    const int numeral = polishTarget ? GoverningNumeral(words, i) : -1;
    const int subjectNumeral = polishTarget ? GoverningNumeral(words, subject.Number) : -1;
    // Only a numeral that takes the genitive makes the verb impersonal ("pięć kotów
    // przyszło"); "dwa koty przyszły" agrees.
    if (subjectNumeral >= 0 && words.Word(subjectNumeral).NumeralClass >= 1)
        features.Person = 9;
    else
        features.Person =
            FirstSet({subjectNumber.GroupField(&TDaneGrupy::Person, 0), personSource.GroupField(&TDaneGrupy::Person, 0),
                      personSource.GroupField(&TDaneGrupy::pn, 0), word.pn});
    if (HasRole(words, i, rgOsobaWgPodmiotu) && !GroupHasRole(subjectNumber.Group(), rgMnogaDoZgody) &&
        subjectGroupNumber > 0 && (features.Person == 0 || features.Person == 3 || features.Person == 6))
        features.Person = subjectGroupNumber == 2 ? 6 : 3;

    features.Tense = FirstSet(
        {tenseSource.GroupField(&TDaneGrupy::Tense, 0), tenseSource.GroupField(&TDaneGrupy::forma, 0), word.vt});
    features.FormCode = FirstSet({word.FormCode, tenseSource.GroupField(&TDaneGrupy::vtdoc, 0)});
    if (features.FormCode == 0)
        features.FormCode = ConvertFormCode(words.Language(), words.Context().TargetLanguage, features.Tense,
                                            word.HasMarker(znPrzeszloscDokonana));
    features.Case = FirstSet(
        {word.FormCase, caseSource.GroupField(&TDaneGrupy::cas, 0), caseSource.GroupField(&TDaneGrupy::casus, 0)});
    const bool agreesInNumber = HasRole(words, i, rgLiczbaPodmiotu) || word.HasMarker(znLiczbaPodmiotu);
    features.Number = agreesInNumber ? features.SubjectNumber : own.Number;
    const bool agreesInGender = HasRole(words, i, rgRodzajPodmiotu) || word.HasMarker(znRodzajPodmiotu);
    features.Gender = agreesInGender ? features.SubjectGender : own.Gender;
    features.Degree = word.st > 0 ? word.st : 0;
    if (numeral >= 0)
        ApplyNumeralCase(words.Word(numeral).NumeralClass, features);

    const TCustomWypGrupa* group = words.GroupOfWord(i);
    // A preposition the verb's valency puts before the group counts as one written
    // there: "czekam na ciebie", not "na cię".
    const bool ledByPreposition = polishTarget && group != nullptr && group->First == i && !group->LeadTexts.empty();
    features.AfterPreposition = (i > 0 && words.Word(i - 1).WordClass == kwPrzyimek) || ledByPreposition;
    features.Oblique =
        word.WordClass == kwZaimek && group != nullptr && group->First == i && group->Last == i && features.Case > 1;
    return features;
}

} // namespace velmar
