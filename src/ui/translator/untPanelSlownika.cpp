#include "ui/translator/untPanelSlownika.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/app/untUstawienia.h"
#include "core/browser/untWyborHasla.h"
#include "core/dictionaries/untSlowniki.h"
#include "ui/browser/untWidokHasla.h"

namespace velmar {

TPanelSlownika::TPanelSlownika(QWidget* parent) : QWidget(parent)
{
    setObjectName("pnlTransSlownik");
    redTransSlownik_ = new QTextBrowser(this);
    redTransSlownik_->setObjectName("redTransSlownik");
    workCopy_ = new QTextEdit(this);
    workCopy_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(redTransSlownik_);
    // The pane has no headword list of its own to select in or a history to browse.
    widok_ = std::make_unique<TWidokHasla>(redTransSlownik_, workCopy_,
                                           TPrzegladarkaHasel{[](const std::string&) {}, [](int) {}});
}

TPanelSlownika::~TPanelSlownika() = default;

void TPanelSlownika::Clear()
{
    widok_->ClearView();
    historia_.clear();
}

bool TPanelSlownika::ShowWord(const std::string& word)
{
    if (word.empty() || (!historia_.empty() && historia_.front() == word))
        return false;
    widok_->ClearView();
    TSlowniki& dictionaries = Slowniki();
    const TWyborHasla choice = ChooseHeadword(word, {dictionaries.Main, dictionaries.User, dictionaries.Forms});
    const bool phrases = Ustawienia().WyswietlajZwroty;
    if (choice.Source == TZrodloHasla::User)
        widok_->RenderEntry(dictionaries.User.GetEntry(choice.Index), {}, false, phrases, {}, 0);
    else if (choice.Source == TZrodloHasla::Main && choice.How != TSposobWyboru::Form)
        widok_->RenderEntry(dictionaries.Main.GetEntry(choice.Index), {}, false, phrases, {}, 0);
    if (choice.Source == TZrodloHasla::Main)
        widok_->ShowForms(choice.Readings, word, false, choice.How != TSposobWyboru::Form);
    redTransSlownik_->moveCursor(QTextCursor::Start);
    historia_.push_front(word);
    if (historia_.size() > kHistoria)
        historia_.pop_back();
    return true;
}

} // namespace velmar
