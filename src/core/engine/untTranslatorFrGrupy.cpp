// The French sentence structure: nominal groups (determiners, adjectives, the noun
// and what agrees with it) and verbal groups with their compound tenses, and the
// person and tense of every verb form, read from its code and, where one code
// stands for several forms, from the context.
#include "core/app/untUtils.h"
#include "core/engine/untTranslatorFr.h"
#include "core/engine/untTranslatorFrKody.h"

namespace velmar {

namespace {

constexpr const char* kObjectClitics = "<me><m'><te><t'><se><s'><nous><vous><lui><le><la><l'><les><en><y><ne><n'>";
constexpr const char* kInvertedSubjects = "<je><tu><il><elle><on><nous><vous><ils><elles>";

// Number (1, 2; 0 both) and French gender (1, 2; 0 both) of a noun, adjective or
// determiner code; −1 for what the code does not say.
struct TLiczbaRodzajFr {
    int Number = -1;
    int Gender = -1;
};

TLiczbaRodzajFr NumberAndGenderOfFrenchCode(int code)
{
    if (IsFrPastParticipleCode(code) || IsFrPresentParticipleCode(code)) {
        const TFormaFr participle = FrenchVerbForm(code);
        return {participle.Number, participle.Gender};
    }
    if (IsFrAdjectiveCode(code))
        code -= 50;
    switch (code) {
    case 1: return {1, 1};
    case 2: return {0, 1};
    case 3: return {2, 1};
    case 5: return {1, 2};
    case 6: return {0, 2};
    case 7:
    case 8: return {2, 2};
    case 11: return {1, 0};
    case 12: return {0, 0};
    case 13: return {2, 0};
    case 31: return {1, 1};
    case 32:
    case 33:
    case 42: return {2, 0};
    case 34:
    case 44: return {1, 0};
    case 35: return {1, 2};
    case 41: return {1, 1};
    case 43: return {2, 1};
    case 45: return {1, 2};
    case 47: return {2, 2};
    default: return {};
    }
}

bool Agree(int a, int b)
{
    return a <= 0 || b <= 0 || a == b;
}

bool AgreeInCode(int a, int b)
{
    const TLiczbaRodzajFr x = NumberAndGenderOfFrenchCode(a), y = NumberAndGenderOfFrenchCode(b);
    return Agree(x.Number, y.Number) && Agree(x.Gender, y.Gender);
}

bool IsAgreeingModifier(int code)
{
    return IsFrAdjectiveCode(code) || IsFrPastParticipleCode(code);
}

} // namespace

bool TWypowiedzenieFr::IsDeterminerAt(int i) const
{
    return InRange(i) && (IsFrDeterminerCode(Words().Word(i).Code) || CodeIs(i, kFrNumeral));
}

bool TWypowiedzenieFr::IsNounAt(int i) const
{
    return InRange(i) && IsFrNounCode(Words().Word(i).Code);
}

bool TWypowiedzenieFr::CanStartNominalGroup(int i) const
{
    const TCustomWypSlowo& word = Words().Word(i);
    const bool unknownWord = word.Code < 0 && !word.Text.empty() && IsLetter(static_cast<unsigned char>(word.Text[0]));
    if (IsDeterminerAt(i) || IsNounAt(i) || IsFrAdjectiveCode(word.Code) || word.WordClass == kwZaimek || unknownWord)
        return true;
    return (CodeIs(i, 251) && IsFrAdjectiveCode(Words().Word(i + 1).Code)) ||
           (TextIn(i, "<tout><toute><tous><toutes>") && IsDeterminerAt(i + 1));
}

void TWypowiedzenieFr::ForEachNominalGroup(const std::function<void(int, TCustomWypGrupa&)>& visit)
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        if (!InNominalGroup(i) || GroupFirst(i) != i)
            continue;
        TCustomWypGrupa& group = *words.Word(i).Group();
        visit(i, group);
        i = group.Last;
    }
}

int TWypowiedzenieFr::HeadOfGroup(const TCustomWypGrupa& group) const
{
    for (int j = group.First; j <= group.Last; ++j)
        if (HasMarker(j, znGlowaGrupy))
            return j;
    return group.Last;
}

void TWypowiedzenieFr::EnsureOwnGroup(int i)
{
    if (HasGroup(i))
        return;
    Words().NewGroupAt(i, tgNominalna);
    SetHead(i);
}

int TWypowiedzenieFr::SubjectOfVerb(int i, std::string_view pronoun) const
{
    if (TextIs(i + 1, "-") && TextIn(i + 2, kInvertedSubjects))
        return i + 2;
    int j = i - 1;
    while (j >= 0 && TextIn(j, kObjectClitics) && !TextIs(j, pronoun))
        --j;
    return j;
}

bool TWypowiedzenieFr::InImperativePosition(int i) const
{
    // "Viens-tu ?" asks; the inverted subject says it is no imperative.
    if (TextIn(i + 1, "<-><-t->") && TextIn(i + 2, kInvertedSubjects))
        return false;
    // Only "ne" and object pronouns may stand before an imperative: "ne le mange pas".
    const int before =
        SkipTextIn(i - 1, "<ne><n'><le><la><l'><les><lui><leur><me><m'><te><t'><nous><vous><en><y>", true);
    if (before < 0 || (before == 0 && TextIn(0, "<et><ou>")))
        return true;
    return TextIs(i + 1, "-") && TextIn(i + 2, "<moi><toi><le><lui><la><leur><nous><vous><les>");
}

TFormaFr TWypowiedzenieFr::ResolveVerbForm(int i)
{
    const int code = Words().Word(i).Code;
    TFormaFr form = FrenchVerbForm(code);
    if (!form.Ambiguous)
        return form;
    form.Ambiguous = false;
    const int subject = SubjectOfVerb(i, "");
    const bool afterJe = TextIn(subject, "<je><j'>"), afterTu = TextIs(subject, "tu");
    const bool imperative = InImperativePosition(i);
    const auto imperativeOr = [&](int person, int tense) {
        return imperative ? TFormaFr{.Person = 2, .Tense = czRozkazujacy} : TFormaFr{.Person = person, .Tense = tense};
    };
    switch (code) {
    case 83:
    case 84: return imperativeOr(afterTu ? 2 : 1, czTeraz);
    case 111: return imperativeOr(1, afterJe ? czSubjonctif : czRozkazujacy);
    case 112: return imperativeOr(afterJe ? 1 : 2, afterJe || afterTu ? czSubjonctif : czRozkazujacy);
    case 90: return imperativeOr(afterJe ? 1 : 3, czTeraz);
    case 116: return imperativeOr(afterJe ? 1 : 3, czSubjonctif);
    case 97: return imperativeOr(3, czTeraz);
    case 102:
    case 127:
    case 129: {
        const bool nous = TextIn(SubjectOfVerb(i, "nous"), "<nous><nous0>");
        return {.Person = 4, .Tense = !nous ? czRozkazujacy : code == 102 ? czTeraz : czSubjonctif};
    }
    case 105:
    case 106:
    case 132:
    case 135: {
        const bool vous = TextIn(SubjectOfVerb(i, "vous"), "<vous><vous0>");
        return {.Person = 5, .Tense = !vous ? czRozkazujacy : code <= 106 ? czTeraz : czSubjonctif};
    }
    case 114:
    case 115:
    case 117: return {.Person = afterJe ? 1 : 3, .Tense = czSubjonctif};
    case 197:
    case 198:
        if (afterJe || afterTu)
            return {.Person = afterJe ? 1 : 2, .Tense = czPasseSimple};
        return {.Person = 0, .Tense = czImieslowPrzeszly};
    case 86:
        if (CodeIn(i - 1, Kody({2, 3, 11, 12, 13, 52, 53, 61, 62, 63, 32, 33, 42, 43})) ||
            CodeIn(i + 1, Kody({2, 3, 11, 12, 13, 52, 53, 61, 62, 63})))
            return {.Person = 0, .Tense = czImieslowPrzeszly, .Number = 2, .Gender = 1};
        break;
    default: break;
    }
    const int tense = code == 142 ? czPasseSimple : code == 161 ? czImperfectum : code == 181 ? czWarunkowy : czTeraz;
    return {.Person = afterTu ? 2 : 1, .Tense = tense};
}

void TWypowiedzenieFr::SetOwnFeatures(int i)
{
    TCustomWypSlowo& word = Words().Word(i);
    if (IsFrVerbCode(word.Code)) {
        const TFormaFr form = FrenchVerbForm(word.Code);
        if (form.Person > 0)
            word.pn = form.Person;
        if (form.Tense > 0)
            word.vt = form.Tense;
        return;
    }
    const TLiczbaRodzajFr own = NumberAndGenderOfFrenchCode(word.Code);
    if (own.Number > 0)
        word.GrammaticalNumber = own.Number;
    if (own.Gender > 0)
        word.Gender = own.Gender;
}

void TWypowiedzenieFr::NominalGroups()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i)
        SetOwnFeatures(i);
    for (int i = 0; i < words.Count(); ++i) {
        if (HasGroup(i) || !words.Word(i).Translate)
            continue;
        const int code = words.Word(i).Code;
        int last = -1;
        if (IsFrFiniteCode(code) || code == kFrInfinitive || IsFrPresentParticipleCode(code) ||
            (IsFrPastParticipleCode(code) && !IsNounAt(i - 1)))
            last = BuildVerbalGroup(i);
        else if (CanStartNominalGroup(i))
            last = BuildNominalGroup(i);
        if (last > i)
            i = last;
    }
}

// ---------------------------------------------------------------- verbal groups

int TWypowiedzenieFr::SkipToParticiple(int i, bool withEu) const
{
    int j = i + 1;
    for (;;) {
        if (ClassIs(j, kwPrzyslowek) || TextIn(j, "<ne><n'><pas><point><tout><donc><m\352me><jamais><plus><rien>"))
            ++j;
        else if (TextIn(j, "<-><-t->") && TextIn(j + 1, kInvertedSubjects))
            j += 2;
        else if (TextIs(j, "-") && TextIs(j + 1, "t") && TextIs(j + 2, "-") && TextIn(j + 3, kInvertedSubjects))
            j += 4;
        else if (withEu && TextIn(j, "<eu><eue><eus><eues>") && MayBePastParticiple(Words().Word(j + 1).Code))
            ++j;
        else
            return j;
    }
}

int TWypowiedzenieFr::SkipToInfinitive(int i) const
{
    int j = i + 1;
    while (ClassIs(j, kwPrzyslowek) || TextIn(j, "<ne><n'><pas>"))
        ++j;
    return j;
}

bool TWypowiedzenieFr::ReflexiveBefore(int auxiliary) const
{
    const int before = auxiliary - 1;
    if (TextIn(before, "<se><s'>"))
        return true;
    return (TextIn(before, "<me><m'>") && TextIn(before - 1, "<je><j'>")) ||
           (TextIn(before, "<te><t'>") && TextIs(before - 1, "tu")) ||
           (TextIs(before, "nous") && TextIs(before - 1, "nous")) ||
           (TextIs(before, "vous") && TextIs(before - 1, "vous"));
}

int TWypowiedzenieFr::CompoundWithParticiple(int i, TCustomWypGrupa& group, const TFormaFr& auxiliary)
{
    TCustomWypSlowa& words = Words();
    const bool etre = LemmaIs(i, "\352tre");
    if (etre ? TextIn(i, "<\351t\351><\351t\351e><\351t\351s><\351t\351es>") : TextIn(i, "<eue><eus><eues>"))
        return i;
    const int j = SkipToParticiple(i, !etre);
    if (!InRange(j))
        return i;
    // "fini", "ouvert" are adjectives too; after the auxiliary they are participles.
    if (!MayBePastParticiple(words.Word(j).Code))
        words.Word(j).ChooseReadingByCode(KodyOdDo(190, 199), false);
    if (!MayBePastParticiple(words.Word(j).Code))
        return i;
    const bool motion = LemmaIn(
        j, "<aller><arriver><partir><repartir><tomber><venir><revenir><survenir><accourir><na\356tre><\351clore>"
           "<mourir><d\351c\351der><devenir><rester><demeurer><convenir><entrer><sortir><monter><descendre><rentrer><"
           "retourner><passer>");
    if (etre && !motion && !ReflexiveBefore(i))
        return i;
    VerbFormAdjust(j, Kody({86, 87, 88, 98, 99, 106, 115, 121}));
    for (int k = i + 1; k < j; ++k)
        if (TextIn(k, "<eu><eue><eus><eues>"))
            words.Word(k).Translate = false;
    words.ExtendGroupRight(group, j);
    words.Word(i).Translate = false;
    group.Tense = CompoundTense(TPomocniczyFr::BycMiec, auxiliary.Tense);
    SetHead(j);
    return j;
}

int TWypowiedzenieFr::NearTense(int i, TCustomWypGrupa& group, const TFormaFr& auxiliary)
{
    const bool venir = LemmaIs(i, "venir") &&
                       TextIn(i, "<viens><vient><venons><venez><viennent><venais><venait><venions><veniez><venaient>");
    const bool aller = LemmaIs(i, "aller") &&
                       TextIn(i, "<vais><vas><va><allons><allez><vont><allais><allait><allions><alliez><allaient>");
    if (!venir && !aller)
        return i;
    int j = SkipToInfinitive(i);
    const int de = venir && TextIn(j, "<de><d'>") ? j : -1;
    if (venir && de < 0)
        return i;
    if (de >= 0)
        ++j;
    if (!CodeIs(j, kFrInfinitive))
        return i;
    TCustomWypSlowa& words = Words();
    words.ExtendGroupRight(group, j);
    words.Word(i).Translate = false;
    if (de >= 0)
        words.Word(de).Translate = false;
    group.Tense = CompoundTense(venir ? TPomocniczyFr::Venir : TPomocniczyFr::Aller, auxiliary.Tense);
    SetHead(j);
    return j;
}

int TWypowiedzenieFr::BuildVerbalGroup(int i)
{
    TCustomWypSlowa& words = Words();
    TCustomWypGrupa& group = words.Group(words.NewGroupAt(i, tgWerbalna));
    group.SetKind(1);
    const TFormaFr form = ResolveVerbForm(i);
    TCustomWypSlowo& verb = words.Word(i);
    group.pn = verb.pn = form.Person;
    group.forma = verb.vt = form.Tense;
    if (form.Number > 0)
        group.lba = form.Number;
    if (form.Gender >= 0)
        group.rdz = form.Gender;
    SetHead(i);
    if (LemmaIn(i, "<\352tre><avoir>")) {
        if (LemmaIs(i, "\352tre"))
            group.SetKind(2);
        return CompoundWithParticiple(i, group, form);
    }
    return NearTense(i, group, form);
}

// ---------------------------------------------------------------- nominal groups

int TWypowiedzenieFr::NominalGroupEnd(int i, int& head) const
{
    int j = i;
    if (TextIn(j, "<tout><toute><tous><toutes>") && IsDeterminerAt(j + 1))
        ++j;
    while (IsDeterminerAt(j))
        ++j;
    const int determinersEnd = j;
    while (CodeIn(j, Kody({251})) || IsFrAdjectiveCode(Words().Word(j).Code)) {
        if (CodeIs(j, 251) && !IsFrAdjectiveCode(Words().Word(j + 1).Code))
            break;
        ++j;
    }
    if (IsNounAt(j)) {
        head = j;
        return PostModifiers(j, j);
    }
    if (j > determinersEnd) {
        head = j - 1;
        return PostModifiers(j - 1, head);
    }
    if (j > i) {
        head = j - 1;
        return j - 1;
    }
    head = i;
    return i;
}

int TWypowiedzenieFr::PostModifiers(int last, int head) const
{
    const int headCode = Words().Word(head).Code;
    for (;;) {
        const int next = last + 1;
        if (IsAgreeingModifier(Words().Word(next).Code) && AgreeInCode(headCode, Words().Word(next).Code))
            last = next;
        else if (TextIn(next, "<et><ou>") && IsFrAdjectiveCode(Words().Word(next + 1).Code) &&
                 AgreeInCode(headCode, Words().Word(next + 1).Code) && (last > head || IsFrAdjectiveCode(headCode)))
            last = next + 1;
        else
            return last;
    }
}

int TWypowiedzenieFr::BuildNominalGroup(int i)
{
    TCustomWypSlowa& words = Words();
    int head = i;
    const int last = NominalGroupEnd(i, head);
    TCustomWypGrupa& group = words.Group(words.NewGroupAt(i, tgNominalna));
    words.ExtendGroupRight(group, last);
    SetHead(head);
    TLiczbaRodzajFr features = NumberAndGenderOfFrenchCode(words.Word(head).Code);
    for (int j = i; j < head && (features.Number <= 0 || features.Gender <= 0); ++j) {
        const TLiczbaRodzajFr determiner = NumberAndGenderOfFrenchCode(words.Word(j).Code);
        if (features.Number <= 0)
            features.Number = determiner.Number;
        if (features.Gender <= 0)
            features.Gender = determiner.Gender;
    }
    if (features.Number > 0)
        group.lba = features.Number;
    if (features.Gender > 0)
        group.rdz = features.Gender;
    group.SetKind(IsPrepositionWord(i - 1) ? 4 : 0);
    return last;
}

// ---------------------------------------------------------------- other readings

namespace {

bool IsNominalCode(int code)
{
    return code > 0 && code < kFrInfinitive;
}

bool IsParticipleCode(int code)
{
    return IsFrPastParticipleCode(code) || IsFrPresentParticipleCode(code);
}

bool IsFiniteOrInfinitiveCode(int code)
{
    return code >= kFrInfinitive && code <= 189;
}

} // namespace

void TWypowiedzenieFr::FinalGroups()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        const TCustomWypSlowo& word = words.Word(i);
        // A word that renders as nothing offers no translation to choose instead.
        if (!HasGroup(i) || !word.Translate || word.Readings.Count() < 2)
            continue;
        const int own = word.Code;
        for (int r = 0; r < word.Readings.Count(); ++r) {
            const int code = word.Readings.Item(r)->Code;
            if ((IsNominalCode(own) && IsParticipleCode(code)) ||
                ((IsNominalCode(own) || IsParticipleCode(own)) && IsFiniteOrInfinitiveCode(code))) {
                GiveVerbFeaturesOfReading(i, code);
                break;
            }
            if (IsFiniteOrInfinitiveCode(own) && (IsNominalCode(code) || IsParticipleCode(code))) {
                GiveNominalFeaturesOfReading(i, code);
                break;
            }
        }
    }
}

// Only the word's person and tense change: the group's kind, extent and case were
// what the later stages read, and the reading the sentence has keeps rendering as it did.
void TWypowiedzenieFr::GiveVerbFeaturesOfReading(int i, int code)
{
    TCustomWypSlowo& word = Words().Word(i);
    const int own = word.Code;
    word.Code = code;
    const TFormaFr form = ResolveVerbForm(i);
    word.Code = own;
    if (form.Person > 0)
        word.pn = form.Person;
    if (form.Tense > 0)
        word.vt = form.Tense;
}

// The verb's group takes the number and gender of the nominal reading where the verb
// gave none; its tense stays the verb's.
void TWypowiedzenieFr::GiveNominalFeaturesOfReading(int i, int code)
{
    TCustomWypGrupa& group = *Words().Word(i).Group();
    const TLiczbaRodzajFr features = NumberAndGenderOfFrenchCode(code);
    if (group.lba <= 0 && features.Number > 0)
        group.lba = features.Number;
    if (group.rdz <= 0 && features.Gender > 0)
        group.rdz = features.Gender;
}

// ---------------------------------------------------------------- reflexive verbs

void TWypowiedzenieFr::Pronominal()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        if (!InVerbalGroup(i) || !HasMarker(i, znGlowaGrupy))
            continue;
        const TCustomWypGrupa& group = *words.Word(i).Group();
        if (group.Kind() == 2 && LemmaIs(i, "\352tre"))
            continue;
        int clitic = group.First - 1;
        if (TextIn(clitic, "<en><en2><y>"))
            --clitic;
        if (!TextIn(clitic, "<se><s'><me2><te2><nous2><vous2>") || !TakeReflexiveSubRecord(i))
            continue;
        words.Word(clitic).Translate = false;
        if (IsSingleWordGroup(clitic, tgNominalna))
            words.DeleteGroup(words.GroupIndex(words.Word(clitic).Group()));
    }
}

bool TWypowiedzenieFr::TakeReflexiveSubRecord(int i)
{
    TCustomWypSlowo& verb = Words().Word(i);
    bool taken = false;
    for (int r = 0; r < verb.Readings.Count(); ++r) {
        TZnaczenie& reading = *verb.Readings.Item(r);
        if (reading.DictKind == kRodzajUzytkownika)
            continue;
        for (int k = 0; k < reading.Entry->SubRecords.Count(); ++k) {
            const std::string& code = reading.Entry->SubRecords.Item(k)->Code;
            if (code == "6" || code == "R") {
                reading.SubRecord = k;
                reading.Subclass = 1;
                taken = true;
                break;
            }
        }
    }
    if (taken)
        verb.SetMarker(znZwrotny);
    return taken;
}

} // namespace velmar
