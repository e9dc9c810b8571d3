// The French function words: each becomes the numbered homograph of the dictionary
// that says what it stands for here ("de" the genitive "de1", the "z" of "de8", "que"
// the relative "que2" or the "tylko" of "ne … que"), from the words around it.
#include "core/app/untUtils.h"
#include "core/engine/untTranslatorFr.h"
#include "core/engine/untTranslatorFrKody.h"

namespace velmar {

namespace {

constexpr const char* kObjectClitics =
    "<me><te><lui><le><la><l'><m'><t'><nous><vous><nous0><vous0><nous1><vous1><les><leur><en><y>";
constexpr const char* kNegationClitics = "<me><m'><te><t'><se><s'><lui><le><la><les><en><y><nous><vous>";
constexpr const char* kNegationWords =
    "<,><que><qu'><pas><pas encore><point><gu\350re><goutte><jamais><rien><personne><plus><nullepart><nul><nulle>"
    "<nuls><nulles><aucun><aucune><aucuns><aucunes><nullement><aucunement>";
constexpr const char* kInfinitiveClitics =
    "<en><y><me><m'><te><t'><le><la><l'><nous><vous><leur><les><se><s'><pas><rien>";
constexpr const char* kArticles = "<le><la><l'><les><des0><le1><la1><l'1><les1><de3>";

} // namespace

bool TWypowiedzenieFr::IsPrepositionWord(int i) const
{
    return ClassIs(i, kwPrzyimek) || TextIn(i, "<de><d'><\340>", true);
}

bool TWypowiedzenieFr::IsVerbAt(int i) const
{
    return InRange(i) && (ClassIs(i, kwCzasownik) || IsFrVerbCode(Words().Word(i).Code));
}

void TWypowiedzenieFr::Rename(int i, const std::string& text)
{
    TCustomWypSlowo& word = Words().Word(i);
    const bool translate = word.Translate;
    word.SetText(text);
    word.Translate = translate;
}

void TWypowiedzenieFr::FunctionWords()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        if (TextIn(i, "<ne><n'>") && MoveNegationBehindClitics(i)) {
            --i;
            continue;
        }
        if (TextIn(i, "<quand><qui><que2><comment><o\371>", false, true))
            words.Word(i).SetMarker(znPoczatekZdania);
        if (words.Word(i).Translate)
            FunctionWordAt(i);
    }
    for (int i = 0; i < words.Count(); ++i)
        if (TextIn(i, kArticles, false, true) && !ClassIs(i, kwZaimek))
            words.Word(i).Translate = false;
}

bool TWypowiedzenieFr::MoveNegationBehindClitics(int i)
{
    if (TextIn(i + 1, "<nous><vous>") && !TextIn(i + 2, kObjectClitics)) {
        Rename(i + 1, Words().Word(i + 1).Text + "1");
        return false;
    }
    int last = i;
    while (TextIn(last + 1, kObjectClitics))
        ++last;
    if (last == i || !IsVerbAt(last + 1))
        return false;
    Words().MoveWord(i, last);
    return true;
}

void TWypowiedzenieFr::FunctionWordAt(int i)
{
    TCustomWypSlowo& word = Words().Word(i);
    if (TextIn(i, "<de><d'>", false, true))
        Rename(i, DeHomograph(i));
    else if (TextIn(i, "<on><l'on>", false, true))
        OnRule(i);
    else if (TextIs(i, "en", false, true))
        EnRule(i);
    else if (TextIs(i, "\340", false, true))
        ARule(i);
    else if (TextIn(i, "<un><une>", false, true))
        IndefiniteArticle(i);
    else if (TextIs(i, "des", false, true) && IsFrDeterminerCode(word.Code))
        PluralArticle(i);
    else if (TextIs(i, "son") && TextIs(i - 1, "le"))
        Rename(i, "son2");
    else if (TextIs(i, "il y a", false, true))
        AgoRule(i);
    else if (TextIn(i, "<le><la><l'><les><en><leur>", false, true))
        ObjectPronounOrArticle(i);
    else if (TextIn(i, "<ne><n'>", false, true))
        NegationScope(i);
    else if (TextIn(i, "<me><m'><te><t'><nous><vous>", false, true) && i > 0)
        PersonalClitic(i);
    else if (TextIn(i, "<que><qu'>", false, true) && !word.HasMarker(znWymuszoneZnaczenie))
        QueRule(i);
    else if (TextIs(i, "qui", false, true))
        QuiRule(i);
    else if (TextIn(i, "<sans><apr\350s>", false, true) && CodeIs(i + 1, kFrInfinitive))
        PrepositionBeforeInfinitive(i);
    else if (TextIs(i, "pour", false, true) && InfinitiveConstructionAt(i + 1))
        word.FixedTarget = i == 0 ? "by" : ", by";
    else if (TextIs(i, "si", false, true))
        SiRule(i);
    else if (TextIn(i, "<tant><autant>", false, true))
        TantQue(i);
    else if (TextIs(i, "pas") && (TextIn(i - 1, "<le><les><un><un2><premier><premiers>") || IsPrepositionWord(i - 1)))
        StepNoun(i);
}

// ---------------------------------------------------------------- si, tant, pas

void TWypowiedzenieFr::SiRule(int i)
{
    const int n = i + 1;
    const TCustomWypSlowo& next = Words().Word(n);
    const bool subjectNext = TextIn(n, "<je><tu><il><elle><nous><vous><ils><elles><on><l'on>") ||
                             (TextIs(n, "l'") && TextIs(n + 2, "on")) || IsDeterminerAt(n);
    // An indirect question: "il demande si…", "je ne sais pas si…" → "czy".
    if (LemmaIn(SkipTextIn(i - 1, "<pas><pas1><point1>", true), "<demander><savoir><ignorer>"))
        Rename(i, "si2");
    else if (subjectNext)
        Rename(i, "si1");
    else if (IsFrAdjectiveCode(next.Code) || CodeIn(n, KodyOdDo(250, 254)) || CodeIs(n, 200))
        Rename(i, "si3");
    else if (InPlainNominalGroup(n) && !IsFrAdjectiveCode(Words().Word(GroupFirst(n)).Code) &&
             !CodeIn(GroupFirst(n), KodyOdDo(250, 254)) && FiniteVerbAfter(GroupLast(n)))
        Words().Word(i).FixedTarget = FromUtf8("jeżeli");
}

bool TWypowiedzenieFr::FiniteVerbAfter(int last) const
{
    int j = last + 1;
    while (InRange(j) && (IsPrepositionWord(j) || CodeIn(j, Kody({241, 246, 247, 250, 251, 252, 253, 254})) ||
                          InPrepositionalGroup(j)))
        ++j;
    return InRange(j) && IsFrFiniteCode(Words().Word(j).Code);
}

void TWypowiedzenieFr::TantQue(int i)
{
    int j = i + 1;
    while (InRange(j) && (InNominalGroup(j) || (IsPrepositionWord(j) && InPrepositionalGroup(j + 1)) ||
                          CodeIs(j, 255) || ClassIs(j, kwInna)))
        ++j;
    if (!TextIs(j, "que") || !InNominalGroup(j + 1))
        return;
    Words().Word(i).PreferMeaning("tak");
    Words().Word(j).PreferMeaning("jak i");
}

void TWypowiedzenieFr::StepNoun(int i)
{
    // "le pas", "à pas lents": the noun, not the negation.
    Rename(i, "pas2");
    if (!HasGroup(i) && InNominalGroup(i - 1)) {
        Words().ExtendGroupRight(*Words().Word(i - 1).Group(), i);
        SetHead(i);
    }
}

// ---------------------------------------------------------------- de

bool TWypowiedzenieFr::NegatedInfinitiveAt(int n) const
{
    if (TextIn(n, "<ne pas><ne rien><n'en rien><n'en pas>"))
        return true;
    if (!TextIn(n, "<ne><n'>"))
        return false;
    int j = n + 1;
    while (TextIn(j, kInfinitiveClitics))
        ++j;
    return CodeIs(j, kFrInfinitive);
}

std::string TWypowiedzenieFr::DeHomograph(int i)
{
    const std::string chosen = DeHomographByContext(i);
    // "de Paris à Lyon": "od" … "do".
    const int n = i + 1;
    if (chosen != "de9" && IsGroupStart(n, tgNominalna) && TextIs(GroupLast(n) + 1, "\340") &&
        InNominalGroup(GroupLast(n) + 2))
        return "de11";
    return chosen;
}

std::string TWypowiedzenieFr::DeHomographByContext(int i)
{
    const int p = i - 1, n = i + 1;
    if (IsVerbAt(p) && ValencyCase(p, "de").Found)
        return "de";
    if (NegatedInfinitiveAt(n))
        return "de5";
    if (IsSingleWordGroup(p, tgNominalna) && TextIn(p, "<un><une><un2><une2><uns><unes>") && InNominalGroup(n))
        return "de7";
    if (TextIn(p, "<plus><moins>") && (ClassIs(n, kwLiczebnik) || HasMarker(n, znRok)))
        return "de12";
    // Coordination repeats the choice: "le livre de Pierre et de Marie".
    if (InNominalGroup(n) && TextIn(p, "<et><ou>") && IsGroupEnd(p - 1, tgNominalna) &&
        TextIs(GroupFirst(p - 1) - 1, "de", true))
        return LowerStr(Words().Word(GroupFirst(p - 1) - 1).Text);
    if (TextIn(p, "<pas><pas1><point1>"))
        return "de2";
    if (IsAgentAfterParticiple(i))
        return "de9";
    if (InNominalGroup(p))
        return DeAfterNominalGroup(i);
    if (TextIn(p, "<assez><beaucoup><trop><peu><un petit peu><gu\350re><il n'y a pas>"))
        return "de1";
    int adjective = n;
    while (TextIn(adjective, "<tr\350s><trop>"))
        ++adjective;
    if (IsFrAdjectiveCode(Words().Word(adjective).Code) && InNominalGroup(adjective)) {
        TCustomWypGrupa& group = *Words().Word(adjective).Group();
        Words().ExtendGroupLeft(group, i);
        if (IsPrepositionWord(p))
            group.SetKind(4);
        return "de3";
    }
    // "ne … que" and the negation words stand between the verb and its object: "je ne
    // mange que du pain", "il ne mange jamais de viande".
    const int verb = SkipTextIn(p, "<que5><jamais><plus><gu\350re>", true);
    if (IsVerbAt(verb) || TextIs(verb, "il y a", false, true)) {
        // Verbs of coming from somewhere: "sortir de la maison" → "wyjść z domu".
        if (LemmaIn(verb, "<venir><aller><partir><sortir><revenir>"))
            return "de4";
        // The object of a negated verb is in the genitive, as after "pas".
        if (NegatedVerb(verb) && !TextIn(n, "<le1><la><l'><les>"))
            return "de2";
        return TextIn(n, "<le1><la><l'><les>") ? "de6" : "de7";
    }
    return "de8";
}

bool TWypowiedzenieFr::IsAgentAfterParticiple(int i)
{
    // The agent of a passive participle: "il est aimé de tous" → "kochany przez
    // wszystkich".
    const int p = i - 1;
    if (!CodeIn(p, KodyOdDo(190, 199)) || !HasGroup(p))
        return false;
    const int beforeGroup = SkipClassIn(GroupFirst(p) - 1, KlasaBit(kwPrzyslowek), true);
    if (i != 1 && !(i == 2 && ClassIs(0, kwSpojnik)) && !LemmaIs(beforeGroup, "\352tre"))
        return false;
    Words().Word(p).Group()->forma = czImieslowPrzeszly;
    return true;
}

std::string TWypowiedzenieFr::DeAfterNominalGroup(int i)
{
    const int p = i - 1;
    const bool modifierAlone =
        IsSingleWordGroup(p, tgNominalna) && (IsFrAdjectiveCode(Words().Word(p).Code) || CodeIn(p, KodyOdDo(191, 204)));
    return modifierAlone ? "de10" : "de1";
}

// ---------------------------------------------------------------- on, en, à

void TWypowiedzenieFr::OnRule(int i)
{
    int v = -1;
    if (TextIn(i - 1, "<-><-t->") && InVerbalGroup(i - 2))
        v = i - 2;
    else if (TextIs(i - 1, "-") && TextIs(i - 2, "t") && TextIs(i - 3, "-") && InVerbalGroup(i - 4))
        v = i - 4;
    else
        v = SkipTextIn(i + 1, "<me><m'><te><t'><se><s'><nous><vous><lui><le><la><les><en><y><ne><n'>");
    if (!InVerbalGroup(v))
        return;
    TCustomWypGrupa& verbal = *Words().Word(v).Group();
    if (verbal.pn != 3)
        return;
    TCustomWypSlowo& on = Words().Word(i);
    if (!Words().Context().Analysis.FrOnAsWe || TextIs(i, "l'on", false, true)) {
        verbal.genus = 4;
        Rename(i, "on1");
        on.Translate = false;
        Impersonal(verbal);
        return;
    }
    verbal.Person = 4;
    on.PreferMeaning("my *90");
}

void TWypowiedzenieFr::Impersonal(TCustomWypGrupa& verbal)
{
    TCustomWypSlowo& verb = Words().Word(HeadOfGroup(verbal));
    const int tense = verbal.Tense != 0 ? verbal.Tense : verbal.forma;
    const auto in = [tense](std::initializer_list<int> tenses) {
        for (const int t : tenses)
            if (t == tense)
                return true;
        return false;
    };
    const bool past = in({2, 3, 11, 12, 13, 16, 17, 23, 24, 31});
    const std::string translation = FirstMeaningWord(verb, false);
    if (in({1, 4, 6, 7, 14, 21, 25, 26, 30}) || (past && InTagList(translation, FromUtf8("<iść><być>")))) {
        if (translation.find(FromUtf8(" się")) == std::string::npos)
            verb.TailText += FromUtf8(" się");
    } else if (past || in({5, 15})) {
        verbal.Tense = 99;
        verbal.vtdoc = 22;
        if (!past)
            verb.TailText += " by";
    }
}

void TWypowiedzenieFr::EnRule(int i)
{
    const int n = i + 1;
    const bool participleNext = IsFrPresentParticipleCode(Words().Word(n).Code) ||
                                (TextIn(n, "<ce><le><la><l'><le2><l'2><les2><y><me><te><se><nous><vous>") &&
                                 IsFrPresentParticipleCode(Words().Word(n + 1).Code));
    if (participleNext) {
        Rename(i, "en3");
        Words().Word(i).Translate = false;
        const int participle = IsFrPresentParticipleCode(Words().Word(n).Code) ? n : n + 1;
        if (InVerbalGroup(participle))
            Words().Word(participle).Group()->Tense = czGerondif;
    } else if (LemmaIn(n, "<parler><savoir>") && IsVerbAt(n)) {
        Rename(i, "en4");
    } else if (IsVerbAt(n) || (TextIn(n, "<ne><n'>") && IsVerbAt(n + 1))) {
        Rename(i, "en2");
    } else {
        Rename(i, "en1");
    }
}

void TWypowiedzenieFr::ARule(int i)
{
    const int p = i - 1, n = i + 1;
    if (IsVerbAt(p) && Words().Word(p).Translate && LemmaIn(p, "<\352tre><demeurer>")) {
        Rename(i, "en11");
        return;
    }
    if (TextIn(n, "<le><les>") && CodeIs(n + 1, kFrInfinitive)) {
        Rename(i, "en12");
        Rename(n, Words().Word(n).Text + "2");
    } else if (InfinitiveConstructionAt(n)) {
        Rename(i, "en12");
    } else if (StartsUpper(Words().Word(n).Text)) {
        Rename(i, "\3403");
    } else if (TextIn(n, "<le1><les1>") && StartsUpper(Words().Word(n + 1).Text)) {
        Rename(i, "\3403");
        Rename(n, "le1");
    }
    // Verbs of going somewhere take "do": "il est parti à Paris" → "wyjechał do Paryża".
    // "de Paris à Lyon": "od Paryża do Lyonu".
    if (InNominalGroup(p) && TextIs(GroupFirst(p) - 1, "de11")) {
        Rename(i, "\3404");
        return;
    }
    if (TextIs(i, "\3403") && IsVerbAt(p) &&
        LemmaIn(p, "<aller><venir><partir><arriver><retourner><revenir><rentrer><repartir>"))
        Rename(i, "\3404");
}

bool TWypowiedzenieFr::InfinitiveConstructionAt(int j) const
{
    while (ClassIs(j, kwPrzyslowek) && !CodeIs(j, kFrInfinitive))
        ++j;
    if (CodeIs(j, kFrInfinitive))
        return true;
    if (TextIn(j, "<ne><n'>")) {
        ++j;
        if (TextIn(j, "<en>") && TextIn(j + 1, "<pas><rien>"))
            j += 2;
        else
            while (TextIn(j, kInfinitiveClitics))
                ++j;
        return CodeIs(j, kFrInfinitive);
    }
    if (TextIn(j, "<ne pas><ne rien><n'en rien><n'en pas>") || TextIn(j, kInfinitiveClitics))
        return CodeIs(j + 1, kFrInfinitive);
    return false;
}

// ---------------------------------------------------------------- articles and pronouns

void TWypowiedzenieFr::IndefiniteArticle(int i)
{
    // "un pas" is "a step": "pas" joins the group later, so "un" does not end it.
    if (IsGroupEnd(i, tgNominalna) && !TextIs(i + 1, "pas"))
        Rename(i, Words().Word(i).Text + "2");
    else
        Words().Word(i).Translate = false;
}

void TWypowiedzenieFr::PluralArticle(int i)
{
    // "la maison des voisins" is "de les": the genitive; elsewhere the plural
    // indefinite article, which Polish does not write.
    const int p = i - 1;
    if (IsGroupEnd(p, tgNominalna) && IsNounAt(GroupHead(p)) && InNominalGroup(i))
        Words().Word(i).Group()->casus = 2;
    else
        Rename(i, "des0");
    Words().Word(i).Translate = false;
}

void TWypowiedzenieFr::AgoRule(int i)
{
    const int n = i + 1;
    if (!InNominalGroup(n) || !CodeIs(GroupFirst(n), kFrNumeral) ||
        !TextIn(GroupHead(n), "<an><ans><semaine><semaines><mois>"))
        return;
    Words().Word(i).PreferMeaning("przed");
    Words().Word(n).Group()->cas = 5;
}

void TWypowiedzenieFr::ObjectPronounOrArticle(int i)
{
    const std::string text = LowerStr(Words().Word(i).Text);
    const int next = SkipTextIn(i + 1, "<ne><n'><ne2>");
    const bool beforeVerb = IsVerbAt(next) && !IsFrPastParticipleCode(Words().Word(next).Code);
    const bool afterImperative = TextIs(i - 1, "-") && IsVerbAt(i - 2);
    if (beforeVerb || afterImperative) {
        Rename(i, text + "2");
    } else if (text == "leur") {
        Rename(i, "leur1");
    } else if (text != "en" && TextIs(i + 1, "lui")) {
        Rename(i, text + "2");
    }
}

void TWypowiedzenieFr::NegationScope(int i)
{
    TCustomWypSlowa& words = Words();
    int k = SkipTextIn(i + 1, kNegationClitics);
    int e = k;
    if (InVerbalGroup(k)) {
        // "il n'a pas mangé": the negation word stands inside the compound tense.
        const int last = GroupLast(k);
        e = k + 1;
        while (e <= last && !TextIn(e, kNegationWords))
            ++e;
        if (e > last)
            e = last + 1;
    }
    while (ClassIs(e, kwPrzyslowek) && !TextIn(e, kNegationWords))
        ++e;
    while (CodeIs(e, kFrInfinitive) || (ClassIs(e, kwPrzyslowek) && !TextIn(e, kNegationWords)))
        ++e;
    if (TextIn(e, "<que><qu'>")) {
        Rename(i, "ne2");
        words.Word(i).Translate = false;
        Rename(e, "que5");
        return;
    }
    words.Word(i).N = 1;
    while (TextIn(e, "<-><-t-><t>") || ClassIs(e, kwZaimek) || TextIs(e, "m\352me"))
        ++e;
    if (TextIs(e, "pas")) {
        Rename(e, "pas1");
        words.Word(e).Translate = false;
    } else if (TextIs(e, "point")) {
        Rename(e, "point1");
        words.Word(e).Translate = false;
    } else if (TextIs(e, "pas encore")) {
        words.Word(e).PreferMeaning("jeszcze *70");
    } else if (TextIs(e, "plus")) {
        words.Word(e).PreferMeaning(FromUtf8("już *70"));
    }
}

void TWypowiedzenieFr::PersonalClitic(int i)
{
    const std::string text = LowerStr(Words().Word(i).Text);
    const int p = i - 1;
    if ((InTagList(text, "<me><m'>") && TextIn(p, "<je><j'>")) || (InTagList(text, "<te><t'>") && TextIs(p, "tu")) ||
        (InTagList(text, "<nous><vous>") && TextIs(p, text))) {
        Rename(i, (text == "m'" ? "me" : text == "t'" ? "te" : text) + "2");
        return;
    }
    if (!InTagList(text, "<nous><vous>") || !IsVerbAt(i + 1))
        return;
    if (TextIn(p, "<je><tu><il><elle><ils><elles><ne><n'><ne2>")) {
        Rename(i, text + "1");
        return;
    }
    const TZbiorKodow subjectCodes = text == "nous"
                                         ? Kody({101, 102, 126, 127, 129, 138, 147, 154, 163, 168, 174, 184})
                                         : Kody({103, 104, 105, 106, 131, 132, 135, 139, 148, 155, 164, 169, 175, 185});
    if (!CodeIn(i + 1, subjectCodes)) {
        Rename(i, text + "1");
    } else if (TextIs(i + 2, "-") && TextIs(i + 3, text)) {
        Rename(i, text + "2");
        Rename(i + 3, text + "0");
    } else {
        Rename(i, text + "0");
    }
}

// ---------------------------------------------------------------- que, qui

bool TWypowiedzenieFr::QueBefore(int i) const
{
    for (int j = 0; j < i; ++j)
        if (TextIn(j, "<qu'><que><que1><que2><que3><que4><que5>", false, true))
            return true;
    return false;
}

void TWypowiedzenieFr::QueRule(int i)
{
    const int p = i - 1;
    if (Words().Word(i).SentenceCapital || (TextIn(p, "<et><ou>") && !QueBefore(i)))
        Rename(i, "que3");
    else if (TextIs(p, "plus"))
        Rename(i, "que4");
    else if (CodeIs(p, 200) && TextIs(p - 1, "en"))
        Rename(i, "que1");
    else if (InNominalGroup(p)) {
        const int first = GroupFirst(p);
        if (TextIn(first, "<le m\352me><le1 m\352me><la m\352me><les m\352mes>") ||
            (TextIn(first, "<le><le1><la><les>") && TextIn(first + 1, "<m\352me><m\352mes>")))
            Words().Word(i).PreferMeaning("jak");
        else if (TextIn(p, "<meilleur><pire>") || (IsFrAdjectiveCode(Words().Word(p).Code) && TextIs(p - 1, "plus")))
            Rename(i, "que4");
        else {
            Rename(i, "que2");
            EnsureOwnGroup(i);
        }
    }
}

void TWypowiedzenieFr::QuiRule(int i)
{
    const int p = i - 1;
    const bool atStart = Words().Word(i).SentenceCapital;
    if (atStart || TextIn(p, "<et><ou>") || (IsPrepositionWord(p) && Words().Word(p).SentenceCapital))
        Rename(i, "qui2");
    else if (InNominalGroup(p) || ((TextIs(p, ",") || IsPrepositionWord(p)) && InNominalGroup(p - 1))) {
        Rename(i, "qui1");
        EnsureOwnGroup(i);
    } else
        Rename(i, "qui3");
}

void TWypowiedzenieFr::PrepositionBeforeInfinitive(int i)
{
    const bool sans = TextIs(i, "sans", false, true);
    Words().Word(i).FixedTarget = sans ? "bez" : "po";
    if (!InVerbalGroup(i + 1))
        return;
    TCustomWypGrupa& group = *Words().Word(i + 1).Group();
    group.vtdoc = 9;
    group.cas = sans ? 2 : 6;
}

} // namespace velmar
