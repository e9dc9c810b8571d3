// The translator window's text tools: the spell checker of the source pane (F7) with its
// options, the frequency analysis of the source pane and the removal of its single
// line breaks.
#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QTextCursor>
#include <QTextEdit>

#include "core/app/untPytanie.h"
#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/tools/untPisownia.h"
#include "ui/app/untNapisy.h"
#include "ui/dictionaries/untDodaj.h"
#include "ui/dictionaries/untSlowaNietlumaczone.h"
#include "ui/dictionaries/untSlownikiUzytkownika.h"
#include "ui/tools/untFrekwencja.h"
#include "ui/tools/untPisownia2.h"
#include "ui/tools/untPisowniaOpcje.h"
#include "ui/translator/untMain.h"
#include "ui/translator/untPanel.h"
#include "ui/translator/untUsunZnaki.h"

namespace velmar {

namespace {

enum : int {
    kSprawdzPisownie = 402,
    kOpcjePisowni = 426,
    kAnalizaFrekwencyjna = 1118,
    kTlumaczenieSlowa = 1020,
    kDodajWyraz = 417,
    kSlowaNietlumaczone = 430,
    kSlownikiUzytkownika = 427,
    kUsunZnaki = 403,
    kCzyUsunacZnaki = 109,
};

// The selected text of the pane, else the word at its caret.
TWide WordAtCaret(const QTextEdit* pane)
{
    QTextCursor cursor = pane->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    return cursor.selectedText().trimmed().toStdU16String();
}

QAction* AddToolAction(QMenu* menu, const char* name, int textId)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    PrzypiszNapis(action, textId);
    return action;
}

// Asks for the translation of a word the spell checker does not know and adds both to
// the user dictionary.
bool AskAndAddToUserDictionary(QWidget* parent, const std::string& word)
{
    const QString shown = QString::fromStdU16String(ToWide(word, Program().SourceLanguage));
    bool ok = false;
    const QString translation =
        QInputDialog::getText(parent, Napis(kSprawdzPisownie).remove('&'),
                              Napis(kTlumaczenieSlowa).replace("%s", shown), QLineEdit::Normal, QString(), &ok);
    return ok && AddToUserDictionary(Slowniki().User, word, FromWide(translation.toStdU16String()));
}

} // namespace

void TfrmMain::CreateTextTools(QMenu* menu)
{
    actPisownia_ = AddToolAction(menu, "actSprawdzPisownie", kSprawdzPisownie);
    actPisownia_->setShortcut(QKeySequence(Qt::Key_F7));
    connect(actPisownia_, &QAction::triggered, this, [this] { CheckSpelling(); });
    actPisowniaOpcje_ = AddToolAction(menu, "actOpcjePisowni", kOpcjePisowni);
    connect(actPisowniaOpcje_, &QAction::triggered, this, [this] { TfrmPisowniaOpcje(Ustawienia(), this).exec(); });
    actFrekwencja_ = AddToolAction(menu, "actAnalizaFrekwencyjna", kAnalizaFrekwencyjna);
    connect(actFrekwencja_, &QAction::triggered, this, [this] {
        if (frmFrekwencja_ == nullptr)
            frmFrekwencja_ = new TfrmFrekwencja(*panelGora_, Slowniki().Forms, Slowniki().Main, this);
        panelGora_->SetJezyk(Program().SourceLanguage);
        frmFrekwencja_->show();
        frmFrekwencja_->raise();
    });
    QAction* addWord = AddToolAction(menu, "actDodajWyraz", kDodajWyraz);
    addWord->setShortcut(QKeySequence(Qt::Key_F10));
    connect(addWord, &QAction::triggered, this, [this] { DodajDoSlownikaUzytkownika(this, WordAtCaret(redGora_)); });
    connect(AddToolAction(menu, "actSlownikiUzytkownika", kSlownikiUzytkownika), &QAction::triggered, this, [this] {
        if (!Busy())
            PokazSlownikiUzytkownika(this);
    });
    connect(AddToolAction(menu, "actSlowaNietlumaczone", kSlowaNietlumaczone), &QAction::triggered, this,
            [this] { TfrmSlowaNietlumaczone(Slowniki().Untranslatable, this).exec(); });
    actUsunZnaki_ = AddToolAction(menu, "mniNarzedziaUsunZnaki", kUsunZnaki);
    connect(actUsunZnaki_, &QAction::triggered, this, [this] {
        if (!Busy() &&
            Pytanie().Zapytaj(Napis(kCzyUsunacZnaki).toStdU16String(), TPrzyciski::TakNie) == TOdpowiedz::Tak)
            RemoveSingleLineBreaks(*redGora_->document());
    });
}

// The check starts at the caret of the source pane; an empty pane has nothing to check.
void TfrmMain::CheckSpelling()
{
    if (Busy() || panelGora_->TextLength() == 0)
        return;
    panelGora_->SetJezyk(Program().SourceLanguage);
    redGora_->setFocus();
    panelGora_->SetSelection(panelGora_->SelStart(), 0);
    TSlowniki& dictionaries = Slowniki();
    TfrmPisownia2 dialog(
        *panelGora_, {dictionaries.User, dictionaries.Forms, dictionaries.Main, dictionaries.Untranslatable},
        Ustawienia(), [this](const std::string& word) { return AskAndAddToUserDictionary(this, word); }, this);
    dialog.Run();
}

} // namespace velmar
