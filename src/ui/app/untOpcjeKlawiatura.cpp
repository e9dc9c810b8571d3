#include "ui/app/untOpcjeKlawiatura.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/app/untPytanie.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

enum : int {
    kBlokujUklad = 789,
    kWlaczSkroty = 790,
    kJezyk = 791,
    kLitera = 792,
    kKombinacja = 793,
    kWskazowka = 794,
    kLiteryPodobne = 795,
    kCzcionkaW2K = 763,
    kNieprzypisany = 800,
    kIstnieje = 117,
    kPolski = 1947,
    kFrancuski = 1948,
};

// Keys that move in the grid rather than make a shortcut.
bool MovesInGrid(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return true;
    default: return false;
    }
}

bool IsModifierOnly(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

QCheckBox* AddCheckBox(QWidget* parent, QVBoxLayout* layout, const char* name, int id)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    PrzypiszNapis(box, id);
    layout->addWidget(box);
    return box;
}

} // namespace

TfraOpcjeKlawiatura::TfraOpcjeKlawiatura(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fraKlawiatura"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(this);
    PrzypiszNapis(label, kJezyk);
    cmbSkrotyJezyk_ = new QComboBox(this);
    cmbSkrotyJezyk_->setObjectName(QStringLiteral("cmbSkrotyJezyk"));
    label->setBuddy(cmbSkrotyJezyk_);
    row->addWidget(label);
    row->addWidget(cmbSkrotyJezyk_, 1);
    layout->addLayout(row);
    chbKlawiaturaWlaczSkroty_ = AddCheckBox(this, layout, "chbKlawiaturaWlaczSkroty", kWlaczSkroty);

    sgrSkroty_ = new QTableWidget(0, 2, this);
    sgrSkroty_->setObjectName(QStringLiteral("sgrSkroty"));
    sgrSkroty_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgrSkroty_->setSelectionMode(QAbstractItemView::SingleSelection);
    sgrSkroty_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgrSkroty_->verticalHeader()->hide();
    sgrSkroty_->setColumnWidth(0, 100);
    sgrSkroty_->horizontalHeader()->setStretchLastSection(true);
    sgrSkroty_->installEventFilter(this);
    layout->addWidget(sgrSkroty_, 1);
    auto* hint = new QLabel(this);
    hint->setWordWrap(true);
    PrzypiszNapis(hint, kWskazowka);
    layout->addWidget(hint);

    chbKlawiaturaBlokujUklad_ = AddCheckBox(this, layout, "chbKlawiaturaBlokujUklad", kBlokujUklad);
    chbCzcionkaW2K_ = AddCheckBox(this, layout, "chbCzcionkaW2K", kCzcionkaW2K);
    chbLiteryPodobne_ = AddCheckBox(this, layout, "chbLiteryPodobne", kLiteryPodobne);

    connect(cmbSkrotyJezyk_, &QComboBox::currentIndexChanged, this, &TfraOpcjeKlawiatura::PokazJezyk);
    connect(chbKlawiaturaWlaczSkroty_, &QCheckBox::toggled, this, [this](bool on) {
        wlaczone_[ShownLanguage()] = on;
        sgrSkroty_->setEnabled(on && !skroty_[ShownLanguage()].empty());
    });
    OdswiezNapisy(this);
}

std::uint8_t TfraOpcjeKlawiatura::ShownLanguage() const
{
    return jezyki_[static_cast<std::size_t>(std::max(0, cmbSkrotyJezyk_->currentIndex()))];
}

void TfraOpcjeKlawiatura::Wczytaj(const TTransUstawienia& settings)
{
    skroty_ = settings.SkrotyKlawiszowe;
    wlaczone_ = settings.SkrotyWlaczone;
    literyPodobne_ = settings.LiteryPodobne;
    jezyki_ = {Program().SourceLanguage, Program().TargetLanguage};
    chbKlawiaturaBlokujUklad_->setChecked(settings.BlokujUkladKlawiatury);
    chbCzcionkaW2K_->setChecked(settings.CzcionkaW2K);
    chbCzcionkaW2K_->setVisible(KeyboardRecord(Program().ForeignLanguage).WymagaW2K);
    chbLiteryPodobne_->setChecked(settings.LiteryPodobne);
    sgrSkroty_->setHorizontalHeaderLabels({Napis(kLitera), Napis(kKombinacja)});
    {
        const QSignalBlocker blocker(cmbSkrotyJezyk_);
        cmbSkrotyJezyk_->clear();
        for (std::uint8_t language : jezyki_)
            cmbSkrotyJezyk_->addItem(Napis(language == jezPolski ? kPolski : kFrancuski));
        cmbSkrotyJezyk_->setCurrentIndex(0);
    }
    PokazJezyk(0);
}

void TfraOpcjeKlawiatura::PokazJezyk(int item)
{
    if (item < 0 || item > 1)
        return;
    const std::uint8_t language = jezyki_[static_cast<std::size_t>(item)];
    const auto& shortcuts = skroty_[language];
    {
        const QSignalBlocker blocker(chbKlawiaturaWlaczSkroty_);
        chbKlawiaturaWlaczSkroty_->setChecked(wlaczone_[language]);
    }
    sgrSkroty_->setRowCount(static_cast<int>(shortcuts.size()));
    for (int row = 0; row < sgrSkroty_->rowCount(); ++row)
        ShowRow(row);
    sgrSkroty_->setEnabled(wlaczone_[language] && !shortcuts.empty());
    if (!shortcuts.empty())
        sgrSkroty_->selectRow(0);
}

void TfraOpcjeKlawiatura::ShowRow(int row)
{
    const std::uint8_t language = ShownLanguage();
    const auto& record = KeyboardRecord(language);
    const std::string& shortcut = skroty_[language][static_cast<std::size_t>(row)];
    // The letters are capital, small, alternative capital, alternative small.
    const QString letters =
        row < static_cast<int>(record.Skroty.size()) ? QString::fromUtf8(record.Skroty[row].Znaki) : QString();
    sgrSkroty_->setItem(row, 0, new QTableWidgetItem("  " + letters.mid(literyPodobne_ ? 2 : 0, 1)));
    sgrSkroty_->setItem(
        row, 1, new QTableWidgetItem(shortcut.empty() ? Napis(kNieprzypisany) : QString::fromStdString(shortcut)));
}

bool TfraOpcjeKlawiatura::PrzypiszSkrot(int row, QKeyCombination key)
{
    auto& shortcuts = skroty_[ShownLanguage()];
    if (row < 0 || row >= static_cast<int>(shortcuts.size()))
        return false;
    const QKeyCombination withoutShift(key.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier), key.key());
    const std::string text = QKeySequence(withoutShift).toString(QKeySequence::PortableText).toStdString();
    for (int other = 0; other < static_cast<int>(shortcuts.size()); ++other)
        if (other != row && shortcuts[static_cast<std::size_t>(other)] == text) {
            Pytanie().Zapytaj(InterfaceTextWide(static_cast<std::uint8_t>(Ustawienia().JezykInterfejsu), kIstnieje),
                              TPrzyciski::OK);
            return false;
        }
    shortcuts[static_cast<std::size_t>(row)] = text;
    ShowRow(row);
    return true;
}

void TfraOpcjeKlawiatura::UsunSkrot(int row)
{
    auto& shortcuts = skroty_[ShownLanguage()];
    if (row < 0 || row >= static_cast<int>(shortcuts.size()))
        return;
    shortcuts[static_cast<std::size_t>(row)].clear();
    ShowRow(row);
}

bool TfraOpcjeKlawiatura::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != sgrSkroty_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (MovesInGrid(key->key()) || IsModifierOnly(key->key()))
        return QWidget::eventFilter(watched, event);
    if (key->key() == Qt::Key_Delete)
        UsunSkrot(sgrSkroty_->currentRow());
    else
        PrzypiszSkrot(sgrSkroty_->currentRow(), key->keyCombination());
    return true;
}

void TfraOpcjeKlawiatura::Zatwierdz(TTransUstawienia& settings) const
{
    settings.SkrotyKlawiszowe = skroty_;
    settings.SkrotyWlaczone = wlaczone_;
    settings.BlokujUkladKlawiatury = chbKlawiaturaBlokujUklad_->isChecked();
    settings.CzcionkaW2K = chbCzcionkaW2K_->isChecked();
    settings.LiteryPodobne = chbLiteryPodobne_->isChecked();
}

} // namespace velmar
