// Building the dictionary window: its controls, commands, menus and tool bars, and
// applying the settings and the interface texts to them.
#include "ui/browser/untSlownikZew.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <tuple>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "platform/untQtTekst.h"
#include "ui/app/untCzcionka.h"
#include "ui/app/untNapisy.h"
#include "ui/app/untOProgramie.h"
#include "ui/app/untOpcjeSlownika.h"
#include "ui/app/untSkrotyZnakow.h"
#include "ui/browser/untSzukaj.h"
#include "ui/dictionaries/untDodaj.h"
#include "ui/generators/untOdmieniacz.h"

namespace velmar {

namespace {

constexpr const char* kLetterProperty = "velmarLitera";

std::uint8_t SourceLanguage()
{
    return Program().SourceLanguage;
}

QString WithoutAmpersand(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

// ---------------------------------------------------------------- controls

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
        for (auto [action, name] :
             {std::pair{actSlownik_[0], "btnSlownikAng"}, std::pair{actSlownik_[1], "btnSlownikPol"}}) {
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
    new TSkrotyZnakow(edtSzukaj_, [] { return Program().SourceLanguage; });
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
    // Without spacing the 32 letters of the Polish alphabet fit a window of 800 pixels.
    tbrLitery_->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; }"));
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
    actDodajWyraz_ = NewAction("actDodajWyraz", 1402, QKeySequence(Qt::Key_F10));
    connect(actDodajWyraz_, &QAction::triggered, this,
            [this] { DodajDoSlownikaUzytkownika(this, edtSzukaj_->text().trimmed().toStdU16String()); });
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
    for (auto [mode, textId, name] :
         {std::tuple{0, 1427, "actWymowaFonetyczna"}, std::tuple{1, 1428, "actWymowaNaturalna"},
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
    entry->addActions({actSzukaj_, actDodajWyraz_, actDodajNotatke_, actNotatki_});
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
    options->addSeparator();
    QAction* configuration = options->addAction(QString());
    configuration->setObjectName("actKonfiguracja");
    PrzypiszNapis(configuration, 1433);
    connect(configuration, &QAction::triggered, this, [this] {
        if (TfrmOpcjeSlZew::Wykonaj(this))
            ReshowCurrent();
    });

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
    const auto button = [&](QAction* action, const QString& name, QMenu*& dropDown, QStyle::StandardPixmap icon) {
        action->setIcon(style()->standardIcon(icon));
        auto* tool = new QToolButton(bar);
        tool->setObjectName(name + suffix);
        tool->setDefaultAction(action);
        dropDown = new QMenu(tool);
        connect(dropDown, &QMenu::aboutToShow, this, &TfrmSlownikZew::BuildHistoryMenus);
        tool->setMenu(dropDown);
        tool->setPopupMode(QToolButton::MenuButtonPopup);
        bar->addWidget(tool);
        return tool;
    };
    btnHistoriaBack_ =
        button(actHistoriaBack_, QStringLiteral("btnHistoriaBack"), mnuHistoriaBack_, QStyle::SP_ArrowBack);
    btnHistoriaNext_ =
        button(actHistoriaNext_, QStringLiteral("btnHistoriaNext"), mnuHistoriaNext_, QStyle::SP_ArrowForward);
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

} // namespace velmar
