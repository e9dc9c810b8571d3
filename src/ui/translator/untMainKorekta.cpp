// The translator window's autocorrection: with "Autokorekta w oknie" on, the context
// menu of a translated word offers the other meanings of its headword, rendered in the
// word's form; choosing one replaces the word in the same letter case, and the two
// variants "Tłumacz zawsze jako" and "Tłumacz w wybranym profilu jako" also record the
// choice first in the user dictionary, for every text or for the selected profiles.
#include <QAction>
#include <QMenu>
#include <QTextEdit>

#include "core/app/untStale.h"
#include "core/app/untUstawienia.h"
#include "core/dictionaries/untSlowniki.h"
#include "platform/untQtTekst.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untAutokorekta.h"
#include "ui/translator/untMain.h"

namespace velmar {

namespace {

enum : int { kAutokorekta = 422, kTlumaczZawszeJako = 431, kTlumaczWProfiluJako = 432 };

// The subject domains of the profiles selected now.
TKodyZnaczenia SelectedProfileCodes()
{
    TKodyZnaczenia codes;
    for (const TProfilTekstu& profile : Ustawienia().Profile.Items)
        if (profile.Wybrany && profile.Kod >= 0 && profile.Kod < static_cast<int>(codes.size()))
            codes.set(static_cast<std::size_t>(profile.Kod));
    return codes;
}

} // namespace

void TfrmMain::CreateCorrectionCommands(QMenu* menu)
{
    actAutokorekta_ = AddCommand(menu, "mniAutokorektaWOknie", kAutokorekta, {}, [] {});
    actAutokorekta_->setCheckable(true);
    pmnZnaczenia_ = new QMenu(this);
    pmnZnaczenia_->setObjectName("pmnZnaczenia");
    redDol_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(redDol_, &QWidget::customContextMenuRequested, this, [this](const QPoint& point) {
        if (!redDol_->textCursor().hasSelection())
            redDol_->setTextCursor(redDol_->cursorForPosition(point));
        QMenu* menu = CorrectionMenu(redDol_->textCursor().position());
        if (menu != nullptr) {
            menu->popup(redDol_->viewport()->mapToGlobal(point));
            return;
        }
        QMenu* standard = redDol_->createStandardContextMenu(point);
        standard->setAttribute(Qt::WA_DeleteOnClose);
        standard->popup(redDol_->viewport()->mapToGlobal(point));
    });
}

QMenu* TfrmMain::CorrectionMenu(int position)
{
    // Only while the target may be edited: idle, or while the worker waits for the user.
    if (!actAutokorekta_->isChecked() || redDol_->isReadOnly())
        return nullptr;
    const std::optional<TMiejsceSlowa> place = sledzDol_.WordAt(position);
    if (!place)
        return nullptr;
    const TSledzZdanie* sentence = sledzDol_.Sentence(place->Sentence);
    const TSledzSlowo* word = sledzDol_.Word(place->Sentence, place->Word);
    QTextCursor span(redDol_->document());
    span.setPosition(sentence->Start + word->Start);
    span.setPosition(sentence->Start + word->End, QTextCursor::KeepAnchor);
    // An ambiguous rendering shows its other meanings in braces after the first.
    const QString current = span.selectedText().section(QStringLiteral(" {"), 0, 0);
    const TPropozycjeKorekty proposals =
        ProposeCorrections(*word, FromQString(current), Program().SourceLanguage, Program().TargetLanguage);
    if (proposals.Meanings.empty())
        return nullptr;

    pmnZnaczenia_->clear();
    qDeleteAll(pmnZnaczenia_->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly));
    pmnZnaczenia_->addAction(ToQString(proposals.Headword, Program().SourceLanguage))->setEnabled(false);
    auto* always = new QMenu(Napis(kTlumaczZawszeJako), pmnZnaczenia_);
    always->setObjectName("pmnTlumaczZawszeJako");
    auto* inProfile = new QMenu(Napis(kTlumaczWProfiluJako), pmnZnaczenia_);
    inProfile->setObjectName("pmnTlumaczWProfiluJako");
    const TMiejsceSlowa at = *place;
    for (const TZnaczenieKorekty& meaning : proposals.Meanings) {
        const QString text = ToQString(meaning.Text, Program().TargetLanguage);
        connect(pmnZnaczenia_->addAction(text), &QAction::triggered, this, [this, at, text] { Correct(at, text); });
        connect(always->addAction(text), &QAction::triggered, this, [this, at, text, meaning, proposals] {
            Slowniki().UserEditing.AddTranslation(proposals.Headword, meaning.Meaning, true, TKodyZnaczenia().set(0),
                                                  meaning.PartOfSpeech);
            Correct(at, text);
        });
        connect(inProfile->addAction(text), &QAction::triggered, this, [this, at, text, meaning, proposals] {
            Slowniki().UserEditing.AddTranslation(proposals.Headword, meaning.Meaning, true, SelectedProfileCodes(),
                                                  meaning.PartOfSpeech);
            Correct(at, text);
        });
    }
    pmnZnaczenia_->addSeparator()->setObjectName("pmiPrzerwa");
    pmnZnaczenia_->addMenu(always);
    pmnZnaczenia_->addMenu(inProfile);
    return pmnZnaczenia_;
}

void TfrmMain::Correct(const TMiejsceSlowa& place, const QString& text)
{
    const TSledzZdanie* sentence = sledzDol_.Sentence(place.Sentence);
    const TSledzSlowo* word = sledzDol_.Word(place.Sentence, place.Word);
    if (sentence == nullptr || word == nullptr || word->Text.empty())
        return;
    const int start = sentence->Start + word->Start;
    const int length = word->End - word->Start;
    QTextCursor span(redDol_->document());
    span.setPosition(start);
    span.setPosition(start + length, QTextCursor::KeepAnchor);
    const QString replacement =
        QString::fromStdU16String(WithCasePatternOf(text.toStdU16String(), span.selectedText().toStdU16String()));
    // The follower learns the exact span replaced, not a guess from the text.
    changingPanes_ = true;
    span.insertText(replacement);
    changingPanes_ = false;
    sledzDol_.Adjust(start, length, static_cast<int>(replacement.size()));
    ForgetRetranslation();
}

} // namespace velmar
