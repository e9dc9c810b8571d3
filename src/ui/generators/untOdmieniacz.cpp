#include "ui/generators/untOdmieniacz.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlowniki.h"
#include "platform/untQtTekst.h"
#include "ui/app/untCzcionka.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

// Interface texts of this window.
enum : int {
    kTytul = 2022,
    kWpiszSlowo = 2032,
};

constexpr int kRowHeight = 24;
// The edit shows the typed word larger than the grid its forms: steps 7 and 5 of one scale.
constexpr int kGridStep = 5;
constexpr int kEditStep = 7;

// The header row and the tense titles stand out from the forms.
bool IsTitleRow(const TOdmianaWiersz& row, std::size_t index)
{
    return index == 0 || (row.Singular.empty() && row.Plural.empty());
}

} // namespace

TfrmOdmieniacz::TfrmOdmieniacz(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmOdmieniacz"));
    slownik_ = []() -> TTransSlownikGlowny& { return InflectionDictionary(Slowniki(), Program()); };
    CreateControls();
    resize(460, 560);
    RefreshCaptions();
    ApplyFonts();
    auto& settings = Ustawienia();
    sluchaczCzcionek_ = settings.PoZastosowaniu.Add([this] { ApplyFonts(); });
    sluchaczNapisow_ = settings.PoOdswiezeniuNapisow.Add([this] { RefreshCaptions(); });
}

TfrmOdmieniacz::~TfrmOdmieniacz()
{
    auto& settings = Ustawienia();
    settings.PoZastosowaniu.Remove(sluchaczCzcionek_);
    settings.PoOdswiezeniuNapisow.Remove(sluchaczNapisow_);
}

void TfrmOdmieniacz::CreateControls()
{
    lblSlowo_ = new QLabel;
    lblSlowo_->setObjectName(QStringLiteral("lblSlowo"));
    edtSlowo_ = new QLineEdit;
    edtSlowo_->setObjectName(QStringLiteral("edtSlowo"));
    lblSlowo_->setBuddy(edtSlowo_);
    auto* pnlTop = new QHBoxLayout;
    pnlTop->addWidget(lblSlowo_);
    pnlTop->addWidget(edtSlowo_, 1);

    sgrOdmiana_ = new QTableWidget(0, 3);
    sgrOdmiana_->setObjectName(QStringLiteral("sgrOdmiana"));
    sgrOdmiana_->horizontalHeader()->hide();
    sgrOdmiana_->verticalHeader()->hide();
    sgrOdmiana_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgrOdmiana_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    // The label column fits the longest tense name; singular and plural share the rest.
    sgrOdmiana_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    sgrOdmiana_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    sgrOdmiana_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    sgrOdmiana_->setShowGrid(false);
    sgrOdmiana_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgrOdmiana_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    btnZamknij_ = new QPushButton;
    btnZamknij_->setObjectName(QStringLiteral("btnZamknij"));
    btnZamknij_->setShortcut(QKeySequence(Qt::Key_Escape));
    auto* pnlBottom = new QHBoxLayout;
    pnlBottom->addStretch();
    pnlBottom->addWidget(btnZamknij_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pnlTop);
    layout->addWidget(sgrOdmiana_, 1);
    layout->addLayout(pnlBottom);

    PrzypiszNapis(lblSlowo_, kWpiszSlowo);
    PrzypiszNapis(btnZamknij_, tekst::Zamknij);
    connect(edtSlowo_, &QLineEdit::textChanged, this,
            [this](const QString& text) { RebuildInflectionTable(FromQString(text)); });
    connect(btnZamknij_, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmOdmieniacz::RefreshCaptions()
{
    OdswiezNapisy(this);
    setWindowTitle(Napis(kTytul));
}

void TfrmOdmieniacz::ApplyFonts()
{
    const QFont grid = ToQFont(Ustawienia().CzcionkaSlownika);
    QFont edit = grid;
    if (grid.pointSize() > 0)
        edit.setPointSize(grid.pointSize() * kEditStep / kGridStep);
    sgrOdmiana_->setFont(grid);
    edtSlowo_->setFont(edit);
    RebuildInflectionTable(FromQString(edtSlowo_->text())); // the titles are bold in the new font
}

void TfrmOdmieniacz::RebuildInflectionTable(const std::string& word)
{
    ShowTable(word.empty() ? TOdmianaTabArray() : BuildInflectionTable(slownik_(), word));
}

void TfrmOdmieniacz::ShowTable(const TOdmianaTabArray& table)
{
    sgrOdmiana_->clearContents();
    sgrOdmiana_->setRowCount(static_cast<int>(table.size()));
    QFont titleFont = sgrOdmiana_->font();
    titleFont.setBold(true);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const TOdmianaWiersz& row = table[i];
        const bool title = IsTitleRow(row, i);
        int column = 0;
        for (const std::string* cell : {&row.Label, &row.Singular, &row.Plural}) {
            auto* item = new QTableWidgetItem(ToQString(*cell, jezFrancuski));
            if (title)
                item->setFont(titleFont);
            sgrOdmiana_->setItem(static_cast<int>(i), column++, item);
        }
    }
}

void ShowInflectionWindow(QWidget* parent)
{
    auto* window = parent->findChild<TfrmOdmieniacz*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new TfrmOdmieniacz(parent);
        const QRect frame = window->frameGeometry();
        window->move(parent->frameGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->WordBox()->setFocus();
}

} // namespace velmar
