#pragma once
// The translation worker's dictionary instances seen through the interface the
// utterance model asks: expressions for segmentation, untranslatable words, and the
// readings of a word for the base lookup.

#include <map>
#include <string>
#include <unordered_map>

#include "core/dictionaries/untSlowniki.h"
#include "core/engine/untTransWypSlowniki.h"

namespace velmar {

class TSlownikiRobocze : public TSlownikiWypowiedzi {
public:
    // Uses the worker instances of the set; sourceLanguage is the language of the keys.
    TSlownikiRobocze(TSlowniki& set, std::uint8_t sourceLanguage);

    TProbaWyrazenia ProbeExpression(TSlownikWyrazen dictionary, std::string_view candidate, bool capitalised) override;
    bool AcceptsExpression(TSlownikWyrazen dictionary, std::string_view expression, bool capitalised) override;
    bool IsUntranslatable(std::string_view token) override;
    // The worker's sentence archive: by prefix on the plain sources, and by similarity
    // on the views of a level.
    TProbaArchiwum ProbeArchive(std::string_view prefix, bool continuing) override;
    std::optional<std::string> FindSimilarSentence(std::string_view text, int level) override;
    // The user dictionary (score 100); else each reading of the inflected form whose
    // base form has a main-dictionary entry; else the main dictionary on the text.
    TOdczytyTekstu Readings(std::string_view text, bool secondAttempt, const TZwijanieLiter& folding) override;

private:
    TZnajdzOpcje OptionsFor(std::string_view text, bool capitalised) const;
    TTransSlownik& DictionaryOf(TSlownikWyrazen dictionary);
    // The entry may stand as one token: no sign entry, no verbal sub-record.
    bool EntryIsNotVerbal(TTransSlownikGlowny& dictionary, int index, bool refuseSigns) const;
    bool ReadingFromEntry(TTransSlownikGlowny& dictionary, int index, TZnaczenie& reading) const;

    TProbaWyrazenia ProbeUncached(TTransSlownik& dictionary, std::string_view candidate, bool capitalised);

    // Every word of a text starts a probe and the same ones recur ("de le1"); the
    // answers are kept for the version of the lines they were read from, so an edit
    // made during the run is still seen.
    struct TPamiecProb {
        TMigawkaLinii Version;
        std::unordered_map<std::string, TProbaWyrazenia> Answers;
    };

    TSlowniki& set_;
    std::uint8_t language_;
    std::map<TSlownikWyrazen, TPamiecProb> probes_;
};

} // namespace velmar
