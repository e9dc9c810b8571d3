#include "ui/tools/untPisownia2.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include "core/app/untUstawienia.h"
#include "core/app/untUtils.h"
#include "ui/app/untNapisy.h"
#include "ui/tools/untPisowniaOpcje.h"
#include "ui/translator/untPanel.h"

namespace velmar {

namespace {

enum : int {
    kTytul = 1011,
    kIgnoruj = 1012,
    kIgnorujWszystkie = 1013,
    kZmien = 1014,
    kZmienWszystkie = 1015,
    kOpcje = 1016,
    kBrakWSlowniku = 1017,
    kZmienNa = 1018,
    kPropozycje = 1019,
    kBrakPropozycji = 137,
    kDodaj = 26,
    kZamknij = 25,
};

} // namespace

// The source pane as the checker reads it: only the stretch asked for is converted.
class TfrmPisownia2::TTekstPanelu : public TTekstPisowni {
public:
    explicit TTekstPanelu(TPanel& pane) : pane_(pane) {}

    int TextLength() const override { return pane_.TextLength(); }
    std::string Read(int start, int length) const override
    {
        QTextCursor cursor(pane_.Edit()->document());
        cursor.setPosition(std::clamp(start, 0, TextLength()));
        cursor.setPosition(std::clamp(start + length, 0, TextLength()), QTextCursor::KeepAnchor);
        QString text = cursor.selectedText();
        text.replace(QChar::ParagraphSeparator, QChar(kZnakAkapitu));
        return FromWide(text.toStdU16String());
    }
    int FindBreak(int from) const override
    {
        const QTextBlock block = pane_.Edit()->document()->findBlock(from);
        if (!block.isValid() || !block.next().isValid())
            return -1;
        return block.position() + block.length() - 1;
    }
    void Select(int start, int length) override
    {
        pane_.SetSelection(start, length);
        pane_.Edit()->ensureCursorVisible();
    }
    void Replace(int start, int length, std::string_view text) override
    {
        pane_.SetSelection(start, length);
        pane_.ReplaceSelection(text, pane_.SelAttributes());
    }

private:
    TPanel& pane_;
};

TfrmPisownia2::TfrmPisownia2(TPanel& pane, TSlownikiPisowni dictionaries, TOpcjeUstawien& settings, TDodajSlowo addWord,
                             QWidget* parent)
    : QDialog(parent), text_(std::make_unique<TTekstPanelu>(pane)), settings_(settings), language_(pane.Jezyk()),
      checker_(*text_, dictionaries, pane.Jezyk(), settings, pane.SelStart()), addWord_(std::move(addWord))
{
    setObjectName("frmPisownia2");
    CreateControls();
    setWindowTitle(Napis(kTytul));
}

TfrmPisownia2::~TfrmPisownia2() = default;

void TfrmPisownia2::CreateControls()
{
    auto* grid = new QGridLayout(this);
    lblBrak_ = new QLabel(Napis(kBrakWSlowniku), this);
    lblSlowo_ = new QLabel(this);
    lblSlowo_->setObjectName("lblSlowo");
    QFont bold = lblSlowo_->font();
    bold.setBold(true);
    lblSlowo_->setFont(bold);
    lblZmien_ = new QLabel(Napis(kZmienNa), this);
    edtZmien_ = new QLineEdit(this);
    edtZmien_->setObjectName("edtZmien");
    lblZmien_->setBuddy(edtZmien_);
    lblPropozycje_ = new QLabel(Napis(kPropozycje), this);
    lstPropozycje_ = new QListWidget(this);
    lstPropozycje_->setObjectName("lstPropozycje");
    lblPropozycje_->setBuddy(lstPropozycje_);

    btnIgnoruj_ = MakeDecisionButton(kIgnoruj, "btnIgnoruj", dpIgnoruj);
    btnIgnorujWszystkie_ = MakeDecisionButton(kIgnorujWszystkie, "btnIgnorujWszystkie", dpIgnorujWszystkie);
    btnZmien_ = MakeDecisionButton(kZmien, "btnZmien", dpZmien);
    btnZmienWszystkie_ = MakeDecisionButton(kZmienWszystkie, "btnZmienWszystkie", dpZmienWszystkie);
    btnZamknij_ = MakeDecisionButton(kZamknij, "btnZamknij", dpZakoncz);
    btnDodaj_ = new QPushButton(Napis(kDodaj), this);
    btnDodaj_->setObjectName("btnDodaj");
    connect(btnDodaj_, &QPushButton::clicked, this, [this] { AddWord(); });
    btnOpcje_ = new QPushButton(Napis(kOpcje), this);
    btnOpcje_->setObjectName("btnOpcje");
    connect(btnOpcje_, &QPushButton::clicked, this, [this] { TfrmPisowniaOpcje(settings_, this).exec(); });

    grid->addWidget(lblBrak_, 0, 0);
    grid->addWidget(lblSlowo_, 0, 1);
    grid->addWidget(lblZmien_, 1, 0);
    grid->addWidget(edtZmien_, 1, 1);
    grid->addWidget(lblPropozycje_, 2, 0);
    grid->addWidget(lstPropozycje_, 3, 0, 5, 2);
    int row = 0;
    for (QPushButton* button :
         {btnIgnoruj_, btnIgnorujWszystkie_, btnZmien_, btnZmienWszystkie_, btnDodaj_, btnOpcje_, btnZamknij_})
        grid->addWidget(button, row++, 2);

    connect(edtZmien_, &QLineEdit::textChanged, this, [this] { UpdateChangeButtons(); });
    connect(lstPropozycje_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        // "(brak propozycji korekty)" is no word to take.
        if (!item->text().startsWith('('))
            edtZmien_->setText(item->text());
    });
    connect(lstPropozycje_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item->text().startsWith('('))
            return;
        edtZmien_->setText(item->text());
        Decide(dpZmien);
    });
    UpdateChangeButtons();
}

QPushButton* TfrmPisownia2::MakeDecisionButton(int textId, const char* name, TDecyzjaPisowni decision)
{
    auto* button = new QPushButton(Napis(textId), this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, decision] { Decide(decision); });
    return button;
}

int TfrmPisownia2::Run()
{
    return exec();
}

void TfrmPisownia2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        QTimer::singleShot(0, this, [this] { NextWord(); });
    }
}

void TfrmPisownia2::reject()
{
    if (proposing_) {
        Decide(dpZakoncz);
        return;
    }
    checker_.Decide(dpZakoncz, "");
    QDialog::reject();
}

void TfrmPisownia2::NextWord()
{
    if (!checker_.NextWord()) {
        accept();
        return;
    }
    const QString word = QString::fromStdU16String(ToWide(checker_.Word(), language_));
    lblSlowo_->setText(word);
    edtZmien_->setText(word);
    edtZmien_->setFocus();
    lstPropozycje_->clear();
    ShowProposals();
}

// The proposals come in one by one while the dialog stays responsive; a button pressed
// meanwhile ends the search and then takes effect.
void TfrmPisownia2::ShowProposals()
{
    if (!checker_.ProposalsWanted())
        return;
    proposing_ = true;
    decided_ = false;
    const auto proposals = checker_.Proposals([this](const std::string& proposal) {
        lstPropozycje_->addItem(QString::fromStdU16String(ToWide(proposal, language_)));
        QApplication::processEvents();
        return !decided_;
    });
    proposing_ = false;
    if (decided_) {
        Decide(decision_);
        return;
    }
    if (proposals.empty())
        lstPropozycje_->addItem(Napis(kBrakPropozycji));
}

void TfrmPisownia2::Decide(TDecyzjaPisowni decision)
{
    if (proposing_) {
        decided_ = true;
        decision_ = decision;
        return;
    }
    checker_.Decide(decision, FromWide(edtZmien_->text().toStdU16String()));
    if (decision == dpZakoncz) {
        QDialog::accept();
        return;
    }
    QTimer::singleShot(0, this, [this] { NextWord(); });
}

void TfrmPisownia2::AddWord()
{
    if (addWord_ && addWord_(checker_.Word()))
        Decide(dpIgnoruj);
}

void TfrmPisownia2::UpdateChangeButtons()
{
    const bool hasText = !edtZmien_->text().isEmpty();
    btnZmien_->setEnabled(hasText);
    btnZmienWszystkie_->setEnabled(hasText);
}

} // namespace velmar
