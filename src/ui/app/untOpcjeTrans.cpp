#include "ui/app/untOpcjeTrans.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/app/untPytanie.h"
#include "core/app/untStaleApp.h"
#include "ui/app/untDodajProfil.h"
#include "ui/app/untNapisy.h"
#include "ui/app/untOpcjeKlawiatura.h"

namespace velmar {

// A check box and the option it shows.
struct TfrmOpcjeTrans::TPoleWyboru {
    QCheckBox* Pole;
    bool TOpcjeUstawien::*Opcja;
};

// How words of one kind are marked in the text: style buttons and a colour.
struct TfrmOpcjeTrans::TZnacznik {
    TCzcionka TOpcjeUstawien::*Czcionka;
    std::array<QToolButton*, 4> Styl; // bold, italic, underline, strike-out
    QToolButton* Kolor;
};

namespace {

constexpr std::uint8_t kStyleBits[4] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};
constexpr const char* kStyleLetters[4] = {"B", "I", "U", "S"};
constexpr int kStyleHints[4] = {808, 809, 810, 811};
constexpr const char* kColourProperty = "velmarKolor";

QColor FromStoredColour(std::uint32_t colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

std::uint32_t ToStoredColour(const QColor& colour)
{
    return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

void ShowColour(QToolButton* button, std::uint32_t colour)
{
    button->setProperty(kColourProperty, colour);
    QPixmap swatch(16, 16);
    swatch.fill(FromStoredColour(colour));
    button->setIcon(QIcon(swatch));
}

void AddTab(QTabWidget* tabs, int idNapisu, const char* nazwa, QVBoxLayout*& layout)
{
    auto* page = new QWidget(tabs);
    page->setObjectName(nazwa);
    layout = new QVBoxLayout(page);
    tabs->addTab(page, QString());
    PrzypiszNapis(page, idNapisu);
}

QGroupBox* AddGroup(QVBoxLayout* layout, int idTytulu, QVBoxLayout*& inside)
{
    auto* group = new QGroupBox(layout->parentWidget());
    inside = new QVBoxLayout(group);
    PrzypiszNapis(group, idTytulu);
    layout->addWidget(group);
    return group;
}

// A captioned field on a row of its own; a short field leaves the rest of the row empty.
void AddLabelled(QVBoxLayout* layout, int idNapisu, QWidget* field, bool wide)
{
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(layout->parentWidget());
    PrzypiszNapis(label, idNapisu);
    label->setBuddy(field);
    row->addWidget(label);
    row->addWidget(field, wide ? 1 : 0);
    if (!wide)
        row->addStretch();
    layout->addLayout(row);
}

void Check(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id))
        button->setChecked(true);
}

// Key codes of the stored hot key: letters and digits by their character, F1–F12 from 0x70.
constexpr int kVirtualF1 = 0x70;
constexpr int kFunctionKeys = 12;
constexpr std::pair<int, Qt::KeyboardModifier> kModifierBits[] = {
    {1, Qt::AltModifier}, {2, Qt::ControlModifier}, {4, Qt::ShiftModifier}, {8, Qt::MetaModifier}};

} // namespace

int QtKeyCombination(int virtualKey, int modifiers)
{
    int key = 0;
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        key = virtualKey; // Qt::Key_A… and Qt::Key_0… are the characters
    else if (virtualKey >= kVirtualF1 && virtualKey < kVirtualF1 + kFunctionKeys)
        key = Qt::Key_F1 + (virtualKey - kVirtualF1);
    if (key == 0)
        return 0;
    for (const auto& [bit, modifier] : kModifierBits)
        if (modifiers & bit)
            key |= modifier;
    return key;
}

bool StoredHotKey(int combination, int& virtualKey, int& modifiers)
{
    const int key = combination & ~static_cast<int>(Qt::KeyboardModifierMask);
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        virtualKey = key;
    else if (key >= Qt::Key_F1 && key < Qt::Key_F1 + kFunctionKeys)
        virtualKey = kVirtualF1 + (key - Qt::Key_F1);
    else
        return false;
    modifiers = 0;
    for (const auto& [bit, modifier] : kModifierBits)
        if (combination & modifier)
            modifiers |= bit;
    return true;
}

// A check box named after its option.
#define VELMAR_POLE(layout, idNapisu, opcja) Pole(layout, idNapisu, &TOpcjeUstawien::opcja, "chb" #opcja)

TfrmOpcjeTrans::TfrmOpcjeTrans(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmOpcjeTrans");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("pgcOpcje");
    layout->addWidget(tabs);
    UtworzTlumaczenie(tabs);
    UtworzTekstFrancuski(tabs);
    UtworzTekstPolski(tabs);
    UtworzArchiwum(tabs);
    UtworzInterfejs(tabs);
    UtworzGoracyKlawisz(tabs);
    UtworzProfile(tabs);
    fraKlawiatura_ = new TfraOpcjeKlawiatura(tabs);
    tabs->addTab(fraKlawiatura_, QString());
    PrzypiszNapis(fraKlawiatura_, 1651);

    auto* buttons = new QDialogButtonBox(this);
    auto* btnZatwierdz = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    btnZatwierdz->setObjectName("btnZatwierdz");
    PrzypiszNapis(btnZatwierdz, tekst::Zatwierdz);
    auto* btnAnuluj = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    btnAnuluj->setObjectName("btnAnuluj");
    PrzypiszNapis(btnAnuluj, tekst::Anuluj);
    connect(btnZatwierdz, &QPushButton::clicked, this, [this] {
        Zatwierdz(Ustawienia());
        accept();
    });
    connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);

    OdswiezNapisyOkna();
    sluchacz_ = Ustawienia().PoOdswiezeniuNapisow.Add([this] { OdswiezNapisyOkna(); });
}

TfrmOpcjeTrans::~TfrmOpcjeTrans()
{
    Ustawienia().PoOdswiezeniuNapisow.Remove(sluchacz_);
}

void TfrmOpcjeTrans::OdswiezNapisyOkna()
{
    setWindowTitle(Napis(701));
    OdswiezNapisy(this);
    for (int i = 0; i < cmbKopiujTekst_->count(); ++i)
        cmbKopiujTekst_->setItemText(i, Napis(cmbKopiujTekst_->itemData(i).toInt()));
    for (const auto& marker : znaczniki_)
        for (std::size_t i = 0; i < marker.Styl.size(); ++i)
            marker.Styl[i]->setToolTip(Napis(kStyleHints[i]));
}

QCheckBox* TfrmOpcjeTrans::Pole(QVBoxLayout* layout, int idNapisu, bool TOpcjeUstawien::*pole, const char* nazwa)
{
    auto* box = new QCheckBox(layout->parentWidget());
    box->setObjectName(nazwa);
    PrzypiszNapis(box, idNapisu);
    layout->addWidget(box);
    pola_.push_back({box, pole});
    return box;
}

QButtonGroup* TfrmOpcjeTrans::Grupa(QVBoxLayout* layout, int idTytulu, std::initializer_list<int> idNapisow,
                                    const char* nazwa)
{
    QVBoxLayout* inside = nullptr;
    QGroupBox* box = AddGroup(layout, idTytulu, inside);
    box->setObjectName(nazwa);
    auto* group = new QButtonGroup(box);
    int index = 0;
    for (int id : idNapisow) {
        auto* radio = new QRadioButton(box);
        PrzypiszNapis(radio, id);
        inside->addWidget(radio);
        group->addButton(radio, index++);
    }
    return group;
}

void TfrmOpcjeTrans::UtworzTlumaczenie(QTabWidget* tabs)
{
    QVBoxLayout* page = nullptr;
    AddTab(tabs, 702, "tabTlumaczenie", page);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    page->addLayout(columns);

    QGroupBox* modes = AddGroup(left, 707, pnlTryby_);
    modes->setObjectName("rgrTrybPracy");
    grpTryb_ = new QButtonGroup(modes);
    for (int code = 0; code <= 16; ++code) {
        if (!ProductOffersTranslationMode(code))
            continue;
        auto* radio = new QRadioButton(modes);
        PrzypiszNapis(radio, tekst::TrybyTlumaczenia + code);
        pnlTryby_->addWidget(radio);
        grpTryb_->addButton(radio, static_cast<int>(kodyTrybow_.size()));
        kodyTrybow_.push_back(static_cast<std::uint8_t>(code));
    }
    left->addStretch();

    grpSzybkosc_ = Grupa(right, 708, {709, 710}, "rgrSzybkosc");
    grpKierunek_ = Grupa(right, 711, {712, 730}, "rgrKierunek");
    VELMAR_POLE(right, 735, UzywajAutokorekty);
    VELMAR_POLE(right, 736, RodzajTekstuAuto);
    VELMAR_POLE(right, 737, ObaSlowniki);
    VELMAR_POLE(right, 738, TlumaczPoImporcie);
    VELMAR_POLE(right, 739, DrugieZnaczenie);
    VELMAR_POLE(right, 740, TlumaczWielkimi);
    VELMAR_POLE(right, 741, TlumaczZWielkiej);
    VELMAR_POLE(right, 742, KursorWDolnym);
    VELMAR_POLE(right, 743, ZachowujPrzeklad);
    VELMAR_POLE(right, 744, BezAkcentow);
    VELMAR_POLE(right, 745, BezAkcentowDuze);
    VELMAR_POLE(right, 746, TekstArchaiczny);

    cmbKopiujTekst_ = new QComboBox(tabs);
    cmbKopiujTekst_->setObjectName("cmbKopiujTekstZrodlowy");
    for (int id = 780; id <= 783; ++id)
        cmbKopiujTekst_->addItem(QString(), id);
    AddLabelled(right, 768, cmbKopiujTekst_, true);
    right->addStretch();
}

void TfrmOpcjeTrans::UtworzTekstFrancuski(QTabWidget* tabs)
{
    QVBoxLayout* page = nullptr;
    AddTab(tabs, 748, "tabTekstFrancuski", page);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    page->addLayout(columns);

    grpVous_ = Grupa(left, 761, {770, 771, 772, 773, 774, 775, 776}, "rgrFrZaimekVous");
    grpFrPodmiot_ = Grupa(left, 752, {753, 754}, "rgrFrPodmiotMeski");
    grpFrOdbiorca_ = Grupa(left, 762, {753, 754}, "rgrFrZaimekTuMeski");
    left->addStretch();

    QVBoxLayout* perfective = nullptr;
    AddGroup(right, 756, perfective);
    VELMAR_POLE(perfective, 757, PrzeszloscDokonane);
    VELMAR_POLE(perfective, 758, PrzyszloscDokonane);
    VELMAR_POLE(perfective, 759, ModalDokonane);
    VELMAR_POLE(perfective, 760, InfDokonane);
    VELMAR_POLE(right, 749, ZmieniajSzykPL);
    VELMAR_POLE(right, 765, FrZmieniajSzykPrzydawkiPrzym);
    VELMAR_POLE(right, 755, FrPomijajZaimkiOsobowe);
    VELMAR_POLE(right, 764, FrTyWyZWielkiej);
    VELMAR_POLE(right, 766, FrTlumaczOnJakoMy);
    VELMAR_POLE(right, 769, ImperativProsze);
    VELMAR_POLE(right, 779, FrWlaczRozroznianieA);
    right->addStretch();
}

void TfrmOpcjeTrans::UtworzTekstPolski(QTabWidget* tabs)
{
    QVBoxLayout* page = nullptr;
    AddTab(tabs, 747, "tabTekstPolski", page);
    grpPodmiot_ = Grupa(page, 752, {753, 754}, "rgrPodmiotMeski");
    VELMAR_POLE(page, 755, PomijajZaimkiOsobowe);
    VELMAR_POLE(page, 750, WstawiajPrzedimki);
    VELMAR_POLE(page, 751, PanPaniGrzecznosciowe);
    page->addStretch();
}

void TfrmOpcjeTrans::UtworzArchiwum(QTabWidget* tabs)
{
    QVBoxLayout* page = nullptr;
    AddTab(tabs, 704, "tabArchiwum", page);
    QVBoxLayout* archive = nullptr;
    AddGroup(page, 784, archive);
    VELMAR_POLE(archive, 785, UzywajArchiwum);
    VELMAR_POLE(archive, 786, TlumaczenieDoArchiwum);
    edtArchiwumProcent_ = new QSpinBox(tabs);
    edtArchiwumProcent_->setObjectName("edtArchiwumProcent");
    edtArchiwumProcent_->setRange(0, 100);
    AddLabelled(archive, 787, edtArchiwumProcent_, false);

    QVBoxLayout* marking = nullptr;
    AddGroup(page, 788, marking);
    struct TRodzaj {
        int Id;
        bool TOpcjeUstawien::*Zaznacz;
        TCzcionka TOpcjeUstawien::*Czcionka;
        const char* Nazwa;
    };
    const TRodzaj kinds[] = {
        {796, &TOpcjeUstawien::ZaznaczNieznane, &TOpcjeUstawien::NieznaneCzcionka, "chbZaznaczNieznane"},
        {797, &TOpcjeUstawien::ZaznaczNieprzetlumaczone, &TOpcjeUstawien::NieprzetlumaczoneCzcionka,
         "chbZaznaczNieprzetlumaczone"},
        {798, &TOpcjeUstawien::ZaznaczWieloznaczne, &TOpcjeUstawien::WieloznaczneCzcionka, "chbZaznaczWieloznaczne"},
    };
    for (const auto& kind : kinds) {
        auto* row = new QHBoxLayout;
        marking->addLayout(row);
        auto* inRow = new QVBoxLayout;
        row->addLayout(inRow, 1);
        Pole(inRow, kind.Id, kind.Zaznacz, kind.Nazwa);
        TZnacznik marker{kind.Czcionka, {}, nullptr};
        for (int i = 0; i < 4; ++i) {
            auto* button = new QToolButton(tabs);
            button->setText(QString::fromLatin1(kStyleLetters[i]));
            button->setCheckable(true);
            button->setObjectName(QString::fromLatin1(kind.Nazwa) + QString::fromLatin1(kStyleLetters[i]));
            marker.Styl[static_cast<std::size_t>(i)] = button;
            row->addWidget(button);
        }
        marker.Kolor = new QToolButton(tabs);
        marker.Kolor->setObjectName(QString::fromLatin1(kind.Nazwa) + "Kolor");
        marker.Kolor->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        PrzypiszNapis(marker.Kolor, 812);
        connect(marker.Kolor, &QToolButton::clicked, this, [this, button = marker.Kolor] {
            const QColor chosen =
                QColorDialog::getColor(FromStoredColour(button->property(kColourProperty).toUInt()), this);
            if (chosen.isValid())
                ShowColour(button, ToStoredColour(chosen));
        });
        row->addWidget(marker.Kolor);
        znaczniki_.push_back(marker);
    }
    page->addStretch();
}

void TfrmOpcjeTrans::UtworzInterfejs(QTabWidget* tabs)
{
    QVBoxLayout* page = nullptr;
    AddTab(tabs, 705, "tabInterfejs", page);
    grpJezyk_ = Grupa(page, 731, {732, 734}, "rgrJezykInterfejsu");
    VELMAR_POLE(page, 801, AutozapisPreferencji);
    VELMAR_POLE(page, 802, ZapamietujPolozenieOkna);
    VELMAR_POLE(page, 803, PytajCzyZapisac);
    VELMAR_POLE(page, 804, PytajCzyNadpisac);
    VELMAR_POLE(page, 805, UsuwajPrzetlumaczone);
    VELMAR_POLE(page, 807, PokazujBiezaceSlowoWSlowniku);

    edtRozszerzenie_ = new QLineEdit(tabs);
    edtRozszerzenie_->setObjectName("edtDomyslneRozszerzenie");
    edtRozszerzenie_->setMaxLength(16);
    AddLabelled(page, 806, edtRozszerzenie_, false);
    page->addStretch();
}

void TfrmOpcjeTrans::UtworzGoracyKlawisz(QTabWidget* tabs)
{
    QVBoxLayout* page = nullptr;
    AddTab(tabs, 706, "tabHotKey", page);
    QVBoxLayout* hotKey = nullptr;
    AddGroup(page, 901, hotKey);
    edtHotKey_ = new QKeySequenceEdit(tabs);
    edtHotKey_->setObjectName("edtHotKey");
    AddLabelled(hotKey, 902, edtHotKey_, true);
    chbHotKeyWlacz_ = new QCheckBox(tabs);
    chbHotKeyWlacz_->setObjectName("chbHotKeyWlacz");
    PrzypiszNapis(chbHotKeyWlacz_, 903);
    hotKey->addWidget(chbHotKeyWlacz_);
    VELMAR_POLE(hotKey, 904, HotKeyAktywujOkno);

    QVBoxLayout* action = nullptr;
    AddGroup(page, 905, action);
    VELMAR_POLE(action, 906, HotKeySlownik);
    QCheckBox* paste = VELMAR_POLE(action, 907, HotKeyTlumacz);
    auto* pasteOptions = new QVBoxLayout;
    pasteOptions->setContentsMargins(24, 0, 0, 0);
    action->addLayout(pasteOptions);
    QCheckBox* clear = VELMAR_POLE(pasteOptions, 908, HotKeyTlumaczWyczysc);
    QCheckBox* start = VELMAR_POLE(pasteOptions, 909, HotKeyTlumaczOdRazu);
    auto follow = [paste, clear, start] {
        clear->setEnabled(paste->isChecked());
        start->setEnabled(paste->isChecked());
    };
    connect(paste, &QCheckBox::toggled, this, follow);
    follow();
    page->addStretch();
}

void TfrmOpcjeTrans::UtworzProfile(QTabWidget* tabs)
{
    QVBoxLayout* page = nullptr;
    AddTab(tabs, 1946, "tabProfile", page);
    auto* row = new QHBoxLayout;
    page->addLayout(row, 1);
    lsbRodzajTekstu_ = new QListWidget(tabs);
    lsbRodzajTekstu_->setObjectName("lsbRodzajTekstu");
    row->addWidget(lsbRodzajTekstu_, 1);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    for (auto [button, name, id, action] :
         {std::tuple{&btnProfilDodaj_, "btnProfilDodaj", tekst::Dodaj, &TfrmOpcjeTrans::DodajProfil},
          std::tuple{&btnProfilModyfikuj_, "btnProfilModyfikuj", tekst::Modyfikuj, &TfrmOpcjeTrans::ModyfikujProfil},
          std::tuple{&btnProfilUsun_, "btnProfilUsun", tekst::Usun, &TfrmOpcjeTrans::UsunProfil}}) {
        *button = new QPushButton(tabs);
        (*button)->setObjectName(name);
        PrzypiszNapis(*button, id);
        buttons->addWidget(*button);
        connect(*button, &QPushButton::clicked, this, action);
    }
    buttons->addStretch();
    connect(lsbRodzajTekstu_, &QListWidget::currentRowChanged, this, &TfrmOpcjeTrans::OdswiezPrzyciskiProfili);
}

void TfrmOpcjeTrans::PokazProfile()
{
    const int row = lsbRodzajTekstu_->currentRow();
    lsbRodzajTekstu_->clear();
    const auto language = static_cast<std::uint8_t>(Ustawienia().JezykInterfejsu);
    for (const TProfilTekstu& profile : profile_.Items) {
        auto* item = new QListWidgetItem(QString::fromStdU16String(ToWide(profile.Nazwa, language)), lsbRodzajTekstu_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(profile.Wybrany ? Qt::Checked : Qt::Unchecked);
    }
    lsbRodzajTekstu_->setCurrentRow(std::min(row, lsbRodzajTekstu_->count() - 1));
    OdswiezPrzyciskiProfili();
}

void TfrmOpcjeTrans::ZapamietajWybraneProfile()
{
    for (int row = 0; row < lsbRodzajTekstu_->count() && row < static_cast<int>(profile_.Items.size()); ++row)
        profile_.Items[static_cast<std::size_t>(row)].Wybrany =
            lsbRodzajTekstu_->item(row)->checkState() == Qt::Checked;
}

void TfrmOpcjeTrans::OdswiezPrzyciskiProfili()
{
    const bool user = profile_.IsUserProfile(lsbRodzajTekstu_->currentRow());
    btnProfilModyfikuj_->setEnabled(user);
    btnProfilUsun_->setEnabled(user);
}

void TfrmOpcjeTrans::DodajProfil()
{
    ZapamietajWybraneProfile();
    if (TfrmDodajProfil(profile_, static_cast<std::uint8_t>(Ustawienia().JezykInterfejsu), this).AddProfile()) {
        PokazProfile();
        lsbRodzajTekstu_->setCurrentRow(lsbRodzajTekstu_->count() - 1);
    }
}

void TfrmOpcjeTrans::ModyfikujProfil()
{
    ZapamietajWybraneProfile();
    TfrmDodajProfil dialog(profile_, static_cast<std::uint8_t>(Ustawienia().JezykInterfejsu), this);
    if (dialog.ModifyProfile(lsbRodzajTekstu_->currentRow()))
        PokazProfile();
}

void TfrmOpcjeTrans::UsunProfil()
{
    ZapamietajWybraneProfile();
    profile_.DeleteUserProfile(lsbRodzajTekstu_->currentRow());
    PokazProfile();
}

void TfrmOpcjeTrans::Wczytaj(const TTransUstawienia& settings)
{
    profile_ = settings.Profile;
    PokazProfile();
    fraKlawiatura_->Wczytaj(settings);
    for (const auto& field : pola_)
        field.Pole->setChecked(settings.*field.Opcja);
    const auto mode = std::find(kodyTrybow_.begin(), kodyTrybow_.end(), settings.TrybPracy);
    Check(grpTryb_, mode == kodyTrybow_.end() ? 0 : static_cast<int>(mode - kodyTrybow_.begin()));
    Check(grpSzybkosc_, settings.SzybkieTlumaczenie ? 1 : 0);
    Check(grpKierunek_, Program().SourceLanguage == Program().ForeignLanguage ? 0 : 1);
    jezykNaWejsciu_ = static_cast<std::uint8_t>(settings.JezykInterfejsu);
    Check(grpJezyk_, settings.JezykInterfejsu == jezPolski ? 0 : 1);
    Check(grpPodmiot_, settings.PodmiotMeski ? 0 : 1);
    Check(grpFrPodmiot_, settings.FrPodmiotMeski ? 0 : 1);
    Check(grpFrOdbiorca_, settings.FrZaimekTuMeski ? 0 : 1);
    Check(grpVous_, settings.FrZaimekVous);
    cmbKopiujTekst_->setCurrentIndex(settings.KopiujTekstZrodlowy);
    edtArchiwumProcent_->setValue(settings.ArchiwumProcent);
    edtRozszerzenie_->setText(QString::fromStdString(settings.DomyslneRozszerzenie));
    for (const auto& marker : znaczniki_) {
        const TCzcionka& font = settings.*marker.Czcionka;
        for (std::size_t i = 0; i < marker.Styl.size(); ++i)
            marker.Styl[i]->setChecked(font.Style & kStyleBits[i]);
        ShowColour(marker.Kolor, font.Colour);
    }
    edtHotKey_->setKeySequence(QKeySequence(QtKeyCombination(settings.HotKey, settings.HotKeyModifier)));
    chbHotKeyWlacz_->setChecked(settings.HotKeyWlaczony);
}

void TfrmOpcjeTrans::Zatwierdz(TTransUstawienia& settings)
{
    ZapamietajWybraneProfile();
    settings.Profile = profile_;
    fraKlawiatura_->Zatwierdz(settings);
    for (const auto& field : pola_)
        settings.*field.Opcja = field.Pole->isChecked();
    const int mode = grpTryb_->checkedId();
    if (mode >= 0)
        settings.TrybPracy = kodyTrybow_[static_cast<std::size_t>(mode)];
    settings.SzybkieTlumaczenie = grpSzybkosc_->checkedId() == 1;
    const bool foreignSource = Program().SourceLanguage == Program().ForeignLanguage;
    settings.KierunekZmieniony = (grpKierunek_->checkedId() == 0) != foreignSource;
    settings.JezykInterfejsuZmieniony = WybranyJezykInterfejsu() != settings.JezykInterfejsu;
    settings.PodmiotMeski = grpPodmiot_->checkedId() == 0;
    settings.FrPodmiotMeski = grpFrPodmiot_->checkedId() == 0;
    settings.FrZaimekTuMeski = grpFrOdbiorca_->checkedId() == 0;
    settings.FrZaimekVous = std::max(0, grpVous_->checkedId());
    settings.KopiujTekstZrodlowy = std::max(0, cmbKopiujTekst_->currentIndex());
    settings.ArchiwumProcent = edtArchiwumProcent_->value();
    settings.DomyslneRozszerzenie = edtRozszerzenie_->text().toStdString();
    for (const auto& marker : znaczniki_) {
        TCzcionka& font = settings.*marker.Czcionka;
        font.Style = 0;
        for (std::size_t i = 0; i < marker.Styl.size(); ++i)
            if (marker.Styl[i]->isChecked())
                font.Style |= kStyleBits[i];
        font.Colour = marker.Kolor->property(kColourProperty).toUInt();
    }

    int key = settings.HotKey;
    int modifiers = settings.HotKeyModifier;
    const QKeySequence sequence = edtHotKey_->keySequence();
    if (!sequence.isEmpty())
        StoredHotKey(sequence[0].toCombined(), key, modifiers);
    if ((key != settings.HotKey || modifiers != settings.HotKeyModifier) && settings.HotKeyWlaczony)
        settings.SetHotKeyEnabled(false);
    settings.HotKey = key;
    settings.HotKeyModifier = modifiers;
    if (!settings.SetHotKeyEnabled(chbHotKeyWlacz_->isChecked()))
        Pytanie().Zapytaj(
            InterfaceTextWide(static_cast<std::uint8_t>(settings.JezykInterfejsu), tekst::ZajetyKlawisz, true),
            TPrzyciski::OK);
}

std::uint8_t TfrmOpcjeTrans::WybranyJezykInterfejsu() const
{
    return grpJezyk_->checkedId() == 1 ? Program().ForeignLanguage : Program().NativeLanguage;
}

#undef VELMAR_POLE

bool TfrmOpcjeTrans::Wykonaj(QWidget* parent)
{
    TfrmOpcjeTrans window(parent);
    window.Wczytaj(Ustawienia());
    if (window.exec() != QDialog::Accepted)
        return false;
    Ustawienia().ApplyOptionsChanges(window.WybranyJezykInterfejsu());
    return true;
}

} // namespace velmar
