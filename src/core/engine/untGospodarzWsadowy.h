#pragma once
// The translator host without windows: the source is a document held in memory, the
// target is built as a document, and every question gets at once the answer that
// needs nobody (TGospodarzBezPytan).
// The command line translates through it; tests derive from it to script answers and
// watch the calls.

#include <string>
#include <vector>

#include "core/document/untTekstFormatowany.h"
#include "core/engine/untGospodarzBezPytan.h"

namespace velmar {

class TGospodarzWsadowy : public TGospodarzBezPytan {
public:
    // A document in a language: its paragraphs become the source, one '\r' apart.
    TGospodarzWsadowy(const TTekstFormatowany& source, std::uint8_t sourceLanguage);
    // 8-bit text in the source language; "\r" and "\r\n" end paragraphs, each
    // paragraph in the plain format.
    TGospodarzWsadowy(std::string source, std::uint8_t sourceLanguage);

    const TTekstFormatowany& Target() const { return target_; }
    const std::string& Listing() const { return listing_; }
    const TKoniecTlumaczenia& End() const { return end_; }
    const std::vector<int>& Errors() const { return errors_; }

    void BeginRun() override;
    int SourceLength() override { return static_cast<int>(text_.size()); }
    std::string SourceCharacters(int position, int count) override;
    TAkapitZrodlowy TakeParagraph(int start, int stretchEnd) override;
    void SaveSourceBackup() override {}
    void SaveTargetBackup() override {}
    void SetProgressRange(int, int) override {}
    void SetProgress(int) override {}
    void ShowError(int textId) override { errors_.push_back(textId); }
    void Finished(const TKoniecTlumaczenia& end) override { end_ = end; }

    void CopySourceParagraph(int start, int end) override;
    void MarkUnknown(const std::vector<std::pair<int, int>>&) override {}
    void WriteUtterance(const TWynikWypowiedzenia& utterance) override;
    void EndParagraph(const TAtrybutyAkapitu& attributes, bool applyAttributes, int lineBreaks) override;
    void WriteListing(const std::string& listing) override { listing_ += listing; }
    void CopySourceToTarget(int start, int end, bool beforeTranslation) override;
    void ArchivePair(const std::string&, const std::string&) override {}

private:
    struct TAkapitZrodla {
        int Start = 0;
        TFormatTekstu Runs;
        TAtrybutyAkapitu Attributes;
    };
    const TAkapitZrodla& ParagraphAt(int position) const;
    // The source between two positions as paragraphs with their formats.
    std::vector<TAkapit> SourceParagraphs(int start, int end) const;
    TAkapit& CurrentParagraph();

    std::uint8_t language_;
    std::string text_;
    std::vector<TAkapitZrodla> paragraphs_;
    TTekstFormatowany target_;
    std::size_t runStart_ = 0; // the target paragraph where this run's output begins
    std::string listing_;
    TKoniecTlumaczenia end_;
    std::vector<int> errors_;
};

} // namespace velmar
