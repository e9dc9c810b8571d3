// Polish prepositions and cases for French: the prepositional homographs become
// their Polish preposition (or nothing, when the case alone carries the meaning),
// and every nominal group gets its case and its subject kind from the clitics, the
// valency of the word that governs it and its place in the clause.
#include "core/engine/untTranslatorFr.h"
#include "core/engine/untTranslatorFrKody.h"

namespace velmar {

namespace {

struct TPrzyimekFr {
    const char* Homograph;
    const char* Target; // nullptr: not rendered
    int Case;           // of the following group; 0 unchanged
};

constexpr TPrzyimekFr kPrepositions[] = {
    {"de1", nullptr, 2}, {"de2", nullptr, 2}, {"de3", nullptr, 0}, {"de6", nullptr, 0}, {"de4", "z", 2},
    {"de7", "z", 2},     {"de8", "z", 2},     {"de9", "przez", 4}, {"en11", "w", 6},    {"\3403", "w", 6},
    {"en12", "by", 0},   {"\3404", "do", 2},  {"\340", "do", 2},
};

const TPrzyimekFr* PrepositionOf(const std::string& text)
{
    for (const TPrzyimekFr& entry : kPrepositions)
        if (text == entry.Homograph)
            return &entry;
    return nullptr;
}

bool IsFiniteAt(const TCustomWypowiedzenie& utterance, int i)
{
    return utterance.InRange(i) && IsFrFiniteCode(utterance.Words().Word(i).Code);
}

} // namespace

TRekcjaFr TWypowiedzenieFr::ValencyCase(int i, std::string_view sourceText)
{
    TCustomWypSlowo& word = Words().Word(i);
    for (int r = 0; r < word.Readings.Count(); ++r) {
        const TZnaczenie& reading = *word.Readings.Item(r);
        if (reading.DictKind == kRodzajUzytkownika)
            continue;
        const int sub = word.SelectSubRecord(reading, true, true);
        if (sub < 0 || !word.SelectMeanings(reading, sub, false, false))
            continue;
        const TTransSlownikZnaczenia& meanings = reading.Entry->SubRecords.Item(sub)->Meanings;
        const TTransSlownikZnaczenie* meaning = meanings.Item(meanings.FirstPreferred(false, false));
        if (meaning == nullptr)
            continue;
        for (int v = 0; v < meaning->Valency.Count(); ++v) {
            const TTransSlownikRekcja& item = *meaning->Valency.Item(v);
            if (item.SourceText == sourceText && item.TargetCaseNumber() >= 1)
                return {true, item.TargetCaseNumber(), item.Preposition};
        }
    }
    return {};
}

void TWypowiedzenieFr::SetCaseOfGroupAt(int i, int casus)
{
    if (HasGroup(i) && casus > 0)
        Words().Word(i).Group()->casus = casus;
}

void TWypowiedzenieFr::TakePreposition(int i, const TRekcjaFr& found)
{
    TCustomWypSlowo& word = Words().Word(i);
    if (found.Preposition.empty())
        word.Translate = false;
    else
        word.FixedTarget = found.Preposition;
}

bool TWypowiedzenieFr::PrepositionHomograph(int i)
{
    if (PersonAfterA(i))
        return true;
    const TPrzyimekFr* entry = PrepositionOf(LowerStr(Words().Word(i).Text));
    if (entry == nullptr) {
        if (!TextIs(i, "de5"))
            return false;
        if (LemmaIs(i - 1, "permettre"))
            Words().Word(i).Translate = false;
        else
            Words().Word(i).FixedTarget = "by";
        return true;
    }
    TCustomWypSlowo& word = Words().Word(i);
    if (!word.Translate)
        return true;
    if (entry->Target == nullptr)
        word.Translate = false;
    else
        word.FixedTarget = entry->Target;
    SetCaseOfGroupAt(i + 1, entry->Case);
    return true;
}

// "à Marie", "à Pierre": a person after "à" is who something is given or said to, the
// dative with no preposition ("dałem książkę Piotrowi"); a place stays "w"/"do".
bool TWypowiedzenieFr::PersonAfterA(int i)
{
    TCustomWypSlowa& words = Words();
    if (!TextIs(i, "\340", true, true) || !words.Word(i).Translate || !InNominalGroup(i + 1) ||
        !HasMarker(HeadOfGroup(*words.Word(i + 1).Group()), znImie))
        return false;
    words.Word(i).Translate = false;
    words.Word(i + 1).Group()->casus = 3;
    return true;
}

void TWypowiedzenieFr::CliticCase(int i)
{
    const bool nous1 = TextIs(i, "nous1"), vous1 = TextIs(i, "vous1");
    if (i > 1 && (nous1 || vous1) && TextIs(i - 1, "-") && CodeIs(i + 1, kFrInfinitive))
        return;
    int v = -1;
    if (IsVerbAt(i + 1))
        v = i + 1;
    else if (TextIn(i + 1, "<ne><ne2><n'>") && IsVerbAt(i + 2))
        v = i + 2;
    const bool stressed = TextIn(i, "<moi><toi>");
    if ((v < 0 && !stressed) || !HasGroup(i))
        return;
    TCustomWypGrupa& group = *Words().Word(i).Group();
    // In a compound tense the participle governs, and the object it may take follows
    // it: "tu m'as prêté le livre" → "pożyczyłeś mi książkę".
    const int afterVerb = v >= 0 ? GroupLast(v) + 1 : -1;
    if (v >= 0 && InVerbalGroup(v))
        v = HeadOfGroup(*Words().Word(v).Group());
    if (TextIn(i, "<lui><leur><leur2>"))
        group.casus = 3;
    else if (TextIn(i, "<le><le2><l'2><la2><les2>"))
        // The direct object takes the case the Polish verb governs: "je l'aide" →
        // "pomagam mu", "je le cherche" → "szukam go".
        TakeValencyCase(v, group);
    else if (stressed)
        group.casus = InNominalGroup(i + 1) ? 3 : 4;
    else if (InNominalGroup(afterVerb))
        group.casus = 3;
    else
        TakeValencyCase(v, group);
}

void TWypowiedzenieFr::TakeValencyCase(int verb, TCustomWypGrupa& group)
{
    const TRekcjaFr found = verb >= 0 ? ValencyCase(verb, "") : TRekcjaFr{};
    group.casus = found.Found ? found.Case : 4;
    if (found.Found && !found.Preposition.empty())
        group.LeadTexts.push_back(found.Preposition);
}

void TWypowiedzenieFr::TransferPrepositions()
{
    TFlagiZdaniaFr flags;
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        if (words.Word(i).HasMarker(znPoczatekZdania))
            flags = {};
        if (PrepositionHomograph(i))
            continue;
        if (TextIs(i, "un peu de") && HasGroup(i + 1)) {
            SetCaseOfGroupAt(i + 1, 2);
            continue;
        }
        const bool clitic =
            TextIn(i, "<lui><leur><le><le2><l'2><la2><les2><leur2><se><me><te><s'><m'><t'><nous1><vous1>");
        if (clitic && (IsVerbAt(i + 1) || (TextIn(i + 1, "<ne><ne2><n'>") && IsVerbAt(i + 2)))) {
            CliticCase(i);
            continue;
        }
        if (TextIn(i, "<l'2><la2><les2><se><me><te><s'><m'><t'><nous1><vous1>") && HasGroup(i)) {
            SetCaseOfGroupAt(i, 4);
            continue;
        }
        if (TextIn(i, "<moi><toi>") && TextIs(i - 1, "-") && IsVerbAt(i - 2)) {
            CliticCase(i);
            continue;
        }
        if (IsPrepositionWord(i) && words.Word(i).Translate && words.Word(i).FixedTarget.empty()) {
            OwnPrepositionCase(i);
            continue;
        }
        if (IsVerbAt(i) && words.Word(i).Translate) {
            i = VerbGovernment(i);
            flags.VerbSeen = true;
            continue;
        }
        if (InNominalGroup(i))
            i = DecideNominalGroup(i, flags);
    }
}

void TWypowiedzenieFr::OwnPrepositionCase(int i)
{
    if (!InNominalGroup(i + 1))
        return;
    if (IsGroupEnd(i - 1, tgNominalna)) {
        if (const TRekcjaFr found = ValencyCase(i - 1, LowerStr(Words().Word(i).Text)); found.Found) {
            SetCaseOfGroupAt(i + 1, found.Case);
            TakePreposition(i, found);
            return;
        }
    }
    if (const TRekcjaFr found = ValencyCase(i, ""); found.Found)
        SetCaseOfGroupAt(i + 1, found.Case);
}

int TWypowiedzenieFr::VerbGovernment(int i)
{
    int j = i + 1;
    while (ClassIs(j, kwPrzyslowek))
        ++j;
    if (IsPrepositionWord(j) && Words().Word(j).Translate) {
        std::string text = LowerStr(Words().Word(j).Text);
        if (text == "de8")
            text = "de";
        if (const TRekcjaFr found = ValencyCase(i, text); found.Found) {
            TakePreposition(j, found);
            SetCaseOfGroupAt(j + 1, InNominalGroup(j + 1) ? found.Case : 0);
            return j;
        }
    } else if (InNominalGroup(j) && !HasMarker(j, znPoczatekZdania)) {
        if (const TRekcjaFr found = ValencyCase(i, ""); found.Found) {
            SetCaseOfGroupAt(j, found.Case);
            if (!found.Preposition.empty())
                Words().Word(j).Group()->LeadTexts.push_back(found.Preposition);
        }
    }
    return i;
}

bool TWypowiedzenieFr::FollowedByVerb(int last) const
{
    int k = last + 1;
    if (InPrepositionalGroup(k + 1) && IsPrepositionWord(k))
        k = GroupLast(k + 1) + 1;
    k = SkipTextIn(k, "<ne><ne2><n'><pas><pas1><se><me><s'><m'><te><t'><le><la><les><lui><le2><la2><les2><me2><te2>"
                      "<nous1><vous1><nous2><vous2><leur2><en2><y>");
    return IsFiniteAt(*this, k) && !(TextIs(k + 1, "-") && ClassIs(k + 2, kwZaimek));
}

int TWypowiedzenieFr::DecideNominalGroup(int i, TFlagiZdaniaFr& flags)
{
    TCustomWypSlowa& words = Words();
    TCustomWypGrupa& group = *words.Word(i).Group();
    const int first = group.First, last = group.Last;
    const bool plain = !group.IsPrepositional();
    // The subject kind.
    if (TextIn(i, "<je><j'><tu><ils>"))
        group.SetKind(6);
    else if (TextIn(i, "<il><elle><elles><qui1>") && !IsPrepositionWord(i - 1))
        group.SetKind(6);
    else if (TextIn(i, "<me><me2><te><te2><se><se2><nous2><vous2><lui><leur><que2>"))
        group.SetKind(0);
    else if (plain && FollowedByVerb(last))
        group.SetKind(6);
    if (IsFiniteAt(*this, i - 1) && TextIn(i - 2, "<quand><comment><o\371><que2>"))
        group.SetKind(6);
    // A relative "que" is the object of its clause, "qui" its subject.
    if (TextIs(i, "que2") && group.casus == 0)
        group.casus = 4;
    if (!group.IsSubject() && TextIn(i - 1, "<et><ou>") && InNominalGroup(i - 2)) {
        const int after = SkipTextIn(last + 1, "<me><ne>");
        if (InRange(after) && IsFrVerbCode(words.Word(after).Code) && words.Word(after).Code <= 189)
            group.casus = 1;
    }
    if (TextIn(i, "<qui><combien><quel>") &&
        ((TextIs(i, "qui") && InNominalGroup(last + 1)) ||
         (IsVerbAt(last + 1) && TextIs(last + 2, "-") && ClassIs(last + 3, kwZaimek))))
        group.casus = 4;
    if (plain && group.casus == 0 && !flags.VerbSeen && !flags.SubjectSeen) {
        group.casus = 1;
        group.SetKind(6);
    }
    DecideCaseAfterVerb(i, group, flags);
    if (plain && (group.casus == 0 || group.casus == 4) && FollowedByVerb(last) && !InNominalGroup(last + 2) &&
        InRange(last + 2)) {
        group.casus = 1;
        group.SetKind(6);
    }
    if (group.IsSubject())
        flags.SubjectSeen = true;
    if (first == 0 || !IsPrepositionWord(first - 1) || TextIn(first - 1, "<de5><des1>"))
        flags.DirectSeen = true;
    return last;
}

void TWypowiedzenieFr::DecideCaseAfterVerb(int i, TCustomWypGrupa& group, const TFlagiZdaniaFr& flags)
{
    int v = i - 1;
    // Adverbs, particles and object pronouns stand between a verb and its object:
    // "donne-moi le livre".
    while (v >= 0 && (ClassIn(v, KlasaBit(kwPrzyslowek) | KlasaBit(kwPartykula)) || !Words().Word(v).Translate ||
                      TextIs(v, "-") || IsObjectPronounGroup(v)))
        --v;
    if (!InVerbalGroup(v))
        v = -1;
    if (group.IsSubject()) {
        if (group.casus == 0)
            group.casus = 1;
        return;
    }
    if (v < 0 || group.casus != 0)
        return;
    const bool plain = !group.IsPrepositional();
    // The subject that follows its verb ("où habite Marie"); an imperative has none.
    const bool imperative = Words().Word(v).Group()->forma == czRozkazujacy;
    if (plain && !flags.DirectSeen && !imperative) {
        group.casus = 1;
        group.SetKind(6);
        return;
    }
    const int verb = GroupFirst(v);
    if (LemmaIn(verb, "<\352tre><devenir><rester><demeurer>")) {
        const bool noun = IsFrNounCode(Words().Word(GroupHead(i)).Code);
        group.SetKind(noun ? 23 : 17);
        // A noun predicate is instrumental ("il est médecin": "jest lekarzem"), except
        // after a demonstrative subject ("c'est une maison": "to jest dom").
        const int subject = SubjectOfVerb(verb, "");
        const bool demonstrative = TextIn(subject, "<ce><c'><\347a><cela><ceci>");
        group.casus = noun && !demonstrative ? 5 : 1;
        return;
    }
    const int before = GroupFirst(group.First) - 1;
    if (InVerbalGroup(before) && Words().Word(before).Group()->vtdoc == 9)
        group.casus = 2;
    else
        group.casus = NegatedVerb(v) ? 2 : 4;
}

bool TWypowiedzenieFr::IsObjectPronounGroup(int i) const
{
    if (!IsSingleWordGroup(i, tgNominalna) || !ClassIs(i, kwZaimek))
        return false;
    const int casus = Words().Word(i).Group()->casus;
    return casus == 3 || casus == 4;
}

bool TWypowiedzenieFr::NegatedVerb(int v) const
{
    int j = GroupFirst(v) - 1;
    while (j >= 0 && TextIn(j, "<me><m'><te><t'><se><s'><lui><le2><la2><l'2><les2><en2><y><nous1><vous1><leur2>"))
        --j;
    return InRange(j) && Words().Word(j).N > 0;
}

} // namespace velmar
