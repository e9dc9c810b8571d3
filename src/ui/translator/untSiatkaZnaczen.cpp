#include "ui/translator/untSiatkaZnaczen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/engine/untOdpowiedziUzytkownika.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

enum : int { kKontynuuj = 29, kZakoncz = 30 };
constexpr int kRowHeight = 20;
constexpr int kMinColumnWidth = 80;

QTableWidgetItem* Cell(const QString& text, bool fixed)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

TSiatkaZnaczen::TSiatkaZnaczen(QWidget* parent) : QWidget(parent)
{
    setObjectName("pnlMiddle");
    sgrZnaczenia_ = new QTableWidget(this);
    sgrZnaczenia_->setObjectName("sgrZnaczenia");
    sgrZnaczenia_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgrZnaczenia_->horizontalHeader()->hide();
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
    Detach();
}

void TSiatkaZnaczen::Fill(const QList<TKolumnaSiatki>& columns, TOdpowiedziUzytkownika& answers)
{
    int rows = 2;
    for (const TKolumnaSiatki& column : columns)
        rows = std::max(rows, static_cast<int>(column.Translations.size()) + 1);
    sgrZnaczenia_->clear();
    sgrZnaczenia_->setRowCount(rows);
    sgrZnaczenia_->setColumnCount(static_cast<int>(columns.size()));
    for (int c = 0; c < columns.size(); ++c) {
        // Rows 0 and 1, the word and its current translation, are not for choosing.
        sgrZnaczenia_->setItem(0, c, Cell(columns[c].Source, true));
        for (int t = 0; t < columns[c].Translations.size(); ++t)
            sgrZnaczenia_->setItem(t + 1, c, Cell(columns[c].Translations[t], t == 0));
    }
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
