// Rendering of a word: the generated translation (or all of them) with its prefix,
// the words put around it by rules and groups, and the source word's capitalisation;
// and the base transfer that renders a whole utterance.
#include "core/engine/untTransWypSkladanie.h"

#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"
#include "core/generators/untGenFrFunkcje.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

TOpcjeSkladania AssemblyOptionsOf(const TOpcjeUstawien& settings)
{
    return {.ImperativProsze = settings.ImperativProsze, .FrTyWyZWielkiej = settings.FrTyWyZWielkiej};
}

bool IsSingleRenderingMode(int translationMode)
{
    return (translationMode >= 1 && translationMode <= 4) || (translationMode >= 6 && translationMode <= 12);
}

bool IsWordByWordMode(int translationMode)
{
    return translationMode == 5 || translationMode == 6 || translationMode == 7;
}

namespace {

// The last word of a prefix in the form the text after it asks for: the French
// article elided ("l'homme"), the Polish preposition with its vowel ("we Wrocławiu").
std::string AdjustedLastWord(const std::string& word, const std::string& text, std::uint8_t target)
{
    if (target == jezFrancuski && (word == "le" || word == "la") && ElisionAllowed(text))
        return "l'";
    if (target == jezPolski && NeedsVowelAfterPreposition(LowerStr(word), text))
        return ApplyCasePattern(LowerStr(word) + "e", CasePattern(word));
    return word;
}

std::string WithPrefix(const std::string& prefix, const std::string& text, std::uint8_t target)
{
    if (prefix.empty())
        return text;
    const std::size_t space = prefix.rfind(' ');
    const std::size_t lastStart = space == std::string::npos ? 0 : space + 1;
    const std::string adjusted = prefix.substr(0, lastStart) + AdjustedLastWord(prefix.substr(lastStart), text, target);
    return adjusted + (EndsWith(adjusted, "'") ? "" : " ") + text;
}

// The translation a parenthesis word shows: the chosen one, which is at the front.
int FrontTranslation(const TCustomWypSlowo& word)
{
    return word.ChosenTranslation >= 0 ? word.ChosenTranslation : 0;
}

} // namespace

std::string TCustomWypSlowa::RenderedBody(int i, int translation, bool allTranslations, std::string& prefix)
{
    TCustomWypSlowo& word = Word(i);
    const int count = word.Translations.Count();
    prefix.clear();
    if (count == 0)
        return word.FixedTarget.empty() ? word.ShownText() : word.FixedTarget;
    if (!allTranslations) {
        if (translation < 0 || translation >= count)
            return word.ShownText();
        std::string body = Generate(i, translation);
        prefix = word.Translations.Item(translation).Prefix;
        return body;
    }
    std::string body;
    for (int k = 0; k < count; ++k)
        body += (k == 0 ? "" : k == 1 ? " {" : ", ") + Generate(i, k);
    if (count > 1)
        body += "}";
    prefix = word.TranslationPrefix;
    return body;
}

std::string TCustomWypSlowa::RenderVisiting(int i, int translation, bool allTranslations, std::vector<bool>& visited)
{
    if (!InRange(i))
        return {};
    TCustomWypSlowo& word = Word(i);
    if (!word.Translate)
        return word.Text == "-" && word.HasMarker(znMyslnikSpacja) ? " " : "";
    visited[static_cast<std::size_t>(i)] = true;
    const std::uint8_t target = Context().TargetLanguage;
    std::string prefix;
    std::string text = RenderedBody(i, translation, allTranslations, prefix);
    text = WithPrefix(prefix, text, target);
    if (!word.LeadWord.empty())
        text = word.LeadWord + " " + text;
    if (!word.Prefix.empty())
        text = word.Prefix + " " + text;
    if (!word.Suffix.empty())
        text += " " + word.Suffix;
    text = WithPrefix(word.OuterPrefix, text, target);
    if (!word.OuterSuffix.empty())
        text += " " + word.OuterSuffix;
    if (StartsLower(text))
        text = ApplyCasePattern(text, MakeCasePattern(word.SentenceCapital, word.AllCaps, word.TitleCase));
    // A parenthesis word that leads back to a word already rendered is left out, so
    // that a chain of them always ends.
    const int other = word.ParenthesisWord;
    if (InRange(other) && !visited[static_cast<std::size_t>(other)])
        text += " (" + RenderVisiting(other, FrontTranslation(Word(other)), allTranslations, visited) + ")";
    return text;
}

std::string TCustomWypSlowa::Render(int i, int translation)
{
    std::vector<bool> visited(words_.size(), false);
    return RenderVisiting(i, translation, !IsSingleRenderingMode(Context().Settings.TranslationMode), visited);
}

std::string TCustomWypSlowa::RenderTranslation(int i, int translation)
{
    std::vector<bool> visited(words_.size(), false);
    return RenderVisiting(i, translation, false, visited);
}

std::string TCustomWypSlowa::WordWithSurroundings(int i, int translation)
{
    const std::string rendering = RenderTranslation(i, translation);
    return Around(i).Przed + Word(i).PreText + rendering + Around(i).Po;
}

std::string TCustomWypSlowa::AllRenderings(int i)
{
    std::string text;
    for (int k = 0; k < Word(i).Translations.Count(); ++k)
        text += RenderTranslation(i, k) + "\r\n";
    return text;
}

std::string TCustomWypSlowa::AllRenderingsLabelled(int i)
{
    std::string text;
    for (int k = 0; k < Word(i).Translations.Count(); ++k)
        text += RenderTranslation(i, k) + " " + Word(i).Translations.Item(k).Label + "\r\n";
    return text;
}

// ---------------------------------------------------------------- utterance

void TCustomWypowiedzenie::MoveSentenceCapital()
{
    const int mode = words_->Context().Settings.TranslationMode;
    if (mode == 13 || mode == 15)
        return;
    // The capital may have stayed with a word that moved or had a word inserted before it.
    int capital = -1;
    for (int i = 0; i < words_->Count() && capital < 0; ++i)
        if (words_->Word(i).SentenceCapital)
            capital = i;
    if (capital < 0)
        return;
    for (int i = 0; i < words_->Count(); ++i) {
        TCustomWypSlowo& word = words_->Word(i);
        if (!word.Translate && word.PreText.empty())
            continue;
        if (i != capital) {
            words_->Word(capital).SentenceCapital = false;
            word.SentenceCapital = true;
        }
        return;
    }
}

void TCustomWypowiedzenie::RenderWords()
{
    for (int i = 0; i < words_->Count(); ++i)
        words_->Word(i).TargetText = words_->TargetTextOf(i);
    words_->FixSpacing();
}

namespace {
int NextRendered(TCustomWypSlowa& words, int i)
{
    for (int j = i + 1; j < words.Count(); ++j)
        if (words.Word(j).Translate)
            return j;
    return -1;
}
} // namespace

void TCustomWypowiedzenie::PrepositionVowels()
{
    if (words_->Context().TargetLanguage != jezPolski)
        return;
    for (int i = 0; i + 1 < words_->Count(); ++i) {
        TCustomWypSlowo& word = words_->Word(i);
        const int next = NextRendered(*words_, i);
        const std::string following = next >= 0 ? LowerStr(words_->Word(next).TargetText) : std::string();
        const std::string preposition = LowerStr(word.TargetText);
        if (!NeedsVowelAfterPreposition(preposition, following))
            continue;
        const int pattern = MakeCasePattern(word.Capitalised || word.SentenceCapital, word.AllCaps, word.TitleCase);
        word.TargetText = ApplyCasePattern(preposition + "e", pattern);
    }
}

namespace {

// The Polish words that open a subordinate clause and take a comma before it.
bool OpensSubordinateClause(TCustomWypSlowo& word)
{
    static const std::string openers = FromUtf8(
        "<który><że><gdzie><aby><żeby><żebym><żebyś><żebyśmy><żebyście><kiedy><gdy><jeśli><jeżeli><ponieważ><bo><czy>");
    if (word.Translations.Count() == 0)
        return false;
    const TTlumaczenie& first = word.Translations.Item(0);
    std::string text = first.Text, code;
    if (text.empty() && !first.Forms.empty())
        SplitAtStar(first.Forms.front(), text, code, true);
    return InTagList(Trim(text), openers);
}

int PreviousRendered(TCustomWypSlowa& words, int i)
{
    for (int j = i - 1; j >= 0; --j)
        if (words.Word(j).Translate)
            return j;
    return -1;
}

} // namespace

void TCustomWypowiedzenie::SubordinateCommas()
{
    if (words_->Context().TargetLanguage != jezPolski)
        return;
    for (int i = 1; i < words_->Count(); ++i) {
        TCustomWypSlowo& word = words_->Word(i);
        const TCustomWypSlowo& before = words_->Word(i - 1);
        if (word.HasMarker(znBezPrzecinka) || !OpensSubordinateClause(word) || before.Text == "," ||
            before.WordClass == kwSpojnik)
            continue;
        // "dom, w którym": the comma goes before the preposition.
        const int j = before.WordClass == kwPrzyimek ? i - 1 : i;
        const int previous = PreviousRendered(*words_, j);
        if (previous >= 0 && words_->Word(previous).Text != ",")
            words_->PutCommaBefore(j);
    }
}

void TCustomWypowiedzenie::Transfer()
{
    RenderWords();
    if (owner_ != nullptr && owner_->StopRequested())
        return;
    PrepositionVowels();
    SubordinateCommas();
    for (int i = 0; i < words_->Count(); ++i)
        if (TCustomWypowiedzenia* nested = words_->Word(i).Nested.get())
            for (int u = 0; u < nested->Count(); ++u)
                nested->Item(u)->Transfer();
}

} // namespace velmar
