// Multi-word expressions of the dictionaries joined into one word after the reading
// choice: "au moins" across the split contraction, "mettre en place" through the lemma
// of an inflected verb ("a mis en place"), which keeps its verb code.
#include "core/app/untUtils.h"
#include "core/engine/untTranslatorFr.h"

namespace velmar {

namespace {

// The split forms the engine makes of the contractions, and the contractions the
// dictionaries list.
constexpr std::pair<std::string_view, std::string_view> kContractions[] = {
    {"\xE0 le1", "au"}, {"\xE0 les", "aux"}, {"de le1", "du"}, {"si il", "s'il"}};

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The candidate as the dictionaries spell it: no space after an apostrophe, the
// contractions put back, an article homograph at the start without its number.
std::string AsDictionariesSpellIt(std::string text)
{
    ReplaceAll(text, "' ", "'");
    for (const auto& [split, contracted] : kContractions)
        ReplaceAll(text, split, contracted);
    for (const std::string_view article : {"le1 ", "les1 "})
        if (text.starts_with(article))
            text.erase(article.size() - 2, 1);
    return text;
}

} // namespace

std::string TWypowiedzenieFr::SpanText(int first, int last, bool byLemma) const
{
    const TCustomWypSlowa& words = Words();
    std::string text = (byLemma ? words.Word(first).Lemma : words.Word(first).Text) + words.Around(first).Po;
    for (int k = first + 1; k <= last; ++k)
        text += words.Around(k).Przed + words.Word(k).Text + (k < last ? words.Around(k).Po : std::string());
    return AsDictionariesSpellIt(text);
}

int TWypowiedzenieFr::WordsOfContraction(int i) const
{
    const bool split = (TextIs(i, "\xE0", false, true) && TextIn(i + 1, "<le1><les>")) ||
                       (TextIs(i, "de", false, true) && TextIs(i + 1, "le1")) ||
                       (TextIs(i, "si", false, true) && TextIs(i + 1, "il", false, true));
    return split ? 2 : 1;
}

int TWypowiedzenieFr::LongestExpression(int i, bool byLemma, TSlownikWyrazen dictionary) const
{
    TSlownikiWypowiedzi* dictionaries = Owner()->Context().Dictionaries;
    const bool capitalised = Words().Word(i).SentenceCapital;
    int last = i + WordsOfContraction(i);
    int best = -1;
    while (InRange(last)) {
        const TProbaWyrazenia probe =
            dictionaries->ProbeExpression(dictionary, SpanText(i, last, byLemma), capitalised);
        if (probe.Counts)
            best = last;
        if (!probe.More)
            break;
        last += WordsOfContraction(last + 1);
    }
    return best;
}

void TWypowiedzenieFr::JoinExpressions()
{
    if (Owner()->Context().Dictionaries == nullptr)
        return;
    for (int i = 0; i + 1 < Words().Count(); ++i)
        for (const bool byLemma : {false, true}) {
            if (byLemma && Words().Word(i).WordClass != kwCzasownik)
                continue;
            int last = LongestExpression(i, byLemma, TSlownikWyrazen::Uzytkownika);
            if (last < 0)
                last = std::max(LongestExpression(i, byLemma, TSlownikWyrazen::Form),
                                LongestExpression(i, byLemma, TSlownikWyrazen::Glowny));
            if (last > i) {
                JoinWords(i, last, byLemma);
                break;
            }
        }
}

void TWypowiedzenieFr::JoinWords(int first, int last, bool byLemma)
{
    TCustomWypSlowa& words = Words();
    TCustomWypSlowo& word = words.Word(first);
    const std::string text = SpanText(first, last, byLemma);
    const int verbCode = word.Code;
    const std::uint8_t verbClass = word.WordClass;
    word.End = words.Word(last).End;
    words.Around(first).Po = words.Around(last).Po;
    for (int k = last; k > first; --k)
        words.DeleteWord(k);
    word.SetText(text);
    ChooseReadingAt(first);
    if (byLemma) {
        // The expression gives the translation; the verb keeps its inflection.
        word.Code = verbCode;
        word.WordClass = verbClass;
    }
}

} // namespace velmar
