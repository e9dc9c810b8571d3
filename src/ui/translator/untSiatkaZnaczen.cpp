#include "ui/translator/untSiatkaZnaczen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/engine/untOdpowiedziUzytkownika.h"
#include "platform/untQtTekst.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

enum : int { kKontynuuj = 29, kZakoncz = 30 };
constexpr int kRowHeight = 20;
constexpr int kMinColumnWidth = 80;

QTableWidgetItem* Cell(const QString& text, bool fixed)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    return item;
}

} // namespace

TSiatkaZnaczen::TSiatkaZnaczen(QWidget* parent) : QWidget(parent)
{
    setObjectName("pnlMiddle");
    sgrZnaczenia_ = new QTableWidget(this);
    sgrZnaczenia_->setObjectName("sgrZnaczenia");
    sgrZnaczenia_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                                   QAbstractItemView::SelectedClicked);
    // The header is the handle a column is dragged by.
    sgrZnaczenia_->horizontalHeader()->setSectionsMovable(true);
    sgrZnaczenia_->horizontalHeader()->setMinimumSectionSize(kMinColumnWidth);
    sgrZnaczenia_->verticalHeader()->hide();
    sgrZnaczenia_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    btnZnaczeniaKontynuuj_ = new QPushButton(this);
    btnZnaczeniaKontynuuj_->setObjectName("btnZnaczeniaKontynuuj");
    PrzypiszNapis(btnZnaczeniaKontynuuj_, kKontynuuj);
    btnZnaczeniaKoniec_ = new QPushButton(this);
    btnZnaczeniaKoniec_->setObjectName("btnZnaczeniaKoniec");
    PrzypiszNapis(btnZnaczeniaKoniec_, kZakoncz);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sgrZnaczenia_, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnZnaczeniaKontynuuj_);
    buttons->addWidget(btnZnaczeniaKoniec_);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(btnZnaczeniaKontynuuj_, &QPushButton::clicked, this, [this] { Answer(false); });
    connect(btnZnaczeniaKoniec_, &QPushButton::clicked, this, [this] { Answer(true); });
    connect(sgrZnaczenia_, &QTableWidget::cellDoubleClicked, this, &TSiatkaZnaczen::CellDoubleClicked);
    connect(sgrZnaczenia_, &QTableWidget::itemChanged, this, &TSiatkaZnaczen::CellEdited);
    connect(sgrZnaczenia_->horizontalHeader(), &QHeaderView::sectionMoved, this, [this](int, int from, int to) {
        Change({TZmianaSiatki::Przeniesienie, from, to, {}});
    });
    Detach();
}

void TSiatkaZnaczen::Fill(const QList<TKolumnaSiatki>& columns, TOdpowiedziUzytkownika& answers)
{
    filling_ = true;
    int rows = 2;
    for (const TKolumnaSiatki& column : columns)
        rows = std::max(rows, static_cast<int>(column.Translations.size()) + 1);
    ++rows; // for a new translation
    sgrZnaczenia_->clear();
    sgrZnaczenia_->setRowCount(rows);
    sgrZnaczenia_->setColumnCount(static_cast<int>(columns.size()));
    QHeaderView& header = *sgrZnaczenia_->horizontalHeader();
    for (int c = 0; c < columns.size(); ++c) {
        header.moveSection(header.visualIndex(c), c); // a dragged column is in its word's new place now
        // Rows 0 and 1, the word and its current translation, are not for choosing.
        sgrZnaczenia_->setItem(0, c, Cell(columns[c].Source, true));
        for (int r = 1; r < rows; ++r)
            sgrZnaczenia_->setItem(
                r, c,
                Cell(r - 1 < columns[c].Translations.size() ? columns[c].Translations[r - 1] : QString(), r == 1));
    }
    filling_ = false;
    sgrZnaczenia_->resizeColumnsToContents();
    for (int c = 0; c < sgrZnaczenia_->columnCount(); ++c)
        sgrZnaczenia_->setColumnWidth(c, std::max(kMinColumnWidth, sgrZnaczenia_->columnWidth(c) + 5));
    answers_ = &answers;
    btnZnaczeniaKontynuuj_->setEnabled(true);
    btnZnaczeniaKoniec_->setEnabled(true);
    show();
    sgrZnaczenia_->setFocus();
}

void TSiatkaZnaczen::Detach()
{
    answers_ = nullptr;
    btnZnaczeniaKontynuuj_->setEnabled(false);
    btnZnaczeniaKoniec_->setEnabled(false);
    hide();
}

void TSiatkaZnaczen::Change(TZmianaSiatki change)
{
    if (answers_ != nullptr && !filling_)
        answers_->ChangeGrid(std::move(change));
}

void TSiatkaZnaczen::CellDoubleClicked(int row, int column)
{
    const QTableWidgetItem* cell = sgrZnaczenia_->item(row, column);
    if (row >= 1 && cell != nullptr && !cell->text().isEmpty())
        Change({TZmianaSiatki::Wybor, column, row - 1, {}});
}

void TSiatkaZnaczen::CellEdited(QTableWidgetItem* cell)
{
    const QString text = cell->text().trimmed();
    if (filling_ || text.isEmpty())
        return;
    // A translation the column already offers is chosen rather than added again.
    for (int row = 1; row < sgrZnaczenia_->rowCount(); ++row)
        if (const QTableWidgetItem* other = sgrZnaczenia_->item(row, cell->column());
            other != nullptr && other != cell && other->text() == text) {
            Change({TZmianaSiatki::Wybor, cell->column(), row - 1, {}});
            return;
        }
    Change({TZmianaSiatki::NoweTlumaczenie, cell->column(), 0, FromQString(text)});
}

void TSiatkaZnaczen::Answer(bool stop)
{
    if (answers_ == nullptr)
        return;
    TOdpowiedziUzytkownika& answers = *answers_;
    answers_ = nullptr;
    btnZnaczeniaKontynuuj_->setEnabled(false);
    btnZnaczeniaKoniec_->setEnabled(false);
    if (stop)
        answers.Close();
    else
        answers.Continue();
}

} // namespace velmar
