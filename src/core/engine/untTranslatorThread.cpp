#include "core/engine/untTranslatorThread.h"

#include <algorithm>
#include <new>

#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"
#include "core/engine/untWypowiedzeniaJezyka.h"

namespace velmar {

namespace {

// Typographic single quotes and the backtick stand for the apostrophe the
// dictionaries know (0x91 and 0x92 in both code pages).
void NormaliseApostrophes(std::string& text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\x91' || c == '\x92' || c == '`'; }, '\'');
}

int SeparatorLength(std::string_view characters)
{
    if (characters.starts_with("\r\n"))
        return 2;
    return characters.starts_with('\r') ? 1 : 0;
}

} // namespace

TTranslatorThread::TTranslatorThread(TTranslatorHost& host, const TOpcjeTlumaczenia& options,
                                     TKontekstWypowiedzi context, TZakresTlumaczenia range)
    : host_(host), options_(options), context_(context), range_(range),
      writer_(options_, context.SourceLanguage, context.TargetLanguage)
{
    context_.Settings = options_.Segmentation;
    context_.Settings.TranslationMode = options_.TranslationMode;
    context_.Assembly = options_.Assembly;
    context_.Analysis = options_.Analysis;
    context_.Stop = &stopFlag_;
}

// The thread goes first (it is the last member): its stop request reaches the run
// through Run's forwarding, and the join waits for the run's end.
TTranslatorThread::~TTranslatorThread() = default;

void TTranslatorThread::Start()
{
    thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
}

void TTranslatorThread::RequestStop(bool quietly)
{
    if (quietly)
        quietStop_ = true;
    stop_.request_stop();
}

void TTranslatorThread::Run(std::stop_token external)
{
    const std::stop_callback forward(external, [this] { stop_.request_stop(); });
    const std::stop_callback engine(stop_.get_token(), [this] { stopFlag_ = true; });
    try {
        TranslateStretch();
    } catch (const std::bad_alloc&) {
        Fail(btBrakPamieci, 128);
    } catch (...) {
        Fail(btInny, 129);
    }
    utterances_.reset();
    const TKoniecTlumaczenia end{error_, error_ == btBrak && !finished_ && !quietStop_};
    try {
        host_.Finished(end);
    } catch (...) { // nothing may escape the worker; the window has been told all it can be
    }
}

void TTranslatorThread::Fail(int error, int textId) noexcept
{
    error_ = error;
    try {
        host_.ShowError(textId);
    } catch (...) { // the message itself failed: the error code still reaches Finished
    }
}

void TTranslatorThread::TranslateStretch()
{
    host_.BeginRun();
    const int length = host_.SourceLength();
    paragraphStart_ = std::clamp(range_.Start, 0, length);
    stretchEnd_ = range_.End < 0 ? length : std::clamp(range_.End, paragraphStart_, length);
    runStart_ = paragraphStart_;
    host_.SaveSourceBackup();
    utterances_ = NewUtteranceList(context_);
    host_.SetProgressRange(paragraphStart_, stretchEnd_);
    host_.SetProgress(paragraphStart_);
    while (paragraphStart_ < stretchEnd_) {
        const int skipped = SkipSeparator(paragraphStart_);
        if (skipped == 0)
            break;
        paragraphStart_ += skipped;
    }
    finished_ = true;
    while (paragraphStart_ < stretchEnd_ && TranslateNextParagraph()) {
    }
    host_.SaveTargetBackup();
    if (!Stopped())
        CopySourceAround();
}

int TTranslatorThread::SkipSeparator(int position)
{
    return SeparatorLength(host_.SourceCharacters(position, 2));
}

bool TTranslatorThread::TranslateNextParagraph()
{
    finished_ = false;
    TAkapitZrodlowy paragraph = host_.TakeParagraph(paragraphStart_, stretchEnd_);
    paragraphEnd_ = std::min(paragraphStart_ + static_cast<int>(paragraph.Text.size()), stretchEnd_);
    NormaliseApostrophes(paragraph.Text);
    if (options_.CopySource == 3)
        host_.CopySourceParagraph(paragraphStart_, paragraphEnd_);
    TranslateParagraph(paragraph);
    if (Stopped())
        return false;

    const int separator = SkipSeparator(paragraphEnd_);
    host_.EndParagraph(paragraph.Attributes, !paragraph.Text.empty() && !options_.SeparateFormat,
                       separator > 0 ? 1 : 0);
    const int next = paragraphEnd_ + separator;
    if (next <= paragraphStart_) // nothing to read any more: the source changed under the run
        return false;
    paragraphStart_ = next;
    if (Stopped())
        return false;
    const TCustomWypowiedzenie* last = utterances_->Item(utterances_->Count() - 1);
    if (options_.SentenceBySentence && last != nullptr && last->Words().Count() > 0 && paragraphStart_ < stretchEnd_)
        PauseAfterParagraph();
    if (Stopped())
        return false;
    if (options_.SaveTargetPerParagraph)
        host_.SaveTargetBackup();
    finished_ = true;
    return true;
}

void TTranslatorThread::PauseAfterParagraph()
{
    answers_.Reset();
    host_.PauseAfterParagraph(answers_);
    answers_.WaitFor(stop_.get_token(), [](const TStanOdpowiedzi& s) { return s.Continue; });
    if (!Stopped())
        host_.ResumeAfterPause();
}

void TTranslatorThread::TranslateParagraph(const TAkapitZrodlowy& paragraph)
{
    listing_.clear();
    utterances_->Clear();
    writer_.BeginParagraph(paragraph.Runs, paragraphStart_);
    const bool capitalStart = options_.Initialise || !IsTestMode(options_.TranslationMode);
    utterances_->Segment(paragraph.Text, capitalStart, options_.EndMarker, options_.StartMarker, paragraphStart_);
    for (int u = 0; u < utterances_->Count() && !Stopped(); ++u)
        TranslateUtterance(*utterances_->Item(u));
    if (options_.WriteListing && !Stopped() && !IsTestMode(options_.TranslationMode))
        host_.WriteListing(listing_);
}

void TTranslatorThread::TranslateUtterance(TCustomWypowiedzenie& utterance)
{
    utterance.Analyse(0);
    if (Stopped())
        return;
    Interact(utterance);
    if (Stopped())
        return;
    utterance.Transfer();
    MarkUnknownWords(utterance);
    const TWynikWypowiedzenia output = writer_.Write(utterance);
    host_.WriteUtterance(output);
    utterance.Finish();
    Archive(utterance, output.Text());
    listing_ += utterance.Result;
    if (options_.ListReadings)
        listing_ += utterance.ReadingsListing();
    host_.SetProgress(std::clamp(utterance.End, runStart_, stretchEnd_));
}

namespace {

template <typename Visit>
void ForEachWordDeep(TCustomWypowiedzenie& utterance, const Visit& visit)
{
    TCustomWypSlowa& words = utterance.Words();
    for (int i = 0; i < words.Count(); ++i) {
        TCustomWypSlowo& word = words.Word(i);
        visit(word);
        if (word.Nested)
            for (int u = 0; u < word.Nested->Count(); ++u)
                ForEachWordDeep(*word.Nested->Item(u), visit);
    }
}

} // namespace

void TTranslatorThread::MarkUnknownWords(TCustomWypowiedzenie& utterance)
{
    // Positions of another pane mean nothing in the source pane.
    if (!options_.MarkUnknown || options_.OtherPane)
        return;
    std::vector<std::pair<int, int>> spans;
    ForEachWordDeep(utterance, [&spans](const TCustomWypSlowo& word) {
        if (IsReportedUnknown(word) && word.Start >= 0 && word.Start < word.End)
            spans.emplace_back(word.Start, word.End);
    });
    if (!spans.empty())
        host_.MarkUnknown(spans);
}

void TTranslatorThread::Archive(const TCustomWypowiedzenie& utterance, const std::string& output)
{
    if (options_.ArchiveTranslations && (utterance.Words().Count() > 1 || output.find(':') != std::string::npos))
        host_.ArchivePair(Trim(utterance.SourceText), Trim(output));
}

void TTranslatorThread::CopySourceAround()
{
    if (options_.CopySource == 1 || options_.CopySource == 2)
        host_.CopySourceToTarget(runStart_, stretchEnd_, options_.CopySource == 1);
}

} // namespace velmar
