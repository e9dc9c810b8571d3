#pragma once
// The translator window as the translation worker's host: every call of the worker
// runs on the window thread while the worker waits for it, and reaches the two panes,
// the pane backups, the sentence archive and the question window. What the window
// itself shows (progress, the choice windows, the pause after a sentence, the end)
// goes out as signals, with the answers the worker waits on.

#include <QObject>
#include <exception>
#include <future>
#include <mutex>
#include <type_traits>

#include "core/engine/untOdpowiedziUzytkownika.h"
#include "core/engine/untOpcjeTlumaczenia.h"
#include "core/engine/untTranslatorHost.h"
#include "ui/translator/untSiatkaZnaczen.h"
#include "ui/translator/untTlumaczReczne.h"

namespace velmar {

class TPanel;
class TSledzOkno;

class TGospodarzOkna : public QObject, public TTranslatorHost {
    Q_OBJECT
public:
    TGospodarzOkna(TPanel& source, TPanel& target, const TOpcjeTlumaczenia& options, QObject* parent = nullptr);

    // The window is going away: calls not yet run return at once without touching it.
    // Runs the calls already waiting, so that the worker can end.
    void Detach();
    // Each utterance written is recorded in the followers of the source and the target.
    void SetFollowers(TSledzOkno& source, TSledzOkno& target);
    // Whether the source's and the target's backups are written (a pane the user does
    // not see has none).
    void SetBackups(bool source, bool target) { backups_ = {source, target}; }
    void BeginRun() override;
    int SourceLength() override;
    std::string SourceCharacters(int position, int count) override;
    TAkapitZrodlowy TakeParagraph(int start, int stretchEnd) override;
    void SaveSourceBackup() override;
    void SaveTargetBackup() override;
    void SetProgressRange(int start, int end) override;
    void SetProgress(int position) override;
    void ShowError(int textId) override;
    void Finished(const TKoniecTlumaczenia& end) override;

    void CopySourceParagraph(int start, int end) override;
    void MarkUnknown(const std::vector<std::pair<int, int>>& spans) override;
    void WriteUtterance(const TWynikWypowiedzenia& utterance) override;
    void EndParagraph(const TAtrybutyAkapitu& attributes, bool applyAttributes, int lineBreaks) override;
    void WriteListing(const std::string& listing) override;
    void CopySourceToTarget(int start, int end, bool beforeTranslation) override;
    void ArchivePair(const std::string& source, const std::string& target) override;

    // Each choice goes to the window that shows it; the worker waits afterwards.
    void OpenMeaningChoice(TCustomWypowiedzenie& utterance, TCustomWypSlowo& word,
                           TOdpowiedziUzytkownika& answers) override;
    void OpenWordChoice(TCustomWypowiedzenie& utterance, TOdpowiedziUzytkownika& answers) override;
    void OpenGridChoice(const std::vector<TKolumnaZnaczen>& columns, TOdpowiedziUzytkownika& answers) override;
    bool AskManyInterpretations(int count) override;
    void OpenInterpretationChoice(const std::vector<std::string>& variants, TOdpowiedziUzytkownika& answers) override;
    void PauseAfterParagraph(TOdpowiedziUzytkownika& answers) override;
    void ResumeAfterPause() override;

signals:
    void ProgressRangeSet(int start, int end);
    void ProgressMoved(int position);
    void MeaningChoiceOpened(const velmar::TWyborZnaczenia& choice, bool continuous,
                             velmar::TOdpowiedziUzytkownika* answers);
    void GridChoiceOpened(const QList<velmar::TKolumnaSiatki>& columns, velmar::TOdpowiedziUzytkownika* answers);
    void InterpretationChoiceOpened(const QStringList& variants, velmar::TOdpowiedziUzytkownika* answers);
    void PauseOpened(velmar::TOdpowiedziUzytkownika* answers);
    void PauseEnded();
    void RunEnded(velmar::TKoniecTlumaczenia end);

private:
    // Runs call on the window thread and waits for it; a failure there goes on in the
    // worker. After Detach it returns the empty value without running call.
    template <typename Call>
    auto OnWindowThread(Call call) -> std::invoke_result_t<Call>;
    // Queues call for the window thread; false after Detach.
    bool Post(std::function<void()> call);
    // The source span with its formatting into the target at the caret.
    void CopySource(int start, int end);
    void SaveBackup(TPanel& pane, bool lowerPane);
    // The manual window's view of the utterance with word (the first word: nullptr) current.
    TWyborZnaczenia DescribeChoice(TCustomWypowiedzenie& utterance, const TCustomWypSlowo* word) const;

    TPanel& source_;
    TPanel& target_;
    const TOpcjeTlumaczenia options_;
    std::mutex detachMutex_;
    bool detached_ = false;
    int targetStart_ = 0;
    std::pair<TSledzOkno*, TSledzOkno*> followers_{nullptr, nullptr};
    std::pair<bool, bool> backups_{true, true};
};

template <typename Call>
auto TGospodarzOkna::OnWindowThread(Call call) -> std::invoke_result_t<Call>
{
    using TWynik = std::invoke_result_t<Call>;
    std::promise<TWynik> result;
    const bool posted = Post([&] {
        try {
            if constexpr (std::is_void_v<TWynik>) {
                if (!detached_)
                    call();
                result.set_value();
            } else {
                result.set_value(detached_ ? TWynik{} : call());
            }
        } catch (...) {
            result.set_exception(std::current_exception());
        }
    });
    if constexpr (std::is_void_v<TWynik>) {
        if (posted)
            result.get_future().get();
    } else {
        if (!posted)
            return TWynik{};
        return result.get_future().get();
    }
}

} // namespace velmar
