// From the analysed French sentence to the Polish one: the gender and person the
// pronouns give their groups, "que" after "vouloir", the Polish aspect of every verb,
// the subject pronouns Polish leaves out, the Polish places of object pronouns and
// adjectives, and the translations of every word, heads of groups first.
#include <algorithm>
#include <bitset>
#include <functional>
#include <vector>

#include "core/engine/untTransWypSkladanie.h"
#include "core/engine/untTransWypSlowoPoSlowie.h"
#include "core/engine/untTranslatorFr.h"
#include "core/engine/untTranslatorFrKody.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

// The most frequent French words: in the simplified translation modes they keep their
// first translation only.
const std::string& FrequentWords()
{
    static const std::string words =
        FromUtf8("<de><la><les><un><et><l'><être><des><avoir><à><le><que><d'><il><en><ce><dans><qui><qu'><se>"
                 "<plus><du><son><on><ne><par><pouvoir><s'><même><pas><je><nous><pour><autre><sur><faire><n'>"
                 "<elle><leur><tout><au><ou><mais><si><avec><comme><ils><grand><deux><chez><devoir><bien><aux>"
                 "<lui><quelque><voir><sans><tous><très><elles><aussi><dire><ainsi><encore><peu><certain><été>"
                 "<c'est><sous><cas><beaucoup><pendant><trouver><chaque><moins><petit><où><différent><seul><genre>"
                 "<notre><donc><aller><vous><savoir><premier><car><tu><exemple><toujours><là><quand><homme>"
                 "<nature><falloir><prendre><groupe><croire><venir><vouloir><donner><aucun><celui><puis><état>"
                 "<distinct><divers><non><depuis><c'><temps><exister><trois><long><différence><cependant><déjà>"
                 "<devenir><tel><souvent><période><presque><comprendre><oeil><plusieurs><or><jour><ouvrier>"
                 "<expliquer><terre><rester><alors><dernier><mettre><pays><rien><sembler><rapport><femme><jamais>"
                 "<ça><mon><heure><paraître><région><eux><bon><seulement><jeune><après><nombreux><tête><admettre>"
                 "<descendre><enfin><lorsque><quel><travail><fleur><production><entendre><jusqu'à><considérable>"
                 "<eau><ceux><cause><contre><pourquoi><part><cela><devant><celle><appartenir><idée><près><nouveau>"
                 "<ni><considérer><haut><famille><développement><époque><parler><important><vie><moi><main>"
                 "<supposer><développer><doute><connaître><comment><théorie><entier><hommes><attendre><d'abord>"
                 "<île><habitude><maintenant><vivre><assez>");
    return words;
}

bool IsSimplifiedMode(int mode)
{
    return mode == 4 || mode == 7 || mode == 10 || mode == 12;
}

} // namespace

// ---------------------------------------------------------------- pronouns

void TWypowiedzenieFr::Pronouns()
{
    const TOpcjeAnalizy& options = Words().Context().Analysis;
    ForEachNominalGroup([&](int i, TCustomWypGrupa& group) {
        const int head = GroupHead(i);
        if (TextIn(head, "<qui1><qui3><que2>") && InNominalGroup(i - 1)) {
            group.Roles.set(rgRodzajPoprzedniej);
            group.Roles.set(rgLiczbaPoprzedniej);
        } else if (TextIn(head, "<elle><elles>")) {
            group.genus = rdzZenski;
        } else if (TextIn(head, "<\347a><cela><ce><c'>")) {
            group.genus = rdzNijaki;
        } else if (TextIn(head, "<tu><te><toi><t'>")) {
            group.genus = options.FrTuMasculine ? rdzMeskoosobowy : rdzZenski;
        } else if (TextIn(head, "<je><j'><nous><nous0><moi><me><m'>")) {
            group.genus = options.FrSubjectMasculine ? rdzMeskoosobowy : rdzZenski;
        } else if (ClassIs(head, kwZaimek) && CodeIn(head, KodyOdDo(211, 226))) {
            group.genus = rdzMeskoosobowy;
        }
    });
    PolitenessOfVous();
}

// ---------------------------------------------------------------- que after vouloir

void TWypowiedzenieFr::QueClauses()
{
    static const char* const kZeby[] = {"żebym", "żebyś", "żeby", "żebyśmy", "żebyście", "żeby"};
    TCustomWypSlowa& words = Words();
    for (int i = 1; i < words.Count(); ++i) {
        if (!TextIn(i, "<que><que1>") || !words.Word(i).Translate)
            continue;
        // The verbs of wanting and needing that take the subjunctive: "żeby".
        const bool afterVouloir =
            (LemmaIn(i - 1, "<vouloir><falloir><souhaiter><d\351sirer><exiger><pr\351f\351rer>") &&
             IsFrVerbCode(words.Word(i - 1).Code)) ||
            (InVerbalGroup(i - 1) && words.Word(i - 1).Group()->Tense == czGerondif);
        const int verb = FindGroup(i, KlasaBit(tgWerbalna), {}, false, false);
        if (!afterVouloir || !InVerbalGroup(verb))
            continue;
        TCustomWypGrupa& clause = *words.Word(verb).Group();
        // "que nous travaillions": the imperfect's form is the subjunctive's too.
        if (words.Word(verb).vt != czSubjonctif && clause.Tense != 16 && !CodeIn(verb, Kody({168, 169})))
            continue;
        clause.vtdoc = 10;
        const int person = clause.pn;
        words.Word(i).FixedTarget = FromUtf8(person >= 1 && person <= 6 ? kZeby[person - 1] : "żeby");
    }
}

// ---------------------------------------------------------------- aspect, inversion, subjects

bool TWypowiedzenieFr::NeverOrNoMore(const TCustomWypGrupa& group) const
{
    for (int j = group.First; j <= group.Last + 1; ++j)
        if (TextIn(j, "<jamais><plus>"))
            return true;
    return false;
}

int TWypowiedzenieFr::AspectOf(int i) const
{
    const TCustomWypSlowo& word = Words().Word(i);
    const TCustomWypGrupa& group = *word.Group();
    const int tense = group.Tense != 0 ? group.Tense : group.forma != 0 ? group.forma : word.vt;
    // "que tu viennes" after "vouloir" asks for one event: "żebyś przyszedł".
    if (group.vtdoc == 10)
        return znDokonany;
    if (OneOf(tense, {1, 2, 6, 7, 9, 19, 30}))
        return znNiedokonany;
    // "il n'a jamais vu" denies the act itself, not its completion: "nigdy nie widział".
    if (OneOf(tense, {czPasseSimple, czPasseCompose, 12, 13}) && NegatedVerb(i) && NeverOrNoMore(group))
        return znNiedokonany;
    // The simple future names one event more often than a state: "nous partirons" →
    // "wyjedziemy"; denied, it is the imperfective ("nie będziemy wyjeżdżać").
    if (tense == czPrzyszly)
        return NegatedVerb(i) ? znNiedokonany : znDokonany;
    if (OneOf(tense, {3, 11, 12, 13, 14, 15, 16, 17, 18, 20, 23, 24}))
        return znDokonany;
    if (tense == czRozkazujacy)
        return NegatedVerb(i) ? znNiedokonany : znDokonany;
    if (tense == czBezokolicznik) {
        // "Pouvez-vous m'aider ?": past the object pronouns and the inverted subject.
        const int before = SkipTextIn(GroupFirst(i) - 1,
                                      "<ne><n'><pas><pas1><me><m'><te><t'><le2><la2><l'2><les2><lui><leur2><nous1>"
                                      "<vous1><en2><y><-><-t-><je><tu><il><elle><on><nous><vous><ils><elles>",
                                      true);
        if (LemmaIn(before, "<pouvoir><vouloir>") || (TextIs(before, "pour") && LemmaIn(i, "<installer><\351viter>")))
            return znDokonany;
    }
    if (tense == czImieslowPrzeszly && LemmaIn(i, "<terminer><finir><cr\351\145r><t\351l\351\143harger>"))
        return znDokonany;
    return -1;
}

void TWypowiedzenieFr::AspectAndInversion()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        TCustomWypSlowo& word = words.Word(i);
        if (TextIs(i, "-") && (IsVerbAt(i - 1) || TextIs(i - 1, "t")) &&
            (ClassIs(i + 1, kwZaimek) || TextIs(i + 1, "t"))) {
            word.Translate = false;
            word.SetMarker(znMyslnikSpacja);
        } else if (TextIs(i, "t") && TextIs(i - 1, "-") && TextIs(i + 1, "-")) {
            word.Translate = false;
        }
        if (TextIn(i, "<tout><toute><tous><toutes>") && !IsGroupEnd(i, tgNominalna))
            word.PreferMeaning("wszystek *96");
        else if (TextIn(i, "<quelques><plusieurs>"))
            word.SetMarker(znLiczebnikowy);
        if (IsFrVerbCode(word.Code) && InVerbalGroup(i)) {
            if (const int aspect = AspectOf(i); aspect > 0)
                word.SetMarker(aspect);
            RecentPast(i);
        } else if (IsFrPastParticipleCode(word.Code) && InNominalGroup(i)) {
            // A participle used as an adjective names the state an act left: "la porte
            // est ouverte" → "drzwi są otwarte".
            word.SetMarker(znDokonany);
        }
        // Polish verbs agree with the number of the Polish subject: "la porte est
        // ouverte" → "drzwi są otwarte".
        if (InVerbalGroup(i) && GroupFirst(i) == i && OneOf(word.Group()->pn, {3, 6}))
            word.Group()->Roles.set(rgOsobaWgPodmiotu);
    }
    SecondImperatives();
    if (Words().Context().Analysis.FrDropSubjectPronouns)
        DropSubjectPronouns();
    NegationWordsBeforeNie();
}

void TWypowiedzenieFr::NegationWordsBeforeNie()
{
    // "il n'a jamais vu" → "nigdy nie widział", "il n'a rien mangé" → "nic nie zjadł",
    // "il ne mange plus" → "już nie je": Polish puts these before "nie".
    TCustomWypSlowa& words = Words();
    for (int i = 1; i < words.Count(); ++i) {
        if (!TextIn(i, "<jamais><rien><plus>") || !words.Word(i).Translate)
            continue;
        int ne = i - 1;
        while (ne >= 0 && !TextIn(ne, "<ne><n'>") && (InVerbalGroup(ne) || !words.Word(ne).Translate))
            --ne;
        if (ne >= 0 && TextIn(ne, "<ne><n'>") && words.Word(ne).N > 0)
            MoveGroupedWord(i, ne);
    }
}

void TWypowiedzenieFr::SecondImperatives()
{
    // "Ouvrez et lisez": with "proszę" for the polite imperative, only the first gets it.
    TCustomWypSlowa& words = Words();
    bool previous = false;
    for (int i = 0; i < words.Count(); ++i) {
        if (!IsFrFiniteCode(words.Word(i).Code) || !InVerbalGroup(i))
            continue;
        const TCustomWypGrupa& group = *words.Word(i).Group();
        const bool polite = group.forma == 85 || (group.forma == czRozkazujacy && group.pn == 5);
        if (polite && previous)
            words.Word(i).SetMarker(znDrugiRozkazujacy);
        previous = polite;
    }
}

void TWypowiedzenieFr::RecentPast(int i)
{
    // "il vient de partir": Polish says it with the perfective past and "właśnie".
    TCustomWypSlowo& verb = Words().Word(i);
    const int tense = verb.Group()->Tense;
    if ((tense == 23 || tense == 24) && HasMarker(i, znGlowaGrupy) && verb.LeadText.empty())
        verb.LeadText = FromUtf8("właśnie ");
}

void TWypowiedzenieFr::DropSubjectPronouns()
{
    const int vous = Words().Context().Analysis.FrVous;
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        const bool personal = TextIn(i, "<je><j'><tu><nous><nous0>") || (TextIn(i, "<vous><vous0>") && vous < 2);
        const bool we = TextIs(i, "on") && words.Word(i).HasMarker(znWymuszoneZnaczenie);
        // "il pleut", "il faut": Polish has no subject there at all.
        if (TextIs(i, "il") && LemmaIn(SkipTextIn(i + 1, "<ne><n'><ne2><me><m'><te><t'><lui><nous1><vous1><leur2><y>"),
                                       "<falloir><pleuvoir><neiger><geler><gr\352ler><tonner>"))
            words.Word(i).Translate = false;
        if ((!personal && !we) || !InNominalGroup(i) || !words.Word(i).Group()->IsSubject())
            continue;
        const int next = SkipTextIn(i + 1, "<me><m'><te><t'><se><s'><me2><te2><nous1><vous1><nous2><vous2><lui><le2>"
                                           "<la2><l'2><les2><leur2><en2><y><ne><n'><ne2>");
        // "vas-tu": the pronoun after its verb goes, and the hyphen with it.
        const bool inverted = TextIn(i - 1, "<-><-t->") && InVerbalGroup(i - 2);
        if (inverted)
            words.Word(i - 1).Markers.reset(znMyslnikSpacja);
        if (InVerbalGroup(next) || inverted)
            words.Word(i).Translate = false;
    }
}

// ---------------------------------------------------------------- Polish word order

void TWypowiedzenieFr::PolishWordOrder()
{
    TCustomWypSlowa& words = Words();
    // An object pronoun follows its verb in Polish: "je le vois" → "widzę go", "il se
    // lève" → "on wstaje się" only when the verb has no reflexive entry of its own.
    for (int i = words.Count() - 1; i >= 0; --i) {
        if (!words.Word(i).Translate ||
            !TextIn(i,
                    "<le2><la2><l'2><les2><lui><leur2><me><m'><te><t'><nous1><vous1><se><s'><me2><te2><nous2><vous2>"))
            continue;
        const int verb =
            SkipTextIn(i + 1, "<ne><n'><ne2><me><m'><te><t'><le2><la2><l'2><les2><lui><leur2><nous1><vous1><en2><y>");
        // The auxiliary of a compound tense renders as nothing; its participle counts.
        if (!InVerbalGroup(verb) || !words.Word(HeadOfGroup(*words.Word(verb).Group())).Translate)
            continue;
        MoveGroupedWord(i, GroupLast(verb));
    }
    if (Words().Context().Analysis.FrReorderAdjectives)
        AdjectivesBeforeNouns();
    YesNoQuestion();
}

// "Viens-tu ?", "Pouvez-vous m'aider ?": the inversion asks for yes or no, which
// Polish says with "czy" before the sentence; a question word asks for itself.
void TWypowiedzenieFr::YesNoQuestion()
{
    TCustomWypSlowa& words = Words();
    if (words.Count() == 0 || words.Tail.find('?') == std::string::npos)
        return;
    bool inverted = false;
    for (int i = 0; i < words.Count(); ++i) {
        if (TextIn(i,
                   "<o\371><quand><comment><pourquoi><qui><que><qu'><quoi><quel><quelle><quels><quelles><combien>"
                   "<lequel><laquelle><lesquels><lesquelles><si>",
                   true, true))
            return;
        inverted = inverted || (TextIn(i, "<-><-t->") && (IsVerbAt(i - 1) || TextIs(i - 1, "t")) &&
                                TextIn(i + 1, "<je><tu><il><elle><on><nous><vous><ils><elles>", true));
    }
    if (!inverted)
        return;
    for (int i = 0; i < words.Count(); ++i)
        if (words.Word(i).Translate) {
            words.Word(i).LeadText = "czy " + words.Word(i).LeadText;
            return;
        }
}

void TWypowiedzenieFr::AdjectivesBeforeNouns()
{
    TCustomWypSlowa& words = Words();
    for (int i = 1; i < words.Count(); ++i) {
        if (!HasMarker(i - 1, znGlowaGrupy) || !IsNounAt(i - 1) || !InNominalGroup(i) ||
            words.Word(i).Group() != words.Word(i - 1).Group() || !IsFrAdjectiveCode(words.Word(i).Code))
            continue;
        // Relational adjectives stay behind their noun ("język francuski"); qualitative
        // ones, which compare, go before it ("biały dom").
        if (!ComparesSynthetically(i))
            continue;
        TCustomWypGrupa& group = *words.Word(i - 1).Group();
        MoveGroupedWord(i, i - 1);
        if (!HasGroup(i - 1))
            words.ExtendGroupLeft(group, i - 1);
    }
}

bool TWypowiedzenieFr::ComparesSynthetically(int i)
{
    const std::string adjective = FirstMeaningWord(Words().Word(i), true);
    if (adjective.empty())
        return false;
    TCechyPl comparative;
    comparative.Degree = 1;
    const std::string form = GenFormPl(adjective, comparative);
    return !form.empty() && !StartsWith(form, "bardziej");
}

// ---------------------------------------------------------------- translations

std::string FirstMeaningWord(TCustomWypSlowo& word, bool withCode)
{
    const TZnaczenie* reading = word.Readings.Item(0);
    if (reading == nullptr)
        return {};
    const int sub = reading->SubRecord >= 0 ? reading->SubRecord : word.SelectSubRecord(*reading, true, true);
    const TTransSlownikPodrekord* record = reading->Entry->SubRecords.Item(sub);
    if (record == nullptr)
        return {};
    const TTransSlownikZnaczenie* meaning = record->Meanings.Item(record->Meanings.FirstPreferred(false, false));
    if (meaning == nullptr || meaning->AlternativeCount() == 0)
        return {};
    return withCode ? meaning->WordWithCode(0) : meaning->Word(0);
}

void TWypowiedzenieFr::CollectAll()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i)
        if (words.Word(i).Choosable)
            words.Word(i).Transfer();
    const auto first = [&](int i) {
        return HasMarker(i, znGlowaGrupy) || ClassIn(i, KlasaBit(kwPrzyslowek) | KlasaBit(kwLiczebnik)) ||
               HasMarker(i, znLiczebnikowy);
    };
    for (int i = 0; i < words.Count(); ++i)
        if (first(i))
            words.Word(i).CollectTranslations();
    for (int i = 0; i < words.Count(); ++i)
        if (!first(i))
            words.Word(i).CollectTranslations();
}

// ---------------------------------------------------------------- word transfer

int TWypSlowoFr::SelectSubRecord(const TZnaczenie& reading, bool preferVerb, bool anyClass)
{
    const TTransSlownikPodrekordy& records = reading.Entry->SubRecords;
    if (records.Count() == 0)
        return -1;
    const std::uint8_t wordClass = ForcedClass != kwNieznana ? ForcedClass : WordClass;
    std::uint32_t mask = KlasaBit(wordClass);
    if (wordClass == kwPrzymiotnik)
        mask |= KlasaBit(kwLiczebnik);
    const auto classOf = [&](int r) {
        return static_cast<std::uint8_t>(WordClassOfCode(records.Item(r)->Code, jezFrancuski));
    };
    if (wordClass == kwCzasownik) {
        for (int r = 0; r < records.Count(); ++r) {
            const bool reflexive = records.Item(r)->Code == "6" || records.Item(r)->Code == "R";
            if (HasMarker(znZwrotny) ? reflexive : (preferVerb && !reflexive && classOf(r) == kwCzasownik))
                return r;
        }
    }
    for (int r = 0; r < records.Count(); ++r)
        if (mask & KlasaBit(classOf(r)))
            return r;
    return anyClass || wordClass >= kwNieznana ? 0 : -1;
}

void TWypSlowoFr::CollectTranslations()
{
    TWypSlowoAnalizowane::CollectTranslations();
    if (IsSimplifiedMode(TranslationMode()) && InTagList(Lemma, FrequentWords()))
        while (Translations.Count() > 1)
            Translations.Delete(Translations.Count() - 1);
}

// "le livre que je lis est bon" → "książka, którą czytam, jest dobra": a relative
// clause inside its sentence is a clause of its own, and where the main verb goes on,
// its clause takes the subject from before the relative one — for the agreement —
// and a comma.
void TWypowiedzenieFr::RelativeClauses()
{
    TCustomWypSlowa& words = Words();
    for (int r = 0; r < words.Count(); ++r) {
        if (!TextIn(r, "<que2><qui1><dont>") || r == 0)
            continue;
        int j = r + 1;
        while (InRange(j) && !IsFiniteVerbGroupAt(j) && !EndsClause(j))
            ++j;
        if (!InRange(j) || EndsClause(j))
            continue;
        for (j = GroupLast(j) + 1; InRange(j) && !EndsClause(j); ++j)
            if (IsFiniteVerbGroupAt(j)) {
                words.Word(r).SetMarker(znPoczatekZdania);
                const int resumes = FirstOfClauseAt(GroupFirst(j));
                words.Word(resumes).SetMarker(znPoczatekZdania);
                words.Word(resumes).SetMarker(znPodmiotSprzedDwoch);
                break;
            }
    }
}

void TWypowiedzenieFr::RelativeClauseEnds()
{
    TCustomWypSlowa& words = Words();
    for (int i = 1; i < words.Count(); ++i)
        if (words.Word(i).HasMarker(znPodmiotSprzedDwoch))
            for (int k = i; InRange(k); ++k)
                if (words.Word(k).Translate) {
                    words.PutCommaBefore(k);
                    break;
                }
}

bool TWypowiedzenieFr::IsFiniteVerbGroupAt(int i) const
{
    return IsFrFiniteCode(Words().Word(i).Code) && InVerbalGroup(i);
}

bool TWypowiedzenieFr::EndsClause(int i) const
{
    return TextIn(i, "<,><;><:><et><ou><mais><que><qu'><qui><si><quand><parce que><lorsque>", true, true);
}

// The clause goes on with "ne" before its verb, when there is one.
int TWypowiedzenieFr::FirstOfClauseAt(int verb) const
{
    int i = verb;
    while (i > 0 && TextIn(i - 1, "<ne><n'><ne2>"))
        --i;
    return i;
}

} // namespace velmar
