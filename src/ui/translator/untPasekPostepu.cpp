#include "ui/translator/untPasekPostepu.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

namespace velmar {

namespace {

QString Clock(std::int64_t seconds)
{
    return QString::asprintf("%.2d:%.2d", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60));
}

} // namespace

TPasekPostepu::TPasekPostepu(QStatusBar* statusBar)
    : QObject(statusBar), bar_(new QProgressBar(statusBar)), elapsed_(new QLabel(statusBar)),
      remaining_(new QLabel(statusBar)), timer_(new QTimer(this))
{
    bar_->setObjectName("pbrPostep");
    elapsed_->setObjectName("lblCzasMiniony");
    remaining_->setObjectName("lblCzasPozostaly");
    bar_->setTextVisible(false);
    bar_->setMaximumWidth(240);
    const int clockWidth = elapsed_->fontMetrics().horizontalAdvance("0000:000");
    elapsed_->setMinimumWidth(clockWidth);
    remaining_->setMinimumWidth(clockWidth);
    statusBar->addWidget(bar_, 1);
    statusBar->addWidget(elapsed_);
    statusBar->addWidget(remaining_);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &TPasekPostepu::Tick);
    SetRange(0, 100);
    SetPosition(100);
}

void TPasekPostepu::Start()
{
    elapsedSeconds_ = remainingSeconds_ = 0;
    moved_ = false;
    SetPosition(start_);
    ShowClocks();
    timer_->start();
}

void TPasekPostepu::Stop()
{
    timer_->stop();
    SetPosition(end_);
    remaining_->clear();
}

void TPasekPostepu::Pause(bool paused)
{
    if (paused)
        timer_->stop();
    else
        timer_->start();
}

void TPasekPostepu::SetRange(int start, int end)
{
    start_ = start;
    end_ = std::max(start, end);
    bar_->setRange(0, 1000);
    SetPosition(position_);
}

void TPasekPostepu::SetPosition(int position)
{
    position_ = std::clamp(position, start_, end_);
    moved_ = true;
    const double share = end_ > start_ ? double(position_ - start_) / double(end_ - start_) : 1.0;
    bar_->setValue(static_cast<int>(share * 1000));
}

void TPasekPostepu::Tick()
{
    ++elapsedSeconds_;
    if (moved_) {
        // The time still needed from the pace so far.
        const std::int64_t done = position_ - start_, whole = end_ - start_;
        remainingSeconds_ =
            done > 0 ? elapsedSeconds_ * whole / done - elapsedSeconds_ : elapsedSeconds_ * whole - elapsedSeconds_;
        moved_ = false;
    } else if (remainingSeconds_ > 0) {
        --remainingSeconds_;
    }
    ShowClocks();
}

void TPasekPostepu::ShowClocks()
{
    elapsed_->setText(Clock(elapsedSeconds_));
    remaining_->setText(Clock(std::max<std::int64_t>(remainingSeconds_, 0)));
}

} // namespace velmar
