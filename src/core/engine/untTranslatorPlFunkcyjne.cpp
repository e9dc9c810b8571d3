// The Polish function words: each becomes the numbered homograph of the dictionary
// that says how French renders it here ("nie" before a finite verb "nie1", "ne"; the
// answer "tak" "tak1", "oui"), from the words around it; and the scope of a negation.
#include "core/engine/untTranslatorPl.h"
#include "core/engine/untTranslatorPlKody.h"

namespace velmar {

namespace {

constexpr std::string_view kNegativeWords =
    "<nigdy><nigdzie><nikt><nic><nikogo><nikomu><nikim><niczemu><niczego><niczym><nijak>";
constexpr std::string_view kAnswerConjunctions = "<a><i><oraz><ale><ależ><albo><lecz><och><ach><o>";
constexpr std::string_view kSeparators = "<i><oraz><lub><albo><,><;><.><:><?>";
constexpr std::string_view kComparativeWords = "<bardziej><większy><lepszy><więcej><lepiej><szybciej><dalej>";

} // namespace

void TWypowiedzeniePl::Rename(int i, const std::string& text)
{
    TWypSlowoPl& word = Word(i);
    const bool translate = word.Translate;
    word.SetText(text);
    ChooseReadingAt(i);
    word.Translate = translate;
}

bool TWypowiedzeniePl::InAnswerPosition(int i) const
{
    const int count = Words().Count();
    if (count == 1)
        return true;
    if (count == 2 && i == 1 && TextIn(0, VELMAR_PL(kAnswerConjunctions)))
        return true;
    if (TextIs(i + 1, ",") && (i == 0 || (i == 1 && TextIn(0, VELMAR_PL(kAnswerConjunctions)))))
        return true;
    return TextIs(i - 1, ",") && TextIs(i + 1, ",");
}

void TWypowiedzeniePl::NieAt(int i)
{
    const std::string negatives = VELMAR_PL(kNegativeWords);
    const int verb = SkipTextIn(i + 1, VELMAR_PL("<się1>"));
    const bool beforeVerb = ClassIs(verb, kwCzasownik);
    std::string homograph = "nie4";
    if (TextIn(i - 1, negatives)) {
        homograph = "nie2";
    } else if (ClassIs(i - 1, kwPrzyimek)) {
        homograph = "nie3";
    } else if (beforeVerb) {
        bool negativeAfter = false;
        for (int j = verb + 1; j <= verb + 3 && InRange(j); ++j)
            negativeAfter = negativeAfter || TextIn(j, negatives);
        homograph = negativeAfter ? "nie2" : "nie1";
    } else if (InAnswerPosition(i)) {
        homograph = "nie6";
    }
    Rename(i, homograph);
    TWypSlowoPl& word = Word(i);
    if (homograph == "nie3") {
        word.WordClass = kwZaimek;
        return;
    }
    const int code = Word(verb).Code;
    if (homograph == "nie1") {
        if (!InRange(i + 1) || (code >= 101 && code <= 141) || code == 148 || code == 149) {
            word.FixedTarget = "ne";
            if (InRange(i + 1))
                Word(verb).SetMarker(znPrzeczenieFr);
        } else if (code == 142 || code == 143 || IsPlParticipleCode(code)) {
            word.FixedTarget = "non";
        } else if (code == 100) {
            word.FixedTarget = "ne pas";
        }
    } else if (homograph == "nie2") {
        const int next = Word(i + 1).Code;
        const bool participle = next == 142 || next == 143 || IsPlParticipleCode(next);
        word.FixedTarget = InRange(i + 1) && !participle ? "ne" : "non";
    }
}

void TWypowiedzeniePl::CzyAt(int i)
{
    const auto verbAt = [this](int j) { return Word(j).Code >= 101 && Word(j).Code <= 149; };
    bool before = false, after = false;
    for (int j = 0; j < i; ++j)
        before = before || verbAt(j);
    for (int j = i + 1; InRange(j); ++j)
        after = after || verbAt(j);
    if (before && after && (TextIs(i - 1, ",") || ClassIs(i - 1, kwSpojnik))) {
        Rename(i, "czy2");
        return;
    }
    // The question particle: French asks with "est-ce que".
    if (IsQuestion() && !before) {
        Rename(i, "czy4");
        return;
    }
    const auto nominal = [this](int j) {
        if (!InNominalGroup(j) || KindIn(j, {26}))
            return false;
        for (int k = GroupFirst(j); k <= GroupLast(j); ++k)
            if (IsPlNominalCode(Word(k).Code))
                return true;
        return false;
    };
    const bool alikeWords = InRange(i - 1) && InRange(i + 1) && Word(i - 1).Code == Word(i + 1).Code &&
                            ClassIn(i - 1, KlasaBit(kwPrzymiotnik) | KlasaBit(kwPrzyslowek) | KlasaBit(kwLiczebnik));
    Rename(i, (nominal(i - 1) && nominal(i + 1)) || alikeWords ? "czy3" : "czy4");
}

void TWypowiedzeniePl::WolnoAt(int i)
{
    int first = 0, last = -1;
    ClauseBounds(i, first, last);
    bool infinitive = false;
    int finite = -1;
    for (int j = first; j <= last; ++j) {
        infinitive = infinitive || Word(j).Code == 100;
        if (finite < 0 && j != i && Word(j).Code >= 101 && Word(j).Code <= 149)
            finite = j;
    }
    const bool negated = TextIn(i - 1, kNegations);
    if (infinitive && finite < 0) {
        Rename(i, negated ? "wolno12" : "wolno11");
    } else if (finite >= 0 && Word(finite).Text == VELMAR_PL("było")) {
        Word(finite).SetCode(0);
        Rename(i, negated || TextIn(finite - 1, kNegations) ? "wolno22" : "wolno21");
    } else {
        Rename(i, finite >= 0 && !infinitive ? "wolno3" : "wolno4");
    }
}

void TWypowiedzeniePl::KtoryAt(int i)
{
    const bool question = IsQuestion();
    bool contentBefore = false;
    for (int j = 0; j < i; ++j)
        contentBefore = contentBefore || IsPlNominalCode(Word(j).Code) || IsPlVerbCode(Word(j).Code);
    std::string homograph;
    const int comma = ClassIs(i - 1, kwPrzyimek) ? i - 2 : i - 1;
    if (question && !contentBefore) {
        homograph = "który3";
    } else if (TextIn(i, VELMAR_PL("<którego><której><których>")) && TextIn(i - 1, "<,><i><lub><oraz>")) {
        homograph = "który2";
    } else if (TextIs(comma, ",") && InNominalGroup(comma - 1)) {
        homograph =
            Word(comma - 1).Group()->rdz == rdzMeskoosobowy && !ClassIs(i - 1, kwPrzyimek) ? "który0" : "który1";
    } else {
        homograph = "który4";
    }
    // The relative keeps its own form's code: the homograph only says how French renders it.
    const int code = Word(i).Code;
    Rename(i, FromUtf8(homograph));
    if (code > 0)
        Word(i).SetCode(code);
}

bool TWypowiedzeniePl::NeighbourWordRule(int i)
{
    TWypSlowoPl& word = Word(i);
    const std::string lower = LowerStr(word.Text);
    if (lower == "nie") {
        NieAt(i);
    } else if (lower == "tak") {
        Rename(i, InAnswerPosition(i) ? "tak1" : "tak2");
    } else if (word.Text == "je") {
        const bool verbNear = ClassIs(i - 1, kwCzasownik) || ClassIs(i + 1, kwCzasownik) ||
                              TextIn(i - 1, VELMAR_PL("<mi><mnie><mię><ci><tobie><ciebie><cię><go><mu><jemu><ją><je>"
                                                      "<nas><nam><was><wam><im>"));
        Rename(i, verbNear ? "je1" : "je2");
    } else if (TextIn(i, "<niech><niechaj>")) {
        word.FixedTarget = "que";
    } else if (word.Text == "czy") {
        CzyAt(i);
    } else if (word.Text == "wolno") {
        WolnoAt(i);
    } else if (LemmaIn(i, VELMAR_PL("<który><która><które>")) && !EndsWith(word.Text, "0") &&
               !(word.Text.back() >= '1' && word.Text.back() <= '4')) {
        KtoryAt(i);
    } else {
        return false;
    }
    return true;
}

void TWypowiedzeniePl::FunctionWordsPl()
{
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (word.Code == 100)
            word.SetMarker(znBezokolicznik);
        if (NeighbourWordRule(i))
            continue;
        if (word.Text == "bardzo") {
            const auto graded = [this](int j) { return ClassIn(j, KlasaBit(kwPrzymiotnik) | KlasaBit(kwPrzyslowek)); };
            // "Kocham cię bardzo": the verb's object pronoun stands between them.
            int before = i - 1;
            while (InRange(before) && Word(before).PronounRole == 4)
                --before;
            if (graded(i - 1) || graded(i + 1))
                Rename(i, "bardzo1");
            else if (ClassIs(before, kwCzasownik) || ClassIs(i + 1, kwCzasownik) ||
                     (TextIs(i + 1, "nie") && ClassIs(i + 2, kwCzasownik)))
                Rename(i, "bardzo2");
        } else if (TextIn(i, VELMAR_PL("<niech><niechaj><chociaż>"))) {
            const int verb = FindCodeIn(i + 1, KodyOdDo(101, 149));
            if (InRange(verb) && IsPlFiniteCode(Word(verb).Code) && HasGroup(verb))
                Word(verb).Group()->Roles.set(rpTrybLaczacy);
        } else if (TextIn(i, VELMAR_PL("<aby><żeby><by1>"))) {
            const int verb = FindCodeIn(i + 1, KodyOdDo(100, 149));
            if (CodeIs(verb, 100))
                Rename(verb, Word(verb).Text + "1");
            else if (InRange(verb) && Word(verb).Code >= 110 && Word(verb).Code <= 129 && HasGroup(verb))
                Word(verb).Group()->Roles.set(rpTrybLaczacy);
        } else if (word.Text == "jak") {
            const int v = ClauseVerb(i);
            Rename(i, v >= 0 && v < i ? "jak1" : IsQuestion() ? "jak2" : "jak0");
        } else if (word.Text == "raz") {
            Rename(i, IsSingleWordGroup(i, tgNominalna) ? "raz1" : "raz2");
        } else if (LemmaIs(i, VELMAR_PL("chcieć")) && word.Code >= 123 && word.Code <= 135) {
            const int code = word.Code;
            Rename(i, VELMAR_PL("chcieć2"));
            word.SetCode(code);
        } else if (TextIn(i, VELMAR_PL("<ten>")) && TextIs(i + 1, "sam")) {
            word.SetCode(0);
            Rename(i + 1, "tensam");
        } else if (word.Text == "im") {
            ImTymAt(i);
        } else if (word.Text == "temu" && LemmaIn(i - 1, VELMAR_PL("<miesiąc><rok><lata><tydzień><dzień><godzina>")) &&
                   HasGroup(i - 1) && Meets(Word(i - 1).Group()->CaseCodes, "4ABD")) {
            Rename(i, "temu2");
            if (IsSingleWordGroup(i, tgNominalna))
                Words().DeleteGroup(Words().GroupIndex(Word(i).Group()));
        }
    }
}

bool TWypowiedzeniePl::IsComparativeAt(int i)
{
    return InRange(i) && (Word(i).st == 1 || TextIn(i, VELMAR_PL(kComparativeWords)));
}

void TWypowiedzeniePl::ImTymAt(int i)
{
    if (!IsComparativeAt(i + 1))
        return;
    int tym = i + 2;
    while (InRange(tym) && !(TextIs(tym, "tym") && IsComparativeAt(tym + 1)))
        ++tym;
    if (!InRange(tym))
        return;
    for (const int k : {tym, i}) {
        Rename(k, Word(k).Text + "2");
        if (IsSingleWordGroup(k, tgNominalna))
            Words().DeleteGroup(Words().GroupIndex(Word(k).Group()));
        // French says "plus … plus": the correlatives carry the comparison themselves.
        if (TextIs(k + 1, VELMAR_PL("więcej")))
            Word(k + 1).SetCode(0);
    }
}

void TWypowiedzeniePl::NegationScope()
{
    for (int i = 0; i + 1 < Words().Count(); ++i) {
        if (!TextIn(i, kNegations))
            continue;
        const int verb = SkipTextIn(i + 1, VELMAR_PL("<się1>"));
        if (ClassIs(verb, kwCzasownik))
            Word(verb).SetMarker(znPrzeczony);
        if (!TextIn(i, "<nie1><nie2>") || !ClassIs(verb, kwCzasownik))
            continue;
        if (HasGroup(verb) && Word(verb).Group()->Type == tgWerbalna && GroupFirst(verb) == i + 1)
            Word(verb).Group()->Roles.set(rpPrzeczona);
        int object = GroupLast(verb) + 1;
        if (ClassIs(object, kwPrzyslowek))
            ++object;
        if (IsGroupStart(object, tgNominalna))
            Word(object).Group()->Roles.set(rpPrzeczona);
    }
}

void TWypowiedzeniePl::ToAt(int i)
{
    TCustomWypGrupa* group = HasGroup(i) ? Word(i).Group() : nullptr;
    const bool neuterBeside = (InNominalGroup(i - 1) && Word(i - 1).Group()->rdz == rdzNijaki &&
                               Meets(Word(i - 1).Group()->CaseCodes, "147")) ||
                              (InNominalGroup(i + 1) && Word(i + 1).Group()->rdz == rdzNijaki &&
                               Meets(Word(i + 1).Group()->CaseCodes, "147"));
    if (neuterBeside || ClassIs(i - 1, kwPrzyimek)) {
        Rename(i, "to1");
        return;
    }
    bool verbNear = false;
    for (const int step : {-1, 1})
        for (int j = i + step; InRange(j) && !TextIn(j, kSeparators) && !ClassIs(j, kwSpojnik); j += step)
            verbNear = verbNear || IsPlVerbCode(Word(j).Code);
    if (verbNear) {
        const bool clauseComma = TextIs(i - 1, ",") && HasMarker(i - 1, znPoczatekZdania);
        const bool betweenGroups = InNominalGroup(SkipClassIn(i - 1, KlasaBit(kwPrzyslowek), true)) &&
                                   InNominalGroup(SkipClassIn(i + 1, KlasaBit(kwPrzyslowek))) &&
                                   (group == nullptr || group->First == group->Last);
        if (!clauseComma && betweenGroups) {
            Rename(i, "to4");
            if (HasGroup(i) && IsSingleWordGroup(i, tgNominalna))
                Words().DeleteGroup(Words().GroupIndex(Word(i).Group()));
            return;
        }
        Rename(i, "to2");
        // "Jest to dom": French puts the pronoun before its verb, "c'est une maison".
        if (Words().Context().Analysis.PlReorder && LemmaIs(i - 1, VELMAR_PL("być")))
            MoveGroupedWord(i, i - 1);
        return;
    }
    int first = 0, last = -1;
    ClauseBounds(i, first, last);
    std::string homograph = "to31";
    for (TCustomWypGrupa* before : NominalGroupsIn(first, i - 1))
        if (before->Last < i && Meets(before->CaseCodes, "1A")) {
            homograph = Meets(before->CaseCodes, "A") ? "to32" : "to30";
            break;
        }
    Rename(i, homograph);
}

void TWypowiedzeniePl::ToCiNiczym()
{
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (word.Text == "to") {
            ToAt(i);
        } else if (word.Text == "ci" || word.Text == "Ci") {
            int first = 0, last = -1;
            ClauseBounds(i, first, last);
            const int verb = FindCodeIn(first, KodyOdDo(100, 149));
            if (word.Text == "ci" && TextIs(i + 1, ",") && TextIs(i + 2, VELMAR_PL("którzy")))
                Rename(i, "ci1");
            else if (word.Text == "ci" && verb <= last && IsOneOf(Word(verb).Code, {106, 121, 134, 141}))
                Rename(i, "ci3");
            else if (word.Text == "Ci" && InNominalGroup(i + 1) && Word(i + 1).Group()->lba == 2 &&
                     Word(i + 1).Group()->rdz < 0)
                Rename(i, "ci1");
            else
                DativeCi(i);
        } else if (word.Text == "niczym") {
            int first = 0, last = -1;
            ClauseBounds(i, first, last);
            const int verb = FindCodeIn(first, KodyOdDo(100, 149));
            Rename(i, verb <= last && HasMarker(verb, znPrzeczony) ? "niczym1" : "niczym2");
        }
    }
}

void TWypowiedzeniePl::DativeCi(int i)
{
    Rename(i, "ci2");
    if (!HasGroup(i) || Word(i).Group()->Type != tgNominalna)
        Words().NewGroupAt(i, tgNominalna);
    Word(i).Group()->CaseCodes = "3";
    Word(i).Group()->SetKind(rgpCelownik);
}

void TWypowiedzeniePl::PossessiveMarkers()
{
    const std::string possessives = VELMAR_PL("<mój><twój><wasz><nasz><żaden><swój><się><sam><sobie>");
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (LemmaIn(i, possessives) && (!InNominalGroup(i) || GroupLast(i) == i) && InRange(i + 1) &&
            Word(i + 1).Code > 0 && Word(i + 1).Code != word.Code)
            word.SetMarker(65);
        if (word.Code == 142 || word.Code == 143)
            word.SetMarker(znPrzydawkaPrzed);
        if (IsGroupStart(i, tgWerbalna))
            word.Group()->Roles.set(rpPierwszySlowa);
        if (!IsGroupEnd(i, tgNominalna))
            continue;
        for (int k = i; k >= GroupFirst(i); --k) {
            if (IsPlNominalCode(Word(k).Code))
                break;
            if (IsPlAdjectiveCode(Word(k).Code) || IsPlParticipleCode(Word(k).Code))
                Word(k).SetMarker(znPrzydawkaPrzed);
        }
    }
}

void TWypowiedzeniePl::SobieCzas()
{
    for (int i = 0; i < Words().Count(); ++i) {
        if (Word(i).Text != "sobie")
            continue;
        const int after = SkipTextIn(i + 1, kNegations);
        if (ClassIs(i - 1, kwCzasownik) || ClassIs(after, kwCzasownik))
            Word(i).AddNote("[SOBIE_CZAS]");
    }
}

} // namespace velmar
