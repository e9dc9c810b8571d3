#include "ui/tools/untZnajdz.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untCzcionka.h"
#include "ui/app/untNapisy.h"
#include "ui/app/untSkrotyZnakow.h"

namespace velmar {

namespace {

enum : int {
    kZnajdz = 2001,
    kZnajdzEtykieta = 2003,
    kTylkoCaleWyrazy = 2005,
    kUwzgledniajWielkosc = 2006,
    kZnajdzNastepny = 2007,
    kAnuluj = 23,
};

} // namespace

TfrmZnajdz::TfrmZnajdz(QWidget* parent) : TfrmZnajdz(parent, kZnajdz, "frmZnajdz") {}

TfrmZnajdz::TfrmZnajdz(QWidget* parent, int captionId, const char* objectName)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(objectName);
    setProperty("idNapisu", captionId);
    CreateControls();
    paneLanguage_ = Program().SourceLanguage;
    captionsListener_ = Ustawienia().PoOdswiezeniuNapisow.Add([this] { RefreshCaptions(); });
    RefreshCaptions();
}

TfrmZnajdz::~TfrmZnajdz()
{
    Ustawienia().PoOdswiezeniuNapisow.Remove(captionsListener_);
}

void TfrmZnajdz::CreateControls()
{
    grid_ = new QGridLayout(this);
    lblZnajdz_ = new QLabel(this);
    lblZnajdz_->setObjectName("lblZnajdz");
    PrzypiszNapis(lblZnajdz_, kZnajdzEtykieta);
    edtZnajdz_ = new QLineEdit(this);
    edtZnajdz_->setObjectName("edtZnajdz");
    lblZnajdz_->setBuddy(edtZnajdz_);
    new TSkrotyZnakow(edtZnajdz_, [this] { return paneLanguage_; });
    chbTylkoCaleWyrazy_ = new QCheckBox(this);
    chbTylkoCaleWyrazy_->setObjectName("chbTylkoCaleWyrazy");
    PrzypiszNapis(chbTylkoCaleWyrazy_, kTylkoCaleWyrazy);
    chbUwzgledniajWielkoscLiter_ = new QCheckBox(this);
    chbUwzgledniajWielkoscLiter_->setObjectName("chbUwzgledniajWielkoscLiter");
    PrzypiszNapis(chbUwzgledniajWielkoscLiter_, kUwzgledniajWielkosc);
    btnZnajdzNastepny_ = new QPushButton(this);
    btnZnajdzNastepny_->setObjectName("btnZnajdzNastepny");
    btnZnajdzNastepny_->setDefault(true);
    PrzypiszNapis(btnZnajdzNastepny_, kZnajdzNastepny);
    btnAnuluj_ = new QPushButton(this);
    btnAnuluj_->setObjectName("btnAnuluj");
    PrzypiszNapis(btnAnuluj_, kAnuluj);

    grid_->addWidget(lblZnajdz_, 0, 0);
    grid_->addWidget(edtZnajdz_, 0, 1);
    grid_->addWidget(btnZnajdzNastepny_, 0, 2);
    grid_->addWidget(btnAnuluj_, 1, 2);
    grid_->addWidget(chbTylkoCaleWyrazy_, 2, 1);
    grid_->addWidget(chbUwzgledniajWielkoscLiter_, 3, 1);

    connect(edtZnajdz_, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
    connect(edtZnajdz_, &QLineEdit::returnPressed, this, [this] {
        if (btnZnajdzNastepny_->isEnabled())
            FindNextClicked();
    });
    connect(btnZnajdzNastepny_, &QPushButton::clicked, this, [this] { FindNextClicked(); });
    connect(btnAnuluj_, &QPushButton::clicked, this, [this] {
        if (busy_)
            Report(asStop);
        else
            close();
    });
    UpdateButtons();
}

void TfrmZnajdz::SetPaneLanguage(int paneTag)
{
    paneLanguage_ = paneTag == 1 ? Program().TargetLanguage : Program().SourceLanguage;
    const QFont font = ToQFont(Ustawienia().CzcionkaInterfejsu);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->setFont(font);
}

void TfrmZnajdz::SetBusy(bool busy)
{
    busy_ = busy;
    UpdateButtons();
}

QString TfrmZnajdz::SearchText() const
{
    return edtZnajdz_->text();
}
void TfrmZnajdz::SetSearchText(const QString& text)
{
    edtZnajdz_->setText(text);
}
bool TfrmZnajdz::WholeWords() const
{
    return chbTylkoCaleWyrazy_->isChecked();
}
bool TfrmZnajdz::MatchCase() const
{
    return chbUwzgledniajWielkoscLiter_->isChecked();
}

void TfrmZnajdz::RefreshCaptions()
{
    setFont(ToQFont(Ustawienia().CzcionkaInterfejsu));
    OdswiezNapisy(this);
    setWindowTitle(Napis(property("idNapisu").toInt()));
}

void TfrmZnajdz::Report(TAkcjaSzukania action)
{
    if (onSearchAction_)
        onSearchAction_(*this, action);
}

void TfrmZnajdz::FindNextClicked()
{
    SetBusy(true);
    Report(asZnajdzNastepny);
}

void TfrmZnajdz::UpdateButtons()
{
    btnZnajdzNastepny_->setEnabled(!busy_ && !edtZnajdz_->text().isEmpty());
}

void TfrmZnajdz::closeEvent(QCloseEvent* event)
{
    SetBusy(false);
    QWidget::closeEvent(event);
}

} // namespace velmar
