#include "core/engine/untGospodarzWsadowy.h"

#include <algorithm>

#include "core/app/untUtils.h"

namespace velmar {

TGospodarzWsadowy::TGospodarzWsadowy(const TTekstFormatowany& source, std::uint8_t sourceLanguage)
    : language_(sourceLanguage)
{
    for (const TAkapit& akapit : source.Akapity) {
        if (!paragraphs_.empty())
            text_ += '\r';
        TAkapitZrodla paragraph;
        paragraph.Start = static_cast<int>(text_.size());
        paragraph.Attributes = akapit.Atrybuty;
        for (const TFragment& fragment : akapit.Fragmenty) {
            if (fragment.Tekst.empty())
                continue;
            paragraph.Runs.AddRun(static_cast<int>(text_.size()) - paragraph.Start, fragment.Atrybuty);
            text_ += FromWide(fragment.Tekst);
        }
        paragraphs_.push_back(std::move(paragraph));
    }
}

TGospodarzWsadowy::TGospodarzWsadowy(std::string source, std::uint8_t sourceLanguage)
    : language_(sourceLanguage), text_(std::move(source))
{
    std::size_t start = 0;
    while (true) {
        TAkapitZrodla paragraph;
        paragraph.Start = static_cast<int>(start);
        paragraph.Runs.AddRun(0, TAtrybutyTekstu{});
        paragraphs_.push_back(std::move(paragraph));
        const std::size_t end = text_.find('\r', start);
        if (end == std::string::npos)
            break;
        start = end + (text_.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

const TGospodarzWsadowy::TAkapitZrodla& TGospodarzWsadowy::ParagraphAt(int position) const
{
    const auto after = std::upper_bound(paragraphs_.begin(), paragraphs_.end(), position,
                                        [](int p, const TAkapitZrodla& paragraph) { return p < paragraph.Start; });
    return after == paragraphs_.begin() ? *after : *std::prev(after);
}

void TGospodarzWsadowy::BeginRun()
{
    if (target_.Akapity.empty())
        target_.Akapity.emplace_back();
    runStart_ = target_.Akapity.size() - 1;
}

TAkapit& TGospodarzWsadowy::CurrentParagraph()
{
    if (target_.Akapity.empty())
        target_.Akapity.emplace_back();
    return target_.Akapity.back();
}

std::string TGospodarzWsadowy::SourceCharacters(int position, int count)
{
    if (position < 0 || position >= SourceLength())
        return {};
    return text_.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(count));
}

TAkapitZrodlowy TGospodarzWsadowy::TakeParagraph(int start, int stretchEnd)
{
    TAkapitZrodlowy taken;
    const std::size_t from = static_cast<std::size_t>(std::clamp(start, 0, SourceLength()));
    const std::size_t limit = static_cast<std::size_t>(std::clamp(stretchEnd, static_cast<int>(from), SourceLength()));
    const std::size_t end = std::min(text_.find('\r', from), limit);
    taken.Text = text_.substr(from, end - from);
    if (paragraphs_.empty())
        return taken;
    const TAkapitZrodla& paragraph = ParagraphAt(start);
    taken.Attributes = paragraph.Attributes;
    taken.Runs = paragraph.Runs.From(start - paragraph.Start, static_cast<int>(taken.Text.size()));
    return taken;
}

std::vector<TAkapit> TGospodarzWsadowy::SourceParagraphs(int start, int end) const
{
    std::vector<TAkapit> copied(1);
    int position = std::max(start, 0);
    const int limit = std::min(end, static_cast<int>(text_.size()));
    while (position < limit) {
        if (text_[static_cast<std::size_t>(position)] == '\r') {
            copied.emplace_back();
            position += text_.compare(static_cast<std::size_t>(position), 2, "\r\n") == 0 ? 2 : 1;
            continue;
        }
        const TAkapitZrodla& paragraph = ParagraphAt(position);
        copied.back().Atrybuty = paragraph.Attributes;
        const int run = paragraph.Runs.RunAt(position - paragraph.Start);
        int stop = limit;
        if (run + 1 < paragraph.Runs.Count())
            stop = std::min(stop, paragraph.Start + paragraph.Runs.Start(run + 1));
        const std::size_t lineEnd = text_.find('\r', static_cast<std::size_t>(position));
        if (lineEnd != std::string::npos)
            stop = std::min(stop, static_cast<int>(lineEnd));
        const std::string piece =
            text_.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(stop - position));
        const TAtrybutyTekstu* font = paragraph.Runs.FontOf(run);
        copied.back().Dopisz(ToWide(piece, language_), font ? *font : TAtrybutyTekstu{});
        position = stop;
    }
    return copied;
}

void TGospodarzWsadowy::CopySourceParagraph(int start, int end)
{
    const std::vector<TAkapit> copied = SourceParagraphs(start, end);
    for (std::size_t p = 0; p < copied.size(); ++p) {
        if (p > 0)
            target_.Akapity.emplace_back();
        TAkapit& into = CurrentParagraph();
        for (const TFragment& fragment : copied[p].Fragmenty)
            into.Dopisz(fragment.Tekst, fragment.Atrybuty);
    }
    target_.Akapity.emplace_back();
}

void TGospodarzWsadowy::WriteUtterance(const TWynikWypowiedzenia& utterance)
{
    TAkapit& paragraph = CurrentParagraph();
    for (const TFragmentWyniku& fragment : utterance.Fragments)
        paragraph.Dopisz(ToWide(fragment.Text, fragment.Language), fragment.Attributes);
}

void TGospodarzWsadowy::EndParagraph(const TAtrybutyAkapitu& attributes, bool applyAttributes, int lineBreaks)
{
    if (applyAttributes)
        CurrentParagraph().Atrybuty = attributes;
    for (int i = 0; i < lineBreaks; ++i)
        target_.Akapity.emplace_back();
}

void TGospodarzWsadowy::CopySourceToTarget(int start, int end, bool beforeTranslation)
{
    std::vector<TAkapit> copied = SourceParagraphs(start, end);
    if (beforeTranslation) {
        // The line break after the copy: the translation goes on in a paragraph of its own.
        const auto at = target_.Akapity.begin() + static_cast<std::ptrdiff_t>(runStart_);
        target_.Akapity.insert(at, copied.begin(), copied.end());
        return;
    }
    target_.Akapity.insert(target_.Akapity.end(), copied.begin(), copied.end());
}

} // namespace velmar
