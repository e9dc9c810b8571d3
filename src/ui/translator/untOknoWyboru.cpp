#include "ui/translator/untOknoWyboru.h"

#include <QCloseEvent>

#include "core/engine/untOdpowiedziUzytkownika.h"

namespace velmar {

TOknoWyboru::TOknoWyboru(QWidget* parent) : QDialog(parent)
{
    setModal(false);
}

void TOknoWyboru::Attach(TOdpowiedziUzytkownika& answers)
{
    answers_ = &answers;
}

void TOknoWyboru::Detach()
{
    answers_ = nullptr;
    hide();
}

void TOknoWyboru::Stop()
{
    const bool waiting = Waiting();
    AnswerAndHide([](TOdpowiedziUzytkownika& answers) { answers.Close(); });
    if (waiting)
        emit StopRequested();
}

void TOknoWyboru::closeEvent(QCloseEvent* event)
{
    Stop();
    QDialog::closeEvent(event);
}

void TOknoWyboru::reject()
{
    Stop();
}

} // namespace velmar
