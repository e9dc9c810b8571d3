// The groups and clauses of a Polish utterance: the conditional particle and the
// future auxiliary joined to their verbs, nominal groups built by agreement with
// their cases, numbers and genders, verbal groups, possessives, numerals and measures
// taken into their groups, and the clause starts.
#include <algorithm>

#include "core/engine/untTranslatorPl.h"
#include "core/engine/untTranslatorPlKody.h"
#include "core/generators/untGenPLPrzymiotnik.h"

namespace velmar {

namespace {

constexpr std::string_view kQuantityWords =
    "<dużo><za dużo><zbyt dużo><mało><za mało><zbyt mało><wiele><za wiele><zbyt wiele>";
constexpr std::string_view kOwnGroupPronouns = "<ja><ty><Ty><on><ona><ono><my><wy><Wy><oni><one><kto><co><nikt><nic>"
                                               "<ktoś><coś><ktokolwiek><cokolwiek><wszystko><kto bądź><co bądź>";
constexpr int kNumeralCode = 215;
constexpr std::string_view kFutureAuxiliaries = "<będę><będziesz><będzie><będziemy><będziecie><będą>";

// The conditional code of a past form with the particle ("by" + 114: 127); 0 when the
// two do not go together.
int ConditionalCode(std::string_view particle, int pastCode)
{
    struct TTryb {
        const char* Particle;
        int Past, Conditional;
    };
    static constexpr TTryb kTable[] = {
        {"bym", 114, 123}, {"bym", 116, 123},   {"bym", 115, 124},   {"byś", 114, 125},    {"byś", 116, 125},
        {"byś", 115, 126}, {"by", 114, 127},    {"by", 115, 128},    {"by", 116, 129},     {"by", 121, 134},
        {"by", 122, 135},  {"byśmy", 121, 130}, {"byśmy", 122, 131}, {"byście", 121, 132}, {"byście", 122, 133},
    };
    const std::string lower = LowerStr(particle);
    for (const TTryb& row : kTable)
        if (row.Past == pastCode && lower == FromUtf8(row.Particle))
            return row.Conditional;
    return 0;
}

// The future code the auxiliary gives its verb's code (136–141); 0 when none.
int FutureCode(std::string_view auxiliary, int code)
{
    const std::vector<std::string> forms = CommaListItems(FromUtf8("będę,będziesz,będzie,będziemy,będziecie,będą"));
    for (std::size_t k = 0; k < forms.size(); ++k) {
        if (auxiliary != forms[k])
            continue;
        const bool fits = k < 2    ? IsOneOf(code, {100, 114, 115})
                          : k == 2 ? IsOneOf(code, {100, 114, 115, 116})
                                   : IsOneOf(code, {100, 121, 122});
        return fits ? 136 + static_cast<int>(k) : 0;
    }
    return 0;
}

} // namespace

// ---------------------------------------------------------------- verbs

void TWypowiedzeniePl::ConditionalParticle()
{
    const std::string particles = FromUtf8("<bym><byś><by><byśmy><byście>");
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (InTagList(word.Text, particles, true)) {
            const bool afterComma = TextIs(i - 1, ",") ||
                                    (TextIs(i - 2, ",") && TextIn(i - 1, "<tak><i><a><ale><albo>")) ||
                                    (TextIs(i - 3, ",") && TextIs(i - 2, "po") && TextIs(i - 1, "to"));
            if (afterComma) {
                const std::string text = word.AllCaps             ? "A" + word.Text
                                         : StartsUpper(word.Text) ? "A" + LowerStr(word.Text)
                                                                  : "a" + word.Text;
                word.SetText(text);
                ChooseReadingAt(i);
                continue;
            }
            const std::string& before = Words().Word(i - 1).Text;
            if (InRange(i - 1) && (EndsWith(before, "no") || EndsWith(before, "to")))
                continue;
            const int verb = FindClassIn(i + 1, KlasaBit(kwCzasownik));
            if (!InRange(verb))
                continue;
            const int code = ConditionalCode(word.Text, Word(verb).Code);
            if (code > 0) {
                Word(verb).SetCode(code);
                word.Translate = false;
            }
            continue;
        }
        if (word.Readings.Count() > 0 || word.HasMarker(znNieOznaczac))
            continue;
        for (const char* ending : {"bym", "byś", "by", "byśmy", "byście"}) {
            const std::string particle = FromUtf8(ending);
            if (!EndsWith(word.Text, particle) || word.Text.size() <= particle.size())
                continue;
            const std::string cut = word.Text.substr(0, word.Text.size() - particle.size());
            if (!word.DictionariesHold(cut + "by") && word.DictionariesHold(cut)) {
                word.SetText(cut);
                ChooseReadingAt(i);
                if (const int code = ConditionalCode(particle, word.Code); code > 0)
                    word.SetCode(code);
            }
            break;
        }
    }
}

void TWypowiedzeniePl::ImpersonalPredicates()
{
    for (int i = 0; i < Words().Count(); ++i) {
        if (!TextIn(i, VELMAR_PL("<wolno11><wolno12><wolno21><wolno22><można><trzeba><widać><słychać>")))
            continue;
        Word(i).SetCode(146);
        Word(i).WordClass = kwCzasownik;
        if (!HasGroup(i) || Word(i).Group()->Type == tgZadna)
            Words().NewGroupAt(i, tgWerbalna);
    }
}

int TWypowiedzeniePl::ClauseVerb(int i) const
{
    int first = 0, last = -1;
    ClauseBounds(i, first, last);
    for (int j = first; j <= last; ++j)
        if (Words().Word(j).Translate && IsPlFiniteCode(Words().Word(j).Code))
            return j;
    return -1;
}

// ---------------------------------------------------------------- groups

namespace {

// A cardinal ("dwa", "pięciu"): the forms data gives the numerals a code of their own,
// and those the modifier table lists agree with their noun like adjectives.
bool IsAgreeingNumeral(const TCustomWypSlowo& word)
{
    return word.Code == kNumeralCode && !TWypowiedzeniePl::AdjectiveCases(word.Text, word.Code, -1).empty();
}

bool IsModifier(const TCustomWypSlowo& word)
{
    return IsPlModifierCode(word.Code) || (word.Code >= 65 && word.Code <= 67) || IsAgreeingNumeral(word);
}

bool Opens(const TCustomWypSlowo& word)
{
    const int code = word.Code;
    if (word.Text == "-" || word.Text == "--" || word.Text == ",")
        return false;
    return (code >= 1 && code <= 70) || IsPlAdjectiveCode(code) || (code >= 181 && code <= 189) || code == 210 ||
           code == 216 || IsPlParticipleCode(code) || IsAgreeingNumeral(word);
}

} // namespace

bool TWypowiedzeniePl::Agrees(int noun, int first, int last, int skip)
{
    std::string common = "1234567ABCDEFG";
    for (int k = first; k <= last; ++k) {
        if (k == skip || k == noun || TextIn(k, kCoordination) || ClassIs(k, kwPrzyslowek))
            continue;
        common = CommonChars(common, CaseAgreement(noun, k));
        if (common.empty())
            return false;
    }
    return true;
}

int TWypowiedzeniePl::NominalGroupEnd(int a, int& head)
{
    head = IsPlNounCode(Word(a).Code) ? a : -1;
    if (TextIn(a, VELMAR_PL(kOwnGroupPronouns)) || Word(a).Code == 0)
        return a;
    int last = a;
    for (int j = a + 1; InRange(j); ++j) {
        const TWypSlowoPl& word = Word(j);
        if (IsPlNounCode(word.Code)) {
            if (head >= 0) {
                if (head != j - 1 && !CaseAgreement(j, j - 1).empty())
                    last = head;
                break;
            }
            if (!Agrees(j, a, j - 1, -1))
                break;
            head = last = j;
        } else if (IsModifier(word)) {
            // A relative pronoun opens a clause of its own ("dom, który widzę").
            if (LemmaIn(j, VELMAR_PL("<który><jaki>")))
                break;
            if (head < 0)
                continue;
            if (CaseAgreement(head, j).empty() || !Agrees(head, a, j, -1))
                break;
            last = j;
        } else {
            const bool between = Opens(Words().Word(j - 1)) && Opens(Words().Word(j + 1));
            if ((TextIn(j, kCoordination) || ClassIs(j, kwPrzyslowek)) && between)
                continue;
            if (TextIn(j, "<albo><i><lub><,>") && ClassIs(j + 1, kwPrzyslowek) && Opens(Words().Word(j + 2))) {
                ++j;
                continue;
            }
            break;
        }
        if (head < 0)
            last = j;
    }
    // A group never ends on the words it passed over.
    while (last > a && (TextIn(last, kCoordination) || ClassIs(last, kwPrzyslowek)))
        --last;
    return last;
}

void TWypowiedzeniePl::SetNominalFeatures(TCustomWypGrupa& group, int head)
{
    if (head >= 0) {
        std::string cases = Word(head).CaseCodes;
        for (int k = group.First; k <= group.Last; ++k)
            if (k != head && !TextIn(k, kCoordination) && !ClassIs(k, kwPrzyslowek))
                cases = CommonChars(cases, CaseAgreement(head, k));
        group.CaseCodes = cases;
        group.lba = Word(head).GrammaticalNumber;
        group.rdz = Word(head).Gender;
        group.Roles.set(rpZGlowa);
        SetHead(head);
    } else if (Word(group.First).Code == 210) {
        group.CaseCodes = Word(group.First).CaseCodes;
        group.rdz = Word(group.First).Gender;
        if (BeginsPlural(group.CaseCodes))
            group.lba = 2;
    } else {
        const TWypSlowoPl& last = Word(group.Last);
        if (IsModifier(last)) {
            group.CaseCodes = AdjectiveCases(last.Text, last.Code, -1);
            group.lba = BeginsPlural(group.CaseCodes) ? 2 : 1;
        }
    }
    const int before = group.First - 1;
    const bool counted =
        TextIn(before, VELMAR_PL(kQuantityWords)) && !HasGroup(before) &&
        (group.CaseCodes == "2" || group.CaseCodes == "24" || group.CaseCodes == "B" || group.CaseCodes == "BD");
    bool numeral = false;
    for (int k = group.First; k <= group.Last; ++k)
        numeral = numeral || Word(k).Code == 66 || IsAgreeingNumeral(Word(k));
    // "pięciu ludzi": a genitive plural of persons counted, which may be the subject.
    const bool countedPersons = numeral && group.rdz == rdzMeskoosobowy && Meets(group.CaseCodes, "B") &&
                                group.CaseCodes.find_first_of("1234567") == std::string::npos;
    if (counted)
        Words().ExtendGroupLeft(group, before);
    if (counted || countedPersons) {
        group.CaseCodes = "ABD";
        group.lba = 2;
        group.Roles.set(rpLiczebnikowa);
    }
    if (BeginsPlural(group.CaseCodes))
        group.lba = 2;
    if (group.Roles.test(rpZGlowa))
        group.Roles.set(rpMnoga);
}

int TWypowiedzeniePl::BuildNominalGroup(int a)
{
    int head = -1;
    const int last = NominalGroupEnd(a, head);
    TCustomWypGrupa& group = Words().Group(Words().NewGroupAt(a, tgNominalna));
    if (last > a)
        Words().ExtendGroupRight(group, last);
    if (IsPlAdjectiveCode(Word(a).Code) && ClassIs(a - 1, kwPrzyslowek) && !HasGroup(a - 1) &&
        !LemmaIn(a - 1, VELMAR_PL("<nawet><gdzieś><jako>") + std::string(VELMAR_PL(kQuantityWords))))
        Words().ExtendGroupLeft(group, a - 1);
    SetNominalFeatures(group, head);
    return group.Last;
}

int TWypowiedzeniePl::BuildVerbalGroup(int i)
{
    TCustomWypGrupa& group = Words().Group(Words().NewGroupAt(i, tgWerbalna));
    TWypSlowoPl& word = Word(i);
    if (TextIn(i, VELMAR_PL(kFutureAuxiliaries))) {
        const int verb = FindCodeIn(i + 1, KodyOdDo(100, 170));
        const int future = InRange(verb) ? FutureCode(word.Text, Word(verb).Code) : 0;
        if (future > 0) {
            for (int r = 0; r < Word(verb).Readings.Count(); ++r)
                if (FutureCode(word.Text, Word(verb).Readings.Item(r)->Code) > 0)
                    Word(verb).Readings.Item(r)->Code = future;
            Word(verb).SetCode(future);
            word.SetCode(0);
            if (verb == i + 1) {
                Words().ExtendGroupRight(group, verb);
                return verb;
            }
        }
    } else if (TextIn(i, VELMAR_PL("<można><trzeba>")) && TextIs(i + 1, VELMAR_PL("było"))) {
        Word(i + 1).Translate = false;
        Words().ExtendGroupRight(group, i + 1);
        return i + 1;
    }
    return i;
}

void TWypowiedzeniePl::BuildGroups()
{
    for (int i = 0; i < Words().Count(); ++i) {
        if (HasGroup(i) && Word(i).Group()->Type != tgZadna)
            continue;
        if (Opens(Word(i)))
            i = BuildNominalGroup(i);
        else if (IsPlVerbCode(Word(i).Code))
            i = BuildVerbalGroup(i);
    }
}

void TWypowiedzeniePl::PossessivePronouns()
{
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (!TextIn(i, "<jego><jej><ich>"))
            continue;
        if (ClassIs(i - 1, kwZaimek)) {
            word.SetText(word.Text + "3");
            continue;
        }
        if (IsGroupStart(i + 1, tgNominalna)) {
            const bool afterVerb = ClassIs(i - 1, kwCzasownik);
            if (!afterVerb)
                word.SetText(word.Text + "3");
            else if (word.Text != "ich")
                word.SetText(word.Text + "2");
            TCustomWypGrupa& next = *Word(i + 1).Group();
            Words().ExtendGroupLeft(next, i);
            continue;
        }
        if (word.Text != "ich")
            continue;
        const auto finiteAt = [this](int j) { return InRange(j) && IsPlFiniteCode(Word(j).Code); };
        const int after = SkipTextIn(i + 1, kNegations);
        const bool verbFollows = finiteAt(after);
        const bool subjectBefore = TextIn(i - 1, "<ja><ja0><ty><ty0><Ty><on><on0><on2><on30><on31><ona><ona0><ona2>"
                                                 "<ona30><ona31><ono><ono0><ono3><ono32><one><oni><my><my0><wy>"
                                                 "<wy0><Wy><kto><nikt><co>");
        const bool contentBefore =
            IsPlNounCode(Word(i - 1).Code) || ClassIs(i - 1, kwCzasownik) || ClassIs(i - 1, kwPrzymiotnik);
        if (finiteAt(i - 1) || (verbFollows && (subjectBefore || !contentBefore)))
            word.SetText("ich2");
    }
}

void TWypowiedzeniePl::NumeralGroups()
{
    for (int g = 0; g + 1 < Words().GroupCount(); ++g) {
        TCustomWypGrupa& group = Words().Group(g);
        TCustomWypGrupa& next = Words().Group(g + 1);
        if (group.Type != tgNominalna || next.Type != tgNominalna || next.First != group.Last + 1 ||
            !IsOneOf(Word(group.Last).Code, {65, 66}) || next.CaseCodes.find('B') == std::string::npos)
            continue;
        const int head = GroupHead(next.First), last = next.Last;
        const int gender = next.rdz;
        Words().DeleteGroup(g + 1);
        Words().ExtendGroupRight(group, last);
        group.rdz = gender;
        group.lba = 2;
        group.CaseCodes = "AD";
        group.Roles.set(rpLiczebnikowa);
        if (InRange(head) && IsPlNounCode(Word(head).Code))
            SetHead(head);
    }
}

void TWypowiedzeniePl::MeasureNouns()
{
    for (int i = 0; i + 1 < Words().Count(); ++i) {
        if (!IsGroupStart(i + 1, tgNominalna) || !InNominalGroup(i))
            continue;
        TCustomWypGrupa& next = *Word(i + 1).Group();
        const bool weight = LemmaIn(i, "<gram><kilogram><dekagram><funt><metr>") && Meets(next.CaseCodes, "2B");
        const bool volume = LemmaIn(i, "<butelka><litr>") && Meets(next.CaseCodes, "2");
        if (!weight && !volume)
            continue;
        next.SetKind(rgpDopelniacz);
        next.Roles.set(rpMiara);
        next.CaseCodes = "1";
        next.cas = 1;
    }
}

bool TWypowiedzeniePl::JoinNounAndAdjective(int first, int noun)
{
    const int adjective = noun == first ? first + 1 : first;
    if (!IsPlNounCode(Word(noun).Code) || !IsPlAdjectiveCode(Word(adjective).Code))
        return false;
    // "na czarnym rynku": the entry "czarny rynek", in the nominative of the noun.
    const int number = Word(noun).GrammaticalNumber == 2 ? 2 : 1;
    const std::string nominative =
        GenAdjPl(Word(adjective).Lemma, "7", 1, false, 0, std::max(Word(noun).Gender, 0), number);
    if (nominative.empty())
        return false;
    const std::string entry =
        adjective < noun ? nominative + " " + Word(noun).Lemma : Word(noun).Lemma + " " + nominative;
    if (!MainEntryHolds(entry, true))
        return false;
    const int code = Word(noun).Code;
    const std::string sourceText = SpanText(first, first + 1, false);
    Word(first).End = Word(first + 1).End;
    Words().Around(first).Po = Words().Around(first + 1).Po;
    Words().DeleteWord(first + 1);
    Word(first).Text = sourceText;
    LookupAs(first, entry);
    Word(first).SetCode(code);
    SetHead(first);
    return true;
}

void TWypowiedzeniePl::NounAdjectiveEntries()
{
    if (Owner()->Context().Dictionaries == nullptr)
        return;
    for (int i = 0; i + 1 < Words().Count(); ++i)
        if (InNominalGroup(i) && GroupLast(i) > i)
            JoinNounAndAdjective(i, IsPlNounCode(Word(i).Code) ? i : i + 1);
}

void TWypowiedzeniePl::AdjectiveNounScores()
{
    for (int i = 0; i + 1 < Words().Count(); ++i) {
        if (!IsPlAdjectiveCode(Word(i).Code) || !InNominalGroup(i) || GroupLast(i) == i)
            continue;
        TWypSlowoPl& next = Word(i + 1);
        if (!IsPlNominalCode(next.Code) || next.Readings.Count() == 0 ||
            next.Readings.Item(0)->Score <= kOcenaNeutralna)
            continue;
        for (int r = 0; r < next.Readings.Count(); ++r) {
            TZnaczenie& reading = *next.Readings.Item(r);
            if (IsPlNounCode(reading.Code) && reading.Score > kOcenaNeutralna)
                reading.Score = kOcenaNeutralna;
        }
    }
}

// ---------------------------------------------------------------- clauses

int TWypowiedzeniePl::ClauseStartBefore(int i) const
{
    return TextIn(i - 1, "<,><i><a>") ? i - 1 : i;
}

void TWypowiedzeniePl::ClauseStarts()
{
    const auto mark = [this](int i) {
        if (InRange(i))
            Word(ClauseStartBefore(i)).SetMarker(znPoczatekZdania);
    };
    mark(0);
    for (int i = 1; i < Words().Count(); ++i) {
        if (ClassIs(i, kwSpojnik) && !TextIn(i, "<i><a>"))
            mark(i);
        if (LemmaIn(i, VELMAR_PL("<który><która><które><który0><który1><który2><który3><który4>")))
            mark(ClassIs(i - 1, kwPrzyimek) ? i - 1 : i);
        if (LemmaIn(i, "<co><kto><jaki>")) {
            if (TextIs(i - 1, ","))
                Word(i - 1).SetMarker(znPoczatekZdania);
            else if (ClassIs(i - 1, kwPrzyimek) && TextIs(i - 2, ","))
                Word(i - 2).SetMarker(znPoczatekZdania);
        }
    }
    SplitClausesOfTwoVerbs();
}

int TWypowiedzeniePl::SplitPoint(int firstVerb, int secondVerb) const
{
    int point = -1;
    for (const std::string_view marks : {std::string_view("<:><->"), std::string_view("<i><a>")})
        for (int j = secondVerb - 1; j > firstVerb && point < 0; --j)
            if (TextIn(j, marks))
                point = j;
    for (int j = secondVerb - 1; j > firstVerb && point < 0; --j)
        if (TextIs(j, ",") || LemmaIn(j, "<co><kto><jaki>"))
            point = j;
    if (point < 0) {
        point = secondVerb;
        if (IsGroupEnd(secondVerb - 1, tgNominalna) && GroupFirst(secondVerb - 1) > firstVerb) {
            point = GroupFirst(secondVerb - 1);
            if (ClassIs(point - 1, kwPrzyimek) && point - 1 > firstVerb)
                --point;
        }
    }
    if (point - 1 > firstVerb && ClassIs(point - 1, kwSpojnik)) {
        --point;
        if (point - 1 > firstVerb && TextIn(point - 1, "<,><czy>"))
            --point;
    }
    return point;
}

void TWypowiedzeniePl::SplitClausesOfTwoVerbs()
{
    for (int i = 0; i < Words().Count(); ++i) {
        int first = 0, last = -1;
        ClauseBounds(i, first, last);
        int firstVerb = -1, point = -1;
        for (int j = first; j <= last && point < 0; ++j) {
            if (!Word(j).Translate || !IsPlFiniteCode(Word(j).Code))
                continue;
            if (firstVerb < 0)
                firstVerb = j;
            else
                point = SplitPoint(firstVerb, j);
        }
        if (point < 0) {
            i = std::max(i, last);
            continue;
        }
        // The new clause is examined in its turn: it may hold a third verb.
        Word(point).SetMarker(znPoczatekZdania);
        i = point - 1;
    }
}

void TWypowiedzeniePl::GroupKinds()
{
    for (int g = 0; g < Words().GroupCount(); ++g) {
        TCustomWypGrupa& group = Words().Group(g);
        if (group.Type != tgNominalna)
            continue;
        if (group.IsPrepositional())
            group.SetKind(rgpPrzyimkowa);
        else if (HasMarker(group.First, znNazwaWlasna) && IsGroupEnd(group.First - 1, tgNominalna))
            group.SetKind(rgpPrzydawka);
    }
}

void TWypowiedzeniePl::GenitiveChains()
{
    const auto holdsNominal = [this](int i) {
        for (int k = GroupFirst(i); k <= GroupLast(i); ++k)
            if (IsPlNominalCode(Word(k).Code))
                return true;
        return false;
    };
    for (int i = 0; i < Words().Count(); ++i) {
        const int code = Word(i).Code;
        if (!(IsPlAdjectiveCode(code) || IsPlParticipleCode(code)) || !IsSingleWordGroup(i, tgNominalna))
            continue;
        int j = i + 1;
        while (InRange(j)) {
            const int at = ClassIs(j, kwPrzyimek) ? j + 1 : j;
            if (IsSingleWordGroup(at, tgNominalna) && IsPlNounCode(Word(at).Code)) {
                if (!CaseAgreement(at, i).empty()) {
                    Word(i).AddNote("[GNNC_POCZ]");
                    Word(at).AddNote("[GNNC_KON]");
                }
                break;
            }
            if (!InNominalGroup(at) || KindIn(at, {26}) || !holdsNominal(at))
                break;
            j = GroupLast(at) + 1;
        }
    }
}

void TWypowiedzeniePl::CoordinatedGroups()
{
    for (int i = 2; i < Words().Count(); ++i) {
        if (!IsGroupStart(i, tgNominalna) || !IsPlNounCode(Word(i).Code) || !TextIn(i - 1, "<,><i><lub>"))
            continue;
        if (!InNominalGroup(i - 2) || !HasRole(i - 2, rpZGlowa))
            continue;
        TCustomWypGrupa& group = *Word(i).Group();
        const TCustomWypGrupa& earlier = *Word(i - 2).Group();
        const std::string common = CommonChars(group.CaseCodes, earlier.CaseCodes);
        if (common.empty())
            continue;
        group.CaseCodes = common;
        group.Roles.set(rpWspolrzedna);
        if (ClassIs(earlier.First - 1, kwPrzyimek))
            group.Roles.set(rpBezPrzyimka);
    }
}

} // namespace velmar
