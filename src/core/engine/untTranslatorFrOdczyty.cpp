// The French word stage: one reading per word, chosen by the context rules where the
// form is ambiguous between a noun, an adjective, a participle and a finite verb, or
// between an article and an object pronoun, and by the readings' scores elsewhere.
#include <functional>

#include "core/app/untUtils.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/engine/untTranslatorFr.h"

namespace velmar {

namespace {

// "personne(s)" is a person, whatever sense the entry puts first.
constexpr std::string_view kOsoba = "osoba *343";

// The code sets the rules test.
struct TZbioryKodow {
    TZbiorKodow Nouns = KodyOdDo(1, 19), Determiners = KodyOdDo(31, 49), Adjectives = KodyOdDo(51, 69),
                FiniteVerbs = KodyOdDo(80, 189), Participles = KodyOdDo(190, 204), Pronouns = KodyOdDo(211, 235),
                SubjectPronouns = KodyOdDo(211, 219);
    // Nominal codes a form can stand for next to an article.
    TZbiorKodow NominalAfterArticle = Nouns | Determiners | Adjectives | Participles;
};

const TZbioryKodow& Sets()
{
    static const TZbioryKodow sets;
    return sets;
}

// The tag lists with accented words, converted once into the 8-bit text the words are in.
struct TListyAkcentowane {
    std::string LeftToScores = FromUtf8("<étant><court><même>");
    // between an auxiliary and its participle
    std::string NegationAndEmphasis = FromUtf8("<ne><n'><pas><tout><donc><même>");
    // the participles "être" makes a compound tense with
    std::string ParticiplesOfEtre = FromUtf8("<allé><allée><allées><été><étés>");
    // "à" and "de" and their contractions with the article
    std::string ContractedPrepositions = FromUtf8("<à><de><du><au><aux><des>");
    // after them a noun–infinitive form is the infinitive
    std::string BeforeAnInfinitive = FromUtf8("<de><à><pour><la><les>");
    std::string General = FromUtf8("général");
    std::string Etre = FromUtf8("être");
    std::string OrdinalAndEvaluativeAdjectives =
        FromUtf8("<cher><bon><premier><deuxième><troisième><quatrième><cinquième><sixième><septième><huitième>"
                 "<neuvième><dixième><onzième><douzième><treizième><quatorzième><quinzième><seizième><dix-septième>"
                 "<dix-huitième><dix-neuvième><vingtième><trentième><quarantième><cinquantième><soixantième>"
                 "<soixante-dixième><quatre-vingtième><quatre-vingt-dixième><centième><millième>");
};

const TListyAkcentowane& Accented()
{
    static const TListyAkcentowane lists;
    return lists;
}

constexpr std::string_view kObjectClitics = "<me><m'><te><t'><se><s'><nous><vous><lui><le><la><les><en><y>";

bool Holds(const TZbiorKodow& codes, int code)
{
    return CodeInSet(code, codes);
}

bool HoldsAny(const TZbiorKodow& codes, const TZbiorKodow& wanted)
{
    return (codes & wanted).any();
}

bool Exactly(const TZbiorKodow& codes, std::initializer_list<int> wanted)
{
    return codes == Kody(wanted);
}

bool HoldsAll(const TZbiorKodow& codes, std::initializer_list<int> wanted)
{
    return (codes & Kody(wanted)) == Kody(wanted);
}

// Gender (1 masculine, 2 feminine, 0 either) and number (1, 2, 0 either) of a French
// nominal code, for agreement.
struct TRodzajLiczba {
    int Gender = 0, Number = 0;
};

TRodzajLiczba FeaturesOfCode(int code)
{
    switch (code) {
    case 1:
    case 31:
    case 41:
    case 51:
    case 191: return {1, 1};
    case 2:
    case 52:
    case 195:
    case 198: return {1, 0};
    case 3:
    case 43:
    case 53:
    case 193:
    case 197: return {1, 2};
    case 5:
    case 35:
    case 45:
    case 55:
    case 192: return {2, 1};
    case 6: return {2, 0};
    case 7:
    case 47:
    case 57:
    case 194: return {2, 2};
    case 11:
    case 34:
    case 44:
    case 61: return {0, 1};
    case 13:
    case 32:
    case 33:
    case 42:
    case 63: return {0, 2};
    default: return {};
    }
}

bool Compatible(int a, int b)
{
    return a == 0 || b == 0 || a == b;
}

bool CodesAgree(int a, int b)
{
    const TRodzajLiczba x = FeaturesOfCode(a), y = FeaturesOfCode(b);
    return Compatible(x.Gender, y.Gender) && Compatible(x.Number, y.Number);
}

} // namespace

// ---------------------------------------------------------------- stage

TZbiorKodow TWypowiedzenieFr::PossibleCodes(int i) const
{
    const TCustomWypSlowo& word = Words().Word(i);
    TZbiorKodow codes = word.Readings.ClassSet(true, false);
    const bool court = LowerStr(word.Text) == "court";
    for (int r = 0; r < word.Readings.Count(); ++r) {
        const int code = word.Readings.Item(r)->Code;
        if (code >= 0 && code <= 255 && !(court && (code == 1 || code == 250)))
            codes.set(static_cast<std::size_t>(code));
    }
    return codes;
}

bool TWypowiedzenieFr::CanHave(int i, const TZbiorKodow& codes) const
{
    return InRange(i) && HoldsAny(PossibleCodes(i), codes);
}

void TWypowiedzenieFr::PrePass()
{
    const bool tellA = Owner()->Context().Analysis.FrTellAFromAccentedA;
    for (int i = 0; i < Words().Count(); ++i) {
        TCustomWypSlowo& word = Words().Word(i);
        if (tellA && word.Text == "a" && IsPreposition(i))
            word.SetText("\xE0");
        else if (TextIs(i, "s'", false, true) && TextIs(i + 1, "il", false, true))
            word.SetText(word.Text[0] == 'S' ? "Si" : "si");
        else if (TextIs(i, "personnes", false, true))
            word.PreferMeaning(kOsoba);
    }
}

bool TWypowiedzenieFr::IsPreposition(int i) const
{
    // "a-t-il": the verb with its inverted subject.
    if (TextIn(i + 1, "<-t-><->"))
        return false;
    // "il a mangé", "il n'a pas donc mangé": the participle after the skipped words.
    const int next = SkipTextIn(i + 1, "<ne><n'><pas><tout><donc>");
    const TZbiorKodow participles = Kody({86, 87, 88, 98, 99, 106, 115, 121}) | KodyOdDo(190, 199);
    const bool participleFollows =
        InRange(next) && HoldsAny(Words().Word(next).Readings.ClassSet(true, false), participles);
    return !participleFollows && !TextIn(i - 1, "<il><elle><s'><m'><t'>", false, true);
}

void TWypowiedzenieFr::ChooseReadings()
{
    for (int i = 0; i < Words().Count(); ++i)
        ChooseReadingAt(i);
}

void TWypowiedzenieFr::ChooseReadingAt(int i)
{
    TCustomWypSlowo& word = Words().Word(i);
    if (word.Readings.Count() == 0) {
        CommitAt(i, -1);
        return;
    }
    if (word.Readings.Count() > 1) {
        const bool firstFromUser = word.Readings.Item(0)->DictKind == rsUzytkownika;
        if (!firstFromUser && Disambiguate(i))
            return;
        for (int r = 1; r < word.Readings.Count(); ++r)
            if (word.Readings.Item(r)->DictKind == rsUzytkownika) {
                CommitAt(i, r);
                return;
            }
        if (!firstFromUser)
            for (int r = 1; r < word.Readings.Count(); ++r)
                if (word.Readings.Item(r)->Score > kOcenaNeutralna) {
                    CommitAt(i, r);
                    return;
                }
    }
    CommitAt(i, 0);
}

void TWypowiedzenieFr::CommitAt(int i, int reading)
{
    TCustomWypSlowo& word = Words().Word(i);
    if (reading >= 0 && reading < word.Readings.Count()) {
        word.ChooseReading(reading, false);
        return;
    }
    if (word.Lemma.empty())
        word.Lemma = word.Text;
    if (word.WordClass == kwNieznana)
        word.WordClass = kwRzeczownik;
}

bool TWypowiedzenieFr::CommitFirstIn(int i, const TZbiorKodow& codes)
{
    const TCustomWypSlowo& word = Words().Word(i);
    for (int r = 0; r < word.Readings.Count(); ++r)
        if (Holds(codes, word.Readings.Item(r)->Code)) {
            CommitAt(i, r);
            return true;
        }
    return false;
}

void TWypowiedzenieFr::CommitByScore(int i)
{
    const TCustomWypSlowo& word = Words().Word(i);
    int best = 0;
    for (int r = 1; r < word.Readings.Count(); ++r)
        if (word.Readings.Item(r)->Score > word.Readings.Item(best)->Score)
            best = r;
    CommitAt(i, best);
}

bool TWypowiedzenieFr::ScoresDiffer(int i) const
{
    const TZnaczenia& readings = Words().Word(i).Readings;
    for (int r = 1; r < readings.Count(); ++r)
        if (readings.Item(r)->Score != readings.Item(0)->Score)
            return true;
    return false;
}

// ---------------------------------------------------------------- the case table

bool TWypowiedzenieFr::Disambiguate(int i)
{
    TCustomWypSlowo& word = Words().Word(i);
    const TZbiorKodow possible = PossibleCodes(i);
    const bool n = HoldsAny(possible, Sets().Nouns), a = HoldsAny(possible, Sets().Adjectives);
    const bool v = HoldsAny(possible, Sets().FiniteVerbs), p = HoldsAny(possible, Sets().Participles);
    const int first = word.Readings.Item(0)->Code;
    if (TextIn(i, Accented().LeftToScores, false, true))
        return false;
    if (TextIs(i, "personne", false, true) && TextIn(i - 1, "<la><une>", false, true)) {
        for (int r = word.Readings.Count() - 1; r >= 0; --r)
            if (word.Readings.Item(r)->WordClass == kwZaimek && word.Readings.Item(r)->DictKind != rsUzytkownika)
                word.Readings.Delete(r);
        CommitAt(i, 0);
        word.PreferMeaning(kOsoba);
        return true;
    }
    if (TextIs(i, "mal", false, true) && TextIn(i - 1, "<un><le><le1><du><au>", false, true) && MalIsANoun(i)) {
        word.ScoreReadings(Kody({250}), kOcenaNeutralna);
        CommitFirstIn(i, Kody({1}));
        return true;
    }
    if (TwoPluralsOfOneForm(i))
        return true;
    const bool infinitiveOrNoun = first == 1 || first == 80;
    if (infinitiveOrNoun && (HoldsAll(possible, {1, 80}) || LemmaIs(i, "pouvoir"))) {
        PrepositionRule(i);
        return true;
    }
    if (Holds(Sets().Determiners, first) && HoldsAny(possible, Sets().Pronouns)) {
        CliticRule(i);
        return true;
    }
    const bool nominalOrVerb = Holds(Sets().Nouns | Sets().Adjectives | Sets().FiniteVerbs, first);
    if (nominalOrVerb && v && (n || a)) {
        NounVerbRule(i);
        return true;
    }
    if (Holds(Sets().Adjectives | Sets().Participles, first) && a && p) {
        AdjectiveParticipleRule(i);
        return true;
    }
    if (Holds(Sets().Nouns | Sets().Adjectives | Sets().Participles, first) && n && (a || p)) {
        NounAdjectiveRule(i);
        return true;
    }
    return false;
}

bool TWypowiedzenieFr::MalIsANoun(int i) const
{
    if (!CanHave(i + 1, Sets().NominalAfterArticle))
        return true;
    const TZbiorKodow modifiers = Sets().Adjectives | Sets().Participles;
    return CanHave(i + 1, modifiers) && !CanHave(i + 2, Sets().NominalAfterArticle);
}

bool TWypowiedzenieFr::TwoPluralsOfOneForm(int i)
{
    TCustomWypSlowo& word = Words().Word(i);
    if (word.Readings.Count() != 2)
        return false;
    TZnaczenie& one = *word.Readings.Item(0);
    TZnaczenie& two = *word.Readings.Item(1);
    if (one.Code != two.Code || (one.Code != 3 && one.Code != 7) || one.Score != two.Score)
        return false;
    // "fils" of "fil" and of "fils": the lemma that ends like the form is the likelier.
    one.Score = two.Score = kOcenaPewna;
    CommitAt(i, two.Lemma.ends_with('s') || two.Lemma.ends_with('x') ? 1 : 0);
    return true;
}

// ---------------------------------------------------------------- the rules

void TWypowiedzenieFr::PrepositionRule(int i)
{
    if (TextIn(i - 1, "<du><au><le><un><l'>", false, true) && CommitFirstIn(i, Kody({1})))
        return;
    if (TextIn(i - 1, Accented().BeforeAnInfinitive, false, true) && CommitFirstIn(i, Kody({80})))
        return;
    CommitByScore(i);
}

void TWypowiedzenieFr::CliticRule(int i)
{
    const TCustomWypSlowo& word = Words().Word(i);
    if (word.Readings.Count() == 2 && ScoresDiffer(i)) {
        CommitByScore(i);
        return;
    }
    const int before = SkipTextIn(i - 1, "<me><m'><te><t'><ne><n'><nous><vous><y><lui><le><la><l'>", true);
    const bool afterNous =
        TextIs(before, "nous", false, true) || (TextIs(i + 1, "-") && TextIs(i + 2, "nous", false, true));
    if (!(afterNous && CommitFirstIn(i, Sets().Pronouns)))
        if (!CommitFirstIn(i, Sets().Determiners))
            CommitAt(i, 0);
}

TDecyzjaFr TWypowiedzenieFr::NounOrVerb(int i)
{
    const TZbiorKodow possible = PossibleCodes(i);
    if (TextIs(i, "est", false, true))
        return TDecyzjaFr::Czasownik;
    if (AfterAuxiliary(i))
        return TDecyzjaFr::Otwarta;
    if (AfterCliticPronoun(i))
        return TDecyzjaFr::Czasownik;
    if (AgreesBetweenArticleAndNoun(i))
        return TDecyzjaFr::Otwarta;
    if (HoldsAll(possible, {1, 95}) && !HoldsAll(possible, {1, 90}) && ArticleAfterPreposition(i))
        return TDecyzjaFr::Otwarta;
    if (HoldsAll(possible, {1, 90})) {
        if (TextIn(i - 1, "<la><les>", false, true) && i > 1)
            return TDecyzjaFr::Czasownik;
        return TextIs(i - 1, "le", false, true) ? TDecyzjaFr::Otwarta : TDecyzjaFr::Rzeczownik;
    }
    const bool feminine = HoldsAll(possible, {5, 90}) || HoldsAll(possible, {5, 95}) || HoldsAll(possible, {51, 95});
    if (feminine) {
        if (TextIn(i - 1, "<le><les>", false, true))
            return TDecyzjaFr::Czasownik;
        return TextIs(i - 1, "la", false, true) ? TDecyzjaFr::Otwarta : TDecyzjaFr::Rzeczownik;
    }
    for (const auto& pair : {std::pair{3, 93}, {57, 93}, {7, 93}, {63, 93}, {2, 83}, {2, 142}})
        if (Exactly(possible, {pair.first, pair.second}))
            return AfterTu(i) ? TDecyzjaFr::Czasownik : TDecyzjaFr::Rzeczownik;
    if (Exactly(possible, {7, 168}) || Exactly(possible, {3, 102})) {
        const bool verb = TextIn(i - 1, "<nous><ne><n'><y>", false, true) || TextIn(i + 1, "<le><la>", false, true) ||
                          (TextIs(i + 1, "-") && TextIs(i + 2, "nous", false, true));
        return verb ? TDecyzjaFr::Czasownik : TDecyzjaFr::Otwarta;
    }
    if (Exactly(possible, {61, 90}))
        return TextIn(i - 1, "<le><la><les><l'>", false, true) ? TDecyzjaFr::Otwarta : TDecyzjaFr::Rzeczownik;
    return TDecyzjaFr::Brak;
}

// "sous le lit", "au lit", "Le lit": "le" opens a group, so what follows is not a verb it stands
// before as an object.
bool TWypowiedzenieFr::ArticleAfterPreposition(int i) const
{
    if (!TextIs(i - 1, "le", true, true))
        return false;
    return i == 1 || ClassIs(i - 2, kwPrzyimek) || TextIn(i - 2, Accented().ContractedPrepositions, false, true);
}

bool TWypowiedzenieFr::AfterTu(int i) const
{
    if (TextIs(i - 1, "tu", false, true))
        return true;
    if (TextIn(i - 1, "<en><le><la><l'>", false, true) && TextIs(i - 2, "tu", false, true))
        return true;
    if (TextIs(i + 1, "-") && TextIs(i + 2, "tu", false, true))
        return true;
    if (!TextIn(i - 1, kObjectClitics, false, true))
        return false;
    for (int k = 0; k < Words().Count(); ++k)
        if (TextIs(k, "tu", false, true))
            return true;
    return false;
}

void TWypowiedzenieFr::NounVerbRule(int i)
{
    TCustomWypSlowo& word = Words().Word(i);
    const TZbiorKodow possible = PossibleCodes(i);
    const TDecyzjaFr decision = NounOrVerb(i);
    const bool tente =
        TextIn(i - 1, "<tente><continue>", false, true) && TextIn(i + 1, "<de><d'>", false, true) && CodeIs(i + 2, 80);
    if (tente)
        word.AddNote("[TENTE+HOM+DE+INF]");
    if (decision == TDecyzjaFr::Otwarta &&
        (Exactly(possible, {1, 61, 90}) || Exactly(possible, {5, 55, 90}) || AfterAuxiliary(i))) {
        NounAdjectiveRule(i);
        if (Holds(possible, 98))
            VerbFormAdjust(i, Kody({98}));
        return;
    }
    if (decision == TDecyzjaFr::Czasownik) {
        if (!CommitFirstIn(i, Sets().FiniteVerbs))
            CommitAt(i, 0);
        return;
    }
    if (decision == TDecyzjaFr::Otwarta) {
        if (!CommitFirstIn(i, Sets().Nouns))
            CommitAt(i, 0);
        return;
    }
    word.SetMarker(znRzeczownikCzasownik);
    if ((tente || TextIs(i, "dit", false, true)) && CommitFirstIn(i, Sets().FiniteVerbs | Sets().Participles))
        return;
    CommitAt(i, 0);
    if (word.Readings.Item(0)->Score == kOcenaNeutralna)
        word.ScoreReadings(possible, kOcenaPewna);
}

void TWypowiedzenieFr::AdjectiveParticipleRule(int i)
{
    const TZbiorKodow possible = PossibleCodes(i);
    const TZbiorKodow adjectives = Kody({51, 52, 53, 55, 57});
    const bool presentPair = HoldsAll(possible, {51, 200}) || HoldsAll(possible, {55, 202}) ||
                             HoldsAll(possible, {57, 204}) || HoldsAll(possible, {53, 203}) ||
                             HoldsAll(possible, {52, 198});
    const bool afterEn = TextIs(i - 1, "en", false, true) ||
                         (TextIn(i - 1, kObjectClitics, false, true) && TextIs(i - 2, "en", false, true));
    if (presentPair && afterEn && CommitFirstIn(i, KodyOdDo(191, 204)))
        return;
    const bool pastPair =
        HoldsAll(possible, {1, 51, 191}) || HoldsAll(possible, {5, 55, 192}) || HoldsAll(possible, {7, 57, 194});
    const bool adjective = pastPair && (TextIn(i - 1, "<je><j'><tu>", false, true) || AfterAuxiliary(i));
    if (adjective && CommitFirstIn(i, adjectives))
        return;
    NounAdjectiveRule(i);
}

TDecyzjaFr TWypowiedzenieFr::NounOrAdjective(int i) const
{
    // Rzeczownik: a noun; Czasownik here: an adjective or participle; Otwarta: the
    // adjective reading of an adjective decision; Brak: no cue.
    const TZbiorKodow possible = PossibleCodes(i);
    const bool participlePair = HoldsAll(possible, {1, 191}) || HoldsAll(possible, {1, 98}) ||
                                HoldsAll(possible, {3, 193}) || HoldsAll(possible, {5, 192}) ||
                                HoldsAll(possible, {7, 194});
    if (participlePair && AfterAuxiliary(i))
        return TDecyzjaFr::Czasownik;
    // "les données", "l'entrée": a participle does not stand right after its article.
    if (HoldsAny(possible, Sets().Participles) && HoldsAny(possible, Sets().Nouns) && InRange(i - 1) &&
        Holds(Sets().Determiners, Words().Word(i - 1).Code))
        return TDecyzjaFr::Rzeczownik;
    if (TextIs(i, Accented().General, false, true) && (IsUnknownName(i + 1) || HasMarker(i + 1, znNazwisko)))
        return TDecyzjaFr::Rzeczownik;
    if (TextIs(i, "fin", false, true) && TextIs(i - 1, "la", false, true))
        return TDecyzjaFr::Rzeczownik;
    if (CanHave(i - 1, Sets().Nouns) || CanHave(i + 1, Sets().Nouns))
        return TDecyzjaFr::Otwarta;
    const bool evaluative = LemmaIn(i, Accented().OrdinalAndEvaluativeAdjectives);
    if ((CanHave(i + 1, Sets().Adjectives) && !CanHave(i + 1, Sets().Nouns)) || evaluative)
        return TDecyzjaFr::Rzeczownik;
    if (TextIn(i - 1, "<et><ou>", false, true) && CanHave(i - 2, Sets().Nouns))
        return TDecyzjaFr::Otwarta;
    if (ClassIs(i - 1, kwPrzyimek) || TextIn(i - 1, Accented().ContractedPrepositions, false, true))
        return TDecyzjaFr::Rzeczownik;
    if (i == 0 && TextIn(i + 1, "<de><du><des>", false, true))
        return TextIs(i, "fin", false, true) ? TDecyzjaFr::Rzeczownik : TDecyzjaFr::Otwarta;
    return TDecyzjaFr::Brak;
}

void TWypowiedzenieFr::NounAdjectiveRule(int i)
{
    TCustomWypSlowo& word = Words().Word(i);
    const TDecyzjaFr decision = NounOrAdjective(i);
    if (decision == TDecyzjaFr::Czasownik) {
        if (!CommitFirstIn(i, KodyOdDo(50, 210)))
            CommitAt(i, 0);
        return;
    }
    if (decision == TDecyzjaFr::Brak && ScoresDiffer(i)) {
        CommitByScore(i);
        return;
    }
    if (decision == TDecyzjaFr::Rzeczownik) {
        if (!CommitFirstIn(i, KodyOdDo(0, 49)))
            CommitAt(i, 0);
        return;
    }
    if (decision == TDecyzjaFr::Otwarta) {
        const TZbiorKodow possible = PossibleCodes(i);
        for (int r = word.Readings.Count() - 1; r >= 0 && word.Readings.Count() > 1; --r)
            if (word.Readings.Item(r)->Code > 220)
                word.Readings.Delete(r);
        if (!CommitFirstIn(i, Sets().Adjectives | Sets().Participles))
            CommitAt(i, 0);
        if (word.Readings.Count() > 0 && word.Readings.Item(0)->Score == kOcenaNeutralna)
            word.ScoreReadings(possible, kOcenaPewna);
        return;
    }
    CommitAt(i, 0);
}

// ---------------------------------------------------------------- context tests

bool TWypowiedzenieFr::AfterAuxiliary(int i) const
{
    const int w = SkipWhile(i - 1, [this](int k) {
        return ClassIs(k, kwPrzyslowek) || TextIn(k, Accented().NegationAndEmphasis, false, true);
    });
    if (!InRange(w))
        return false;
    if (LemmaIs(w, "avoir"))
        return true;
    if (!LemmaIs(w, Accented().Etre))
        return false;
    if (TextIn(i, Accented().ParticiplesOfEtre, false, true))
        return true;
    if (TextIn(w - 1, "<me><m'><te><t'><se><s'>", false, true))
        return true;
    return (TextIs(w - 1, "nous", false, true) && TextIs(w - 2, "nous", false, true)) ||
           (TextIs(w - 1, "vous", false, true) && TextIs(w - 2, "vous", false, true));
}

bool TWypowiedzenieFr::AfterCliticPronoun(int i) const
{
    if (TextIn(i - 1, "<je><j'><il><elle><ne><on><n'><me><m'><te><t'><lui><nous><vous><se><s'>", false, true))
        return true;
    if (TextIn(i + 1, "<-t><-t->"))
        return true;
    if (TextIs(i + 1, "-") && CanHave(i + 2, Sets().SubjectPronouns))
        return true;
    if (TextIs(i - 1, "en", false, true) && TextIn(i - 2, "<j'><il><elle><n'><on>", false, true))
        return true;
    if (TextIn(i - 1, "<le><la><les><l'>", false, true) &&
        TextIn(i - 2, "<je><j'><tu><il><elle><on><ils><elles><ne><n'><lui>", false, true))
        return true;
    return TextIn(i - 1, "<le><la><l'><en>", false, true) && TextIn(i - 2, kObjectClitics, false, true);
}

bool TWypowiedzenieFr::AgreesBetweenArticleAndNoun(int i)
{
    if (!TextIn(i - 1, "<le><la><les><l'><un><une><des><le1><la1><les1>", false, true) || !CanHave(i + 1, Sets().Nouns))
        return false;
    const TCustomWypSlowo& article = Words().Word(i - 1);
    const int articleCode = article.Readings.Count() > 0 ? article.Readings.Item(0)->Code : -1;
    const TZbiorKodow mine = PossibleCodes(i) & Sets().Adjectives, next = PossibleCodes(i + 1) & Sets().Nouns;
    for (int a = 51; a <= 69; ++a) {
        if (!Holds(mine, a) || !CodesAgree(a, articleCode))
            continue;
        for (int noun = 1; noun <= 19; ++noun)
            if (Holds(next, noun) && CodesAgree(a, noun)) {
                Words().Word(i).AddNote("[ZGODA_RODZ+PRZYM+RZECZ]");
                return true;
            }
    }
    return false;
}

int TWypowiedzenieFr::SkipWhile(int i, const std::function<bool(int)>& holds) const
{
    while (InRange(i) && holds(i))
        --i;
    return i;
}

void TWypowiedzenieFr::VerbFormAdjust(int i, const TZbiorKodow& codes)
{
    TCustomWypSlowo& word = Words().Word(i);
    // Finite forms spelled like participles ("dit", "faites") are read as participles.
    for (const auto& [from, to] :
         {std::pair{Kody({86, 87}), 193}, {Kody({88, 98, 99}), 191}, {Kody({106, 121}), 194}, {Kody({115}), 192}}) {
        const TZbiorKodow recoded = from & codes;
        if (recoded.none())
            continue;
        word.RecodeReadings(recoded, to);
        if (Holds(recoded, word.Code))
            word.SetCode(to);
    }
}

} // namespace velmar
