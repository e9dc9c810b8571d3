// Multi-word expressions of the forms and main dictionaries joined into one word. The
// first word is taken by its lemma, so that an inflected verb followed by its
// complement ("bierze udział") matches the infinitive expression ("brać udział") and
// keeps its own form code while the expression gives the translation.
#include "core/app/untUtils.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/engine/untTranslatorPl.h"

namespace velmar {

namespace {

// A verb with "za" reads "consider as" only with an object between them ("mam go
// za przyjaciela"); joined, it would swallow the preposition of "mam za dużo".
constexpr std::string_view kNeverJoined = "<mieć za>";

std::string CollapseSpaces(std::string text)
{
    for (std::size_t at = text.find("' "); at != std::string::npos; at = text.find("' ", at))
        text.erase(at + 1, 1);
    for (std::size_t at = text.find("  "); at != std::string::npos; at = text.find("  ", at))
        text.erase(at, 1);
    return text;
}

} // namespace

std::string TWypowiedzeniePl::SpanText(int first, int last, bool useLemma) const
{
    const TCustomWypSlowa& words = Words();
    const TCustomWypSlowo& head = words.Word(first);
    std::string text = (useLemma ? head.Lemma : head.Text) + words.Around(first).Po;
    for (int k = first + 1; k <= last; ++k) {
        const TCustomWypSlowo& word = words.Word(k);
        text += words.Around(k).Przed +
                ApplyCasePattern(word.Text, MakeCasePattern(word.Capitalised, word.AllCaps, word.TitleCase));
        if (k < last)
            text += words.Around(k).Po;
    }
    return CollapseSpaces(text);
}

bool TWypowiedzeniePl::LookupAs(int i, const std::string& text)
{
    if (!InRange(i))
        return false;
    TWypSlowoPl& word = Word(i);
    word.Readings.Clear();
    const bool found = word.Lookup(text, false);
    if (found)
        word.Lemma = word.Readings.Item(0)->Lemma;
    return found;
}

int TWypowiedzeniePl::LongestExpression(int i, TSlownikWyrazen dictionary) const
{
    TSlownikiWypowiedzi* dictionaries = Owner()->Context().Dictionaries;
    const bool capitalised = Words().Word(i).SentenceCapital;
    int best = -1;
    for (int last = i + 1; InRange(last); ++last) {
        const TProbaWyrazenia probe = dictionaries->ProbeExpression(dictionary, SpanText(i, last, true), capitalised);
        if (probe.Counts)
            best = last;
        if (!probe.More)
            break;
    }
    return best;
}

bool TWypowiedzeniePl::MainEntryHolds(const std::string& text, bool meaningful) const
{
    TSlownikiWypowiedzi* dictionaries = Owner()->Context().Dictionaries;
    for (const TZnaczenie& reading : dictionaries->Readings(text, false, {}).Readings) {
        // The data keeps each expression in the phrase dictionary as well, whose entry
        // the look-up then gives first.
        if ((reading.DictKind != rsGlowny && reading.DictKind != rsZwrotow) || reading.Entry->SignFlag)
            continue;
        const TTransSlownikPodrekord* first = reading.Entry->SubRecords.Item(0);
        if (!meaningful || (first != nullptr && first->Meanings.Count() > 0 && !first->Code.starts_with('%')))
            return true;
    }
    return false;
}

void TWypowiedzeniePl::JoinExpressions()
{
    if (Owner()->Context().Dictionaries == nullptr)
        return;
    const std::uint32_t joinable = KlasaBit(kwRzeczownik) | KlasaBit(kwCzasownik) | KlasaBit(kwPrzymiotnik);
    for (int i = 0; i + 1 < Words().Count(); ++i) {
        if (!ClassIn(i, joinable))
            continue;
        int last = LongestExpression(i, TSlownikWyrazen::Form);
        if (last > i && !MainEntryHolds(SpanText(i, last, true), false))
            last = -1;
        if (last < 0)
            last = LongestExpression(i, TSlownikWyrazen::Glowny);
        if (last <= i)
            continue;
        const std::string lemmaText = SpanText(i, last, true);
        if (InTagList(lemmaText, FromUtf8(kNeverJoined)) ||
            (!ClassIs(i, kwCzasownik) && !MainEntryHolds(lemmaText, true)))
            continue;
        JoinAt(i, last);
    }
}

void TWypowiedzeniePl::JoinAt(int i, int last)
{
    TCustomWypSlowa& words = Words();
    TWypSlowoPl& word = Word(i);
    const std::string lemmaText = SpanText(i, last, true), sourceText = SpanText(i, last, false);
    const int code0 = word.Code;
    word.End = words.Word(last).End;
    words.Around(i).Po = words.Around(last).Po;
    for (int k = last; k > i; --k)
        words.DeleteWord(k);
    word.Text = sourceText;
    LookupAs(i, lemmaText);
    word.SetCode(code0);
    for (int r = 0; r < word.Readings.Count(); ++r)
        if (word.Readings.Item(r)->Code == 100)
            word.Readings.Item(r)->Code = code0;
}

} // namespace velmar
