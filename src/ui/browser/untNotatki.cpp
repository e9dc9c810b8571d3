#include "ui/browser/untNotatki.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "core/app/untBladPliku.h"
#include "core/app/untFoldery.h"
#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"
#include "platform/untQtTekst.h"

namespace velmar {

namespace {

// Interface texts of this window.
enum : int {
    kTytul = 1451,
    kDoHasla = 1452,
    kUsunWszystkie = 1453,
    kZamknij = 25,
    kUsun = 27,
    kCzyUsunacWszystkie = 121,
};

// Sets a flag for the lifetime of the object.
class TZajety {
public:
    explicit TZajety(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~TZajety() { flag_ = previous_; }
    TZajety(const TZajety&) = delete;
    TZajety& operator=(const TZajety&) = delete;

private:
    bool& flag_;
    bool previous_;
};

} // namespace

TfrmNotatki::TfrmNotatki(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmNotatki"));
    teksty_ = TekstyProgramu();
    pytanie_ = [](int textId) {
        const auto language = static_cast<std::uint8_t>(Ustawienia().JezykInterfejsu);
        return Pytanie().Zapytaj(InterfaceTextWide(language, textId), TPrzyciski::TakNie) == TOdpowiedz::Tak;
    };
    CreateControls();
    resize(520, 340);
    lsbNotatkiClick();
    RefreshCaptions();
}

TfrmNotatki::~TfrmNotatki()
{
    for (const auto& disconnect : rozlaczenia_)
        disconnect();
}

void TfrmNotatki::ConnectToSettings()
{
    if (!IsDictionaryMode(Program().WorkingMode))
        return;
    auto& settings = Ustawienia();
    const int applied = settings.PoZastosowaniu.Add([this] { ApplyNoteSettings(); });
    const int saving = settings.PrzedZapisem.Add([this](int) { SaveNotes(); });
    const int captions = settings.PoOdswiezeniuNapisow.Add([this] { RefreshCaptions(); });
    rozlaczenia_.push_back([applied, saving, captions] {
        auto& s = Ustawienia();
        s.PoZastosowaniu.Remove(applied);
        s.PrzedZapisem.Remove(saving);
        s.PoOdswiezeniuNapisow.Remove(captions);
    });
}

void TfrmNotatki::ApplyNoteSettings()
{
    const auto& program = Program();
    SetLanguages(program.SourceLanguage, static_cast<std::uint8_t>(Ustawienia().JezykInterfejsu));
    const std::string name = ProductFile(tabele::NotesFile, program.WorkingMode);
    if (name.empty())
        SetNotesFile({});
    else
        SetNotesFile(Foldery().ReadPath(name), Foldery().WritePath(name));
    LoadNotes();
}

void TfrmNotatki::CreateControls()
{
    lsbNotatki_ = new QListWidget;
    lsbNotatki_->setObjectName(QStringLiteral("lsbNotatki"));
    memNotatki_ = new QPlainTextEdit;
    memNotatki_->setObjectName(QStringLiteral("memNotatki"));
    memNotatki_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    splitter_ = new QSplitter(Qt::Horizontal);
    splitter_->addWidget(lsbNotatki_);
    splitter_->addWidget(memNotatki_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({160, 360});

    btnDoHasla_ = new QPushButton;
    btnUsun_ = new QPushButton;
    btnUsunWszystkie_ = new QPushButton;
    btnZamknij_ = new QPushButton;
    btnZamknij_->setShortcut(QKeySequence(Qt::Key_Escape));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnDoHasla_);
    buttons->addWidget(btnUsun_);
    buttons->addWidget(btnUsunWszystkie_);
    buttons->addStretch();
    buttons->addWidget(btnZamknij_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter_, 1);
    layout->addLayout(buttons);

    connect(lsbNotatki_, &QListWidget::currentRowChanged, this, [this] {
        if (!zajety_)
            lsbNotatkiClick();
    });
    connect(memNotatki_, &QPlainTextEdit::textChanged, this, &TfrmNotatki::memNotatkiChange);
    connect(btnDoHasla_, &QPushButton::clicked, this, &TfrmNotatki::btnDoHaslaClick);
    connect(btnUsun_, &QPushButton::clicked, this, &TfrmNotatki::btnUsunClick);
    connect(btnUsunWszystkie_, &QPushButton::clicked, this, &TfrmNotatki::btnUsunWszystkieClick);
    connect(btnZamknij_, &QPushButton::clicked, this, &QWidget::hide);
}

void TfrmNotatki::SetTexts(TTekstInterfejsu texts)
{
    teksty_ = std::move(texts);
    RefreshCaptions();
}

void TfrmNotatki::SetNotesFile(std::filesystem::path readFrom, std::filesystem::path writeTo)
{
    plikZapisu_ = writeTo.empty() ? readFrom : std::move(writeTo);
    plikOdczytu_ = std::move(readFrom);
}

void TfrmNotatki::SetLanguages(std::uint8_t source, std::uint8_t interfaceLanguage)
{
    jezykZrodla_ = source;
    jezykInterfejsu_ = interfaceLanguage;
}

QString TfrmNotatki::Text(int id) const
{
    return teksty_ ? teksty_(id) : QString();
}

void TfrmNotatki::RefreshCaptions()
{
    setWindowTitle(Text(kTytul));
    btnDoHasla_->setText(Text(kDoHasla));
    btnUsun_->setText(Text(kUsun));
    btnUsunWszystkie_->setText(Text(kUsunWszystkie));
    btnZamknij_->setText(Text(kZamknij));
}

void TfrmNotatki::LoadNotes()
{
    TZajety busy(zajety_);
    if (!plikOdczytu_.empty() && !notatki_.Load(plikOdczytu_))
        ReportFileFailures(Ustawienia().JezykInterfejsu, tekst::BladOtwarciaPliku,
                           {{TRodzajBleduPliku::Odczyt, plikOdczytu_}});
    FillList();
    if (lsbNotatki_->count() > 0)
        lsbNotatki_->setCurrentRow(0);
    lsbNotatkiClick();
}

bool TfrmNotatki::SaveNotes()
{
    if (plikZapisu_.empty() || notatki_.Save(plikZapisu_))
        return true;
    // A list that failed to load is refused rather than written over; say which.
    const auto kind = notatki_.LoadFailed() ? TRodzajBleduPliku::NieNadpisany : TRodzajBleduPliku::Zapis;
    ReportFileFailures(Ustawienia().JezykInterfejsu, tekst::BladZapisuPliku, {{kind, plikZapisu_}});
    return false;
}

void TfrmNotatki::FillList()
{
    lsbNotatki_->clear();
    for (int i = 0; i < notatki_.Count(); ++i)
        lsbNotatki_->addItem(ToQString(notatki_.Name(i), jezykZrodla_));
}

void TfrmNotatki::AddNote(const std::string& headword)
{
    TZajety busy(zajety_);
    const int count = notatki_.Count();
    const int index = notatki_.Add(headword);
    if (notatki_.Count() > count)
        lsbNotatki_->addItem(ToQString(headword, jezykZrodla_));
    lsbNotatki_->setCurrentRow(index);
    lsbNotatkiClick();
    memNotatki_->moveCursor(QTextCursor::End);
    memNotatki_->setFocus();
}

QString TfrmNotatki::NoteOf(const QString& headword) const
{
    return ToQString(notatki_.NoteOf(FromQString(headword)), jezykInterfejsu_);
}

void TfrmNotatki::ShowNote(int index)
{
    TZajety busy(zajety_);
    QString note = ToQString(notatki_.Note(index), jezykInterfejsu_);
    note.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memNotatki_->setPlainText(note);
}

void TfrmNotatki::lsbNotatkiClick()
{
    const int row = lsbNotatki_->currentRow();
    const bool selected = lsbNotatki_->count() > 0 && row >= 0;
    for (QWidget* control : {static_cast<QWidget*>(btnDoHasla_), static_cast<QWidget*>(btnUsun_),
                             static_cast<QWidget*>(btnUsunWszystkie_), static_cast<QWidget*>(memNotatki_)})
        control->setEnabled(selected);
    if (selected && row < notatki_.Count())
        ShowNote(row);
}

void TfrmNotatki::memNotatkiChange()
{
    const int row = lsbNotatki_->currentRow();
    if (zajety_ || row < 0 || row >= notatki_.Count())
        return;
    // The box's line breaks (LF) become the stored marker, like CR LF does.
    notatki_.SetNote(row, FromQString(memNotatki_->toPlainText()));
}

void TfrmNotatki::btnDoHaslaClick()
{
    if (const QListWidgetItem* item = lsbNotatki_->currentItem())
        emit GoToHeadword(item->text());
}

void TfrmNotatki::btnUsunClick()
{
    const int row = lsbNotatki_->currentRow();
    if (row < 0)
        return;
    TZajety busy(zajety_);
    memNotatki_->clear();
    notatki_.Delete(row);
    delete lsbNotatki_->takeItem(row);
    if (lsbNotatki_->count() > 0)
        lsbNotatki_->setCurrentRow(std::min(row, lsbNotatki_->count() - 1));
    lsbNotatkiClick();
}

void TfrmNotatki::btnUsunWszystkieClick()
{
    if (!pytanie_(kCzyUsunacWszystkie))
        return;
    TZajety busy(zajety_);
    lsbNotatki_->clear();
    memNotatki_->clear();
    notatki_.Clear();
    lsbNotatkiClick();
}

} // namespace velmar
