#pragma once
// Turns a translated utterance into what the target receives: the texts around each
// word, its notes and its rendering, each span in its language, in the format of the
// source run the word stands in and in a marking style where the word calls for one,
// with the word-follow records of both panes.

#include <cstdint>

#include "core/engine/untOpcjeTlumaczenia.h"
#include "core/engine/untTranslatorHost.h"

namespace velmar {

class TCustomWypowiedzenie;
class TCustomWypSlowa;
class TCustomWypSlowo;

class TZapisWypowiedzenia {
public:
    TZapisWypowiedzenia(const TOpcjeTlumaczenia& options, std::uint8_t sourceLanguage, std::uint8_t targetLanguage);

    // The format runs of the paragraph now translated and its position in the source.
    void BeginParagraph(const TFormatTekstu& runs, int paragraphStart);
    TWynikWypowiedzenia Write(TCustomWypowiedzenie& utterance);

private:
    // A sentence found in the archive is written as its stored translation.
    void WriteWords(TCustomWypSlowa& words, const std::string* archived = nullptr);
    void WriteWord(TCustomWypSlowa& words, int i);
    void FollowFormatRun(const TCustomWypSlowo& word);
    // The word's text in the target, with the language it is written in and its mark.
    TFragmentWyniku Rendering(const TCustomWypSlowo& word) const;
    void Insert(const std::string& text, std::uint8_t language, TZaznaczenieTekstu mark = TZaznaczenieTekstu::Brak);
    int OutputLength() const { return outputLength_; }

    const TOpcjeTlumaczenia& options_;
    std::uint8_t source_, target_;
    TFormatTekstu runs_;
    int paragraphStart_ = 0;
    int currentRun_ = -1;
    TAtrybutyTekstu current_;
    int utteranceStart_ = 0;
    int outputLength_ = 0;
    TWynikWypowiedzenia out_;
};

// An unknown word that gets reported: neither a mark-free word (marker 74) nor a lone
// "," or "-".
bool IsReportedUnknown(const TCustomWypSlowo& word);

} // namespace velmar
