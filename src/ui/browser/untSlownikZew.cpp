#include "ui/browser/untSlownikZew.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <tuple>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlowniki.h"
#include "platform/untQtTekst.h"
#include "ui/app/untCzcionka.h"
#include "ui/app/untNapisy.h"
#include "ui/app/untOProgramie.h"
#include "ui/browser/untNotatki.h"
#include "ui/browser/untSzukaj.h"
#include "ui/generators/untOdmieniacz.h"

namespace velmar {

namespace {

constexpr int kTypingDelayMs = 300;
constexpr int kListDelayMs = 400;
constexpr int kPatternLimit = 1000;
// Interface texts of the pattern search and the direction swap.
constexpr int kZnaleziono = 122, kZnalezionoPonad = 123, kNieZnaleziono = 124, kProszeCzekac = 134;
constexpr const char* kLetterProperty = "velmarLitera";

std::uint8_t SourceLanguage()
{
    return Program().SourceLanguage;
}

QString Wide(const std::string& text)
{
    return ToQString(text, SourceLanguage());
}

QString WithoutAmpersand(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// The message window with an interface text formatted with numbers.
template <typename... Args>
void Message(int textId, const Args&... args)
{
    const auto language = static_cast<std::uint8_t>(Ustawienia().JezykInterfejsu);
    Pytanie().Zapytaj(ToWide(Format(InterfaceText(language, textId), args...), language, true), TPrzyciski::OK);
}

// The font dialog on a font of the settings; true when the user chose one.
bool ChooseFont(TCzcionka& font, QWidget* parent)
{
    bool chosen = false;
    const QFont choice = QFontDialog::getFont(&chosen, ToQFont(font), parent);
    if (chosen)
        AssignQFont(font, choice);
    return chosen;
}

} // namespace

// ---------------------------------------------------------------- construction

TfrmSlownikZew::TfrmSlownikZew(TSlowniki& dictionaries, QWidget* parent)
    : QMainWindow(parent), slowniki_(dictionaries), dictionaryMode_(IsDictionaryMode(Program().WorkingMode))
{
    setObjectName("frmSlownikZew");
    editTimer_.setSingleShot(true);
    editTimer_.setInterval(kTypingDelayMs);
    connect(&editTimer_, &QTimer::timeout, this, &TfrmSlownikZew::SearchTimerElapsed);
    listTimer_.setSingleShot(true);
    listTimer_.setInterval(kListDelayMs);
    connect(&listTimer_, &QTimer::timeout, this, [this] {
        if (!busy_)
            ShowRow(lsbSlownik_->currentRow(), true);
    });

    CreateControls();
    widok_ = std::make_unique<TWidokHasla>(
        redSlownik_, redSlownikUkryty_,
        TPrzegladarkaHasel{[this](const std::string& word) { HistoryAdd(word); },
                           [this](int mainIndex) { SelectGlobal(pozycje_.GlobalOfMain(mainIndex)); }});
    CreateActions();
    CreateToolBars();
    CreateMenus();
    CreateLetterBar();
    statusBar();
    if (!dictionaryMode_)
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    PlaceOnScreen();
    RegisterListeners();
    UpdateHistoryActions();
    RefreshCaptions();
    ApplySettings();
}

TfrmSlownikZew::~TfrmSlownikZew()
{
    for (const auto& remove : rozlaczenia_)
        remove();
}

void TfrmSlownikZew::RegisterListeners()
{
    auto& settings = Ustawienia();
    const auto keep = [this](auto& list, auto listener) {
        const int id = list.Add(std::move(listener));
        rozlaczenia_.push_back([&list, id] { list.Remove(id); });
    };
    keep(settings.PoZastosowaniu, [this] { ApplySettings(); });
    keep(settings.PrzedZapisem, [this](int) { SaveGeometry(); });
    keep(settings.PoOdswiezeniuNapisow, [this] { RefreshCaptions(); });
    keep(settings.PrzedZamiana, [this] { SetFilterView(false); });
    keep(settings.PoZamianie, [this] {
        ResetList();
        FillPage(0);
        ReshowCurrent();
    });
    keep(settings.PoZmianiePaskaLiter, [this] { ApplyLetterBar(); });
    keep(settings.PoZmianieNaWierzchu, [this] { ApplyOnTop(); });
}

void TfrmSlownikZew::CreateControls()
{
    splSlownik_ = new QSplitter(Qt::Horizontal, this);
    splSlownik_->setObjectName("splSlownik");
    splSlownik_->setChildrenCollapsible(false);

    pnlListaSlow_ = new QWidget(splSlownik_);
    pnlListaSlow_->setObjectName("pnlListaSlow");
    pnlListaSlow_->setMinimumWidth(50);
    auto* listLayout = new QHBoxLayout(pnlListaSlow_);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(0);
    lsbSlownik_ = new QListWidget(pnlListaSlow_);
    lsbSlownik_->setObjectName("lsbSlownik");
    lsbSlownik_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lsbSlownik_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lsbSlownik_->setUniformItemSizes(true);
    lsbSlownik_->setSelectionMode(QAbstractItemView::SingleSelection);
    lsbSlownik_->installEventFilter(this);
    lsbSlownik_->viewport()->installEventFilter(this);
    scbSlownik_ = new QScrollBar(Qt::Vertical, pnlListaSlow_);
    scbSlownik_->setObjectName("scbSlownik");
    scbSlownik_->setRange(0, 0);
    listLayout->addWidget(lsbSlownik_);
    listLayout->addWidget(scbSlownik_);
    connect(scbSlownik_, &QScrollBar::valueChanged, this, [this](int position) { FillPage(position); });
    connect(lsbSlownik_, &QListWidget::currentRowChanged, this, [this] { ListClick(); });
    connect(lsbSlownik_, &QListWidget::itemPressed, this, [this] { ListMousePressed(); });

    auto* entryPanel = new QWidget(splSlownik_);
    auto* entryLayout = new QVBoxLayout(entryPanel);
    entryLayout->setContentsMargins(0, 0, 0, 0);
    redSlownik_ = new QTextBrowser(entryPanel);
    redSlownik_->setObjectName("redSlownik");
    redSlownik_->setOpenLinks(false);
    redSlownik_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The view is read, not selected from: a selection collapses at once.
    connect(redSlownik_, &QTextBrowser::selectionChanged, this, [this] {
        QTextCursor cursor = redSlownik_->textCursor();
        if (cursor.hasSelection()) {
            cursor.clearSelection();
            redSlownik_->setTextCursor(cursor);
        }
    });
    // Never shown: the work copy for copying and printing, and the printed text.
    redSlownikUkryty_ = new QTextEdit(entryPanel);
    redSlownikUkryty_->setObjectName("redSlownikUkryty");
    redSlownikUkryty_->hide();
    redPrint_ = new QTextEdit(entryPanel);
    redPrint_->setObjectName("redPrint");
    redPrint_->hide();
    entryLayout->addWidget(redSlownik_);

    splSlownik_->addWidget(pnlListaSlow_);
    splSlownik_->addWidget(entryPanel);
    splSlownik_->setStretchFactor(0, 1);
    splSlownik_->setStretchFactor(1, 3);
    setCentralWidget(splSlownik_);
}

void TfrmSlownikZew::CreateToolBars()
{
    // The dictionary modes: directions and history on one bar, the search on another.
    // Beside the translator one smaller bar holds the search and the history.
    if (dictionaryMode_) {
        auto* main = new QToolBar(this);
        main->setObjectName("tbrMainZew");
        main->setMovable(false);
        main->setToolButtonStyle(Qt::ToolButtonTextOnly);
        for (auto [action, name] : {std::pair{actSlownik_[0], "btnSlownikAng"}, std::pair{actSlownik_[1], "btnSlownikPol"}}) {
            main->addAction(action);
            main->widgetForAction(action)->setObjectName(name);
        }
        main->addSeparator();
        CreateHistoryButtons(main);
        addToolBar(main);
        addToolBar(CreateSearchBar());
    } else {
        QToolBar* bar = CreateSearchBar();
        bar->addSeparator();
        CreateHistoryButtons(bar);
        addToolBar(bar);
    }
}

QToolBar* TfrmSlownikZew::CreateSearchBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(dictionaryMode_ ? "tbrMainZew2" : "tbrMainWew");
    bar->setMovable(false);
    edtSzukaj_ = new QLineEdit(bar);
    edtSzukaj_->setObjectName(dictionaryMode_ ? "edtSzukajZew" : "edtSzukajWew");
    edtSzukaj_->setClearButtonEnabled(true);
    edtSzukaj_->setMinimumWidth(180);
    edtSzukaj_->setMaximumWidth(360);
    edtSzukaj_->installEventFilter(this);
    connect(edtSzukaj_, &QLineEdit::textChanged, this, &TfrmSlownikZew::SearchTextChanged);
    connect(edtSzukaj_, &QLineEdit::returnPressed, this, &TfrmSlownikZew::SearchButtonClicked);
    bar->addWidget(edtSzukaj_);
    btnSzukaj_ = new QPushButton(bar);
    btnSzukaj_->setObjectName(dictionaryMode_ ? "btnSzukajZew" : "btnSzukajWew");
    PrzypiszNapis(btnSzukaj_, 1371);
    connect(btnSzukaj_, &QPushButton::clicked, this, &TfrmSlownikZew::SearchButtonClicked);
    bar->addWidget(btnSzukaj_);
    btnPokazWszystkie_ = new QPushButton(bar);
    btnPokazWszystkie_->setObjectName("btnPokazWszystkie");
    PrzypiszNapis(btnPokazWszystkie_, 1859);
    connect(btnPokazWszystkie_, &QPushButton::clicked, this, [this] { SetFilterView(false); });
    // A button in a tool bar is shown and hidden through its action.
    actPokazWszystkie_ = bar->addWidget(btnPokazWszystkie_);
    actPokazWszystkie_->setVisible(false);
    btnPokazWszystkie_->setEnabled(false);
    return bar;
}

void TfrmSlownikZew::CreateLetterBar()
{
    addToolBarBreak();
    tbrLitery_ = new QToolBar(this);
    tbrLitery_->setObjectName("tbrLitery");
    tbrLitery_->setMovable(false);
    const auto& captions = LetterBarCaptions();
    for (std::size_t tag = 0; tag < captions.size(); ++tag) {
        const QString letter = QString::fromUtf8(captions[tag]);
        QAction* action = tbrLitery_->addAction(letter);
        action->setObjectName(QStringLiteral("btnLitera%1").arg(tag));
        action->setProperty(kLetterProperty, letter);
        connect(action, &QAction::triggered, this, [this, letter] { LetterClicked(letter); });
    }
    addToolBar(tbrLitery_);
}

QAction* TfrmSlownikZew::NewAction(const char* name, int textId, const QKeySequence& shortcut)
{
    auto* action = new QAction(this);
    action->setObjectName(name);
    if (textId > 0)
        PrzypiszNapis(action, textId);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    addAction(action);
    return action;
}

void TfrmSlownikZew::CreateActions()
{
    actSzukaj_ = NewAction("actSzukaj", 1401, QKeySequence(Qt::Key_F5));
    connect(actSzukaj_, &QAction::triggered, this, &TfrmSlownikZew::ShowPatternSearch);
    actDodajNotatke_ = NewAction("actDodajNotatke", 1403, QKeySequence(Qt::Key_F7));
    connect(actDodajNotatke_, &QAction::triggered, this, &TfrmSlownikZew::AddNote);
    actNotatki_ = NewAction("actNotatki", 1404, QKeySequence(Qt::Key_F8));
    connect(actNotatki_, &QAction::triggered, this, &TfrmSlownikZew::ShowNotes);
    actDrukuj_ = NewAction("actDrukuj", 1405, QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(actDrukuj_, &QAction::triggered, this, &TfrmSlownikZew::Print);
    actUstawieniaDrukarki_ = NewAction("actUstawieniaDrukarki", 1434);
    connect(actUstawieniaDrukarki_, &QAction::triggered, this, &TfrmSlownikZew::PrinterSetup);
    actKoniec_ = NewAction("actKoniec", 1406, QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(actKoniec_, &QAction::triggered, this, &QWidget::close);
    actKopiujHaslo_ = NewAction("actKopiujHaslo", 1411, QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(actKopiujHaslo_, &QAction::triggered, this, &TfrmSlownikZew::CopyEntry);
    actEditCopy_ = NewAction("actEditCopy", 1412);
    actEditCopy_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    connect(actEditCopy_, &QAction::triggered, this, &TfrmSlownikZew::CopySelection);

    actHistoriaBack_ = NewAction("actHistoriaBack", 1421);
    connect(actHistoriaBack_, &QAction::triggered, this, [this] { HistoryGo(historia_.Cursor() - 1); });
    actHistoriaNext_ = NewAction("actHistoriaNext", 1422);
    connect(actHistoriaNext_, &QAction::triggered, this, [this] { HistoryGo(historia_.Cursor() + 1); });

    actSzybkieSzukanie_ = NewAction("actSzybkieSzukanie", 1431);
    actSzybkieSzukanie_->setCheckable(true);
    connect(actSzybkieSzukanie_, &QAction::triggered, this, [this](bool on) {
        Ustawienia().SzybkieSzukanie = on;
        UpdateSearchButton();
    });
    actZawszeNaWierzchu_ = NewAction("actZawszeNaWierzchu", 1432);
    actZawszeNaWierzchu_->setCheckable(true);
    connect(actZawszeNaWierzchu_, &QAction::triggered, this, [](bool on) { Ustawienia().SetStayOnTop(on); });
    actLitery_ = NewAction("actLitery", 1436);
    connect(actLitery_, &QAction::triggered, this, [] { Ustawienia().SetLetterBarVisible(!Ustawienia().PasekLitery); });
    actCzcionkaInterfejsu_ = NewAction("actCzcionkaInterfejsu", 1437);
    connect(actCzcionkaInterfejsu_, &QAction::triggered, this, &TfrmSlownikZew::ChooseInterfaceFont);
    actCzcionkaSlownika_ = NewAction("actCzcionkaSlownika", 1438);
    connect(actCzcionkaSlownika_, &QAction::triggered, this, &TfrmSlownikZew::ChooseDictionaryFont);

    auto* pronunciation = new QActionGroup(this);
    for (auto [mode, textId, name] : {std::tuple{0, 1427, "actWymowaFonetyczna"},
                                      std::tuple{1, 1428, "actWymowaNaturalna"},
                                      std::tuple{2, 1429, "actWymowaBrak"}}) {
        QAction* action = NewAction(name, textId);
        action->setCheckable(true);
        action->setActionGroup(pronunciation);
        connect(action, &QAction::triggered, this, [this, mode] { SetPronunciation(mode); });
        actWymowa_[mode] = action;
    }
    actPokazujBiezaceSlowo_ = NewAction("actPokazujBiezaceSlowo", 624);
    actPokazujBiezaceSlowo_->setCheckable(true);
    connect(actPokazujBiezaceSlowo_, &QAction::triggered, this,
            [](bool on) { Ustawienia().PokazujBiezaceSlowoWSlowniku = on; });
    actWyswietlajZwroty_ = NewAction("actWyswietlajZwroty", 625);
    actWyswietlajZwroty_->setCheckable(true);
    connect(actWyswietlajZwroty_, &QAction::triggered, this, [](bool on) { Ustawienia().WyswietlajZwroty = on; });

    auto* directions = new QActionGroup(this);
    for (auto [index, textId, name] : {std::tuple{0, 1353, "mniSlownik1"}, std::tuple{1, 1358, "mniSlownik2"}}) {
        QAction* action = NewAction(name, textId);
        action->setCheckable(true);
        action->setActionGroup(directions);
        const bool polishSource = index == 1;
        connect(action, &QAction::triggered, this, [this, polishSource] {
            if ((SourceLanguage() == jezPolski) != polishSource)
                SwapDirection();
            UpdateChecks();
        });
        actSlownik_[index] = action;
    }

    auto* languages = new QActionGroup(this);
    for (auto [index, language, textId, name] : {std::tuple{0, jezPolski, 732, "mniJezykInterfejsu1"},
                                                 std::tuple{1, jezFrancuski, 734, "mniJezykInterfejsu2"}}) {
        QAction* action = NewAction(name, textId);
        action->setCheckable(true);
        action->setActionGroup(languages);
        connect(action, &QAction::triggered, this, [this, language] {
            Ustawienia().SetInterfaceLanguage(language);
            UpdateChecks();
        });
        actJezykInterfejsu_[index] = action;
    }

    actZamknijWew_ = NewAction("actZamknijWew", 0, dictionaryMode_ ? QKeySequence() : QKeySequence(Qt::Key_Escape));
    connect(actZamknijWew_, &QAction::triggered, this, &QWidget::close);
}

void TfrmSlownikZew::CreateMenus()
{
    const auto addMenu = [this](QMenu* parent, const char* name, int textId) {
        QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
        menu->setObjectName(name);
        PrzypiszNapis(menu, textId);
        return menu;
    };
    mniWymowa_ = new QMenu(this);
    mniWymowa_->setObjectName("actWymowaWyswietlaj");
    PrzypiszNapis(mniWymowa_, 1426);
    for (QAction* action : actWymowa_)
        mniWymowa_->addAction(action);

    if (!dictionaryMode_) {
        // Beside the translator: the options only; the history is on the tool bar.
        QMenu* options = addMenu(nullptr, "mniOpcjeWew", 1364);
        options->addActions({actSzybkieSzukanie_, actLitery_, actWyswietlajZwroty_, actPokazujBiezaceSlowo_});
        options->addMenu(mniWymowa_);
        options->addSeparator();
        options->addAction(actCzcionkaSlownika_);
        return;
    }

    QMenu* entry = addMenu(nullptr, "mniHaslo", 1361);
    entry->addActions({actSzukaj_, actDodajNotatke_, actNotatki_});
    entry->addSeparator();
    entry->addActions({actSlownik_[0], actSlownik_[1]});
    entry->addSeparator();
    entry->addActions({actDrukuj_, actUstawieniaDrukarki_});
    entry->addSeparator();
    entry->addAction(actKoniec_);

    QMenu* edit = addMenu(nullptr, "mniEdycja", 1362);
    edit->addActions({actKopiujHaslo_, actEditCopy_});

    mniHistoria_ = addMenu(nullptr, "mniHistoria", 1363);
    mniHistoria_->addActions({actHistoriaBack_, actHistoriaNext_});
    mniHistoria_->addSeparator();
    connect(mniHistoria_, &QMenu::aboutToShow, this, &TfrmSlownikZew::BuildHistoryMenus);

    QMenu* options = addMenu(nullptr, "mniOpcje", 1364);
    options->addActions({actSzybkieSzukanie_, actZawszeNaWierzchu_, actLitery_, actWyswietlajZwroty_});
    options->addMenu(mniWymowa_);
    options->addSeparator();
    options->addActions({actCzcionkaInterfejsu_, actCzcionkaSlownika_});
    options->addSeparator();
    QMenu* language = addMenu(options, "mniJezykInterfejsu", 470);
    language->addActions({actJezykInterfejsu_[0], actJezykInterfejsu_[1]});

    QMenu* help = addMenu(nullptr, "mniPomoc", 1365);
    QAction* inflection = help->addAction(QString());
    inflection->setObjectName("actPomocOdmieniacz");
    PrzypiszNapis(inflection, 526);
    connect(inflection, &QAction::triggered, this, [this] { ShowInflectionWindow(this); });
    help->addSeparator();
    QAction* about = help->addAction(QString());
    about->setObjectName("actOSlowniku");
    PrzypiszNapis(about, 504);
    connect(about, &QAction::triggered, this, [this] { ShowAboutBox(this); });
}

void TfrmSlownikZew::CreateHistoryButtons(QToolBar* bar)
{
    const QString suffix = dictionaryMode_ ? QStringLiteral("Zew") : QStringLiteral("Wew");
    const auto button = [&](QAction* action, const QString& name, QMenu*& dropDown, Qt::ArrowType arrow) {
        auto* tool = new QToolButton(bar);
        tool->setObjectName(name + suffix);
        tool->setDefaultAction(action);
        tool->setArrowType(arrow);
        dropDown = new QMenu(tool);
        connect(dropDown, &QMenu::aboutToShow, this, &TfrmSlownikZew::BuildHistoryMenus);
        tool->setMenu(dropDown);
        tool->setPopupMode(QToolButton::MenuButtonPopup);
        bar->addWidget(tool);
        return tool;
    };
    btnHistoriaBack_ = button(actHistoriaBack_, QStringLiteral("btnHistoriaBack"), mnuHistoriaBack_, Qt::LeftArrow);
    btnHistoriaNext_ = button(actHistoriaNext_, QStringLiteral("btnHistoriaNext"), mnuHistoriaNext_, Qt::RightArrow);
}

void TfrmSlownikZew::PlaceOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const double w = area.width();
    const double h = area.height();
    // The share of the screen: larger on a small screen, smaller beside the translator.
    double margin = 0.2;
    if (dictionaryMode_ && w < 801)
        margin = 0.1;
    else if (!dictionaryMode_ && w >= 800)
        margin = 0.25;
    setGeometry(qRound(margin * w), qRound(margin * h), qRound((1 - 2 * margin) * w), qRound((1 - 2 * margin) * h));
}

// ---------------------------------------------------------------- settings

void TfrmSlownikZew::ApplySettings()
{
    const auto& settings = Ustawienia();
    if (settings.SlLeft > 0 && settings.SlWidth > 0 && settings.SlHeight > 0)
        setGeometry(settings.SlLeft, settings.SlTop, settings.SlWidth, settings.SlHeight);
    if (settings.SlListaSlowWidth > 0 && settings.SlListaSlowWidth < width())
        splSlownik_->setSizes({settings.SlListaSlowWidth, width() - settings.SlListaSlowWidth});
    ApplyFonts();
    tbrLitery_->setVisible(settings.PasekLitery && !swapping_);
    UpdateChecks();

    // Beside the translator the window offers browsing only; the dictionary modes add
    // notes, printing and the window's own options.
    for (QAction* action : {actSzukaj_, actDodajNotatke_, actNotatki_, actDrukuj_, actKoniec_, actKopiujHaslo_,
                            actZawszeNaWierzchu_, actUstawieniaDrukarki_, actCzcionkaInterfejsu_}) {
        action->setVisible(dictionaryMode_);
        action->setEnabled(dictionaryMode_);
    }
    for (QAction* action : {actPokazujBiezaceSlowo_, actZamknijWew_}) {
        action->setVisible(!dictionaryMode_);
        action->setEnabled(!dictionaryMode_);
    }
    const bool frenchSource = SourceLanguage() == jezFrancuski;
    mniWymowa_->menuAction()->setVisible(frenchSource);
    mniWymowa_->menuAction()->setEnabled(frenchSource);

    UpdateLetterBar();
    ResetList();
    FillPage(0);
}

void TfrmSlownikZew::UpdateChecks()
{
    const auto& settings = Ustawienia();
    actSzybkieSzukanie_->setChecked(settings.SzybkieSzukanie);
    actZawszeNaWierzchu_->setChecked(!dictionaryMode_ || settings.NaWierzchu);
    actPokazujBiezaceSlowo_->setChecked(settings.PokazujBiezaceSlowoWSlowniku);
    if (settings.WyswietlajWymowe >= 0 && settings.WyswietlajWymowe <= 2)
        actWymowa_[settings.WyswietlajWymowe]->setChecked(true);
    actWyswietlajZwroty_->setChecked(settings.WyswietlajZwroty);
    const bool polishSource = SourceLanguage() == jezPolski;
    actSlownik_[0]->setChecked(!polishSource);
    actSlownik_[1]->setChecked(polishSource);
    actJezykInterfejsu_[0]->setChecked(settings.JezykInterfejsu == jezPolski);
    actJezykInterfejsu_[1]->setChecked(settings.JezykInterfejsu != jezPolski);
    UpdateSearchButton();
}

void TfrmSlownikZew::ApplyFonts()
{
    const auto& settings = Ustawienia();
    const QFont interfaceFont = ToQFont(settings.CzcionkaInterfejsu);
    edtSzukaj_->setFont(interfaceFont);
    lsbSlownik_->setFont(interfaceFont);
    redSlownik_->setFont(ToQFont(settings.CzcionkaSlownika));
}

void TfrmSlownikZew::RefreshCaptions()
{
    OdswiezNapisy(this);
    PrzypiszNapis(actLitery_, Ustawienia().PasekLitery ? 1436 : 1435);
    UpdateTitle();
    UpdateHints();
    if (frmSzukaj_)
        frmSzukaj_->RefreshCaptions();
}

void TfrmSlownikZew::UpdateTitle()
{
    // In the dictionary modes titles 4 and 5 name the dictionary of the direction and
    // become the application's name; beside the translator the window is "Słownik".
    if (!dictionaryMode_) {
        setWindowTitle(Napis(601));
        return;
    }
    setWindowTitle(Napis(SourceLanguage() == Program().ForeignLanguage ? 4 : 5));
    QApplication::setApplicationDisplayName(windowTitle());
}

void TfrmSlownikZew::UpdateHints()
{
    for (QAction* action : findChildren<QAction*>()) {
        QString hint = WithoutAmpersand(action->text());
        if (!action->shortcut().isEmpty())
            hint += QStringLiteral(" (%1)").arg(action->shortcut().toString(QKeySequence::NativeText));
        action->setToolTip(hint);
    }
}

void TfrmSlownikZew::SaveGeometry()
{
    auto& settings = Ustawienia();
    if (!settings.ZapamietujPolozenieOkna || isMinimized() || isMaximized())
        return;
    const QRect bounds = geometry();
    settings.SlLeft = bounds.left();
    settings.SlTop = bounds.top();
    settings.SlWidth = bounds.width();
    settings.SlHeight = bounds.height();
    settings.SlListaSlowWidth = pnlListaSlow_->width();
}

void TfrmSlownikZew::ApplyLetterBar()
{
    const bool visible = Ustawienia().PasekLitery;
    tbrLitery_->setVisible(visible);
    PrzypiszNapis(actLitery_, visible ? 1436 : 1435);
    actLitery_->setToolTip(WithoutAmpersand(actLitery_->text()));
}

void TfrmSlownikZew::ApplyOnTop()
{
    if (!dictionaryMode_)
        return;
    const bool onTop = Ustawienia().NaWierzchu;
    actZawszeNaWierzchu_->setChecked(onTop);
    if (onTop == windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop); // hides the window
    if (visible)
        show();
}

void TfrmSlownikZew::UpdateLetterBar()
{
    const std::string alphabet = LetterBarAlphabet(SourceLanguage());
    for (QAction* action : tbrLitery_->actions()) {
        const std::string letter = UpperStr(FromQString(action->property(kLetterProperty).toString()));
        action->setVisible(alphabet.find(letter) != std::string::npos);
    }
}

void TfrmSlownikZew::UpdateSearchButton()
{
    btnSzukaj_->setEnabled(!Ustawienia().SzybkieSzukanie && !edtSzukaj_->text().isEmpty());
}

void TfrmSlownikZew::SetPronunciation(int mode)
{
    Ustawienia().WyswietlajWymowe = mode;
    ReshowCurrent();
}

// ---------------------------------------------------------------- the list

void TfrmSlownikZew::UpdateCounts()
{
    auto& main = slowniki_.Main;
    pozycje_.Assign(main.Count(), UserMainPositions(main, slowniki_.User));
    const int rowHeight = std::max(14, lsbSlownik_->fontMetrics().height() + 2);
    rowsPerPage_ = lsbSlownik_->viewport()->height() / rowHeight;
    QSignalBlocker blocker(scbSlownik_);
    scbSlownik_->setPageStep(std::max(1, rowsPerPage_));
    scbSlownik_->setMaximum(std::max(0, pozycje_.TotalCount() - rowsPerPage_));
}

void TfrmSlownikZew::ResetList()
{
    currentHeadword_.clear();
    currentRow_ = 0;
    UpdateCounts();
    QSignalBlocker blocker(scbSlownik_);
    scbSlownik_->setValue(0);
}

void TfrmSlownikZew::FillPage(int top)
{
    strona_ = velmar::FillPage(top, rowsPerPage_, pozycje_, slowniki_.Main, slowniki_.User);
    const int rowHeight = std::max(14, lsbSlownik_->fontMetrics().height() + 2);
    QSignalBlocker blocker(lsbSlownik_);
    lsbSlownik_->setUpdatesEnabled(false);
    lsbSlownik_->clear();
    for (const auto& row : strona_) {
        auto* item = new QListWidgetItem(Wide(row.Headword), lsbSlownik_);
        item->setSizeHint(QSize(0, rowHeight));
    }
    lsbSlownik_->setUpdatesEnabled(true);
}

void TfrmSlownikZew::SelectGlobal(int position)
{
    if (position < 0)
        return;
    const int top = std::min(position, scbSlownik_->maximum());
    if (top != scbSlownik_->value())
        scbSlownik_->setValue(top); // refills the page
    SelectRow(position - top);
}

void TfrmSlownikZew::SelectRow(int row)
{
    QSignalBlocker blocker(lsbSlownik_);
    lsbSlownik_->setCurrentRow(std::min(row, lsbSlownik_->count() - 1));
}

void TfrmSlownikZew::ListResized()
{
    if (!isVisible() || swapping_)
        return;
    const int oldRow = lsbSlownik_->currentRow();
    const int oldPosition = scbSlownik_->value();
    UpdateCounts();
    if (rowsPerPage_ == 0)
        return;
    FillPage(scbSlownik_->value());
    if (oldRow < 0)
        return;
    // The same headword stays selected, scrolled into the page when it fell out of it.
    const int global = oldRow + oldPosition;
    const int position = scbSlownik_->value();
    if (global < position)
        scbSlownik_->setValue(global);
    else if (global >= position + rowsPerPage_)
        scbSlownik_->setValue(global - rowsPerPage_ + 1);
    SelectRow(global - scbSlownik_->value());
}

bool TfrmSlownikZew::ListKeyPressed(int key, Qt::KeyboardModifiers modifiers)
{
    static const std::pair<int, TKlawiszListy> kKeys[] = {
        {Qt::Key_PageUp, TKlawiszListy::PageUp}, {Qt::Key_PageDown, TKlawiszListy::PageDown},
        {Qt::Key_End, TKlawiszListy::End},       {Qt::Key_Home, TKlawiszListy::Home},
        {Qt::Key_Down, TKlawiszListy::Down},     {Qt::Key_Right, TKlawiszListy::Down},
        {Qt::Key_Up, TKlawiszListy::Up},         {Qt::Key_Left, TKlawiszListy::Up}};
    const auto found = std::find_if(std::begin(kKeys), std::end(kKeys), [key](const auto& k) { return k.first == key; });
    if (found == std::end(kKeys) || rowsPerPage_ == 0)
        return false;
    const TStanListy state{lsbSlownik_->currentRow(), scbSlownik_->value(), scbSlownik_->maximum(), rowsPerPage_,
                           lsbSlownik_->count()};
    const auto move = ListKeyMove(found->second, modifiers.testFlag(Qt::ControlModifier), state);
    if (!move)
        return false;
    scbSlownik_->setValue(move->Position);
    SelectRow(move->Row);
    ListClick();
    return true;
}

void TfrmSlownikZew::ListClick()
{
    if (lsbSlownik_->currentRow() < 0) {
        mouseFlag_ = false;
        return;
    }
    editTimer_.stop();
    if (mouseFlag_) {
        // A click shows the entry at once; keyboard movement waits for a pause.
        mouseFlag_ = false;
        listTimer_.stop();
        if (!busy_)
            ShowRow(lsbSlownik_->currentRow(), true);
        return;
    }
    listTimer_.start();
}

void TfrmSlownikZew::ListMousePressed()
{
    mouseFlag_ = true;
    ListClick();
}

void TfrmSlownikZew::LetterClicked(const QString& letter)
{
    SetFilterView(false);
    const int index = slowniki_.Main.Locate(FromQString(letter.trimmed()));
    SelectGlobal(pozycje_.GlobalBeforeMain(index));
    mouseFlag_ = true;
    ListClick();
}

void TfrmSlownikZew::SetFilterView(bool on)
{
    auto& main = slowniki_.Main;
    auto& user = slowniki_.User;
    if (main.FilterActive == on && user.FilterActive == on)
        return;
    btnPokazWszystkie_->setEnabled(on);
    actPokazWszystkie_->setVisible(on);
    main.SetFilter(on);
    user.SetFilter(on);
    ResetList();
    FillPage(0);
    if (on) {
        SelectRow(0);
        ListClick();
    }
}

// ---------------------------------------------------------------- the entry

void TfrmSlownikZew::ShowRow(int row, bool clearFirst)
{
    if (row < 0 || row >= static_cast<int>(strona_.size()))
        return;
    busy_ = true;
    redSlownik_->setUpdatesEnabled(false);
    if (clearFirst) {
        currentHeadword_.clear();
        QPalette palette = redSlownik_->palette();
        const auto bgr = static_cast<unsigned>(Ustawienia().KolorTlo);
        palette.setColor(QPalette::Base, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
        redSlownik_->setPalette(palette);
    }
    widok_->ClearView();
    try {
        const auto source = ParseRowTag(strona_[static_cast<std::size_t>(row)].Tag);
        if (!source)
            throw std::runtime_error("row tag");
        auto& dictionary = source->User ? slowniki_.User : slowniki_.Main;
        const TTransSlownikSlowo& entry = dictionary.GetEntry(source->Index);
        currentHeadword_ = entry.Headword;
        currentRow_ = row;
        edtSzukaj_->setText(Wide(currentHeadword_)); // no search: busy
        HistoryAdd(currentHeadword_);
        widok_->RenderEntry(entry, std::string(), false, Ustawienia().WyswietlajZwroty, std::string(), 0);
    } catch (const std::exception&) {
        redSlownik_->setPlainText(QStringLiteral("Błąd !"));
    }
    redSlownik_->moveCursor(QTextCursor::Start);
    redSlownik_->setUpdatesEnabled(true);
    busy_ = false;
}

void TfrmSlownikZew::ReshowCurrent()
{
    ShowRow(currentRow_, true);
}

void TfrmSlownikZew::ShowWord(const std::string& word)
{
    widok_->ClearView();
    currentHeadword_.clear();
    int index = 0;
    if (slowniki_.User.FindExact(word, index)) {
        SelectGlobal(pozycje_.GlobalOfUser(index));
        ShowRow(lsbSlownik_->currentRow(), true);
    } else {
        const bool found = slowniki_.Main.FindExact(word, index);
        if (found) {
            SelectGlobal(pozycje_.GlobalOfMain(index));
            ShowRow(lsbSlownik_->currentRow(), true);
        }
        if (!ShowFormsOf(word, found) && !found) {
            // Nothing shown; the list starts where the word would stand.
            scbSlownik_->setValue(std::min(pozycje_.GlobalBeforeMain(slowniki_.Main.Current), scbSlownik_->maximum()));
            SelectRow(-1);
        }
    }
    redSlownik_->moveCursor(QTextCursor::Start);
}

bool TfrmSlownikZew::ShowFormsOf(const std::string& word, bool alreadyShown)
{
    // The forms dictionary is loaded only where the translation data is.
    auto& forms = slowniki_.Forms;
    if (forms.Count() == 0)
        return false;
    int index = 0;
    bool found = forms.FindFormsSimple(word, index);
    if (!found && SourceLanguage() == jezPolski) {
        TZnajdzOpcje options = InitOptions(word, false);
        options.TryForms = 1;
        found = forms.FindForms(options);
    }
    if (!found)
        return false;
    if (!alreadyShown)
        currentHeadword_ = word;
    widok_->ShowForms(forms.Readings(), word, false, alreadyShown);
    return true;
}

void TfrmSlownikZew::SearchTextChanged()
{
    UpdateSearchButton();
    if (busy_)
        return;
    if (typingDelayOn_) {
        editTimer_.start(); // restarted by every change: only the last one searches
        return;
    }
    editTimer_.stop();
    SearchTimerElapsed();
}

void TfrmSlownikZew::SearchTimerElapsed()
{
    if (!busy_ && !edtSzukaj_->text().isEmpty() && Ustawienia().SzybkieSzukanie)
        ShowWord(FromQString(edtSzukaj_->text()));
}

void TfrmSlownikZew::SearchButtonClicked()
{
    if (!busy_ && !edtSzukaj_->text().isEmpty())
        ShowWord(FromQString(edtSzukaj_->text()));
}

void TfrmSlownikZew::LookUp(const std::string& word)
{
    SetFilterView(false);
    edtSzukaj_->setText(Wide(word));
    if (!Ustawienia().SzybkieSzukanie)
        SearchButtonClicked();
}

void TfrmSlownikZew::LookUpWide(const QString& word)
{
    LookUp(FromQString(word));
}

// ---------------------------------------------------------------- history

void TfrmSlownikZew::HistoryAdd(const std::string& word)
{
    historia_.Add(word);
    UpdateHistoryActions();
}

void TfrmSlownikZew::HistoryGo(int k)
{
    historia_.Navigating = true;
    if (const auto word = historia_.Go(k)) {
        // Shown at once, not after the typing delay, so that showing the step is not
        // recorded as a new visit.
        edtSzukaj_->setText(Wide(*word));
        editTimer_.stop();
        SearchButtonClicked();
    }
    UpdateHistoryActions();
    historia_.Navigating = false;
}

void TfrmSlownikZew::UpdateHistoryActions()
{
    actHistoriaBack_->setEnabled(historia_.CanGoBack());
    actHistoriaNext_->setEnabled(historia_.CanGoForward());
}

void TfrmSlownikZew::BuildHistoryMenus()
{
    const int count = static_cast<int>(historia_.Items().size());
    const int cursor = historia_.Cursor();
    if (mniHistoria_) {
        const QList<QAction*> actions = mniHistoria_->actions();
        for (qsizetype i = 3; i < actions.size(); ++i) {
            mniHistoria_->removeAction(actions[i]);
            actions[i]->deleteLater();
        }
        FillHistoryMenu(mniHistoria_, 0, count);
    }
    if (mnuHistoriaBack_) {
        mnuHistoriaBack_->clear();
        FillHistoryMenu(mnuHistoriaBack_, 0, cursor);
    }
    if (mnuHistoriaNext_) {
        mnuHistoriaNext_->clear();
        FillHistoryMenu(mnuHistoriaNext_, cursor + 1, count);
    }
}

void TfrmSlownikZew::FillHistoryMenu(QMenu* menu, int from, int to)
{
    for (int k = std::max(0, from); k < to; ++k) {
        QAction* item = menu->addAction(Wide(historia_.Items()[static_cast<std::size_t>(k)]));
        item->setCheckable(true);
        item->setChecked(k == historia_.Cursor());
        connect(item, &QAction::triggered, this, [this, k] { HistoryGo(k); });
    }
}

// ---------------------------------------------------------------- commands

void TfrmSlownikZew::SwapDirection()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto& settings = Ustawienia();
    if (!settings.ObaSlowniki)
        statusBar()->showMessage(Napis(kProszeCzekac));
    swapping_ = true;
    SetFilterView(false);
    {
        QSignalBlocker blocker(edtSzukaj_);
        edtSzukaj_->clear();
    }
    editTimer_.stop();
    listTimer_.stop();
    lsbSlownik_->clear();
    widok_->ClearView();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    settings.SwapDirection();
    ResetList();
    FillPage(0);
    SelectRow(0);
    ReshowCurrent();
    historia_.Clear();
    UpdateHistoryActions();
    UpdateChecks();
    swapping_ = false;
    tbrLitery_->setVisible(settings.PasekLitery);
    statusBar()->clearMessage();
    QApplication::restoreOverrideCursor();
}

void TfrmSlownikZew::ShowPatternSearch()
{
    if (!frmSzukaj_)
        frmSzukaj_ = new TfrmSzukaj([this](const QString& pattern) { SearchPattern(pattern); }, this);
    frmSzukaj_->Open();
}

void TfrmSlownikZew::SearchPattern(const QString& pattern)
{
    {
        QSignalBlocker blocker(edtSzukaj_);
        edtSzukaj_->clear();
    }
    editTimer_.stop();
    widok_->ClearView();
    currentHeadword_.clear();
    SetFilterView(false);
    if (pattern.isEmpty())
        return;
    const auto& settings = Ustawienia();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::u16string wide = pattern.toStdU16String();
    const int found = slowniki_.Main.FilterByWide(wide, settings.WholeWord, settings.MatchCase) +
                      slowniki_.User.FilterByWide(wide, settings.WholeWord, settings.MatchCase);
    QApplication::restoreOverrideCursor();
    if (found < 1) {
        Message(kNieZnaleziono);
        return;
    }
    if (found > kPatternLimit)
        slowniki_.Main.TrimFilter(found - kPatternLimit);
    SetFilterView(true);
    if (found > kPatternLimit)
        Message(kZnalezionoPonad, kPatternLimit, kPatternLimit);
    else
        Message(kZnaleziono, found);
}

void TfrmSlownikZew::AddNote()
{
    if (currentHeadword_.empty() || !notes_)
        return;
    ShowNotes();
    notes_->AddNote(currentHeadword_);
}

void TfrmSlownikZew::ShowNotes()
{
    if (!notes_)
        return;
    notes_->show();
    notes_->raise();
}

void TfrmSlownikZew::CopyEntry()
{
    widok_->CopyVisible(0, redSlownik_->document()->characterCount() - 1, nullptr);
}

void TfrmSlownikZew::CopySelection()
{
    if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        box->copy();
}

void TfrmSlownikZew::Print()
{
    const auto& settings = Ustawienia();
    const QString note = settings.DrukujNotatki && notes_ ? notes_->NoteOf(Wide(currentHeadword_)) : QString();
    if (!settings.DrukujHaslo && note.isEmpty())
        return;
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    redPrint_->clear();
    if (settings.DrukujHaslo)
        widok_->CopyVisible(0, redSlownik_->document()->characterCount() - 1, redPrint_);
    if (!note.isEmpty()) {
        QTextCursor cursor(redPrint_->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("\n\n") + note);
    }
    redPrint_->document()->print(&printer_);
}

void TfrmSlownikZew::PrinterSetup()
{
    QPageSetupDialog dialog(&printer_, this);
    dialog.exec();
}

void TfrmSlownikZew::ChooseInterfaceFont()
{
    auto& font = Ustawienia().CzcionkaInterfejsu;
    if (!ChooseFont(font, this))
        return;
    QApplication::setFont(ToQFont(font));
    ApplyFonts();
}

void TfrmSlownikZew::ChooseDictionaryFont()
{
    if (!ChooseFont(Ustawienia().CzcionkaSlownika, this))
        return;
    ApplyFonts();
    ReshowCurrent();
}

// ---------------------------------------------------------------- events

bool TfrmSlownikZew::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lsbSlownik_->viewport() && event->type() == QEvent::Resize)
        ListResized();
    else if (watched == lsbSlownik_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return ListKeyPressed(key->key(), key->modifiers());
    } else if (watched == lsbSlownik_->viewport() && event->type() == QEvent::Wheel) {
        // The list has no scroll bar of its own: the wheel moves the page.
        QApplication::sendEvent(scbSlownik_, event);
        return true;
    } else if (watched == edtSzukaj_ && event->type() == QEvent::KeyPress) {
        SetFilterView(false);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmSlownikZew::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    UpdateCounts();
    FillPage(scbSlownik_->value());
    widok_->ClearView();
    currentHeadword_.clear();
    {
        QSignalBlocker blocker(edtSzukaj_);
        edtSzukaj_->clear();
    }
    UpdateSearchButton();
    edtSzukaj_->setFocus();
}

void TfrmSlownikZew::closeEvent(QCloseEvent* event)
{
    // The dictionary modes save when the program quits; beside the translator closing
    // only hides the window, so its layout is kept now.
    if (!dictionaryMode_)
        Ustawienia().SaveSettings();
    QMainWindow::closeEvent(event);
}

} // namespace velmar
