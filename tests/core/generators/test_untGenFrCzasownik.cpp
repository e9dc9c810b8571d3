#include "core/generators/untGenFrCzasownik.h"

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenFrFunkcje.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

std::string Fr(std::string_view utf8)
{
    return FromUtf8(utf8);
}
std::string Utf8(std::string_view cp1252)
{
    return ToUtf8(cp1252, jezFrancuski);
}

// The 54 simple forms of a verb, joined by spaces in slot order, "-" for an empty slot.
std::string FormsLine(std::string_view lemma, std::string_view code = "4")
{
    const TCzasownikFr verb = BuildVerbFormsFr(Fr(lemma), code);
    std::string line;
    for (const std::string& form : verb.Formy) {
        if (!line.empty())
            line += ' ';
        line += form.empty() ? std::string("-") : Utf8(form);
    }
    return line;
}

TEST(BuildVerbFormsFr, WholeParadigms)
{
    struct TCase {
        const char* Lemma;
        const char* Forms;
    };
    const TCase cases[] = {
        {"parler", "parle parles parle parlons parlez parlent "
                   "parlais parlais parlait parlions parliez parlaient "
                   "parlai parlas parla parlâmes parlâtes parlèrent "
                   "parlerai parleras parlera parlerons parlerez parleront "
                   "parlerais parlerais parlerait parlerions parleriez parleraient "
                   "parle parles parle parlions parliez parlent "
                   "parlasse parlasses parlât parlassions parlassiez parlassent "
                   "parle parlons parlez "
                   "parlant parlante parlants parlantes parlé parlée parlés parlées parler"},
        {"finir", "finis finis finit finissons finissez finissent "
                  "finissais finissais finissait finissions finissiez finissaient "
                  "finis finis finit finîmes finîtes finirent "
                  "finirai finiras finira finirons finirez finiront "
                  "finirais finirais finirait finirions finiriez finiraient "
                  "finisse finisses finisse finissions finissiez finissent "
                  "finisse finisses finît finissions finissiez finissent "
                  "finis finissons finissez "
                  "finissant finissante finissants finissantes fini finie finis finies finir"},
        {"être", "suis es est sommes êtes sont "
                 "étais étais était étions étiez étaient "
                 "fus fus fut fûmes fûtes furent "
                 "serai seras sera serons serez seront "
                 "serais serais serait serions seriez seraient "
                 "sois sois soit soyons soyez soient "
                 "fusse fusses fût fussions fussiez fussent "
                 "sois soyons soyez "
                 "étant étante étants étantes été étée étés étées être"},
        {"venir", "viens viens vient venons venez viennent "
                  "venais venais venait venions veniez venaient "
                  "vins vins vint vînmes vîntes vinrent "
                  "viendrai viendras viendra viendrons viendrez viendront "
                  "viendrais viendrais viendrait viendrions viendriez viendraient "
                  "vienne viennes vienne venions veniez viennent "
                  "vinsse vinsses vînt vinssions vinssiez vinssent "
                  "viens venons venez "
                  "venant venante venants venantes venu venue venus venues venir"},
        // no passé simple or subjonctif imparfait for -traire; no impératif for pouvoir
        {"traire", "trais trais trait trayons trayez traient "
                   "trayais trayais trayait trayions trayiez trayaient "
                   "- - - - - - "
                   "trairai trairas traira trairons trairez trairont "
                   "trairais trairais trairait trairions trairiez trairaient "
                   "traie traies traie trayions trayiez traient "
                   "- - - - - - "
                   "trais trayons trayez "
                   "trayant trayante trayants trayantes trait traite traits traites traire"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FormsLine(c.Lemma), c.Forms) << c.Lemma;
}

// One cell of a paradigm: tense code, person, expected form.
struct TCell {
    const char* Lemma;
    int Tense;
    int Person;
    const char* Form;
};

// Each cell through the generator, for a singular masculine subject.
void ExpectCells(std::initializer_list<TCell> cells)
{
    for (const TCell& c : cells)
        EXPECT_EQ(Utf8(GenVerbFr(Fr(c.Lemma), "4", 1, 1, 1, c.Tense, c.Person, 1)), c.Form)
            << c.Lemma << " " << c.Tense << "/" << c.Person;
}

TEST(GenVerbFr, SimpleFormsByType)
{
    ExpectCells({
        {"appeler", 1, 1, "appelle"},
        {"jeter", 1, 6, "jettent"},
        {"geler", 1, 1, "gèle"},
        {"acheter", 1, 3, "achète"},
        {"mener", 1, 1, "mène"},
        {"céder", 1, 1, "cède"},
        {"céder", 4, 1, "cèderai"},
        {"créer", 1, 1, "crée"},
        {"payer", 1, 1, "paye"},
        {"nettoyer", 4, 1, "nettoierai"},
        {"envoyer", 4, 1, "enverrai"},
        {"envoyer", 1, 1, "envoie"},
        {"renvoyer", 4, 1, "renverrai"},
        {"nettoyer", 1, 1, "nettoie"},
        {"manger", 1, 4, "mangeons"},
        {"manger", 2, 4, "mangions"},
        {"manger", 2, 1, "mangeais"},
        {"manger", 3, 1, "mangeai"},
        {"commencer", 1, 4, "commençons"},
        {"commencer", 3, 3, "commença"},
        {"parler", 7, 3, "parlât"},
        {"ouvrir", 1, 1, "ouvre"},
        {"ouvrir", 1, 2, "ouvres"},
        {"ouvrir", 1, 4, "ouvrons"},
        {"ouvrir", 27, 1, "ouvert"},
        {"cueillir", 4, 1, "cueillerai"},
        {"haïr", 1, 1, "hais"},
        {"haïr", 1, 3, "hait"},
        {"haïr", 27, 3, "haï"},
        {"avoir", 1, 3, "a"},
        {"avoir", 6, 3, "ait"},
        {"avoir", 8, 2, "aie"},
        {"aller", 1, 6, "vont"},
        {"aller", 4, 1, "irai"},
        {"aller", 6, 1, "aille"},
        {"aller", 8, 2, "va"},
        {"faire", 1, 5, "faites"},
        {"faire", 1, 6, "font"},
        {"faire", 4, 1, "ferai"},
        {"faire", 6, 1, "fasse"},
        {"faire", 8, 5, "faites"},
        {"prendre", 1, 3, "prend"},
        {"prendre", 1, 6, "prennent"},
        {"prendre", 6, 1, "prenne"},
        {"connaître", 1, 3, "connaît"},
        {"connaître", 1, 4, "connaissons"},
        {"dire", 1, 5, "dites"},
        {"écrire", 3, 1, "écrivis"},
        {"craindre", 1, 1, "crains"},
        {"craindre", 1, 4, "craignons"},
        {"naître", 27, 1, "né"},
        {"pouvoir", 1, 1, "peux"},
        {"pouvoir", 1, 3, "peut"},
        {"pouvoir", 6, 1, "puisse"},
        {"pouvoir", 8, 2, ""},
        {"savoir", 8, 2, "sache"},
        {"recevoir", 1, 1, "reçois"},
        {"recevoir", 27, 1, "reçu"},
        {"devoir", 27, 1, "dû"},
        {"vouloir", 4, 1, "voudrai"},
        {"asseoir", 1, 1, "assieds"},
        {"asseoir", 1, 3, "assied"},
        {"courir", 4, 1, "courrai"},
        {"mourir", 27, 1, "mort"},
        {"dormir", 1, 3, "dort"},
        {"parler", 10, 1, "parler"},
        {"parler", 12, 1, "parler"},
        {"parler", 8, 7, "parle"},
        {"parler", 82, 1, "parle"},
        {"parler", 84, 1, "parlons"},
        {"parler", 85, 1, "parlez"},
        {"parler", 1, 0, "parle"},
        {"parler", 1, 9, "parle"},
    });
}

TEST(GenVerbFr, ParticiplesAgreeWithTheWord)
{
    EXPECT_EQ(Utf8(GenVerbFr("parler", "4", 2, 1, 1, czParticipePasse, 3, rdzFrZenski)), "parlées");
    EXPECT_EQ(Utf8(GenVerbFr("parler", "4", 1, 2, 2, czParticipePasse, 3, rdzFrMeski)), "parlé");
    EXPECT_EQ(GenVerbFr("parler", "4", 2, 1, 1, czParticipePresent, 3, rdzFrMeski), "parlants");
    EXPECT_EQ(GenVerbFr("prendre", "4", 1, 1, 1, czParticipePasse, 3, rdzFrZenski), "prise");
    EXPECT_EQ(GenVerbFr("rire", "4", 2, 1, 1, czParticipePasse, 3, rdzFrZenski), "ri");
}

TEST(GenVerbFr, CompoundTensesChooseTheAuxiliary)
{
    struct TCase {
        const char* Lemma;
        const char* Code;
        int Tense;
        int Person;
        int SubjectNumber;
        int SubjectGender;
        const char* Form;
    };
    const TCase cases[] = {
        {"venir", "4", czPasseCompose, 6, 2, rdzFrZenski, "sont venues"},
        {"venir", "4", czPasseCompose, 3, 1, rdzFrMeski, "est venu"},
        {"avoir", "4", czPasseCompose, 1, 1, rdzFrMeski, "ai eu"},
        {"rester", "4", czPasseCompose, 1, 1, rdzFrMeski, "suis resté"},
        {"parler", "4", czPasseCompose, 4, 2, rdzFrZenski, "avons parlé"},
        {"parler", "6", czPasseCompose, 4, 2, rdzFrZenski, "sommes parlées"},
        {"parler", "R", czPasseCompose, 2, 1, rdzFrZenski, "es parlée"},
        {"parler", "4", czSubjonctifPasse, 3, 1, rdzFrMeski, "ait parlé"},
        {"tomber", "4", czSubjonctifPasse, 5, 2, rdzFrMeski, "soyez tombés"},
        {"parler", "4", czParticipePresentAyant, 3, 1, rdzFrMeski, "ayant parlé"},
        {"partir", "4", czParticipePresentAyant, 3, 1, rdzFrZenski, "étant partie"},
        {"s'asseoir", "4", czPasseCompose, 3, 1, rdzFrZenski, "s'est assise"},
        {"parler", "4", czPasseCompose, 9, 1, rdzFrMeski, "a parlé"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(
            Utf8(GenVerbFr(Fr(c.Lemma), c.Code, 1, c.SubjectNumber, c.SubjectGender, c.Tense, c.Person, rdzFrMeski)),
            c.Form)
            << c.Lemma << " " << c.Tense;
}

TEST(GenVerbFr, PronominalVerbs)
{
    ExpectCells({
        {"s'asseoir", 1, 1, "m'assieds"},
        {"se laver", 1, 4, "nous lavons"},
        {"se laver", 1, 3, "se lave"},
        {"s'appeler", 1, 5, "vous appelez"},
        {"se taire", 10, 2, "te taire"},
        {"se", 1, 2, "te"},
        {"s'asseoir", 12, 1, "s'asseoir"},
    });
    const TCzasownikFr verb = BuildVerbFormsFr("se laver", "4");
    EXPECT_TRUE(verb.Zwrotny);
    EXPECT_TRUE(verb.ZByc);
    EXPECT_EQ(verb.Bezokolicznik, "laver");
}

// One form of a verb whose rule has an exception or an interplay with another rule.
struct TFormaCzasownika {
    const char* Lemma;
    int Tense;
    int Person;
    const char* Form;
    int Number = 1;
    int Gender = rdzFrMeski;
};

std::string DescribeVerbForm(const TFormaCzasownika& c)
{
    return test::Spelled(std::string(c.Lemma) + " " + std::to_string(c.Tense) + " " + std::to_string(c.Person) + " " +
                         c.Form);
}

void PrintTo(const TFormaCzasownika& c, std::ostream* os)
{
    *os << DescribeVerbForm(c);
}

class VerbFormFr : public testing::TestWithParam<TFormaCzasownika> {};

TEST_P(VerbFormFr, IsBuiltByItsRule)
{
    const TFormaCzasownika& c = GetParam();
    EXPECT_EQ(Utf8(GenVerbFr(Fr(c.Lemma), "4", c.Number, 1, rdzFrMeski, c.Tense, c.Person, c.Gender)), c.Form);
}

INSTANTIATE_TEST_SUITE_P(
    Conjugation, VerbFormFr,
    testing::Values(
        // the "e" and "ç" that keep -ger and -cer soft stand before "a" and "o" only
        TFormaCzasownika{"manger", czPasseSimple, 6, "mangèrent"},
        TFormaCzasownika{"commencer", czPasseSimple, 6, "commencèrent"},
        TFormaCzasownika{"manger", czSubjonctifImparfait, 6, "mangeassent"},
        // the "é" or mute "e" of the last syllable opens to "è" before a mute ending only
        TFormaCzasownika{"léguer", czPresent, 1, "lègue"}, TFormaCzasownika{"léguer", czPresent, 4, "léguons"},
        TFormaCzasownika{"léguer", czSubjonctifPresent, 6, "lèguent"},
        TFormaCzasownika{"congeler", czPresent, 3, "congèle"},
        TFormaCzasownika{"recongeler", czPresent, 6, "recongèlent"},
        TFormaCzasownika{"congeler", czPresent, 4, "congelons"}, TFormaCzasownika{"ficeler", czPresent, 1, "ficelle"},
        TFormaCzasownika{"harceler", czPresent, 1, "harcèle"}, TFormaCzasownika{"grasseyer", czPresent, 1, "grasseye"},
        TFormaCzasownika{"grasseyer", czPresent, 6, "grasseyent"},
        // asservir and assortir conjugate like finir, not like servir and sortir
        TFormaCzasownika{"asservir", czPresent, 1, "asservis"},
        TFormaCzasownika{"asservir", czPresent, 4, "asservissons"},
        TFormaCzasownika{"assortir", czPresent, 1, "assortis"},
        TFormaCzasownika{"assortir", czPresent, 4, "assortissons"}, TFormaCzasownika{"servir", czPresent, 1, "sers"},
        // requérir conjugates like acquérir
        TFormaCzasownika{"requérir", czPresent, 1, "requiers"}, TFormaCzasownika{"requérir", czPresent, 4, "requérons"},
        TFormaCzasownika{"requérir", czPresent, 6, "requièrent"},
        TFormaCzasownika{"requérir", czParticipePasse, 3, "requis"},
        TFormaCzasownika{"requérir", czFutur, 1, "requerrai"},
        // gésir lives only in the présent, the imparfait and the participe présent
        TFormaCzasownika{"gésir", czPresent, 3, "gît"}, TFormaCzasownika{"gésir", czPresent, 4, "gisons"},
        TFormaCzasownika{"gésir", czPresent, 6, "gisent"}, TFormaCzasownika{"gésir", czImparfait, 3, "gisait"},
        TFormaCzasownika{"gésir", czParticipePresent, 3, "gisant"}, TFormaCzasownika{"gésir", czFutur, 3, ""},
        TFormaCzasownika{"gésir", czPasseSimple, 3, ""}, TFormaCzasownika{"gésir", czParticipePasse, 3, ""},
        TFormaCzasownika{"gésir", czSubjonctifPresent, 3, ""},
        // clore has lost its plural présent persons and the tenses built on them
        TFormaCzasownika{"clore", czPresent, 3, "clôt"}, TFormaCzasownika{"clore", czPresent, 6, "closent"},
        TFormaCzasownika{"clore", czPresent, 4, ""}, TFormaCzasownika{"clore", czImparfait, 3, ""},
        TFormaCzasownika{"clore", czFutur, 1, "clorai"}, TFormaCzasownika{"clore", czParticipePasse, 1, "clos"},
        // irregular verbs
        TFormaCzasownika{"mourir", czPresent, 6, "meurent"},
        TFormaCzasownika{"mourir", czSubjonctifPresent, 1, "meure"}, TFormaCzasownika{"fuir", czPresent, 6, "fuient"},
        TFormaCzasownika{"s'enfuir", czPresent, 6, "s'enfuient"}, TFormaCzasownika{"falloir", czPresent, 3, "faut"},
        TFormaCzasownika{"falloir", czImparfait, 3, "fallait"}, TFormaCzasownika{"falloir", czFutur, 3, "faudra"},
        TFormaCzasownika{"falloir", czSubjonctifPresent, 3, "faille"}, TFormaCzasownika{"falloir", czImperatif, 2, ""},
        TFormaCzasownika{"pleuvoir", czPresent, 3, "pleut"}, TFormaCzasownika{"pleuvoir", czImparfait, 3, "pleuvait"},
        TFormaCzasownika{"pleuvoir", czFutur, 3, "pleuvra"}, TFormaCzasownika{"pleuvoir", czPasseSimple, 3, "plut"},
        TFormaCzasownika{"pleuvoir", czParticipePasse, 3, "plu"},
        // the impersonal verbs have no other persons to invent
        TFormaCzasownika{"falloir", czPresent, 1, ""}, TFormaCzasownika{"falloir", czPresent, 6, ""},
        TFormaCzasownika{"falloir", czPasseCompose, 2, ""}, TFormaCzasownika{"pleuvoir", czPresent, 6, "pleuvent"},
        TFormaCzasownika{"pleuvoir", czFutur, 4, ""}, TFormaCzasownika{"savoir", czParticipePresent, 3, "sachant"},
        TFormaCzasownika{"interdire", czPresent, 5, "interdisez"},
        TFormaCzasownika{"interdire", czImperatif5, 5, "interdisez"},
        TFormaCzasownika{"redire", czPresent, 5, "redites"}, TFormaCzasownika{"savoir", czImperatif5, 5, "sachez"},
        // the circumflex of dû, mû and crû is in the masculine singular only
        TFormaCzasownika{"mouvoir", czParticipePasse, 3, "mû"},
        TFormaCzasownika{"mouvoir", czParticipePasse, 3, "mue", 1, rdzFrZenski},
        TFormaCzasownika{"mouvoir", czParticipePasse, 3, "mus", 2},
        TFormaCzasownika{"mouvoir", czParticipePasse, 3, "mues", 2, rdzFrZenski},
        TFormaCzasownika{"devoir", czParticipePasse, 3, "dus", 2},
        TFormaCzasownika{"croître", czParticipePasse, 3, "crue", 1, rdzFrZenski},
        // me, te and se elide before a vowel or a mute h, not before an aspirated h
        TFormaCzasownika{"s'habiller", czPresent, 3, "s'habille"},
        TFormaCzasownika{"se hâter", czPresent, 3, "se hâte"}, TFormaCzasownika{"s'asseoir", czPresent, 2, "t'assieds"},
        TFormaCzasownika{"s'asseoir", czPresent, 4, "nous asseyons"},
        TFormaCzasownika{"s'asseoir", czInfinitif, 3, "s'asseoir"},
        // a typographic apostrophe marks a reflexive verb too
        TFormaCzasownika{"s’appeler", czPresent, 1, "m'appelle"},
        TFormaCzasownika{"s’appeler", czInfinitif, 3, "s'appeler"}),
    test::NamedBy(DescribeVerbForm));

TEST(GenVerbFr, LemmaWithoutAConjugationComesBack)
{
    for (const char* lemma : {"", "x", "ok", "s'", "sympa", "bof", "se xyz"}) {
        EXPECT_EQ(BuildVerbFormsFr(lemma, "4").Typ, 0) << lemma;
        EXPECT_EQ(GenVerbFr(lemma, "4", 1, 1, 1, czPresent, 1, 1), lemma) << lemma;
        EXPECT_EQ(GenVerbFr(lemma, "4", 1, 1, 1, czPasseCompose, 1, 1), lemma) << lemma;
    }
}

TEST(ConjugationTypeFr, EndingsAndLists)
{
    struct TCase {
        const char* Infinitive;
        int Type;
    };
    const TCase cases[] = {
        {"parler", 1},  {"aller", 4},  {"envoyer", 8}, {"renvoyer", 8}, {"avoir", 4},  {"voir", 6},     {"être", 4},
        {"prendre", 5}, {"finir", 2},  {"haïr", 2},    {"répartir", 2}, {"ouvrir", 3}, {"recourir", 3}, {"courir", 7},
        {"devenir", 7}, {"partir", 7}, {"sortir", 7},  {"rougir", 2},   {"bof", 0},    {"", 0},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ConjugationTypeFr(Fr(c.Infinitive)), c.Type) << c.Infinitive;
}

TEST(FormTagFr, TenseAndPersonOfTags)
{
    struct TCase {
        int Tag;
        int Tense;
        int Person;
        int Gender;
        int Number;
    };
    const TCase cases[] = {
        {1, 0, 0, 1, 1},     {62, 0, 0, 1, 1},    {14, 0, 0, 1, 2},    {56, 0, 0, 2, 1},    {37, 0, 0, 2, 2},
        {80, 10, 0, -1, -1}, {81, 1, 1, -1, -1},  {90, 1, 1, -1, -1},  {93, 1, 2, -1, -1},  {97, 1, 3, -1, -1},
        {102, 1, 4, -1, -1}, {105, 1, 5, -1, -1}, {109, 1, 6, -1, -1}, {116, 6, 3, -1, -1}, {124, 6, 3, -1, -1},
        {121, 6, 2, -1, -1}, {137, 6, 6, -1, -1}, {138, 8, 4, -1, -1}, {142, 3, 1, -1, -1}, {149, 3, 6, -1, -1},
        {153, 7, 3, -1, -1}, {162, 2, 3, -1, -1}, {168, 2, 4, -1, -1}, {174, 4, 4, -1, -1}, {183, 5, 3, -1, -1},
        {195, 27, 0, 1, 1},  {192, 27, 0, 2, 1},  {197, 27, 0, 1, 2},  {194, 27, 0, 2, 2},  {202, 9, 0, 2, 1},
        {203, 9, 0, 1, 2},
    };
    for (const TCase& c : cases) {
        const TCechyFormyFr features = FormTagFr(c.Tag);
        EXPECT_TRUE(features.Znana) << c.Tag;
        EXPECT_EQ(features.Czas, c.Tense) << c.Tag;
        EXPECT_EQ(features.Osoba, c.Person) << c.Tag;
        EXPECT_EQ(features.Rodzaj, c.Gender) << c.Tag;
        EXPECT_EQ(features.Liczba, c.Number) << c.Tag;
    }
    for (int unused : {0, 4, 8, 91, 94, 110, 118, 140, 143, 160, 166, 182, 199, 201, 204, 255})
        EXPECT_FALSE(FormTagFr(unused).Znana) << unused;
}

} // namespace
} // namespace velmar
