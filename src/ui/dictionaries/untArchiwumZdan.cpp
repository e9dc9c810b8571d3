#include "ui/dictionaries/untArchiwumZdan.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untArchiwumZdan.h"
#include "platform/untQtTekst.h"
#include "ui/app/untKlawiszeListy.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

enum : int {
    kZamknij = 25,
    kTytul = 1851,
    kZdania = 1852,
    kTlumaczenia = 1853,
    kUzywajArchiwum = 1854,
    kTlumaczenieDoArchiwum = 1855,
    kCaleSlowa = 1856,
    kWielkoscLiter = 1857,
    kSzukaj = 1858,
    kPokazWszystkie = 1859,
    kDodaj = 1860,
    kUsun = 1861,
    kDodajTlum = 1862,
    kUsunTlum = 1863,
    kEdytujTlum = 1864,
    kSzukanyTekst = 1865,
    kWArchiwum = 1881,
    kTrwaWyszukiwanie = 1882,
    kZnaleziono = 1883,
    kNieZnaleziono = 1884,
    kSlowoZdanie = 1885,
    kCzyUsunacJedyne = 1886,
};

// The product in which the similarity degree is set in this window.
constexpr int kProduktZProcentem = 12;

QPushButton* NewButton(QWidget* parent, const char* name, int textId)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    PrzypiszNapis(button, textId);
    return button;
}

QCheckBox* NewCheckBox(QWidget* parent, const char* name, int textId)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    PrzypiszNapis(box, textId);
    return box;
}

QLabel* NewLabel(QWidget* parent, const char* name, int textId, QWidget* buddy)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    PrzypiszNapis(label, textId);
    return label;
}

} // namespace

TfrmArchiwumZdan::TfrmArchiwumZdan(TTransSlownikZdan& archive, TTransUstawienia& settings, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), archive_(archive), settings_(settings)
{
    setObjectName(QStringLiteral("frmArchiwumZdan"));
    CreateControls();
    ConnectControls();
    resize(640, 480);
    if (IsTranslatorMode(Program().WorkingMode)) {
        sluchaczUstawien_ = settings_.PoZastosowaniu.Add([this] { ApplySettings(); });
        sluchaczNapisow_ = settings_.PoOdswiezeniuNapisow.Add([this] { RefreshCaptions(); });
    }
    archive_.OnSentenceAdded = [this](TTransSlownikZdan&, int index) { SentenceAdded(index); };
    archive_.OnSentenceDeleted = [this](TTransSlownikZdan&, int index) { SentenceDeleted(index); };
    ApplySettings();
    RefreshCaptions();
    UpdateButtons();
}

TfrmArchiwumZdan::~TfrmArchiwumZdan()
{
    settings_.PoZastosowaniu.Remove(sluchaczUstawien_);
    settings_.PoOdswiezeniuNapisow.Remove(sluchaczNapisow_);
    archive_.OnSentenceAdded = nullptr;
    archive_.OnSentenceDeleted = nullptr;
    archive_.SetFilter(false);
}

// ---------------------------------------------------------------- controls

void TfrmArchiwumZdan::CreateControls()
{
    // Created in the order Tab walks through them.
    QWidget* searchRow = CreateSearchRow();
    lsbZdania_ = new QListWidget(this);
    lsbZdania_->setObjectName(QStringLiteral("lsbZdania"));
    // The list holds one page only; the scroll bar beside it walks the whole archive.
    lsbZdania_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lsbZdania_->setUniformItemSizes(true);
    lsbZdania_->installEventFilter(this);
    scbZdania_ = new QScrollBar(Qt::Vertical, this);
    scbZdania_->setObjectName(QStringLiteral("scbZdania"));
    scbZdania_->setFocusPolicy(Qt::NoFocus); // the list takes the paging keys
    btnDodaj_ = NewButton(this, "btnDodaj", kDodaj);
    btnUsun_ = NewButton(this, "btnUsun", kUsun);
    lsbTlum_ = new QListWidget(this);
    lsbTlum_->setObjectName(QStringLiteral("lsbTlum"));
    btnDodajTlum_ = NewButton(this, "btnDodajTlum", kDodajTlum);
    btnEdytujTlum_ = NewButton(this, "btnEdytujTlum", kEdytujTlum);
    btnUsunTlum_ = NewButton(this, "btnUsunTlum", kUsunTlum);
    QWidget* optionsRow = CreateOptionsRow();
    lblZdania_ = NewLabel(this, "lblZdania", kZdania, lsbZdania_);
    lblTlum_ = NewLabel(this, "lblTlum", kTlumaczenia, lsbTlum_);
    stbZdania_ = new QStatusBar(this);
    stbZdania_->setObjectName(QStringLiteral("stbZdania"));
    stbZdania_->setSizeGripEnabled(false);

    auto* sentences = new QHBoxLayout;
    sentences->setSpacing(0);
    sentences->addWidget(lsbZdania_);
    sentences->addWidget(scbZdania_);
    auto* sentenceButtons = new QHBoxLayout;
    sentenceButtons->addWidget(btnDodaj_);
    sentenceButtons->addWidget(btnUsun_);
    sentenceButtons->addStretch();
    auto* translationButtons = new QHBoxLayout;
    translationButtons->addWidget(btnDodajTlum_);
    translationButtons->addWidget(btnEdytujTlum_);
    translationButtons->addWidget(btnUsunTlum_);
    translationButtons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(searchRow);
    layout->addWidget(lblZdania_);
    layout->addLayout(sentences, 3);
    layout->addLayout(sentenceButtons);
    layout->addWidget(lblTlum_);
    layout->addWidget(lsbTlum_, 1);
    layout->addLayout(translationButtons);
    layout->addWidget(optionsRow);
    layout->addWidget(stbZdania_);
}

QWidget* TfrmArchiwumZdan::CreateSearchRow()
{
    auto* row = new QWidget(this);
    edtSzukaj_ = new QLineEdit(row);
    edtSzukaj_->setObjectName(QStringLiteral("edtSzukaj"));
    lblSzukaj_ = NewLabel(row, "lblSzukaj", kSzukanyTekst, edtSzukaj_);
    chbCaleSlowa_ = NewCheckBox(row, "chbCaleSlowa", kCaleSlowa);
    chbMatchCase_ = NewCheckBox(row, "chbMatchCase", kWielkoscLiter);
    btnSzukaj_ = NewButton(row, "btnSzukaj", kSzukaj);
    btnPokazWszystkie_ = NewButton(row, "btnPokazWszystkie", kPokazWszystkie);

    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblSzukaj_, 0, 0);
    layout->addWidget(edtSzukaj_, 0, 1, 1, 2);
    layout->addWidget(btnSzukaj_, 0, 3);
    layout->addWidget(chbCaleSlowa_, 1, 1);
    layout->addWidget(chbMatchCase_, 1, 2);
    layout->addWidget(btnPokazWszystkie_, 1, 3);
    layout->setColumnStretch(2, 1);
    return row;
}

QWidget* TfrmArchiwumZdan::CreateOptionsRow()
{
    auto* row = new QWidget(this);
    chbUzywajArchiwum_ = NewCheckBox(row, "chbUzywajArchiwum", kUzywajArchiwum);
    chbTlumaczenieDoArchiwum_ = NewCheckBox(row, "chbTlumaczenieDoArchiwum", kTlumaczenieDoArchiwum);
    pnlProcent_ = new QWidget(row);
    pnlProcent_->setObjectName(QStringLiteral("pnlProcent"));
    updProcent_ = new QSpinBox(pnlProcent_);
    updProcent_->setObjectName(QStringLiteral("updProcent"));
    updProcent_->setRange(50, 100);
    updProcent_->setSingleStep(10);
    updProcent_->setSuffix(QStringLiteral(" %"));
    // Only the arrows change the degree: typed values could fall between the steps.
    if (auto* edtProcent = updProcent_->findChild<QLineEdit*>())
        edtProcent->setReadOnly(true);
    auto* percent = new QHBoxLayout(pnlProcent_);
    percent->setContentsMargins(0, 0, 0, 0);
    percent->addWidget(updProcent_);
    btnZamknij_ = NewButton(row, "btnZamknij", kZamknij);

    auto* checks = new QVBoxLayout;
    checks->addWidget(chbUzywajArchiwum_);
    checks->addWidget(chbTlumaczenieDoArchiwum_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(checks, 1);
    layout->addWidget(pnlProcent_);
    layout->addWidget(btnZamknij_, 0, Qt::AlignBottom);
    return row;
}

void TfrmArchiwumZdan::ConnectControls()
{
    connect(edtSzukaj_, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
    connect(edtSzukaj_, &QLineEdit::returnPressed, this, [this] {
        if (btnSzukaj_->isEnabled())
            btnSzukaj_->click();
    });
    connect(btnSzukaj_, &QPushButton::clicked, this, [this] { btnSzukajClick(); });
    connect(btnPokazWszystkie_, &QPushButton::clicked, this, [this] { btnPokazWszystkieClick(); });
    connect(scbZdania_, &QScrollBar::valueChanged, this, [this](int top) { ShowPage(top, lsbZdania_->currentRow()); });
    connect(lsbZdania_, &QListWidget::currentRowChanged, this, [this] { FillTranslations(0); });
    connect(lsbTlum_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    connect(btnDodaj_, &QPushButton::clicked, this, [this] { btnDodajClick(); });
    connect(btnUsun_, &QPushButton::clicked, this, [this] { btnUsunClick(); });
    connect(btnDodajTlum_, &QPushButton::clicked, this, [this] { btnDodajTlumClick(); });
    connect(btnEdytujTlum_, &QPushButton::clicked, this, [this] { btnEdytujTlumClick(); });
    connect(btnUsunTlum_, &QPushButton::clicked, this, [this] { btnUsunTlumClick(); });
    connect(lsbTlum_, &QListWidget::itemDoubleClicked, this, [this] { btnEdytujTlumClick(); });
    connect(chbUzywajArchiwum_, &QCheckBox::toggled, this, [this](bool on) { settings_.UzywajArchiwum = on; });
    connect(chbTlumaczenieDoArchiwum_, &QCheckBox::toggled, this,
            [this](bool on) { settings_.TlumaczenieDoArchiwum = on; });
    connect(updProcent_, &QSpinBox::valueChanged, this, [this](int percent) { settings_.ArchiwumProcent = percent; });
    connect(btnZamknij_, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmArchiwumZdan::RefreshCaptions()
{
    setWindowTitle(Napis(kTytul));
    OdswiezNapisy(this);
    if (!archive_.FilterActive)
        ShowCountStatus(kWArchiwum, archive_.Count());
}

void TfrmArchiwumZdan::ApplySettings()
{
    const bool offered = Program().ProductNumber == kProduktZProcentem;
    pnlProcent_->setVisible(offered);
    pnlProcent_->setEnabled(offered);
}

// ---------------------------------------------------------------- showing and paging

void TfrmArchiwumZdan::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return; // restored from the task bar: the page stays as it was
    chbUzywajArchiwum_->setChecked(settings_.UzywajArchiwum);
    chbTlumaczenieDoArchiwum_->setChecked(settings_.TlumaczenieDoArchiwum);
    updProcent_->setValue(settings_.ArchiwumProcent);
    archive_.SetFilter(false);
    RecomputePage();
    ShowPage(0, 0);
    ShowCountStatus(kWArchiwum, archive_.Count());
}

// A search result lives only while the window shows it.
void TfrmArchiwumZdan::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        archive_.SetFilter(false);
}

void TfrmArchiwumZdan::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int row = lsbZdania_->currentRow();
    RecomputePage();
    ShowPage(scbZdania_->value(), row);
}

void TfrmArchiwumZdan::RecomputePage()
{
    const int itemHeight = std::max(1, lsbZdania_->fontMetrics().height() + 2);
    wierszy_ = std::max(1, lsbZdania_->viewport()->height() / itemHeight);
    const QSignalBlocker block(scbZdania_);
    scbZdania_->setRange(0, std::max(0, archive_.Count() - wierszy_));
    scbZdania_->setPageStep(wierszy_);
    scbZdania_->setSingleStep(1);
}

int TfrmArchiwumZdan::TopRecord() const
{
    return scbZdania_->value();
}

void TfrmArchiwumZdan::ShowPage(int top, int row)
{
    {
        const QSignalBlocker block(scbZdania_);
        scbZdania_->setValue(top);
    }
    top = scbZdania_->value();
    const int last = std::min(archive_.Count(), top + wierszy_);
    {
        const QSignalBlocker block(lsbZdania_);
        lsbZdania_->clear();
        for (int i = top; i < last; ++i)
            lsbZdania_->addItem(ToQString(archive_.Record(i).Plain, archive_.SourceLang));
        if (lsbZdania_->count() > 0)
            lsbZdania_->setCurrentRow(std::clamp(row, 0, lsbZdania_->count() - 1));
    }
    FillTranslations(0);
}

bool TfrmArchiwumZdan::HandleListKey(int key, Qt::KeyboardModifiers modifiers)
{
    const TStanListy state{lsbZdania_->currentRow(), scbZdania_->value(), scbZdania_->maximum(), wierszy_,
                           lsbZdania_->count()};
    const auto move = PagingKeyMove(key, modifiers, state);
    if (!move)
        return false;
    ShowPage(move->Position, move->Row);
    return true;
}

bool TfrmArchiwumZdan::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lsbZdania_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            return HandleListKey(key->key(), key->modifiers());
        }
        if (event->type() == QEvent::Wheel) {
            QApplication::sendEvent(scbZdania_, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- selection

int TfrmArchiwumZdan::SelectedRecord() const
{
    const int row = lsbZdania_->currentRow();
    return row < 0 ? -1 : scbZdania_->value() + row;
}

std::string TfrmArchiwumZdan::SelectedSentence() const
{
    const int record = SelectedRecord();
    return record < 0 ? std::string() : archive_.Record(record).Plain;
}

std::string TfrmArchiwumZdan::SelectedTranslation() const
{
    const int record = SelectedRecord();
    if (record < 0)
        return {};
    const auto* translation = archive_.Record(record).Translations.Item(lsbTlum_->currentRow());
    return translation ? translation->Plain : std::string();
}

void TfrmArchiwumZdan::FillTranslations(int selectRow)
{
    {
        const QSignalBlocker block(lsbTlum_);
        lsbTlum_->clear();
        const int record = SelectedRecord();
        if (record >= 0) {
            const auto& translations = archive_.Record(record).Translations;
            for (int i = 0; i < translations.Count(); ++i)
                lsbTlum_->addItem(ToQString(translations.Item(i)->Plain, archive_.TargetLang));
        }
        if (lsbTlum_->count() > 0)
            lsbTlum_->setCurrentRow(std::clamp(selectRow, 0, lsbTlum_->count() - 1));
    }
    UpdateButtons();
}

void TfrmArchiwumZdan::UpdateButtons()
{
    const bool sentence = lsbZdania_->currentRow() >= 0;
    const bool translation = lsbTlum_->currentRow() >= 0;
    btnPokazWszystkie_->setEnabled(archive_.FilterActive);
    btnUsun_->setEnabled(sentence);
    btnDodajTlum_->setEnabled(sentence);
    btnUsunTlum_->setEnabled(translation);
    btnEdytujTlum_->setEnabled(translation);
    btnSzukaj_->setEnabled(!edtSzukaj_->text().trimmed().isEmpty());
}

// ---------------------------------------------------------------- status line

TWide TfrmArchiwumZdan::Text(int id) const
{
    return InterfaceTextWide(static_cast<std::uint8_t>(settings_.JezykInterfejsu), id);
}

void TfrmArchiwumZdan::ShowCountStatus(int textId, int count)
{
    const auto language = static_cast<std::uint8_t>(settings_.JezykInterfejsu);
    const std::string noun = CountedNoun(language, InterfaceText(language, kSlowoZdanie), count);
    ShowStatus(ToWide(Format(InterfaceText(language, textId), count, noun), language));
}

void TfrmArchiwumZdan::ShowStatus(const TWide& text)
{
    stbZdania_->showMessage(QString::fromStdU16String(text));
}

// ---------------------------------------------------------------- search

void TfrmArchiwumZdan::btnSzukajClick()
{
    archive_.SetFilter(false);
    ShowStatus(Text(kTrwaWyszukiwanie));
    QCoreApplication::processEvents();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int found = archive_.FilterByWide(edtSzukaj_->text().trimmed().toStdU16String(), chbCaleSlowa_->isChecked(),
                                            chbMatchCase_->isChecked());
    QApplication::restoreOverrideCursor();
    if (found < 1) {
        ShowStatus(Text(kNieZnaleziono));
    } else {
        archive_.SetFilter(true);
        ShowCountStatus(kZnaleziono, found);
    }
    RecomputePage();
    ShowPage(0, 0);
}

void TfrmArchiwumZdan::btnPokazWszystkieClick()
{
    archive_.SetFilter(false);
    RecomputePage();
    ShowPage(0, 0);
    ShowCountStatus(kWArchiwum, archive_.Count());
}

// ---------------------------------------------------------------- editing

int TfrmArchiwumZdan::OpenDialog(const std::string& sentence, const std::string& translation, TTrybDodawania mode)
{
    TfrmArchiwumZdanDodaj dialog(archive_, static_cast<std::uint8_t>(settings_.JezykInterfejsu), this);
    return dialog.Open(ToQString(sentence, archive_.SourceLang), ToQString(translation, archive_.TargetLang), mode);
}

void TfrmArchiwumZdan::btnDodajClick()
{
    OpenDialog({}, {}, TTrybDodawania::NoweZdanie);
}

void TfrmArchiwumZdan::btnUsunClick()
{
    const std::string sentence = SelectedSentence();
    if (!sentence.empty())
        archive_.DeleteSentence(sentence);
}

void TfrmArchiwumZdan::btnDodajTlumClick()
{
    const std::string sentence = SelectedSentence();
    if (sentence.empty() || OpenDialog(sentence, {}, TTrybDodawania::NoweTlumaczenie) != QDialog::Accepted)
        return;
    FillTranslations(lsbTlum_->count()); // the new translation comes last
}

void TfrmArchiwumZdan::btnEdytujTlumClick()
{
    const std::string translation = SelectedTranslation();
    if (translation.empty())
        return;
    const int row = lsbTlum_->currentRow();
    if (OpenDialog(SelectedSentence(), translation, TTrybDodawania::EdycjaTlumaczenia) == QDialog::Accepted)
        FillTranslations(row);
}

void TfrmArchiwumZdan::btnUsunTlumClick()
{
    const std::string sentence = SelectedSentence();
    const std::string translation = SelectedTranslation();
    if (translation.empty())
        return;
    if (lsbTlum_->count() < 2) {
        // The sentence goes with its last translation; its deletion event refreshes the page.
        if (Pytanie().Zapytaj(Text(kCzyUsunacJedyne), TPrzyciski::TakNie) == TOdpowiedz::Tak)
            archive_.DeleteTranslation(sentence, translation);
        return;
    }
    const int row = lsbTlum_->currentRow();
    archive_.DeleteTranslation(sentence, translation);
    FillTranslations(row);
}

// ---------------------------------------------------------------- archive events

void TfrmArchiwumZdan::SentenceAdded(int index)
{
    if (!isVisible() || archive_.FilterActive)
        return;
    RecomputePage();
    ShowCountStatus(kWArchiwum, archive_.Count());
    if (index < scbZdania_->value() + wierszy_)
        ShowPage(scbZdania_->value(), lsbZdania_->currentRow());
}

void TfrmArchiwumZdan::SentenceDeleted(int index)
{
    if (!isVisible())
        return;
    const int row = lsbZdania_->currentRow();
    RecomputePage();
    if (archive_.FilterActive)
        ShowCountStatus(kZnaleziono, archive_.Count());
    else
        ShowCountStatus(kWArchiwum, archive_.Count());
    const int top = scbZdania_->value();
    if (index >= top + wierszy_)
        return;
    ShowPage(top > 0 ? top - 1 : 0, row);
}

} // namespace velmar
