#include "core/engine/untZapisWypowiedzenia.h"

#include "core/engine/untTransWypTypy.h"

namespace velmar {

namespace {

TStanGeneracji GenerationOf(const TCustomWypSlowo& word)
{
    return {word.FormCase, word.FormNumber, word.FormGender, word.pn, word.vt, word.FormCode};
}

} // namespace

bool IsReportedUnknown(const TCustomWypSlowo& word)
{
    return word.Unknown && !word.HasMarker(znNieOznaczac) && word.Text != "," && word.Text != "-";
}

std::string TWynikWypowiedzenia::Text() const
{
    std::string text;
    for (const TFragmentWyniku& fragment : Fragments)
        text += fragment.Text;
    return text;
}

TZapisWypowiedzenia::TZapisWypowiedzenia(const TOpcjeTlumaczenia& options, std::uint8_t sourceLanguage,
                                         std::uint8_t targetLanguage)
    : options_(options), source_(sourceLanguage), target_(targetLanguage)
{
}

void TZapisWypowiedzenia::BeginParagraph(const TFormatTekstu& runs, int paragraphStart)
{
    runs_ = runs;
    paragraphStart_ = paragraphStart;
    // Run indices belong to one paragraph: the next paragraph's run 0 is another run.
    currentRun_ = -1;
    current_ = TAtrybutyTekstu{};
}

TWynikWypowiedzenia TZapisWypowiedzenia::Write(TCustomWypowiedzenie& utterance)
{
    out_ = TWynikWypowiedzenia{};
    outputLength_ = 0;
    utteranceStart_ = utterance.Start;
    if (!options_.OtherPane) {
        out_.SourceStart = utterance.Start;
        out_.SourceEnd = utterance.End;
    }
    WriteWords(utterance.Words(), utterance.FromArchive ? &utterance.ArchiveTarget : nullptr);
    return std::move(out_);
}

void TZapisWypowiedzenia::WriteWords(TCustomWypSlowa& words, const std::string* archived)
{
    Insert(words.Lead, target_);
    if (archived != nullptr)
        Insert(*archived, target_);
    else
        for (int i = 0; i < words.Count(); ++i)
            WriteWord(words, i);
    Insert(words.Tail, target_);
}

void TZapisWypowiedzenia::WriteWord(TCustomWypSlowa& words, int i)
{
    TCustomWypSlowo& word = words.Word(i);
    const TPrzedPo& around = words.Around(i);
    if (!options_.SeparateFormat)
        FollowFormatRun(word);
    std::string before = around.Przed;
    if (options_.ShowNotes || options_.TranslationMode == 16)
        before += word.Notes;
    Insert(before + word.PreText, target_);

    const TFragmentWyniku rendering = Rendering(word);
    const int renderingStart = OutputLength();
    Insert(rendering.Text, rendering.Language, rendering.Mark);
    if (options_.FollowWords) {
        const auto sequence = static_cast<int>(out_.TargetWords.size());
        if (!options_.OtherPane)
            out_.SourceWords.push_back(
                {word.Start - utteranceStart_, word.End - utteranceStart_, sequence, word.Text, word.Lemma, {}});
        out_.TargetWords.push_back(
            {renderingStart, OutputLength(), sequence, word.Text, word.Lemma, GenerationOf(word)});
    }
    Insert(word.PostText + around.Po, target_);

    if (word.Nested)
        for (int u = 0; u < word.Nested->Count(); ++u)
            WriteWords(word.Nested->Item(u)->Words());
}

void TZapisWypowiedzenia::FollowFormatRun(const TCustomWypSlowo& word)
{
    if (!(word.Start == 0 || (word.Start >= 0 && word.Start < word.End)))
        return;
    const int run = runs_.RunAt(word.Start - paragraphStart_);
    if (run < 0 || run == currentRun_)
        return;
    TAtrybutyTekstu attributes = *runs_.FontOf(run);
    // A run in the unknown-word style is a mark an earlier translation left in the
    // source, not the author's format: it takes the style of the run before it.
    if (options_.UnknownStyle.MatchesStyleOf(attributes)) {
        const TAtrybutyTekstu* previous = runs_.FontOf(run - 1);
        const TAtrybutyTekstu plain{};
        const TAtrybutyTekstu& from = previous ? *previous : plain;
        attributes.Pogrubienie = from.Pogrubienie;
        attributes.Kursywa = from.Kursywa;
        attributes.Podkreslenie = from.Podkreslenie;
        attributes.Przekreslenie = from.Przekreslenie;
        attributes.Kolor = previous ? from.Kolor : 0;
    }
    currentRun_ = run;
    current_ = attributes;
}

TFragmentWyniku TZapisWypowiedzenia::Rendering(const TCustomWypSlowo& word) const
{
    const int mode = options_.TranslationMode;
    TFragmentWyniku rendering;
    if (mode == 13 || mode == 16) {
        rendering.Text = word.Text + (word.Unknown ? options_.TesterUnknownMarker : std::string());
        rendering.Language = source_;
    } else if (mode == 15) {
        const bool severalParts = word.Text.find(' ') != std::string::npos;
        rendering.Text = severalParts ? "@" + word.Text + "#" : word.Text;
        rendering.Language = source_;
    } else if (word.Translate && IsReportedUnknown(word)) {
        rendering.Text = (mode == 14 ? options_.UntranslatedMarker : std::string()) + word.Text;
        rendering.Language = source_;
        if (options_.MarkUntranslated)
            rendering.Mark = TZaznaczenieTekstu::Nieprzetlumaczone;
    } else {
        rendering.Text = word.TargetText;
        rendering.Language = target_;
        if (options_.MarkAmbiguous && rendering.Text.find('{') != std::string::npos)
            rendering.Mark = TZaznaczenieTekstu::Wieloznaczne;
    }
    return rendering;
}

void TZapisWypowiedzenia::Insert(const std::string& text, std::uint8_t language, TZaznaczenieTekstu mark)
{
    if (text.empty())
        return;
    TAtrybutyTekstu attributes = current_;
    if (mark == TZaznaczenieTekstu::Nieprzetlumaczone)
        options_.UntranslatedStyle.ApplyTo(attributes);
    else if (mark == TZaznaczenieTekstu::Wieloznaczne)
        options_.AmbiguousStyle.ApplyTo(attributes);
    outputLength_ += static_cast<int>(text.size());
    if (!out_.Fragments.empty()) {
        TFragmentWyniku& last = out_.Fragments.back();
        if (last.Language == language && last.Mark == mark && last.Attributes == attributes) {
            last.Text += text;
            return;
        }
    }
    out_.Fragments.push_back({text, language, attributes, mark});
}

} // namespace velmar
