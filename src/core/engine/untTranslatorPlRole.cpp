// The roles of the Polish groups: personal and reflexive pronouns, the subject and
// the objects of each clause, the subject pronouns French needs where Polish leaves
// them out, and the person and number the groups settle on.
#include "core/engine/untTranslatorPl.h"
#include "core/engine/untTranslatorPlKody.h"

namespace velmar {

namespace {

constexpr std::string_view kObliquePronouns =
    "<mnie><mi><mię><mną><ci><ciebie><cię><tobie><tobą><jego><go><jemu><mu><nim><jej><ją><nią><niego><niemu>"
    "<nie3><niej><nas><nam><nami><was><wam><wami><ich><nich><im><je><nimi>";
constexpr std::string_view kReflexives = "<się><sobie><się1><sobie1>";

bool IsSubjectKind(int kind)
{
    return IsOneOf(kind, {6, 15, 30, 31, 33, 34, 35});
}

// The pronoun French needs for a verb of the person ("Idę": "je vais"); empty for the
// 3rd person, which the clauses around decide.
std::string_view DroppedPronounOfPerson(int pn)
{
    switch (pn) {
    case 1: return "ja0";
    case 2: return "ty0";
    case 4: return "my0";
    case 5: return "wy0";
    default: return {};
    }
}

bool IsFeminineVerbCode(int code)
{
    return IsOneOf(code, {111, 113, 115, 118, 120, 122, 124, 126, 128, 131, 133, 135});
}

} // namespace

// ---------------------------------------------------------------- pronouns

void TWypowiedzeniePl::PronounRoles()
{
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (TextIn(i, kSubjectPronouns)) {
            // Clitics and unrendered words ("by") stand between a subject and its verb.
            int next = i + 1;
            while (InRange(next) &&
                   (TextIn(next, kNegations) || ClassIs(next, kwPrzyslowek) ||
                    TextIn(next, VELMAR_PL(kNegativeObjects)) || TextIn(next, VELMAR_PL(kObliquePronouns)) ||
                    TextIn(next, VELMAR_PL(kReflexives)) || !Word(next).Translate))
                ++next;
            word.PronounRole = ClassIs(next, kwCzasownik) ? 1 : 2;
            continue;
        }
        if (!TextIn(i, VELMAR_PL(kObliquePronouns)))
            continue;
        const bool afterPreposition = ClassIs(i - 1, kwPrzyimek);
        word.PronounRole = afterPreposition ? 3 : 4;
        if (afterPreposition || !HasGroup(i))
            continue;
        std::string& cases = word.Group()->CaseCodes;
        const std::string narrowed = TextIn(i, "<mnie><nas><was>") ? CommonChars(cases, "4D")
                                     : word.Text == "nim"          ? CommonChars(cases, "5")
                                                                   : "";
        if (!narrowed.empty())
            cases = narrowed;
    }
}

int TWypowiedzeniePl::ReflexiveWordOf(int v) const
{
    const int code = Words().Word(v).Code;
    const std::string reflexive = VELMAR_PL("<się><sobie>");
    if (code >= 161 && code <= 170)
        return TextIn(v + 1, reflexive) ? v + 1 : -1;
    if (LemmaIn(v, VELMAR_PL("<mieć><chcieć>")) || TextIs(v, VELMAR_PL("należy")))
        if (CodeIs(FindClassIn(v + 1, KlasaBit(kwCzasownik)), 100))
            return -1;
    const int before = SkipCodeIn(v - 1, Kody({218}), true);
    if (TextIn(before, reflexive))
        return before;
    const int after = SkipClassIn(v + 1, KlasaBit(kwZaimek) | KlasaBit(kwPrzyslowek));
    for (int j = v + 1; j <= after && InRange(j); ++j)
        if (TextIn(j, reflexive))
            return j;
    return TextIn(after, reflexive) ? after : -1;
}

void TWypowiedzeniePl::ReflexiveVerbs()
{
    for (int v = 0; v < Words().Count(); ++v) {
        TWypSlowoPl& verb = Word(v);
        if (!(IsPlVerbCode(verb.Code) || (verb.Code >= 161 && verb.Code <= 170)))
            continue;
        const int r = ReflexiveWordOf(v);
        if (!InRange(r) || !Word(r).Translate)
            continue;
        TWypSlowoPl& reflexive = Word(r);
        const bool sie = reflexive.Text == VELMAR_PL("się");
        int found = -1;
        for (int k = 0; k < verb.Readings.Count() && found < 0; ++k) {
            const TTransSlownikPodrekordy& subRecords = verb.Readings.Item(k)->Entry->SubRecords;
            for (int s = 0; s < subRecords.Count() && found < 0; ++s) {
                const TTransSlownikPodrekord& sub = *subRecords.Item(s);
                const bool fits = sie ? sub.ReflexiveFlag || InTagList(sub.Marker, VELMAR_PL("<*r><*ř>"))
                                      : InTagList(sub.Marker, "<*T><*C>");
                if (fits)
                    found = k;
            }
        }
        if (found >= 0) {
            verb.ReadingCommitted = false;
            verb.ChooseReading(found, true);
            verb.SetMarker(sie ? znSieZwrotne : znSobieZwrotne);
            reflexive.Translate = false;
            if (HasGroup(r) && reflexive.Group()->Kind() == rgpDopelnienie)
                reflexive.Group()->SetKind(rgpZadna);
            verb.SetMarker(znZwrotny);
            continue;
        }
        const std::string target = ClassIs(r + 1, kwPrzyimek)                ? "soi"
                                   : IsPlVerbCode(Word(r + 1).Code) || r > v ? "se"
                                                                             : "soi";
        reflexive.SetText(reflexive.Text + "1");
        reflexive.FixedTarget = target;
        // French puts the reflexive clitic before its verb ("se lave").
        if (r > v && target == "se")
            MoveGroupedWord(r, v);
    }
}

// ---------------------------------------------------------------- subjects and objects

bool TWypowiedzeniePl::MakeSubject(int first, int last, const std::function<bool(const TCustomWypGrupa&)>& fits,
                                   bool every)
{
    bool found = false;
    for (int g = 0; g < Words().GroupCount(); ++g) {
        TCustomWypGrupa& group = Words().Group(g);
        if (group.Type != tgNominalna || group.First < first || group.First > last ||
            IsOneOf(group.Kind(), {rgpPrzyimkowa, rgpPrzydawka}) || !fits(group))
            continue;
        group.SetKind(rgpPodmiot);
        found = true;
        if (!every)
            return true;
    }
    return found;
}

bool TWypowiedzeniePl::SubjectsByAgreement(int first, int last, int verb)
{
    const int code = Word(verb).Code;
    const auto text = [this](std::string_view list) {
        return [this, list](const TCustomWypGrupa& g) { return TextIn(g.First, list); };
    };
    const auto nominative = [](const TCustomWypGrupa& g, bool plural, std::initializer_list<int> genders) {
        if (g.CaseCodes.find(plural ? 'A' : '1') == std::string::npos)
            return false;
        return genders.size() == 0 || IsOneOf(g.rdz, genders);
    };
    if (IsOneOf(code, {101, 110, 111, 123, 124, 136}))
        return MakeSubject(first, last, text("<ja>"), false);
    if (IsOneOf(code, {102, 112, 113, 125, 126, 137}))
        return MakeSubject(first, last, text("<ty><Ty>"), false);
    if (IsOneOf(code, {104, 117, 118, 130, 131, 139}))
        return MakeSubject(first, last, text("<my>"), false);
    if (IsOneOf(code, {105, 119, 120, 132, 133, 140}))
        return MakeSubject(first, last, text("<wy><Wy>"), false);
    if (IsOneOf(code, {103, 138})) {
        const std::string list = VELMAR_PL("<on><ona><ono><kto><nikt><ktoś><ktokolwiek><któż>");
        return MakeSubject(
            first, last, [&](const TCustomWypGrupa& g) { return TextIn(g.First, list) || nominative(g, false, {}); },
            true);
    }
    if (IsOneOf(code, {106, 141})) {
        if (MakeSubject(
                first, last,
                [&](const TCustomWypGrupa& g) { return TextIn(g.First, "<oni><one>") || nominative(g, true, {}); },
                true))
            return true;
        for (int g = 0; g < Words().GroupCount(); ++g) {
            TCustomWypGrupa& group = Words().Group(g);
            if (group.Type == tgNominalna && group.First >= first && group.First <= last &&
                nominative(group, false, {})) {
                group.SetKind(rgpPodmiotLiczby);
                return true;
            }
        }
        return false;
    }
    const std::string masculine = VELMAR_PL("<on><kto><nikt><ktoś><ktokolwiek><któż>");
    bool found = false;
    if (IsOneOf(code, {114, 127}))
        found = MakeSubject(
            first, last,
            [&](const TCustomWypGrupa& g) {
                return TextIn(g.First, masculine) || nominative(g, false, {0, 1, 2});
            },
            false);
    else if (IsOneOf(code, {115, 128}))
        found = MakeSubject(
            first, last, [&](const TCustomWypGrupa& g) { return TextIs(g.First, "ona") || nominative(g, false, {3}); },
            false);
    else if (IsOneOf(code, {116, 129}))
        found = MakeSubject(
            first, last,
            [&](const TCustomWypGrupa& g) {
                return TextIs(g.First, "ono") || nominative(g, false, {4}) ||
                       (nominative(g, true, {}) && g.Roles.test(rpLiczebnikowa));
            },
            false);
    else if (IsOneOf(code, {121, 134}))
        return MakeSubject(
            first, last, [&](const TCustomWypGrupa& g) { return TextIs(g.First, "oni") || nominative(g, true, {0}); },
            false);
    else
        return false;
    return found || MakeSubject(
                        first, last, [&](const TCustomWypGrupa& g) { return nominative(g, false, {-1}); }, false);
}

bool TWypowiedzeniePl::ClauseHasSubject(int first, int last)
{
    for (int g = 0; g < Words().GroupCount(); ++g) {
        const TCustomWypGrupa& group = Words().Group(g);
        if (group.Type == tgNominalna && group.First >= first && group.First <= last && IsSubjectKind(group.Kind()))
            return true;
    }
    return false;
}

void TWypowiedzeniePl::KindOfGroup(TCustomWypGrupa& group, int verb)
{
    const bool codeZero = Word(group.First).Code == 0;
    std::string& cases = group.CaseCodes;
    if (group.Kind() == rgpPodmiot) {
        if (Meets(cases, "14") || Meets(cases, "AD"))
            group.SetKind(codeZero ? rgpPodmiotZaimka : rgpPodmiotMozliwy);
        else if (codeZero)
            group.SetKind(rgpPodmiotNieznany);
        if (cases == "ADX")
            cases = "A";
        return;
    }
    if (group.IsPrepositional()) {
        group.SetKind(rgpPrzyimkowa);
        return;
    }
    if (group.Kind() != rgpZadna)
        return;
    if (verb < 0 && Meets(cases, "1A")) {
        group.SetKind(rgpBezOrzeczenia);
    } else if (cases == "ADX") {
        const bool negated = TextIn(verb - 1, kNegations) || TextIn(verb + 1, kNegations);
        group.SetKind(negated ? rgpDopelniacz : rgpDopelnienie);
        cases = negated ? "2" : "D";
    } else if (Meets(cases, "2B")) {
        group.SetKind(rgpDopelniacz);
    } else if (Meets(cases, "4D") && (Word(group.First).Text != VELMAR_PL("się") || Word(group.First).Translate)) {
        group.SetKind(rgpDopelnienie);
    }
}

void TWypowiedzeniePl::CaseRoles()
{
    ForEachClause([this](int first, int last) {
        const int verb = ClauseVerb(first);
        if (InRange(verb) && !IsOneOf(Word(verb).Code, {100, 107, 108, 109, 144, 146}) &&
            !SubjectsByAgreement(first, last, verb)) {
            for (int g = 0; g < Words().GroupCount(); ++g) {
                TCustomWypGrupa& group = Words().Group(g);
                if (group.Type == tgNominalna && group.First >= first && group.First <= last)
                    DemonstrativeCases(group);
            }
            SubjectsByAgreement(first, last, verb);
        }
        for (int g = 0; g < Words().GroupCount(); ++g) {
            TCustomWypGrupa& group = Words().Group(g);
            if (group.Type == tgNominalna && group.First >= first && group.First <= last)
                KindOfGroup(group, verb);
        }
    });
}

void TWypowiedzeniePl::DemonstrativeCases(TCustomWypGrupa& group)
{
    struct TZaimekWskazujacy {
        int Code;
        const char* Cases;
        int Gender;
    };
    static constexpr TZaimekWskazujacy kTable[] = {
        {81, "14", 0}, {82, "1", 3},   {83, "14AD", 4}, {84, "24", 0},  {85, "236", 3},
        {86, "3", 0},  {87, "45", 3},  {88, "56C", 0},  {89, "BDF", 0}, {90, "E", 0},
        {91, "A", 0},  {92, "14A", 0}, {93, "D", 3},    {94, "14", 4},  {95, "AD", 1},
    };
    const int head = GroupHead(group.First);
    int code = Word(head).Code;
    if (Word(head).Text == VELMAR_PL("tę"))
        code = 93;
    else if (TextIn(head, VELMAR_PL("<to><tamto><jedno><wszystko><owo><samo>")))
        code = 94;
    else if (TextIn(head, VELMAR_PL("<te><tamte><jedne><wszystkie><owe><same>")))
        code = 95;
    for (const TZaimekWskazujacy& row : kTable)
        if (row.Code == code) {
            group.CaseCodes = row.Cases;
            group.rdz = row.Gender;
        }
}

void TWypowiedzeniePl::ForEachClause(const std::function<void(int, int)>& visit)
{
    for (int i = 0; i < Words().Count(); ++i) {
        int first = 0, last = -1;
        ClauseBounds(i, first, last);
        visit(first, last);
        i = std::max(i, last);
    }
}

std::vector<TCustomWypGrupa*> TWypowiedzeniePl::NominalGroupsIn(int first, int last)
{
    std::vector<TCustomWypGrupa*> groups;
    for (int g = 0; g < Words().GroupCount(); ++g) {
        TCustomWypGrupa& group = Words().Group(g);
        if (group.Type == tgNominalna && group.First >= first && group.First <= last)
            groups.push_back(&group);
    }
    return groups;
}

void TWypowiedzeniePl::SubjectObject()
{
    ForEachClause([this](int first, int last) {
        const std::vector<TCustomWypGrupa*> groups = NominalGroupsIn(first, last);
        for (std::size_t k = 0; k < groups.size(); ++k) {
            if (groups[k]->Kind() != rgpPodmiot)
                continue;
            std::size_t after = k + 1;
            while (after < groups.size() && groups[after]->IsPrepositional())
                ++after;
            if (after < groups.size() && groups[after]->Kind() == rgpPodmiotMozliwy)
                groups[after]->SetKind(rgpDopelnienie);
            if (k > 0 && groups[k - 1]->Kind() == rgpPodmiotMozliwy)
                groups[k - 1]->SetKind(rgpDopelnienie);
        }
        TCustomWypGrupa *subject = nullptr, *object = nullptr, *pronoun = nullptr, *possible[2] = {};
        for (TCustomWypGrupa* group : groups) {
            const int kind = group->Kind();
            if (kind == rgpPodmiot && subject == nullptr)
                subject = group;
            else if (kind == rgpDopelnienie && object == nullptr)
                object = group;
            else if (kind == rgpPodmiotZaimka && pronoun == nullptr)
                pronoun = group;
            else if (kind == rgpPodmiotMozliwy && possible[0] == nullptr)
                possible[0] = group;
            else if (kind == rgpPodmiotMozliwy && possible[1] == nullptr)
                possible[1] = group;
        }
        const int v = ClauseVerb(first);
        const auto beforeVerb = [v](const TCustomWypGrupa* g) { return g->First < v; };
        if (subject != nullptr && possible[0] != nullptr && v >= 0 && beforeVerb(subject) != beforeVerb(possible[0])) {
            possible[0]->SetKind(rgpDopelnienie);
        } else if (subject != nullptr && pronoun != nullptr && v >= 0 && !beforeVerb(subject) && beforeVerb(pronoun)) {
            pronoun->SetKind(rgpDopelnienieZaimka);
        } else if (subject == nullptr && possible[1] != nullptr) {
            possible[0]->SetKind(rgpPodmiot);
            possible[1]->SetKind(rgpDopelnienie);
        } else if (subject == nullptr && possible[0] != nullptr) {
            const bool objectAfterTransitive =
                v >= 0 && !beforeVerb(possible[0]) && HasMarker(v, 41) && IsOneOf(possible[0]->pn, {0, 3, 6});
            if (!objectAfterTransitive)
                possible[0]->SetKind(rgpPodmiot);
        } else if (subject == nullptr && pronoun != nullptr && object != nullptr && v >= 0 && beforeVerb(pronoun) &&
                   !beforeVerb(object)) {
            pronoun->SetKind(rgpPodmiotNieznany);
        }
    });
}

void TWypowiedzeniePl::SubjectKinds()
{
    ForEachClause([this](int first, int last) {
        const int v = ClauseVerb(first);
        if (v >= 0 && HasMarker(v, 41))
            return;
        for (TCustomWypGrupa* group : NominalGroupsIn(first, last)) {
            if (group->Kind() == rgpPodmiotMozliwy)
                group->SetKind(rgpPodmiot);
            else if (group->Kind() == rgpPodmiotZaimka)
                group->SetKind(rgpPodmiotNieznany);
        }
    });
}

void TWypowiedzeniePl::QuestionClauses()
{
    const std::string questionWords = VELMAR_PL("<czy><co><kto><któż><cóż><jaki><który><która><które><który0>"
                                                "<który1><który2><który3><który4><czyj><ile><ilu><gdzie><dokąd>"
                                                "<kiedy><jak><dlaczego><od kiedy><do kiedy>");
    const bool question = IsQuestion();
    ForEachClause([&](int first, int last) {
        int j = SkipTextIn(first, "<i><a><ale><,>");
        if (ClassIs(j, kwPrzyimek))
            ++j;
        if (j <= last && (TextIn(j, questionWords) || LemmaIn(j, questionWords)) && InNominalGroup(j))
            Word(j).Group()->Roles.set(rpPytajna);
        const int v = ClauseVerb(first);
        if (question && v >= 0)
            Word(v).SetMarker(znPytajny);
    });
}

// ---------------------------------------------------------------- dropped subjects

TPodmiotZdania TWypowiedzeniePl::SubjectBefore(int i, std::initializer_list<int> genders)
{
    for (int j = i - 1; j >= 0; --j) {
        if (!HasGroup(j) || !Word(j).Group()->IsSubject())
            continue;
        const TCustomWypGrupa& group = *Word(j).Group();
        if (IsOneOf(group.rdz, genders) && group.lba < 2)
            return {group.rdz, group.lba, group.rdz == rdzZenski && EndsWith(Word(GroupHead(j)).Text, FromUtf8("ść"))};
    }
    const TPodmiotyZdan& memory = Owner()->Subjects();
    for (int k = memory.Count() - 1; k >= 0; --k)
        if (IsOneOf(memory.Item(k)->Gender, genders) && memory.Item(k)->Number < 2)
            return *memory.Item(k);
    return {};
}

std::string TWypowiedzeniePl::ThirdPersonSubject(int verb)
{
    const int code = Word(verb).Code;
    const int pn = Word(verb).Group()->pn;
    if (pn == 6)
        return "oni0";
    if (IsOneOf(code, {116, 129}))
        return "ono0";
    if (IsOneOf(code, {114, 127}))
        return SubjectBefore(verb, {1, 2}).Gender >= 0 ? "on2" : "on0";
    if (IsOneOf(code, {115, 128}))
        return SubjectBefore(verb, {3}).Flag ? "ona2" : "ona0";
    if (IsOneOf(code, {103, 138})) {
        const TPodmiotZdania found = SubjectBefore(verb, {0, 1, 2, 3, 4});
        switch (found.Gender) {
        case 0: return "on30";
        case 1:
        case 2: return "on31";
        case 3: return found.Flag ? "ona31" : "ona30";
        case 4: return "ono3";
        default: return "ono32";
        }
    }
    return {};
}

bool TWypowiedzeniePl::VerbsDiffer(int d, int e) const
{
    const int pd = Words().Word(d).Group()->pn, pe = Words().Word(e).Group()->pn;
    if ((pd == 3 || pd == 6) && pd != pe)
        return true;
    const auto genderOf = [this](int v) {
        const int code = Words().Word(v).Code;
        return IsOneOf(code, {114, 127}) ? 0 : IsOneOf(code, {115, 128}) ? 1 : IsOneOf(code, {116, 129}) ? 2 : -1;
    };
    return genderOf(d) >= 0 && genderOf(e) >= 0 && genderOf(d) != genderOf(e);
}

void TWypowiedzeniePl::ImplicitSubjects()
{
    const std::string openers = VELMAR_PL("<że><jak><kiedy><zanim><nim><aby><żeby><by><który><który0><który1><która>"
                                          "<które><który2><który3><który4><jeśli><jeżeli><gdzie>");
    const std::string relatives =
        VELMAR_PL("<który0><który1><który2><który3><który4><który><która><które><jaki><co><kto>");
    int previousFirst = -1, previousLast = -1;
    ForEachClause([&](int first, int last) {
        const int d = ClauseVerb(first);
        const bool hasSubject = ClauseHasSubject(first, last);
        if (d >= 0 && hasSubject)
            Word(d).ImpliedSubject.clear();
        if (d >= 0 && !hasSubject && !Word(d).HasMarker(znBezosobowy))
            Word(d).ImpliedSubject = ImpliedSubjectOf(d, first, previousFirst, previousLast, openers, relatives);
        previousFirst = first;
        previousLast = last;
    });
}

std::string TWypowiedzeniePl::ImpliedSubjectOf(int d, int first, int previousFirst, int previousLast,
                                               const std::string& openers, const std::string& relatives)
{
    const int forma = Word(d).Group()->forma;
    if (IsOneOf(forma, {1, 2, 3, 4})) {
        const std::string_view pronoun = DroppedPronounOfPerson(Word(d).Group()->pn);
        if (!pronoun.empty())
            return std::string(pronoun);
    }
    // French needs a subject where Polish leaves the 3rd person out ("Pisze list": "Il
    // écrit une lettre"); with no clause before, the verb's form and the subject memory
    // tell which.
    if (previousFirst < 0)
        return IsOneOf(forma, {1, 2, 3, 4}) && !ClauseHasCountedGroup(d) ? ThirdPersonSubject(d) : std::string();
    const int opener = SkipTextIn(first, "<,>");
    if (!TextIn(opener, openers) && !LemmaIn(opener, openers))
        return {};
    for (int j = previousFirst; j <= previousLast; ++j)
        if (TextIn(j, relatives) || LemmaIn(j, relatives))
            return {};
    const int e = ClauseVerb(previousFirst);
    if (e < 0 || !VerbsDiffer(d, e))
        return {};
    return ThirdPersonSubject(d);
}

// "Pięciu ludzi pracuje": a group counted by a numeral is the subject of a verb in the
// 3rd singular, though no agreement marks it as one.
bool TWypowiedzeniePl::ClauseHasCountedGroup(int verb)
{
    int first = 0, last = -1;
    ClauseBounds(verb, first, last);
    for (TCustomWypGrupa* group : NominalGroupsIn(first, last))
        if (group->Roles.test(rpLiczebnikowa))
            return true;
    return false;
}

int TWypowiedzeniePl::InsertSubjectPronoun(int verb, const std::string& text)
{
    int at = GroupFirst(verb);
    if (at < 0)
        at = verb;
    while (at > 0 && (TextIn(at - 1, "<nie1><nie2>") || Word(at - 1).PronounRole == 4 ||
                      TextIn(at - 1, VELMAR_PL("<się1><sobie1>"))))
        --at;
    TWypSlowoPl& next = Word(at);
    std::unique_ptr<TCustomWypSlowo> created = Words().NewWord();
    created->OnChange = next.OnChange;
    created->Start = created->End = next.Start;
    TPrzedPo around{Words().Around(at).Przed, ""};
    Words().Around(at).Przed = " ";
    const int inserted = Words().InsertWordAfter(at - 1, std::move(created), std::move(around));
    TWypSlowoPl& word = Word(inserted);
    word.FirstText = text;
    word.SetText(text);
    ChooseReadingAt(inserted);
    TWypSlowoPl& moved = Word(inserted + 1);
    if (moved.HasMarker(znPoczatekZdania)) {
        moved.RemoveMarkers(Znaczniki({znPoczatekZdania}));
        word.SetMarker(znPoczatekZdania);
    }
    if (moved.SentenceCapital) {
        word.SentenceCapital = true;
        moved.SentenceCapital = false;
    }
    return inserted;
}

void TWypowiedzeniePl::DeferredPhrases()
{
    for (int v = 0; v < Words().Count(); ++v) {
        const std::string text = Word(v).ImpliedSubject;
        if (text.empty())
            continue;
        Word(v).ImpliedSubject.clear();
        const int code = Word(v).Code;
        const int at = InsertSubjectPronoun(v, text);
        ++v;
        Word(v).SetMarker(znCzasownikWstawionego);
        TWypSlowoPl& pronoun = Word(at);
        pronoun.SetMarker(znWstawionyPodmiot);
        TCustomWypGrupa& group = Words().Group(Words().NewGroupAt(at, tgNominalna));
        group.SetKind(rgpPodmiot);
        group.CaseCodes = text == "ja1" ? "2" : InTagList(text, "<my0><wy0><oni0>") ? "A" : "1";
        if (InTagList(text, "<on0><on30><oni0>"))
            group.rdz = rdzMeskoosobowy;
        else if (InTagList(text, "<ona0><ona30><one>"))
            group.rdz = rdzZenski;
        else if (InTagList(text, "<on2><on31><ona2><ona31><ono0><ono3><ono32>"))
            group.rdz = rdzNijaki;
        else
            group.rdz = IsFeminineVerbCode(code) ? rdzZenski : rdzMeskoosobowy;
        group.lba = InTagList(text, "<my0><wy0><oni0>") ? 2 : 1;
        pronoun.PronounRole = 1;
    }
}

// ---------------------------------------------------------------- person and number

void TWypowiedzeniePl::PronounAgreement()
{
    for (int i = 0; i < Words().Count(); ++i) {
        if (!HasGroup(i) || !TextIn(i, "<go><niego><nim>"))
            continue;
        const std::string cases = Word(i).Group()->CaseCodes;
        TZnaczenia& readings = Word(i).Readings;
        for (int r = readings.Count() - 1; r >= 0 && readings.Count() > 1; --r) {
            const TZnaczenie& reading = *readings.Item(r);
            const bool drop = Word(i).Text == "nim" ? (InTagList(reading.Lemma, "<on><ono>") && !Meets(cases, "56")) ||
                                                          (InTagList(reading.Lemma, "<oni><one>") && !Meets(cases, "C"))
                                                    : reading.Lemma != "on" && !Meets(cases, "2");
            if (drop)
                readings.Delete(r);
        }
    }
}

bool TWypowiedzeniePl::RelativeAgrees(const std::string& form, const TCustomWypGrupa& antecedent, std::string& cases,
                                      bool& plural)
{
    const bool pluralAntecedent = antecedent.lba == 2;
    const int gender = antecedent.rdz;
    plural = pluralAntecedent;
    if (form == VELMAR_PL("którym")) {
        if (!pluralAntecedent && gender == rdzZenski)
            return false;
        DeleteCharsInSet(cases, CharsToSet(pluralAntecedent ? "56" : "C"));
        return true;
    }
    if (form == VELMAR_PL("które")) {
        if (pluralAntecedent && gender >= 0) {
            DeleteCharsInSet(cases, CharsToSet("14"));
            return true;
        }
        if (!pluralAntecedent && gender == rdzNijaki) {
            DeleteCharsInSet(cases, CharsToSet("AD"));
            return true;
        }
        return false;
    }
    if (form == VELMAR_PL("który"))
        return !pluralAntecedent && gender >= 0 && gender <= 2;
    if (InTagList(form, VELMAR_PL("<która><której><którą>")))
        return !pluralAntecedent && gender == rdzZenski;
    if (InTagList(form, VELMAR_PL("<którego><któremu>")))
        return !pluralAntecedent && gender >= 0 && gender != rdzZenski;
    if (form == VELMAR_PL("którzy"))
        return pluralAntecedent && gender == rdzMeskoosobowy;
    return InTagList(form, VELMAR_PL("<których><którymi>")) && pluralAntecedent;
}

void TWypowiedzeniePl::RelativeKtory()
{
    const std::string forms =
        VELMAR_PL("<który><która><które><którego><któremu><którym><której><którą><którzy><których><którymi>");
    for (int i = 0; i < Words().Count(); ++i) {
        const std::string form = LowerStr(Word(i).FirstText);
        if (!InTagList(form, forms) || !InNominalGroup(i))
            continue;
        TCustomWypGrupa& group = *Word(i).Group();
        std::string& cases = group.CaseCodes;
        if (!ClassIs(i - 1, kwPrzyimek))
            DeleteCharsInSet(cases, CharsToSet("6F"));
        int antecedent = FindGroup(i, KlasaBit(tgNominalna), {}, false, true);
        const bool before = InRange(antecedent);
        if (!before)
            antecedent = FindGroup(i, KlasaBit(tgNominalna), {}, false, false);
        if (!InRange(antecedent))
            continue;
        const TCustomWypGrupa& source = *Word(antecedent).Group();
        bool plural = false;
        const bool agrees = RelativeAgrees(form, source, cases, plural);
        const bool both = (cases.find('1') != std::string::npos && cases.find('4') != std::string::npos) ||
                          (cases.find('A') != std::string::npos && cases.find('D') != std::string::npos);
        if (both && !group.IsSubject())
            DeleteCharsInSet(cases, CharsToSet("1A"));
        if (!agrees)
            continue;
        if (plural)
            group.lba = 2;
        group.genus = source.genus;
        group.num = source.num;
        Word(i).SetMarker(before ? znPoprzedzik : znNastepnik);
    }
}

void TWypowiedzeniePl::PronounPerson()
{
    ForEachClause([this](int first, int last) {
        const int v = ClauseVerb(first);
        if (v < 0 || !HasGroup(v))
            return;
        for (TCustomWypGrupa* group : NominalGroupsIn(first, last)) {
            if (group->Kind() != 32)
                continue;
            const int i = group->First;
            const bool singular = LemmaIn(i, "<ja><ty><Ty><on><ona><ono><kto>");
            const bool plural = LemmaIn(i, "<my><wy><Wy><oni><one>");
            group->ResolvedCase = singular ? "1" : plural ? "A" : group->lba == 2 ? "A" : "1";
            Word(v).Group()->pn = PersonOfPronoun(i, group->lba);
        }
    });
}

int TWypowiedzeniePl::PersonOfPronoun(int i, int lba) const
{
    return LemmaIs(i, "ja")                    ? 1
           : LemmaIn(i, "<ty><Ty>")            ? 2
           : LemmaIn(i, "<on><ona><ono><kto>") ? 3
           : LemmaIs(i, "my")                  ? 4
           : LemmaIn(i, "<wy><Wy>")            ? 5
           : LemmaIn(i, "<oni><one>")          ? 6
           : lba == 2                          ? 6
                                               : 3;
}

void TWypowiedzeniePl::PersonSpread()
{
    ForEachClause([this](int first, int last) {
        const int v = ClauseVerb(first);
        if (v < 0 || !HasGroup(v))
            return;
        TCustomWypGrupa& verbal = *Word(v).Group();
        for (TCustomWypGrupa* group : NominalGroupsIn(first, last)) {
            group->pn = verbal.pn;
            if (group->IsSubject())
                verbal.genus = group->genus;
        }
    });
    for (int i = 0; i < Words().Count(); ++i)
        if (LemmaIs(i, "sam") && HasGroup(i))
            SamAt(i);
}

// "sam" agrees with what it stresses ("ja sam", "sam dom"); standing alone it is
// French "seul" ("zrobiłem to sam").
void TWypowiedzeniePl::SamAt(int i)
{
    TCustomWypGrupa& group = *Word(i).Group();
    const int byNumber = group.lba == 2 ? 6 : 3;
    if (group.Roles.test(rpZGlowa)) {
        group.pn = byNumber;
    } else if (LemmaIn(i - 1, kSubjectPronouns) && HasGroup(i - 1)) {
        const TCustomWypGrupa& pronoun = *Word(i - 1).Group();
        group.pn = PersonOfPronoun(i - 1, pronoun.lba);
        group.genus = pronoun.genus;
    } else if (group.First == group.Last || (group.Last == i && ClassIs(i - 1, kwPrzyslowek))) {
        const int code = Word(i).Code; // the form's gender and number, for "seule", "seuls"
        Rename(i, "sam2");
        Word(i).SetCode(code);
    }
}

void TWypowiedzeniePl::GroupNumber()
{
    for (int g = 0; g < Words().GroupCount(); ++g) {
        TCustomWypGrupa& group = Words().Group(g);
        if (group.Type != tgNominalna)
            continue;
        const int first = group.First;
        for (int k = first; k <= group.Last; ++k)
            if (IsPlNounCode(Word(k).Code)) {
                if (HasMarker(k - 1, znLiczba) || ClassIs(k - 1, kwLiczebnik))
                    Word(k).SetMarker(znPoLiczebniku);
                break;
            }
        group.ResolvedCase = group.CaseCodes.empty() ? "1" : group.CaseCodes.substr(0, 1);
        group.num = BeginsPlural(group.ResolvedCase) ? 2 : 1;
        const bool pluralWord = IsOneOf(Word(first).Code, {89, 90, 91}) || TextIn(first, "<te><tamte><owe>") ||
                                (Word(first).Code == 88 && TextIn(first + 1, "<ku><przeciw>"));
        if ((group.First == group.Last && pluralWord) || group.CaseCodes == "36AD") {
            group.ResolvedCase = "A";
            group.num = 2;
            if (group.CaseCodes == "36AD") {
                group.CaseCodes = "A";
                group.lba = 2;
            }
        }
        if (group.Kind() == 31) {
            group.ResolvedCase = TextIn(first, "<ja><ty><Ty><on><ona><ono>") ? "4"
                                 : TextIn(first, "<my><wy><Wy><oni>")        ? "D"
                                 : group.num == 2                            ? "A"
                                                                             : "1";
        }
    }
}

} // namespace velmar
