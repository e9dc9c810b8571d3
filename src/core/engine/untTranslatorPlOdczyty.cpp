// The Polish reading choice: one reading per word, decided between a nominal and a
// verbal reading by the finite verb of the clause, and the homographs "może",
// "należy", "je" and "nim" that the scores cannot decide.
#include "core/app/untUtils.h"
#include "core/engine/untTranslatorPl.h"

namespace velmar {

namespace {

constexpr std::string_view kSeparators = "<i><oraz><lub><albo><,><;><.><:><?>";
constexpr int kMozeAsVerb = 103;

const TZbiorKodow& FiniteVerbCodes()
{
    static const TZbiorKodow codes = KodyOdDo(101, 149);
    return codes;
}

// A form of "być" that makes a future tense with the verb code ("będę" + infinitive
// or past form).
bool FutureAuxiliary(std::string_view text, int code)
{
    if (InTagList(text, FromUtf8("<będę><będziesz>")))
        return code == 100 || code == 114 || code == 115;
    if (InTagList(text, FromUtf8("<będzie>")))
        return code == 100 || code == 114 || code == 115 || code == 116;
    if (InTagList(text, FromUtf8("<będziemy><będziecie><będą>")))
        return code == 100 || code == 121 || code == 122;
    return false;
}

enum class TPasmo { Dispreferred, Neutral, Preferred };

TPasmo BandOf(const TZnaczenie& reading)
{
    return reading.Score > kOcenaNeutralna   ? TPasmo::Preferred
           : reading.Score < kOcenaNeutralna ? TPasmo::Dispreferred
                                             : TPasmo::Neutral;
}

// The nominal (N), verbal (V) and other preferred (O) reading of a word; −1 none.
struct TKlasyOdczytow {
    int N = -1, V = -1, O = -1;
};

// The first reading of the kind, replaced by a later one of a better band.
void Keep(int& kept, int r, const TZnaczenia& readings)
{
    if (kept < 0 || BandOf(*readings.Item(r)) > BandOf(*readings.Item(kept)))
        kept = r;
}

} // namespace

void TWypowiedzeniePl::LowerCaseRetry()
{
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (word.Choosable && word.SentenceCapital && word.Readings.Count() > 0)
            VerbBehindSentenceCapital(i);
        if (!word.Choosable || word.Readings.Count() > 0 || !StartsUpper(word.Text))
            continue;
        // A plain lookup: the repairs of an unknown token (splits at "/" or "-") were
        // made when the word was prepared.
        const std::string savedText = word.Text;
        word.Text = LowerStr(savedText);
        word.ReadingCommitted = false;
        if (!word.LookupWord()) {
            word.Text = savedText;
            continue;
        }
        if (word.Readings.FirstCodeIn(KodyOdDo(100, 188)) >= 0) {
            word.Reset(savedText);
            continue;
        }
        word.AddMarkers(Znaczniki({znNazwaWlasna, znNieOznaczac, znNieTlumaczyc}));
        word.Text = savedText;
    }
}

// "Idę do domu": the capital of the sentence makes "Idę" a form of the name "Ida";
// where only names were found and the word in lower case is a finite verb, it is the
// verb.
void TWypowiedzeniePl::VerbBehindSentenceCapital(int i)
{
    TWypSlowoPl& word = Word(i);
    for (int r = 0; r < word.Readings.Count(); ++r)
        if (!StartsUpper(word.Readings.Item(r)->Lemma))
            return;
    const std::string savedText = word.Text;
    const TZnaczenia names = word.Readings;
    word.Readings.Clear();
    word.Text = LowerStr(savedText);
    word.ReadingCommitted = false;
    if (word.LookupWord() && word.Readings.FirstCodeIn(FiniteVerbCodes()) >= 0)
        return;
    word.Readings = names;
    word.Text = savedText;
    word.Commit(false);
}

void TWypowiedzeniePl::ChooseReadingAt(int i)
{
    TWypSlowoPl& word = Word(i);
    // A number or an address has its target and no readings to choose from.
    if (word.HasMarker(znLiczba) || !word.FixedTarget.empty())
        return;
    if (word.Readings.Count() == 0)
        word.Reset(word.Text);
    else if (word.Readings.Count() == 1)
        word.ChooseReading(0, false);
    else
        Disambiguate(i);
    if (Word(i).Text == FromUtf8("może1"))
        Word(i).SetCode(kMozeAsVerb);
}

bool TWypowiedzeniePl::IsClauseBoundary(int j) const
{
    return !InRange(j) || ClassIs(j, kwSpojnik) || TextIn(j, kSeparators);
}

void TWypowiedzeniePl::DecideMoze(int i)
{
    TWypSlowoPl& word = Word(i);
    if (ClassIs(i - 1, kwPrzyimek)) {
        word.SetText(FromUtf8("może2"));
        return;
    }
    bool finiteVerb = false, infinitive = false;
    for (const int step : {-1, 1})
        for (int j = i + step; !finiteVerb && !IsClauseBoundary(j); j += step) {
            finiteVerb = CodeIn(j, FiniteVerbCodes());
            infinitive = infinitive || CodeIs(j, 100);
        }
    if (finiteVerb) {
        word.SetText(FromUtf8("może2"));
    } else if (infinitive || TextIs(i - 1, "nie", false, true)) {
        word.SetText(FromUtf8("może1"));
        for (int r = 0; r < word.Readings.Count(); ++r) {
            word.Readings.Item(r)->Code = kMozeAsVerb;
            word.Readings.Item(r)->WordClass = kwCzasownik;
        }
    } else {
        word.SetText(FromUtf8("może3"));
    }
}

bool TWypowiedzeniePl::FiniteVerbInClause(int i, int verbalCode) const
{
    int first = i;
    while (!IsClauseBoundary(first - 1))
        --first;
    for (int j = first; InRange(j); ++j) {
        if (j == i)
            continue;
        if (ClassIs(j, kwSpojnik) || TextIn(j, kSeparators))
            return false;
        if (!CodeIn(j, FiniteVerbCodes()))
            continue;
        if (FutureAuxiliary(Words().Word(j).Text, verbalCode) ||
            FutureAuxiliary(Words().Word(i).Text, Words().Word(j).Code))
            continue;
        return true;
    }
    return false;
}

void TWypowiedzeniePl::Disambiguate(int i)
{
    TWypSlowoPl& word = Word(i);
    if (word.Text == FromUtf8("należy")) {
        word.ChooseReadingByLemma(FromUtf8("należeć"), false);
        return;
    }
    if (word.Text == "je") {
        word.ChooseReadingByLemma("je", false);
        return;
    }
    if (word.Text == FromUtf8("może")) {
        DecideMoze(i);
        return;
    }
    TZnaczenia& readings = word.Readings;
    if (readings.Count() < 2)
        return;
    const TZbiorKodow nominal = KodyOdDo(1, 70) | KodyOdDo(78, 99) | KodyOdDo(181, 189) | ParticipleCodes;
    const TZbiorKodow verbal = KodyOdDo(101, 141) | Kody({144, 146, 148, 149});
    TKlasyOdczytow found;
    for (int r = 0; r < readings.Count(); ++r) {
        const TZnaczenie& reading = *readings.Item(r);
        if (CodeInSet(reading.Code, nominal))
            Keep(found.N, r, readings);
        else if (CodeInSet(reading.Code, verbal))
            Keep(found.V, r, readings);
        else if (BandOf(reading) == TPasmo::Preferred)
            found.O = r;
    }
    const auto choose = [&word](int r) { word.ChooseReading(r, false); };
    if (found.N < 0 || found.V < 0) {
        choose(found.O >= 0 ? found.O : 0);
        return;
    }
    TZnaczenie& n = *readings.Item(found.N);
    TZnaczenie& v = *readings.Item(found.V);
    if (found.O >= 0) {
        const bool nominalPreferred = BandOf(n) == TPasmo::Preferred;
        choose(nominalPreferred ? found.N : BandOf(v) == TPasmo::Preferred ? found.V : found.O);
        return;
    }
    if (ClassIs(i - 1, kwPrzyimek)) {
        n.Score = kOcenaPewna;
        for (int r = 0; r < readings.Count(); ++r)
            if (CodeInSet(readings.Item(r)->Code, verbal) && BandOf(*readings.Item(r)) == TPasmo::Preferred)
                readings.Item(r)->Score = kOcenaNeutralna;
        choose(found.N);
    } else if (FiniteVerbInClause(i, v.Code)) {
        if (n.Score == v.Score) {
            v.Score = kOcenaNeutralna;
            n.Score = kOcenaPewna;
        }
        choose(n.Score >= v.Score ? found.N : found.V);
    } else if (TextIs(i - 1, FromUtf8("się")) || TextIs(i + 1, FromUtf8("się"))) {
        if (BandOf(n) == TPasmo::Preferred)
            n.Score = kOcenaNeutralna;
        v.Score = kOcenaPewna;
        choose(found.V);
    } else if (InTagList(word.Text, FromUtf8("<były><była><byli>"))) {
        choose(found.V);
    } else {
        int preferred = -1;
        for (int r = 0; r < readings.Count() && preferred < 0; ++r)
            if (BandOf(*readings.Item(r)) == TPasmo::Preferred)
                preferred = r;
        // No other finite verb stands in the clause, so the form is its predicate
        // ("Nie mam czasu": "mieć", not "mama") unless the data likes the verb less.
        choose(preferred >= 0 ? preferred : BandOf(v) >= BandOf(n) ? found.V : 0);
    }
}

void TWypowiedzeniePl::IndefiniteNumerals()
{
    if (TextIs(0, "Ani")) {
        Word(0).Text = "ani";
        Word(0).SentenceCapital = true;
    }
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (InTagList(word.Text, FromUtf8("<kilka><wiele><kilkanaście><kilkadziesiąt><kilkaset>")))
            word.SetCode(65);
        else if (InTagList(word.Text, FromUtf8("<kilku><wielu><kilkudziesięciu><kilkuset>")))
            word.SetCode(66);
        else if (InTagList(word.Text, FromUtf8("<kilkoma><wieloma><kilkadziesięcioma><kilkustoma>")))
            word.SetCode(67);
        else if (word.Text == "nim" && TextIs(i - 1, ",") && InRange(FindCodeIn(i + 1, FiniteVerbCodes())))
            word.SetText("nim2");
    }
}

} // namespace velmar
