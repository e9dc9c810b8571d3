#pragma once
// What the engine's utterance model asks of the dictionaries and the settings while it
// segments a paragraph and looks its words up.
//
// The segmenter and the base word lookup talk to the dictionaries only through
// TSlownikiWypowiedzi, so that they stay testable with a small in-memory double and so
// that the worker can hand them its own dictionary instances (the window thread keeps
// separate ones).

#include <atomic>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/untStale.h"

namespace velmar {

class TZnaczenie;

// How the second look-up of a word may fold its case: a capital that starts the word
// (always for a sentence-initial word; for any other with "TlumaczZWielkiej"), and
// every letter ("TlumaczWielkimi": "MAISON" found as "maison").
struct TZwijanieLiter {
    bool FirstLower = false;
    bool FirstLowered = true;
    bool AnyCase = true;
};

// What the dictionaries give a word's text: its readings and the key of the first entry
// found, with whether finding it needed the case folded ("Maison" found as "maison").
struct TOdczytyTekstu {
    std::vector<TZnaczenie> Readings;
    std::string FoundKey;
    bool CaseFolded = false;
};

// The dictionaries a multi-word expression may come from, in the order MatchToken asks.
enum class TSlownikWyrazen : std::uint8_t {
    Uzytkownika, // the user dictionary
    Form,        // the dictionary of inflected forms
    Glowny,      // the main dictionary
};

// One step of a longest-match search: the candidate is a headword (Counts), and the
// dictionary holds further headwords that start with it (More), so a longer candidate
// may still count.
struct TProbaWyrazenia {
    bool Counts = false;
    bool More = false;
};

// One step of the prefix search in the sentence archive.
struct TProbaArchiwum {
    bool Complete = false;   // a stored sentence equals the prefix
    bool More = false;       // stored sentences continue the prefix
    std::string Translation; // the first stored translation when Complete
};

class TSlownikiWypowiedzi {
public:
    virtual ~TSlownikiWypowiedzi() = default;

    // A candidate expression in one dictionary, searched with the search options for
    // the capitalisation (case folding allowed when capitalised).
    virtual TProbaWyrazenia ProbeExpression(TSlownikWyrazen dictionary, std::string_view candidate,
                                            bool capitalised) = 0;
    // Whether a counting expression is taken as one token: the forms dictionary checks
    // the base form of its first reference in the main and phrase dictionaries, the
    // main dictionary refuses sign entries and verbal expressions.
    virtual bool AcceptsExpression(TSlownikWyrazen dictionary, std::string_view expression, bool capitalised) = 0;
    // The list of words never translated.
    virtual bool IsUntranslatable(std::string_view token) = 0;

    // The sentence archive searched by a growing prefix; continuing is false for the
    // first prefix of a search and true for each longer one.
    virtual TProbaArchiwum ProbeArchive(std::string_view prefix, bool continuing) = 0;
    // The similarity search: the first translation of the stored sentence that matches
    // text at the level (50..100), in its view for that level ("%1%" … placeholders).
    virtual std::optional<std::string> FindSimilarSentence(std::string_view text, int level) = 0;

    // The readings of a word's text: exact search on the first attempt, the relaxed
    // searches of the case folding on the second.
    virtual TOdczytyTekstu Readings(std::string_view text, bool secondAttempt, const TZwijanieLiter& folding) = 0;
};

// The translator settings that segmentation reads.
struct TUstawieniaSegmentacji {
    bool UseArchive = true;   // "UzywajArchiwum"
    int ArchivePercent = 100; // "ArchiwumProcent": 100 turns the similarity search off
    int TranslationMode = 0;  // "TrybPracy"; mode 14 cuts the text at markers
};

// The translator settings that target assembly reads (the translation mode is
// TUstawieniaSegmentacji's).
struct TOpcjeSkladania {
    bool ImperativProsze = false; // "ImperativProsze": "proszę " + infinitive for "vous" imperatives
    bool FrTyWyZWielkiej = false; // "FrTyWyZWielkiej": "Ty", "Wy" … with a capital
};

// The translator settings the analyses read.
struct TOpcjeAnalizy {
    // "BezAkcentow" and "FrWlaczRozroznianieA": a text typed without accents has "a"
    // for "à", which the French analysis tells apart from the verb.
    bool FrTellAFromAccentedA = false;
    bool FoldFirstCapital = true; // "TlumaczZWielkiej"
    bool FoldAnyCase = true;      // "TlumaczWielkimi"
    // The French source's choices of the Polish rendering.
    bool FrOnAsWe = false;             // "FrTlumaczOnJakoMy": "on" as "my", else impersonal
    int FrVous = 0;                    // "FrZaimekVous": wy, wy (women), pan, pani, panowie, panie, państwo
    bool FrDropSubjectPronouns = true; // "FrPomijajZaimkiOsobowe"
    bool FrTuMasculine = true;         // "FrZaimekTuMeski"
    bool FrSubjectMasculine = true;    // "FrPodmiotMeski"
    bool FrReorderAdjectives = true;   // "FrZmieniajSzykPrzydawkiPrzym"
    bool PlReorder = true;             // "ZmieniajSzykPL": French places of object pronouns and adjectives
    bool PlPanPaniPolite = false;      // "PanPaniGrzecznosciowe": a lone "pan"/"pani" addresses the reader
    bool SecondMeanings = true;        // "DrugieZnaczenie": the other meanings stay on offer
    std::bitset<256> Subjects;         // the subject domains of the selected text profiles
};

// Everything an utterance list needs from the run it belongs to. Copied into nested
// lists; the pointed-to objects are owned by the caller and outlive the lists.
struct TKontekstWypowiedzi {
    std::uint8_t SourceLanguage = jezFrancuski;
    std::uint8_t TargetLanguage = jezPolski;
    int WorkingMode = trybTranslatorFrPl;
    TUstawieniaSegmentacji Settings;
    TSlownikiWypowiedzi* Dictionaries = nullptr; // none: every lookup fails
    const std::atomic<bool>* Stop = nullptr;     // the worker's stop request
    int NestingDepth = 0;                        // bracket levels around the text
    TOpcjeSkladania Assembly{};
    TOpcjeAnalizy Analysis{};
};

} // namespace velmar
