#include "ui/translator/untTlumaczReczne.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "core/app/untStale.h"
#include "core/engine/untOdpowiedziUzytkownika.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

enum : int {
    kTytul = 951,
    kWyraz = 952,
    kWybrane = 954,
    kIgnoruj = 955,
    kKoniec = 956,
    kKontynuuj = 29,
    kNazwaJezyka = 11, // + the language: its name
};

QTextEdit* ReadOnlyPane(const char* name, QWidget* parent)
{
    auto* pane = new QTextEdit(parent);
    pane->setObjectName(name);
    pane->setReadOnly(true);
    return pane;
}

QPushButton* Button(const char* name, int textId, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    PrzypiszNapis(button, textId);
    return button;
}

// Writes text with [boldStart, boldStart + boldLength) in bold.
void WriteWithBold(QTextEdit& pane, const QString& text, int boldStart, int boldLength)
{
    pane.clear();
    QTextCursor cursor(pane.document());
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(text.left(boldStart), plain);
    cursor.insertText(text.mid(boldStart, boldLength), bold);
    cursor.insertText(text.mid(boldStart + boldLength), plain);
}

} // namespace

TfrmTlumaczReczne::TfrmTlumaczReczne(QWidget* parent) : TOknoWyboru(parent)
{
    setObjectName("frmTlumaczReczne");
    PrzypiszNapis(this, kTytul);
    redZrodlo_ = ReadOnlyPane("redZrodlo", this);
    redTlumaczenie_ = ReadOnlyPane("redTlumaczenie", this);
    lblWyraz_ = new QLabel(this);
    lblWyraz_->setObjectName("lblWyraz");
    lblWyrazTlum_ = new QLabel(this);
    lblWyrazTlum_->setObjectName("lblWyrazTlum");
    lsbOdpowiedniki_ = new QListWidget(this);
    lsbOdpowiedniki_->setObjectName("lsbOdpowiedniki");
    btnWybrane_ = Button("btnWybrane", kWybrane, this);
    btnIgnoruj_ = Button("btnIgnoruj", kIgnoruj, this);
    btnKoniec_ = Button("btnKoniec", kKoniec, this);
    btnWybrane_->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(redZrodlo_, 0, 0, 1, 2);
    layout->addWidget(redTlumaczenie_, 1, 0, 1, 2);
    auto* word = new QHBoxLayout;
    word->addWidget(lblWyraz_);
    word->addWidget(lblWyrazTlum_, 1);
    layout->addLayout(word, 2, 0, 1, 2);
    layout->addWidget(lsbOdpowiedniki_, 3, 0);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnWybrane_, btnIgnoruj_, btnKoniec_})
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons, 3, 1);
    resize(520, 420);

    connect(lsbOdpowiedniki_, &QListWidget::currentRowChanged, this, &TfrmTlumaczReczne::Preview);
    connect(lsbOdpowiedniki_, &QListWidget::itemActivated, this, &TfrmTlumaczReczne::Choose);
    connect(btnWybrane_, &QPushButton::clicked, this, &TfrmTlumaczReczne::Choose);
    connect(btnIgnoruj_, &QPushButton::clicked, this, &TfrmTlumaczReczne::Ignore);
    connect(btnKoniec_, &QPushButton::clicked, this, &TfrmTlumaczReczne::Stop);
}

void TfrmTlumaczReczne::Fill(const TWyborZnaczenia& choice, bool continuous, TOdpowiedziUzytkownika& answers)
{
    continuous_ = continuous;
    PrzypiszNapis(btnIgnoruj_, continuous ? kKontynuuj : kIgnoruj);
    lblWyraz_->setText(Napis(kWyraz).replace("%s", Napis(kNazwaJezyka + Program().SourceLanguage)));
    lblWyrazTlum_->setText(choice.Word);
    WriteWithBold(*redZrodlo_, choice.Source, choice.WordStart, choice.WordLength);
    WriteWithBold(*redTlumaczenie_, choice.Translation, choice.RenderingStart, choice.RenderingLength);
    renderingStart_ = choice.RenderingStart;
    renderingLength_ = choice.RenderingLength;
    {
        const QSignalBlocker quiet(lsbOdpowiedniki_);
        lsbOdpowiedniki_->clear();
        lsbOdpowiedniki_->addItems(choice.Translations);
        lsbOdpowiedniki_->setCurrentRow(0);
    }
    Attach(answers);
    show();
    raise();
    lsbOdpowiedniki_->setFocus();
}

void TfrmTlumaczReczne::Preview(int row)
{
    if (continuous_ || row < 0)
        return;
    const QString text = lsbOdpowiedniki_->item(row)->text();
    QTextCursor cursor(redTlumaczenie_->document());
    cursor.setPosition(renderingStart_);
    cursor.setPosition(renderingStart_ + renderingLength_, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(text, bold);
    renderingLength_ = static_cast<int>(text.size());
}

void TfrmTlumaczReczne::Choose()
{
    const int row = lsbOdpowiedniki_->currentRow();
    if (row < 0)
        return;
    if (continuous_)
        AnswerAndHide([](TOdpowiedziUzytkownika& answers) { answers.Continue(); });
    else
        AnswerAndHide([row](TOdpowiedziUzytkownika& answers) { answers.AnswerWord(row); });
}

void TfrmTlumaczReczne::Ignore()
{
    // In continuous mode the button is "Kontynuuj"; otherwise the word keeps no choice.
    if (continuous_)
        AnswerAndHide([](TOdpowiedziUzytkownika& answers) { answers.Continue(); });
    else
        AnswerAndHide([](TOdpowiedziUzytkownika& answers) { answers.Close(); });
}

} // namespace velmar
