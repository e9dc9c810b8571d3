#include "ui/translator/untGospodarzOkna.h"

#include <QCoreApplication>
#include <QTextEdit>

#include "core/app/untFoldery.h"
#include "core/app/untStale.h"
#include "core/app/untStaleApp.h"
#include "core/app/untUtils.h"
#include "core/app/untZapisPliku.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/engine/untOdpowiedziUzytkownika.h"
#include "core/engine/untTransWypTypy.h"
#include "platform/untQtTekst.h"
#include "ui/app/untNapisy.h"
#include "ui/app/untPytanie.h"
#include "ui/translator/untPanel.h"
#include "ui/translator/untSledzOkno.h"

namespace velmar {

namespace {

constexpr int kWieleInterpretacji = 120;

// "12,345": groups of three digits separated by commas.
QString GroupThousands(int number)
{
    QString digits = QString::number(number);
    for (auto i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, ',');
    return digits;
}

} // namespace

TGospodarzOkna::TGospodarzOkna(TPanel& source, TPanel& target, const TOpcjeTlumaczenia& options, QObject* parent)
    : QObject(parent), source_(source), target_(target), options_(options)
{
}

bool TGospodarzOkna::Post(std::function<void()> call)
{
    const std::lock_guard lock(detachMutex_);
    if (detached_)
        return false;
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
    return true;
}

void TGospodarzOkna::Detach()
{
    {
        const std::lock_guard lock(detachMutex_);
        detached_ = true;
    }
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void TGospodarzOkna::SetFollowers(TSledzOkno& source, TSledzOkno& target)
{
    followers_ = {&source, &target};
}

void TGospodarzOkna::BeginRun()
{
    OnWindowThread([this] { targetStart_ = target_.TextLength(); });
}

int TGospodarzOkna::SourceLength()
{
    return OnWindowThread([this] { return source_.TextLength(); });
}

std::string TGospodarzOkna::SourceCharacters(int position, int count)
{
    return OnWindowThread([this, position, count] {
        const int length = source_.TextLength();
        std::string characters;
        for (int p = position; p >= 0 && p < length && p < position + count; ++p) {
            const QChar c = source_.Edit()->document()->characterAt(p);
            characters += c == QChar::ParagraphSeparator ? std::string(1, kZnakAkapitu)
                                                         : FromWide(std::u16string(1, c.unicode()));
        }
        return characters;
    });
}

TAkapitZrodlowy TGospodarzOkna::TakeParagraph(int start, int stretchEnd)
{
    return OnWindowThread([this, start, stretchEnd] {
        TAkapitZrodlowy taken;
        const int paragraph = source_.ParagraphAt(start);
        const int offset = start - source_.ParagraphStart(paragraph);
        const std::string text = source_.ParagraphText(paragraph);
        const int length = std::clamp(std::min(static_cast<int>(text.size()) - offset, stretchEnd - start), 0,
                                      static_cast<int>(text.size()));
        taken.Text = text.substr(static_cast<std::size_t>(std::clamp(offset, 0, static_cast<int>(text.size()))),
                                 static_cast<std::size_t>(length));
        taken.Runs = source_.FormatRuns(paragraph).From(offset, length);
        source_.SetSelection(start, 0);
        taken.Attributes = source_.ParagraphAttributes();
        return taken;
    });
}

void TGospodarzOkna::SaveBackup(TPanel& pane, bool lowerPane)
{
    // A backup that cannot be written is no reason to stop translating.
    const std::string name = PaneBackupFile(Program().WorkingMode, lowerPane);
    if (!name.empty())
        SaveFileAtomically(Foldery().WritePath(name), pane.StreamOut(TStrumien::Rtf));
}

void TGospodarzOkna::SaveSourceBackup()
{
    if (backups_.first)
        OnWindowThread([this] { SaveBackup(source_, false); });
}

void TGospodarzOkna::SaveTargetBackup()
{
    if (backups_.second)
        OnWindowThread([this] { SaveBackup(target_, true); });
}

void TGospodarzOkna::SetProgressRange(int start, int end)
{
    OnWindowThread([this, start, end] { emit ProgressRangeSet(start, end); });
}

void TGospodarzOkna::SetProgress(int position)
{
    OnWindowThread([this, position] { emit ProgressMoved(position); });
}

void TGospodarzOkna::ShowError(int textId)
{
    OnWindowThread([textId] { Pytanie().Zapytaj(Napis(textId).toStdU16String(), TPrzyciski::OK); });
}

void TGospodarzOkna::Finished(const TKoniecTlumaczenia& end)
{
    // Not waited for: the window's handler frees the worker, which is returning now.
    Post([this, end] {
        if (!detached_)
            emit RunEnded(end);
    });
}

void TGospodarzOkna::CopySource(int start, int end)
{
    source_.SetSelection(start, end - start);
    const std::string rtf = source_.StreamOut(TStrumien::Rtf, true);
    source_.SetSelection(start, 0);
    target_.StreamIn(rtf, TStrumien::Rtf, true);
}

void TGospodarzOkna::CopySourceParagraph(int start, int end)
{
    OnWindowThread([this, start, end] {
        target_.SetSelection(target_.TextLength(), 0);
        CopySource(start, end);
        target_.ReplaceSelection(std::string(1, kZnakAkapitu), target_.SelAttributes());
    });
}

void TGospodarzOkna::MarkUnknown(const std::vector<std::pair<int, int>>& spans)
{
    OnWindowThread([this, &spans] {
        const int caret = source_.SelStart();
        for (const auto& [start, end] : spans) {
            source_.SetSelection(start, end - start);
            TAtrybutyTekstu attributes = source_.SelAttributes();
            options_.UnknownStyle.ApplyTo(attributes);
            source_.SetSelAttributes(attributes);
        }
        source_.SetSelection(caret, 0);
    });
}

void TGospodarzOkna::WriteUtterance(const TWynikWypowiedzenia& utterance)
{
    OnWindowThread([this, &utterance] {
        const std::uint8_t language = target_.Jezyk();
        const int start = target_.TextLength();
        target_.SetSelection(start, 0);
        for (const TFragmentWyniku& fragment : utterance.Fragments) {
            target_.SetJezyk(fragment.Language);
            target_.ReplaceSelection(fragment.Text, fragment.Attributes);
        }
        target_.SetJezyk(language);
        target_.Edit()->document()->setModified(true);
        if (followers_.first != nullptr && utterance.SourceStart >= 0) {
            followers_.first->Append(utterance.SourceStart, utterance.SourceEnd, utterance.SourceWords);
            followers_.second->Append(start, target_.TextLength(), utterance.TargetWords);
        }
    });
}

void TGospodarzOkna::EndParagraph(const TAtrybutyAkapitu& attributes, bool applyAttributes, int lineBreaks)
{
    OnWindowThread([this, &attributes, applyAttributes, lineBreaks] {
        target_.SetSelection(target_.TextLength(), 0);
        if (applyAttributes)
            target_.SetParagraphAttributes(attributes);
        if (lineBreaks > 0)
            target_.ReplaceSelection(std::string(static_cast<std::size_t>(lineBreaks), kZnakAkapitu),
                                     target_.SelAttributes());
    });
}

void TGospodarzOkna::WriteListing(const std::string& listing)
{
    OnWindowThread([this, &listing] { target_.SetText(listing); });
}

void TGospodarzOkna::CopySourceToTarget(int start, int end, bool beforeTranslation)
{
    OnWindowThread([this, start, end, beforeTranslation] {
        const std::string lineBreak(1, kZnakAkapitu);
        if (beforeTranslation) {
            target_.SetSelection(targetStart_, 0);
            CopySource(start, end);
            target_.ReplaceSelection(lineBreak, target_.SelAttributes());
        } else {
            target_.SetSelection(target_.TextLength(), 0);
            target_.ReplaceSelection(lineBreak, target_.SelAttributes());
            CopySource(start, end);
        }
    });
}

void TGospodarzOkna::ArchivePair(const std::string& source, const std::string& target)
{
    OnWindowThread([&source, &target] { Slowniki().Archive.AddPair(source, target); });
}

TWyborZnaczenia TGospodarzOkna::DescribeChoice(TCustomWypowiedzenie& utterance, const TCustomWypSlowo* word) const
{
    TWyborZnaczenia choice;
    TCustomWypSlowa& words = utterance.Words();
    const std::uint8_t sourceLanguage = source_.Jezyk();
    const std::uint8_t targetLanguage = target_.Jezyk();
    for (int i = 0; i < words.Count(); ++i) {
        TCustomWypSlowo& each = words.Word(i);
        const bool current = word == nullptr ? i == 0 : &each == word;
        const int translations = each.Translations.Count();
        const QString text = ToQString(each.Text, sourceLanguage);
        const QString rendering =
            translations > 0 ? ToQString(Trim(words.RenderTranslation(i, 0)), targetLanguage) : text;
        for (QString* pane : {&choice.Source, &choice.Translation})
            if (!pane->isEmpty())
                *pane += ' ';
        if (current) {
            choice.Word = text;
            choice.WordStart = static_cast<int>(choice.Source.size());
            choice.WordLength = static_cast<int>(text.size());
            choice.RenderingStart = static_cast<int>(choice.Translation.size());
            choice.RenderingLength = static_cast<int>(rendering.size());
            for (int t = 0; t < translations; ++t)
                choice.Translations << ToQString(Trim(words.RenderTranslation(i, t)), targetLanguage);
        }
        choice.Source += text;
        choice.Translation += rendering;
    }
    return choice;
}

void TGospodarzOkna::OpenMeaningChoice(TCustomWypowiedzenie& utterance, TCustomWypSlowo& word,
                                       TOdpowiedziUzytkownika& answers)
{
    // The worker's objects are read here, on its own thread; the window gets text only.
    const TWyborZnaczenia choice = DescribeChoice(utterance, &word);
    OnWindowThread([this, &choice, &answers] { emit MeaningChoiceOpened(choice, false, &answers); });
}

void TGospodarzOkna::OpenWordChoice(TCustomWypowiedzenie& utterance, TOdpowiedziUzytkownika& answers)
{
    const TWyborZnaczenia choice = DescribeChoice(utterance, nullptr);
    OnWindowThread([this, &choice, &answers] { emit MeaningChoiceOpened(choice, true, &answers); });
}

void TGospodarzOkna::OpenGridChoice(const std::vector<TKolumnaZnaczen>& columns, TOdpowiedziUzytkownika& answers)
{
    QList<TKolumnaSiatki> grid;
    for (const TKolumnaZnaczen& column : columns) {
        TKolumnaSiatki shown{ToQString(column.Source, source_.Jezyk()), {}};
        for (const std::string& translation : column.Translations)
            shown.Translations << ToQString(translation, target_.Jezyk());
        grid << shown;
    }
    OnWindowThread([this, &grid, &answers] { emit GridChoiceOpened(grid, &answers); });
}

bool TGospodarzOkna::AskManyInterpretations(int count)
{
    return OnWindowThread([count] {
        QString text = Napis(kWieleInterpretacji);
        for (const int number : {count, TZdania::kLimit})
            text.replace(text.indexOf(QStringLiteral("%s")), 2, GroupThousands(number));
        return Pytanie().Zapytaj(text.toStdU16String(), TPrzyciski::TakNie) == TOdpowiedz::Tak;
    });
}

void TGospodarzOkna::OpenInterpretationChoice(const std::vector<std::string>& variants, TOdpowiedziUzytkownika& answers)
{
    QStringList shown;
    for (const std::string& variant : variants)
        shown << ToQString(variant, target_.Jezyk());
    OnWindowThread([this, &shown, &answers] { emit InterpretationChoiceOpened(shown, &answers); });
}

void TGospodarzOkna::PauseAfterParagraph(TOdpowiedziUzytkownika& answers)
{
    OnWindowThread([this, &answers] { emit PauseOpened(&answers); });
}

void TGospodarzOkna::ResumeAfterPause()
{
    OnWindowThread([this] { emit PauseEnded(); });
}

} // namespace velmar
