#pragma once
// A window in which the user answers a waiting translation worker. It holds the
// worker's answers only while the worker waits; closing it from its title bar ends
// the wait the way its own stop button does, so the worker never waits for a window
// that is gone.

#include <QDialog>

namespace velmar {

class TOdpowiedziUzytkownika;

class TOknoWyboru : public QDialog {
    Q_OBJECT
public:
    explicit TOknoWyboru(QWidget* parent);

    // The worker waits on answers until one of the window's buttons answers.
    void Attach(TOdpowiedziUzytkownika& answers);
    // The wait is over (answered, or the run ended): hides the window.
    void Detach();
    bool Waiting() const { return answers_ != nullptr; }

signals:
    // The user stopped the whole translation.
    void StopRequested();

protected:
    // Answers through answers and hides the window; nothing when nobody waits.
    template <typename Answer>
    void AnswerAndHide(Answer answer)
    {
        if (answers_ == nullptr)
            return;
        TOdpowiedziUzytkownika& answers = *answers_;
        Detach();
        answer(answers);
    }
    // The stop button and the title bar's close: the choice is closed and the run stops.
    void Stop();
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    TOdpowiedziUzytkownika* answers_ = nullptr;
};

} // namespace velmar
