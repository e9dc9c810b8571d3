#include "ui/browser/untSlownikZew.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "core/browser/untWyborHasla.h"
#include "core/dictionaries/untSlowniki.h"
#include "platform/untQtTekst.h"
#include "ui/app/untCzcionka.h"
#include "ui/app/untKlawiszeListy.h"
#include "ui/app/untNapisy.h"
#include "ui/browser/untNotatki.h"
#include "ui/browser/untSzukaj.h"

namespace velmar {

namespace {

constexpr int kTypingDelayMs = 300;
constexpr int kListDelayMs = 400;
constexpr int kPatternLimit = 1000;
// Interface texts of the pattern search and the direction swap.
constexpr int kZnaleziono = 122, kZnalezionoPonad = 123, kNieZnaleziono = 124, kProszeCzekac = 134;

std::uint8_t SourceLanguage()
{
    return Program().SourceLanguage;
}

QString Wide(const std::string& text)
{
    return ToQString(text, SourceLanguage());
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
    const auto showFromTheTop = [this] {
        ResetList();
        FillPage(0);
        ReshowCurrent();
    };
    keep(settings.PoZamianie, showFromTheTop);
    keep(settings.PoZmianieSlownikaUzytkownika, showFromTheTop);
    keep(settings.PoZmianiePaskaLiter, [this] { ApplyLetterBar(); });
    keep(settings.PoZmianieNaWierzchu, [this] { ApplyOnTop(); });
    keep(slowniki_.UserEditing.OnAdd, [this](int index, int mainPosition) { OnUserEntryAdded(index, mainPosition); });
    keep(slowniki_.UserEditing.OnDelete,
         [this](int index, int mainPosition) { OnUserEntryDeleted(index, mainPosition); });
}

// ---------------------------------------------------------------- the list

void TfrmSlownikZew::UpdateCounts()
{
    auto& main = slowniki_.Main;
    pozycje_.Assign(main.Count(), UserMainPositions(main, slowniki_.User));
    rowsPerPage_ = lsbSlownik_->viewport()->height() / RowHeight();
    QSignalBlocker blocker(scbSlownik_);
    scbSlownik_->setPageStep(std::max(1, rowsPerPage_));
    scbSlownik_->setMaximum(std::max(0, pozycje_.TotalCount() - rowsPerPage_));
}

int TfrmSlownikZew::RowHeight() const
{
    // Every row is as high as the list's font needs, and never lower than 14 pixels.
    return std::max(14, lsbSlownik_->fontMetrics().height() + 2);
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
    const int rowHeight = RowHeight();
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

void TfrmSlownikZew::ReselectRow(int row)
{
    if (row < 0)
        return;
    SelectRow(row);
    ListClick();
}

void TfrmSlownikZew::OnUserEntryAdded(int index, int mainPosition)
{
    SetFilterView(false);
    const int row = lsbSlownik_->currentRow();
    UpdateCounts();
    if (index + mainPosition >= scbSlownik_->value() + rowsPerPage_)
        return; // below the page: only the scroll range grew
    FillPage(scbSlownik_->value());
    ReselectRow(row);
}

void TfrmSlownikZew::OnUserEntryDeleted(int index, int mainPosition)
{
    SetFilterView(false);
    const int row = lsbSlownik_->currentRow();
    const int top = scbSlownik_->value();
    UpdateCounts();
    if (index + mainPosition > top + rowsPerPage_)
        return;
    // The rows after the deleted one move up; the page follows them by one.
    {
        QSignalBlocker blocker(scbSlownik_);
        scbSlownik_->setValue(std::max(0, top - 1));
    }
    FillPage(scbSlownik_->value());
    ReselectRow(row);
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
    const TStanListy state{lsbSlownik_->currentRow(), scbSlownik_->value(), scbSlownik_->maximum(), rowsPerPage_,
                           lsbSlownik_->count()};
    const auto move = PagingKeyMove(key, modifiers, state);
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
    const TWyborHasla choice = ChooseHeadword(word, {slowniki_.Main, slowniki_.User, slowniki_.Forms});
    switch (choice.Source) {
    case TZrodloHasla::User:
        SelectGlobal(pozycje_.GlobalOfUser(choice.Index));
        ShowRow(lsbSlownik_->currentRow(), true);
        break;
    case TZrodloHasla::Main:
        if (choice.How == TSposobWyboru::Form) {
            // The typed form heads the entries of its bases; showing them selects the first.
            currentHeadword_ = word;
            widok_->ShowForms(choice.Readings, word, false, false);
            break;
        }
        SelectGlobal(pozycje_.GlobalOfMain(choice.Index));
        ShowRow(lsbSlownik_->currentRow(), true);
        widok_->ShowForms(choice.Readings, word, false, true);
        break;
    case TZrodloHasla::None:
        scbSlownik_->setValue(std::min(pozycje_.GlobalBeforeMain(choice.NearestMain), scbSlownik_->maximum()));
        SelectRow(-1);
        break;
    }
    redSlownik_->moveCursor(QTextCursor::Start);
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

void TfrmSlownikZew::ClearSearchBox()
{
    editTimer_.stop();
    QSignalBlocker blocker(edtSzukaj_);
    edtSzukaj_->clear();
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
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    auto& settings = Ustawienia();
    if (!settings.ObaSlowniki)
        statusBar()->showMessage(Napis(kProszeCzekac));
    swapping_ = true;
    SetFilterView(false);
    ClearSearchBox();
    listTimer_.stop();
    lsbSlownik_->clear();
    widok_->ClearView();
    // Drawn empty now: the other direction's dictionaries may take a while to load.
    lsbSlownik_->repaint();
    redSlownik_->repaint();
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
}

void TfrmSlownikZew::ShowPatternSearch()
{
    if (!frmSzukaj_)
        frmSzukaj_ = new TfrmSzukaj([this](const QString& pattern) { SearchPattern(pattern); }, this);
    frmSzukaj_->Open();
}

void TfrmSlownikZew::SearchPattern(const QString& pattern)
{
    ClearSearchBox();
    widok_->ClearView();
    currentHeadword_.clear();
    SetFilterView(false);
    if (pattern.isEmpty())
        return;
    const auto& settings = Ustawienia();
    const std::u16string wide = pattern.toStdU16String();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int found = [&] {
        const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        return slowniki_.Main.FilterByWide(wide, settings.WholeWord, settings.MatchCase) +
               slowniki_.User.FilterByWide(wide, settings.WholeWord, settings.MatchCase);
    }();
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
    UpdateCounts(); // the rows' height follows the font
    FillPage(scbSlownik_->value());
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
    ClearSearchBox();
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
