#pragma once
// The translator window's progress in its status bar: the bar of the share translated,
// the elapsed time and the time still needed, ticking every second while a translation
// runs and standing still while it waits for the user.

#include <QObject>
#include <cstdint>

class QLabel;
class QProgressBar;
class QStatusBar;
class QTimer;

namespace velmar {

class TPasekPostepu : public QObject {
    Q_OBJECT
public:
    explicit TPasekPostepu(QStatusBar* statusBar);

    QProgressBar* Bar() const { return bar_; }
    QLabel* Elapsed() const { return elapsed_; }
    QLabel* Remaining() const { return remaining_; }

    // A translation starts: the clocks from "00:00".
    void Start();
    // It ended: the clocks stop, the bar is full, the time still needed is cleared.
    void Stop();
    void Pause(bool paused);
    void SetRange(int start, int end);
    void SetPosition(int position);

private:
    void Tick();
    void ShowClocks();

    QProgressBar* bar_;
    QLabel* elapsed_;
    QLabel* remaining_;
    QTimer* timer_;
    int start_ = 0, end_ = 100, position_ = 100;
    bool moved_ = false;
    std::int64_t elapsedSeconds_ = 0, remainingSeconds_ = 0;
};

} // namespace velmar
