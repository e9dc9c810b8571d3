#include "ui/app/untOpcjeSlownika.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/app/untPytanie.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "ui/app/untNapisy.h"
#include "ui/app/untOpcjeKlawiatura.h"
#include "ui/app/untOpcjeTrans.h"

namespace velmar {

namespace {

enum : int { kTytul = 1501, kZajetyGoracyKlawisz = 133 };

// The text colours of samples 1–5, in the order of the tags.
constexpr int TOpcjeUstawien::*kKolory[5] = {&TOpcjeUstawien::KolorHaslo, &TOpcjeUstawien::KolorGramCzescMowy,
                                             &TOpcjeUstawien::KolorGramRodzaj, &TOpcjeUstawien::KolorGramInne,
                                             &TOpcjeUstawien::KolorOdpowiednik};

QString ColourName(std::uint32_t colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF))
        .name();
}

std::uint32_t StoredColour(const QColor& colour)
{
    return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

QButtonGroup* RadioGroup(QWidget* page, QVBoxLayout* layout, int title, std::initializer_list<int> captions)
{
    auto* box = new QGroupBox(page);
    PrzypiszNapis(box, title);
    auto* inside = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    int id = 0;
    for (int caption : captions) {
        auto* radio = new QRadioButton(box);
        PrzypiszNapis(radio, caption);
        inside->addWidget(radio);
        group->addButton(radio, id++);
    }
    layout->addWidget(box);
    return group;
}

QCheckBox* CheckBox(QWidget* parent, QLayout* layout, const char* name, int caption)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    PrzypiszNapis(box, caption);
    layout->addWidget(box);
    return box;
}

} // namespace

TfrmOpcjeSlZew::TfrmOpcjeSlZew(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOpcjeSlZew"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pgcKonfiguracja"));
    fraKlawiatura_ = new TfraOpcjeKlawiatura(pages);
    for (auto [page, caption] :
         {std::pair{UtworzOpcje(), 1551}, std::pair{UtworzKolory(), 1601},
          std::pair<QWidget*, int>{fraKlawiatura_, 1651}, std::pair{UtworzGoracyKlawisz(), 1505}}) {
        pages->addTab(page, QString());
        PrzypiszNapis(page, caption);
    }
    layout->addWidget(pages);

    auto* buttons = new QDialogButtonBox(this);
    auto* confirm = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    confirm->setObjectName(QStringLiteral("btnZatwierdz"));
    PrzypiszNapis(confirm, tekst::Zatwierdz);
    auto* cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnAnuluj"));
    PrzypiszNapis(cancel, tekst::Anuluj);
    connect(confirm, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    setWindowTitle(Napis(kTytul));
    OdswiezNapisy(this);
}

QWidget* TfrmOpcjeSlZew::UtworzOpcje()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabOpcje"));
    auto* layout = new QVBoxLayout(page);
    grpJezyk_ = RadioGroup(page, layout, 1561, {1562, 1564});
    grpSlownik_ = RadioGroup(page, layout, 1571, {1572, 1573});
    auto* print = new QGroupBox(page);
    PrzypiszNapis(print, 1581);
    auto* printLayout = new QVBoxLayout(print);
    chbDrukujHaslo_ = CheckBox(print, printLayout, "chbDrukujHaslo", 1582);
    chbDrukujNotatki_ = CheckBox(print, printLayout, "chbDrukujNotatki", 1583);
    layout->addWidget(print);
    layout->addStretch();
    return page;
}

QWidget* TfrmOpcjeSlZew::UtworzKolory()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabKolory"));
    auto* layout = new QVBoxLayout(page);
    auto* box = new QGroupBox(page);
    PrzypiszNapis(box, 1602);
    auto* grid = new QGridLayout(box);
    for (int tag = 1; tag <= 6; ++tag) {
        auto* sample = new QLabel(box);
        sample->setObjectName(QStringLiteral("lblKolor%1").arg(tag));
        sample->setAutoFillBackground(true);
        PrzypiszNapis(sample, 1602 + tag);
        lblKolory_[static_cast<std::size_t>(tag - 1)] = sample;
        auto* choose = new QPushButton(QStringLiteral("..."), box);
        choose->setObjectName(QStringLiteral("btnKolor%1").arg(tag));
        connect(choose, &QPushButton::clicked, this, [this, tag] {
            const std::uint32_t current = tag == 6 ? tlo_ : kolory_[static_cast<std::size_t>(tag - 1)];
            const QColor chosen = QColorDialog::getColor(QColor(ColourName(current)), this);
            if (chosen.isValid())
                UstawKolor(tag, StoredColour(chosen));
        });
        grid->addWidget(sample, tag - 1, 0);
        grid->addWidget(choose, tag - 1, 1);
    }
    grid->setColumnStretch(0, 1);
    layout->addWidget(box);
    layout->addStretch();
    return page;
}

QWidget* TfrmOpcjeSlZew::UtworzGoracyKlawisz()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabHotKey"));
    auto* layout = new QVBoxLayout(page);
    auto* box = new QGroupBox(page);
    PrzypiszNapis(box, 901);
    auto* inside = new QVBoxLayout(box);
    auto* label = new QLabel(box);
    PrzypiszNapis(label, 902);
    edtHotKey_ = new QLineEdit(box);
    edtHotKey_->setObjectName(QStringLiteral("edtHotKey"));
    edtHotKey_->setReadOnly(true);
    edtHotKey_->installEventFilter(this);
    label->setBuddy(edtHotKey_);
    inside->addWidget(label);
    inside->addWidget(edtHotKey_);
    chbHotKeyWlacz_ = CheckBox(box, inside, "chbHotKeyWlacz", 903);
    chbHotKeyAktywujOkno_ = CheckBox(box, inside, "chbHotKeyAktywujOkno", 904);
    layout->addWidget(box);
    layout->addStretch();
    return page;
}

void TfrmOpcjeSlZew::PokazKolory()
{
    // Samples 1–5 in their element's colour, all six on the background colour.
    for (std::size_t i = 0; i < lblKolory_.size(); ++i) {
        const QString text = i < kolory_.size() ? QStringLiteral("color: %1; ").arg(ColourName(kolory_[i])) : QString();
        lblKolory_[i]->setStyleSheet(text + QStringLiteral("background-color: %1").arg(ColourName(tlo_)));
    }
}

void TfrmOpcjeSlZew::UstawKolor(int tag, std::uint32_t colour)
{
    if (tag == 6)
        tlo_ = colour;
    else if (tag >= 1 && tag <= 5)
        kolory_[static_cast<std::size_t>(tag - 1)] = colour;
    PokazKolory();
}

bool TfrmOpcjeSlZew::UstawGoracyKlawisz(QKeyCombination key)
{
    int virtualKey = 0;
    int modifiers = 0;
    if (!StoredHotKey(key.toCombined(), virtualKey, modifiers))
        return false;
    if (!Ustawienia().CanUseHotKey(modifiers, virtualKey)) {
        Pytanie().Zapytaj(
            InterfaceTextWide(static_cast<std::uint8_t>(Ustawienia().JezykInterfejsu), kZajetyGoracyKlawisz),
            TPrzyciski::OK);
        return false;
    }
    hotKey_ = virtualKey;
    hotKeyModifier_ = modifiers;
    edtHotKey_->setText(QKeySequence(key).toString(QKeySequence::NativeText));
    return true;
}

bool TfrmOpcjeSlZew::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edtHotKey_ || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    UstawGoracyKlawisz(static_cast<QKeyEvent*>(event)->keyCombination());
    return true; // every key is consumed
}

void TfrmOpcjeSlZew::Wczytaj(const TTransUstawienia& settings)
{
    fraKlawiatura_->Wczytaj(settings);
    for (std::size_t i = 0; i < kolory_.size(); ++i)
        kolory_[i] = static_cast<std::uint32_t>(settings.*kKolory[i]);
    tlo_ = static_cast<std::uint32_t>(settings.KolorTlo);
    PokazKolory();
    chbDrukujHaslo_->setChecked(settings.DrukujHaslo);
    chbDrukujNotatki_->setChecked(settings.DrukujNotatki);
    grpJezyk_->button(settings.JezykInterfejsu == jezPolski ? 0 : 1)->setChecked(true);
    grpSlownik_->button(settings.SlownikTranslatora ? 1 : 0)->setChecked(true);
    hotKey_ = settings.HotKey;
    hotKeyModifier_ = settings.HotKeyModifier;
    edtHotKey_->setText(QKeySequence(QtKeyCombination(hotKey_, hotKeyModifier_)).toString(QKeySequence::NativeText));
    chbHotKeyWlacz_->setChecked(settings.HotKeyWlaczony);
    chbHotKeyAktywujOkno_->setChecked(settings.HotKeyAktywujOkno);
}

void TfrmOpcjeSlZew::Zatwierdz(TTransUstawienia& settings) const
{
    fraKlawiatura_->Zatwierdz(settings);
    for (std::size_t i = 0; i < kolory_.size(); ++i)
        settings.*kKolory[i] = static_cast<int>(kolory_[i]);
    settings.KolorTlo = static_cast<int>(tlo_);
    settings.DrukujHaslo = chbDrukujHaslo_->isChecked();
    settings.DrukujNotatki = chbDrukujNotatki_->isChecked();
    settings.SlownikTranslatora = grpSlownik_->checkedId() == 1;
    settings.JezykInterfejsuZmieniony = (grpJezyk_->checkedId() == 0) != (settings.JezykInterfejsu == jezPolski);
    if ((hotKey_ != settings.HotKey || hotKeyModifier_ != settings.HotKeyModifier) && settings.HotKeyWlaczony)
        settings.SetHotKeyEnabled(false);
    settings.HotKey = hotKey_;
    settings.HotKeyModifier = hotKeyModifier_;
    settings.SetHotKeyEnabled(chbHotKeyWlacz_->isChecked());
    settings.HotKeyAktywujOkno = chbHotKeyAktywujOkno_->isChecked();
}

bool TfrmOpcjeSlZew::Wykonaj(QWidget* parent)
{
    TfrmOpcjeSlZew window(parent);
    auto& settings = Ustawienia();
    window.Wczytaj(settings);
    if (window.exec() != QDialog::Accepted)
        return false;
    window.Zatwierdz(settings);
    const std::uint8_t other =
        settings.JezykInterfejsu == jezPolski ? Program().ForeignLanguage : static_cast<std::uint8_t>(jezPolski);
    settings.ApplyOptionsChanges(other);
    return true;
}

} // namespace velmar
