// The verb generator's entry points: lemma preparation, the code, the paradigm built
// from the key forms of untGenPLCzasownikCzasy/Tryby, and the reading of one form.
#include "core/generators/untGenPLCzasownik.h"

#include "core/app/untUtils.h"
#include "core/generators/untGenPLCzasownikReguly.h"
#include "core/generators/untGenPLReguly.h"
#include "core/generators/untGenPLTekst.h"

namespace velmar {

namespace {

using genpl::Rewritten;
using genpl::TKoniugacja;
using std::string;
using std::string_view;

constexpr string_view kSie = " się"_pl;

// Persons 1sg … 3pl of the compound future.
constexpr const char* kBedzie[6] = {"będę "_pl,     "będziesz "_pl,  "będzie "_pl,
                                    "będziemy "_pl, "będziecie "_pl, "będą "_pl};

// The slots of the past without person endings, and the conditional endings, in the
// order 1sg m, 1sg f, 2sg m, 2sg f, 3sg m, 3sg f, 3sg n, 1pl m-pers, 1pl other, 2pl
// m-pers, 2pl other, 3pl m-pers, 3pl other.
constexpr int kBarePastSource[13] = {17, 18, 17, 18, 17, 18, 19, 24, 25, 24, 25, 24, 25};
constexpr const char* kConditionalEnding[13] = {"bym",      "bym",      "byś"_pl,    "byś"_pl,    "by", "by", "by",
                                                "byśmy"_pl, "byśmy"_pl, "byście"_pl, "byście"_pl, "by", "by"};

// "powinien" has no infinitive: its present and past are listed.
constexpr const char* kPowinien[26] = {"powinienem",
                                       "powinnam",
                                       "powinieneś"_pl,
                                       "powinnaś"_pl,
                                       "powinien",
                                       "powinna",
                                       "powinno",
                                       "powinniśmy"_pl,
                                       "powinnyśmy"_pl,
                                       "powinniście"_pl,
                                       "powinnyście"_pl,
                                       "powinni",
                                       "powinny",
                                       "powinienem był"_pl,
                                       "powinnam była"_pl,
                                       "powinieneś był"_pl,
                                       "powinnaś była"_pl,
                                       "powinien był"_pl,
                                       "powinna była"_pl,
                                       "powinno było"_pl,
                                       "powinniśmy byli"_pl,
                                       "powinnyśmy były"_pl,
                                       "powinniście byli"_pl,
                                       "powinnyście były"_pl,
                                       "powinni byli"_pl,
                                       "powinny były"_pl};
// Its present row by person class (masculine, feminine, neuter).
constexpr int kPowinienPresent[3][6] = {{0, 2, 4, 7, 9, 11}, {1, 3, 5, 8, 10, 12}, {0, 2, 6, 8, 10, 12}};

// The impersonal constructions 21–24 that some verbs make with other words.
struct TBezosobowe {
    const char* Lemma;
    const char* Forms[4];
};
constexpr TBezosobowe kBezosobowe[] = {
    {"powinien", {"powinno się"_pl, "powinno było się"_pl, "powinno się"_pl, "powinno byłoby się"_pl}},
    {"móc"_pl, {"można"_pl, "można było"_pl, "można będzie"_pl, "można byłoby"_pl}},
    {"musieć"_pl, {"trzeba", "trzeba było"_pl, "trzeba będzie"_pl, "trzeba byłoby"_pl}},
};

bool IsModal(const string& lemma)
{
    return InTagList(lemma, "<móc><musieć><chcieć>"_pl);
}

string WithEnding(const string& form, string_view ending)
{
    return form.empty() ? form : form + string(ending);
}

string WithPrefix(string_view prefix, const string& form)
{
    return form.empty() ? form : string(prefix) + form;
}

// Splits "nie …", a final " się" and the words around the verb off the lemma. A code
// starting with "%" loses its marks: its verb is the first word.
void PrepareLemma(string& lemma, string& code, TVerbParadigm& p)
{
    if (StartsWith(lemma, "nie ")) {
        p.Prefix = "nie ";
        lemma.erase(0, 4);
    }
    if (!StartsWith(code, "%")) {
        if (EndsWith(lemma, kSie)) {
            p.Tail = string(kSie);
            lemma.resize(lemma.size() - kSie.size());
        }
        if (const auto last = lemma.rfind(' '); last != string::npos) {
            p.Prefix += lemma.substr(0, last + 1);
            lemma.erase(0, last + 1);
        }
    } else {
        code.erase(0, code.find_first_not_of('%'));
        if (const auto space = lemma.find(' ', 1); space != string::npos) {
            p.Tail = lemma.substr(space) + p.Tail;
            lemma.resize(space);
        }
    }
    if (!lemma.empty() && IsDigitChar(static_cast<unsigned char>(lemma.back())))
        lemma.pop_back();
}

// The conjugation class of the code; sets the aspect.
string ClassOfCode(string code, TVerbParadigm& p)
{
    if (code.empty())
        return code;
    const char mark = code.front();
    p.Perfective = mark == '!' || mark == '$';
    if (mark == '!' || mark == '/')
        code.front() = '+';
    else if (mark == '$' || mark == '*' || mark == '@')
        code.erase(0, 1);
    return code;
}

void FillPowinien(TVerbParadigm& p)
{
    p.Powinien = true;
    for (int slot = 0; slot < 26; ++slot)
        p.Slots[static_cast<std::size_t>(slot)] = {kPowinien[slot], {}};
}

// The past tense (slots 13–25) of one 3sg masculine form.
std::array<string, 13> PastRow(const TKoniugacja& k, const string& masculine)
{
    if (masculine.empty())
        return {};
    const string feminine = genpl::PastFeminine(k, masculine);
    const string personal = genpl::PastPluralPersonal(k, feminine);
    const string other = Rewritten(feminine, "a=y");
    const string first = Rewritten(masculine, "ógł=ogłem,ósł=osłem,ódł=odłem,ótł=otłem,ózł=ozłem,"
                                              "ókł=okłem,ł=łem"_pl);
    return {first,
            WithEnding(feminine, "m"),
            Rewritten(first, "m=ś"_pl),
            WithEnding(feminine, "ś"_pl),
            masculine,
            feminine,
            Rewritten(feminine, "a=o"),
            WithEnding(personal, "śmy"_pl),
            WithEnding(other, "śmy"_pl),
            WithEnding(personal, "ście"_pl),
            WithEnding(other, "ście"_pl),
            personal,
            other};
}

void FillPresent(const TKoniugacja& k, TVerbParadigm& p)
{
    auto& s = p.Slots;
    const TKomorkaPl third = genpl::Present3Sg(k);
    const TKomorkaPl first = genpl::Present1Sg(k, third);
    s[0] = first;
    s[4] = third;
    const bool jest = third.Forma == "jest";
    const auto person = [&](string_view ending, const char* jestForm) {
        return TKomorkaPl{jest ? string(jestForm) : WithEnding(third.Forma, ending),
                          WithEnding(third.Alternatywa, ending)};
    };
    s[2] = person("sz", "jesteś"_pl);
    s[7] = person("my", "jesteśmy"_pl);
    s[9] = person("cie", "jesteście"_pl);
    s[11] = genpl::Present3Pl(k, third, first);
}

void FillPast(const TKoniugacja& k, TVerbParadigm& p)
{
    const TKomorkaPl masculine = genpl::PastMasculine(k);
    const auto row = PastRow(k, masculine.Forma);
    std::array<string, 13> alternatives = PastRow(k, masculine.Alternatywa);
    if (k.Lemma == "zeżreć"_pl)
        alternatives = {"zeżarłem"_pl,    "zeżarłam"_pl, "zeżarłeś"_pl,   "zeżarłaś"_pl,   "zeżarł"_pl,
                        "zeżarła"_pl,     "zeżarło"_pl,  "zeżarliśmy"_pl, "zeżarłyśmy"_pl, "zeżarliście"_pl,
                        "zeżarłyście"_pl, "zeżarli"_pl,  "zeżarły"_pl};
    for (std::size_t i = 0; i < row.size(); ++i)
        p.Slots[scPrzeszly + i] = {row[i], alternatives[i]};
    for (std::size_t i = 0; i < 13; ++i) {
        const auto& past = p.Slots[static_cast<std::size_t>(kBarePastSource[i])];
        p.Slots[scPrzeszlyBezKoncowki + i] = past;
        p.Slots[scWarunkowy + i] = {WithEnding(past.Forma, kConditionalEnding[i]),
                                    WithEnding(past.Alternatywa, kConditionalEnding[i])};
    }
}

// The compound future of "móc", "musieć" and "chcieć": "będę mógł", "będzie mogło".
string ModalFuture(const TVerbParadigm& p, int index, int personClass)
{
    const bool plural = index >= 3;
    int source = 0;
    if (personClass == 3)
        source = index == 2 ? 19 : -1;
    else if (personClass == 2)
        source = plural ? 25 : 18;
    else
        source = plural ? 24 : 17;
    if (source < 0)
        return {};
    return WithEnding(kBedzie[index], p.Slots[static_cast<std::size_t>(source)].Forma);
}

void FillFutureAndImperative(const TKoniugacja& k, TVerbParadigm& p)
{
    auto& s = p.Slots;
    const bool byc = k.Lemma == "być"_pl;
    for (int i = 0; i < 6; ++i) {
        string form;
        if (byc)
            form = Rewritten(kBedzie[i], " =");
        else if (IsModal(k.Lemma))
            form = ModalFuture(p, i, 1);
        else
            form = kBedzie[i] + k.Lemma;
        s[static_cast<std::size_t>(scPrzyszly + i)] = {form, {}};
    }

    const TKomorkaPl imperative = genpl::Imperative2Sg(k, s[4], s[11]);
    s[45] = imperative;
    s[46] = {WithEnding(imperative.Forma, "my"), WithEnding(imperative.Alternatywa, "my")};
    s[47] = {WithEnding(imperative.Forma, "cie"), WithEnding(imperative.Alternatywa, "cie")};
    // "niech" + present 1sg, 3sg and 3pl.
    const int niechSources[3] = {0, 4, 11};
    const char* niechByc[3] = {"niech będę"_pl, "niech będzie"_pl, "niech będą"_pl};
    for (int i = 0; i < 3; ++i) {
        const auto& present = s[static_cast<std::size_t>(niechSources[i])];
        auto& niech = s[static_cast<std::size_t>(scNiech + i)];
        if (byc)
            niech = {niechByc[i], {}};
        else
            niech = {WithPrefix("niech ", present.Forma), WithPrefix("niech ", present.Alternatywa)};
    }
}

// The impersonal past in "-no"/"-to": from the passive participle, or for the verbs
// whose "-ły" participle gives none, from the infinitive ("istniano", "rośnięto");
// empty when the verb makes it with "się".
string ImpersonalPastNoTo(const TKoniugacja& k, const string& passive)
{
    if (string impersonal = Rewritten(passive, "ny=no,ty=to"); !impersonal.empty())
        return impersonal;
    if (k.Class == "3")
        return Rewritten(k.Lemma, "eć=ano"_pl);
    if (k.Class == "53")
        return Rewritten(k.Lemma, "snąć=śnięto,znąć=źnięto,nąć=nięto"_pl);
    return {};
}

// Verbs without a direct object, so without a passive participle: whole infinitives,
// since a prefix often makes one transitive ("spać" but "przespany").
constexpr string_view kIntransitive =
    "<bać><biec><bywać><chodzić><działać><dziękować><drżeć><dzwonić><jechać><kazać><korzystać>"
    "<latać><lecieć><leżeć><lądować><marzyć><mieszkać><milczeć><modlić><mrugać><musieć><móc><myśleć>"
    "<należeć><odchodzić><odpowiadać><odpowiedzieć><odzywać><padać><patrzeć><patrzyć><płakać><płynąć>"
    "<pływać><pluć><podchodzić><podobać><pojawiać><pojawić><pojechać><polecieć><polegać><polować><pomagać>"
    "<pomóc><popatrzeć><popatrzyć><poczekać><pogadać><poradzić><porozmawiać><powrócić><powstawać><powstać>"
    "<pozostawać><pozostać><pracować><przeszkadzać><przychodzić><przyglądać><przyjechać><przyjeżdżać>"
    "<rozmawiać><siadać><siedzieć><sikać><skakać><skoczyć><spacerować><spadać><spać><spoglądać><spojrzeć>"
    "<srać><stanąć><starać><stać><szkodzić><służyć><śmiać><śmieć><śmierdzieć><trwać><twierdzić><uciec>"
    "<uciekać><umierać><usiłować><uśmiechać><uwierzyć><walczyć><wchodzić><westchnąć><wierzyć><wisieć>"
    "<wjechać><wleźć><woleć><wpadać><wsiadać><wskakiwać><wstać><wstawać><wysiadać><wyskakiwać><wystarczyć>"
    "<wylądować><zaczekać><zadzwonić><zaglądać><zajrzeć><zależeć><zastanawiać><zastanowić><zdarzać>"
    "<zdarzyć><zdążyć><zgadzać><zginąć><zniknąć><zostać><zostawać><żartować><życzyć><żyć><dowiedzieć>"
    "<nastąpić><pobiec>"_pl;

// Whether the verb has the passive participle its rule makes. The "-eć, -eje" verbs
// ("istnieć", "siwieć") take no object, and a participle in "-ły" ("umarły", "wyszły")
// is the active one of a verb without an object.
bool HasPassiveParticiple(const TKoniugacja& k, const string& passive)
{
    return k.Class != "3" && !EndsWith(passive, "ły"_pl) && !InTagList(k.Lemma, kIntransitive);
}

// A class-53 verb with a second present ("rzec": "rzeknie" and "rzecze") is of both
// aspects: the second present is the imperfective one.
bool OfBothAspects(const TKoniugacja& k, const TVerbParadigm& p)
{
    return k.Class == "53" && !p.Slots[11].Alternatywa.empty();
}

void FillParticiples(const TKoniugacja& k, TVerbParadigm& p)
{
    auto& s = p.Slots;
    const bool bothAspects = OfBothAspects(k, p);
    // A perfective verb has no present, so no participle made from it ("przeznaczyć").
    if (p.Perfective)
        s[64] = {};
    else if (bothAspects)
        s[64] = {WithEnding(s[11].Alternatywa, "c"), {}};
    else if (k.Class == "+11")
        s[64] = {Rewritten(k.Lemma, "wrzeć=wrząc"_pl), Rewritten(k.Lemma, "wrzeć=wrąc"_pl)};
    else if (k.Lemma == "być"_pl)
        s[64] = {"będąc"_pl, {}};
    else
        s[64] = {WithEnding(s[11].Forma, "c"), WithEnding(s[11].Alternatywa, "c")};
    s[65] = {WithEnding(s[64].Forma, "y"), {}};
    // The verbal noun and the impersonal past are made from the participle's stem even
    // where the participle itself does not exist ("działanie", "istniano").
    const TKomorkaPl passive = genpl::PassiveParticiple(k, s[4], s[11], s[17].Forma, s[25].Forma);
    s[66] = HasPassiveParticiple(k, passive.Forma) ? passive : TKomorkaPl{};

    // Only a perfective verb has an anterior participle ("zrobiwszy"); "czytawszy" is
    // archaic and the dictionaries mark every verb of current use for its aspect.
    constexpr string_view kAnterior =
        "ał=awszy,ął=ąwszy,eł=ewszy,ęł=ęwszy,ił=iwszy,oł=owszy,ół=ówszy,uł=uwszy,ył=ywszy,"
        "ł=łszy"_pl;
    if (p.Perfective || bothAspects)
        s[67] = {Rewritten(s[17].Forma, kAnterior), Rewritten(s[17].Alternatywa, kAnterior)};
    else
        s[67] = {};

    s[68] = genpl::VerbalNoun(k, passive);

    if (string impersonal = ImpersonalPastNoTo(k, passive.Forma); !impersonal.empty()) {
        s[69] = {impersonal, {}};
        p.ImpersonalNoTo = true;
    } else {
        s[69] = {WithEnding(Rewritten(passive.Forma, "ły=ło"_pl), kSie), {}};
    }
}

// The declined tables a build fills: one finite form needs none of them.
enum TOdmiany : unsigned {
    odBrak = 0,
    odImieslowy = 1,   // the active and passive participles
    odRzeczownik = 2,  // the verbal noun
    odAlternatywy = 4, // the alternative passive participle and verbal noun as well
};

void DeclineTables(unsigned odmiany, TVerbParadigm& p)
{
    const auto& s = p.Slots;
    const bool alternatives = (odmiany & odAlternatywy) != 0;
    if (odmiany & odImieslowy) {
        if (!s[65].Forma.empty())
            BuildAdjParadigmPl(s[65].Forma, "7", tpPrzymiotnik, p.ActiveParticiple);
        if (!s[66].Forma.empty())
            BuildAdjParadigmPl(s[66].Forma, "7", tpImieslow, p.PassiveParticiple);
        if (alternatives && !s[66].Alternatywa.empty())
            BuildAdjParadigmPl(s[66].Alternatywa, "7", tpImieslow, p.PassiveParticipleAlt);
    }
    if (odmiany & odRzeczownik) {
        if (!s[68].Forma.empty())
            BuildNounParadigmPl(s[68].Forma, "41", p.VerbalNoun);
        if (alternatives && !s[68].Alternatywa.empty())
            BuildNounParadigmPl(s[68].Alternatywa, "41", p.VerbalNounAlt);
    }
}

unsigned TablesFor(int formCode)
{
    if (formCode == fpImieslowBierny || formCode == fpImieslowCzynny)
        return odImieslowy;
    return formCode == fpRzeczownikOdczasownikowy ? odRzeczownik : odBrak;
}

// An alternative that repeats its form says nothing.
void DropRepeatedAlternatives(TVerbParadigm& p)
{
    for (auto& slot : p.Slots)
        if (slot.Alternatywa == slot.Forma)
            slot.Alternatywa.clear();
}

// The person class: 1 masculine (masculine personal in the plural), 2 feminine (other
// plural), 3 neuter.
int PersonClass(int formCode, int person, int subjectNumber, int subjectGender)
{
    const int gender = subjectGender >= 0 && subjectGender <= 4 ? subjectGender : 1;
    const bool participle = formCode == 7 || formCode == 9 || formCode == 61;
    if ((participle && subjectNumber == 2) || (person >= 4 && person <= 6))
        return gender == 0 ? 1 : 2;
    if (person == 9)
        return 3;
    return gender <= 2 ? 1 : gender == 3 ? 2 : 3;
}

// 0-based person 1sg … 3pl; the impersonal and anything out of range read as 3sg.
int PersonIndex(int person)
{
    return person >= 1 && person <= 6 ? person - 1 : 2;
}

// The tail without a leading " się", which the impersonal forms place themselves.
string TailAfterSie(const TVerbParadigm& p)
{
    return StartsWith(p.Tail, kSie) ? p.Tail.substr(kSie.size()) : p.Tail;
}

// prefix + form + " się" + the rest of the tail, never "się" twice; a missing form
// stays missing.
string WithSie(const TVerbParadigm& p, const string& form)
{
    if (form.empty())
        return form;
    return p.Prefix + form + string(kSie) + TailAfterSie(p);
}

string Impersonal(const TVerbParadigm& p, int formCode)
{
    const int index = formCode - 21;
    for (const auto& verb : kBezosobowe)
        if (p.Lemma == verb.Lemma)
            return p.Wrap(verb.Forms[index]);
    const auto& s = p.Slots;
    switch (formCode) {
    case 21: return WithSie(p, s[4].Forma);
    case 22:
        if (!p.ImpersonalNoTo && EndsWith(s[69].Forma, kSie))
            return WithSie(p, s[69].Forma.substr(0, s[69].Forma.size() - kSie.size()));
        return p.Wrap(s[69].Forma);
    case 23:
        if (p.Perfective)
            return WithSie(p, s[4].Forma);
        return p.Prefix + "będzie się "_pl + p.Lemma + TailAfterSie(p);
    default: return WithSie(p, s[57].Forma);
    }
}

string FiniteForm(const TVerbParadigm& p, const TCechyPl& f)
{
    const int personClass = PersonClass(f.FormCode, f.Person, f.SubjectNumber, f.SubjectGender);
    const int index = PersonIndex(f.Person);
    if (p.Powinien && f.FormCode == fpTeraz)
        return p.Slots[static_cast<std::size_t>(kPowinienPresent[personClass - 1][index])].Forma;
    int formCode = f.FormCode;
    if (formCode == fpPrzyszly && p.Perfective)
        formCode = fpTeraz;
    else if (formCode == fpPrzyszly && IsModal(p.Lemma))
        return p.Wrap(ModalFuture(p, index, personClass));
    const int slot = VerbSlotPl(formCode, f.Person, f.SubjectNumber, f.SubjectGender);
    return p.Wrap(p.Slots[static_cast<std::size_t>(slot)].Forma);
}

// Fills a freshly made paradigm.
int Build(string_view lemmaIn, string_view codeIn, unsigned odmiany, TVerbParadigm& p)
{
    string lemma = Trim(lemmaIn);
    string code = Trim(codeIn);
    std::erase(code, static_cast<char>(0xF8));
    if (lemma.empty())
        return wbPustyLemat;
    if (code.empty())
        return wbPustyKod;
    PrepareLemma(lemma, code, p);
    if (lemma.empty())
        return wbPustyLemat;
    p.Class = ClassOfCode(code, p);
    p.Lemma = lemma;
    p.Slots[scBezokolicznik] = {lemma, {}};
    // Its forms are listed, so it needs no class ("powinien *" in the dictionary).
    if (lemma == "powinien") {
        FillPowinien(p);
        return wbOk;
    }
    // Every conjugation class ends its infinitive in "-ć" or "-c" ("móc", "piec").
    if (p.Class.empty() || !EndsWithAny(lemma, "ć,c"_pl))
        return wbZlyKod;

    TKoniugacja k;
    k.Lemma = lemma;
    k.Class = p.Class;
    k.Stem = genpl::RewrittenOr(lemma, "ć="_pl, lemma);
    k.ShortStem = lemma.size() > 2 ? lemma.substr(0, lemma.size() - 2) : string();
    FillPresent(k, p);
    // A class whose endings the infinitive lacks ("czytać" with the class of "robić")
    // would give a table of gaps.
    if (p.Slots[0].Forma.empty())
        return wbZlyKod;
    FillPast(k, p);
    FillFutureAndImperative(k, p);
    FillParticiples(k, p);
    DropRepeatedAlternatives(p);
    DeclineTables(odmiany, p);
    return wbOk;
}

} // namespace

string TVerbParadigm::Wrap(const string& form) const
{
    return genpl::Wrapped(Prefix, form, Tail);
}

int BuildVerbParadigmPl(string_view lemma, string_view code, bool withAlternatives, TVerbParadigm& p)
{
    p = {};
    return Build(lemma, code, odImieslowy | odRzeczownik | (withAlternatives ? odAlternatywy : odBrak), p);
}

int VerbSlotPl(int formCode, int person, int subjectNumber, int subjectGender)
{
    static constexpr int kTeraz[6] = {0, 2, 4, 7, 9, 11};
    static constexpr int kRozkaz[6] = {48, 45, 49, 46, 47, 50};
    // Past, bare past and conditional: the offset in their 13-slot order per person class.
    static constexpr int kOsoby[3][6] = {{0, 2, 4, 7, 9, 11}, {1, 3, 5, 8, 10, 12}, {0, 2, 6, 7, 9, 11}};
    const int index = PersonIndex(person);
    const int personClass = PersonClass(formCode, person, subjectNumber, subjectGender);
    const int offset = kOsoby[personClass - 1][index];
    switch (formCode) {
    case fpTeraz: return kTeraz[index];
    case fpPrzeszly: return scPrzeszly + offset;
    case fpPrzyszly: return scPrzyszly + index;
    case fpTrybPrzypuszczajacy: return scWarunkowy + offset;
    case fpRozkazujacy: return kRozkaz[index];
    case fpImieslowPrzyslowkowy: return scImieslowWspolczesny;
    case 8: return scImieslowUprzedni;
    case fpPrzeszlyBezKoncowki: return scPrzeszlyBezKoncowki + offset;
    default: return -1;
    }
}

string GenVerbPl(string_view lemma, string_view code, const TCechyPl& f)
{
    TVerbParadigm p;
    if (Build(lemma, code, TablesFor(f.FormCode), p) != wbOk)
        return Trim(lemma);
    const auto participle = [&](const TAdjParadigmPl& declined) {
        return p.Wrap(declined.Cells[static_cast<std::size_t>(AdjCellIndex(f.Case, f.Number, f.Gender))]);
    };
    switch (f.FormCode) {
    case fpBezokolicznik: return p.Wrap(p.Lemma);
    case fpImieslowBierny: return participle(p.PassiveParticiple);
    case fpImieslowCzynny: return participle(p.ActiveParticiple);
    case fpRzeczownikOdczasownikowy:
        return p.Wrap(p.VerbalNoun.Cells[static_cast<std::size_t>(NounCellPl(f.Case, f.Number))].Forma);
    case fpBezosobowyTeraz:
    case fpBezosobowyPrzeszly:
    case fpBezosobowyPrzyszly:
    case fpBezosobowyPrzypuszczajacy: return Impersonal(p, f.FormCode);
    default:
        if (VerbSlotPl(f.FormCode, f.Person, f.SubjectNumber, f.SubjectGender) < 0)
            return Trim(lemma);
        return FiniteForm(p, f);
    }
}

} // namespace velmar
