#pragma once
// TTranslatorThread: the worker that translates a stretch of the source into the
// target, paragraph by paragraph and utterance by utterance, lets the user choose as
// the translation mode asks, and writes each utterance with the source's formatting.
// It owns the engine objects of its run and reaches the windows only through its host.

#include <atomic>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>

#include "core/engine/untOdpowiedziUzytkownika.h"
#include "core/engine/untOpcjeTlumaczenia.h"
#include "core/engine/untTransWypSlowniki.h"
#include "core/engine/untTranslatorHost.h"
#include "core/engine/untZapisWypowiedzenia.h"

namespace velmar {

class TCustomWypowiedzenia;
class TCustomWypowiedzenie;

// Character positions in the source; −1 start means 0, −1 end the end of the source.
struct TZakresTlumaczenia {
    int Start = -1;
    int End = -1;
};

class TTranslatorThread {
public:
    // context: the languages, the working mode and the worker's dictionaries, which
    // outlive the run; its stop request and settings are the run's own.
    TTranslatorThread(TTranslatorHost& host, const TOpcjeTlumaczenia& options, TKontekstWypowiedzi context,
                      TZakresTlumaczenia range);
    // Stops a run still going and waits for its end.
    ~TTranslatorThread();
    TTranslatorThread(const TTranslatorThread&) = delete;
    TTranslatorThread& operator=(const TTranslatorThread&) = delete;

    // Runs on a thread of its own.
    void Start();
    // Runs on the calling thread; external is a further stop request.
    void Run(std::stop_token external = {});

    // From any thread. quietly: the run ends without the interruption message (the
    // window is closing).
    void RequestStop(bool quietly = false);
    TOdpowiedziUzytkownika& Answers() { return answers_; }

private:
    void TranslateStretch();
    // False when a stop ends the run.
    bool TranslateNextParagraph();
    int SkipSeparator(int position);
    void TranslateParagraph(const TAkapitZrodlowy& paragraph);
    void TranslateUtterance(TCustomWypowiedzenie& utterance);
    void PauseAfterParagraph();
    void MarkUnknownWords(TCustomWypowiedzenie& utterance);
    void Archive(const TCustomWypowiedzenie& utterance, const std::string& output);
    void CopySourceAround();
    void Fail(int error, int textId) noexcept;
    bool Stopped() const { return stop_.stop_requested(); }

    // ---- the user's choices (untTranslatorWybory.cpp)
    void Interact(TCustomWypowiedzenie& utterance);
    void MeaningChoice(TCustomWypowiedzenie& utterance);
    void WordChoice(TCustomWypowiedzenie& utterance);
    void GridChoice(TCustomWypowiedzenie& utterance);
    void InterpretationChoice(TCustomWypowiedzenie& utterance);

    TTranslatorHost& host_;
    const TOpcjeTlumaczenia options_;
    TKontekstWypowiedzi context_;
    const TZakresTlumaczenia range_;
    TOdpowiedziUzytkownika answers_;
    TZapisWypowiedzenia writer_;
    std::stop_source stop_;
    std::atomic<bool> stopFlag_{false}; // the engine's view of stop_
    std::atomic<bool> quietStop_{false};
    std::unique_ptr<TCustomWypowiedzenia> utterances_;
    int runStart_ = 0, paragraphStart_ = 0, paragraphEnd_ = 0, stretchEnd_ = 0;
    bool finished_ = true; // false while a paragraph is in progress
    int error_ = btBrak;
    std::string listing_;
    std::jthread thread_; // last: stopped and joined before the rest goes
};

} // namespace velmar
