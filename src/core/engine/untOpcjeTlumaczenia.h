#pragma once
// The settings a translation run reads, copied once when the run starts so that the
// worker never reads the settings object the window thread owns, and the translation
// modes' sets of behaviour.

#include <cstdint>
#include <string>

#include "core/app/untFormatTekstu.h"
#include "core/engine/untTransWypSlowniki.h"

namespace velmar {

class TTransUstawienia;

// The style and colour of a marking font ("NieznaneCzcionka" …).
struct TStylZaznaczenia {
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
    std::int32_t Colour = 0; // 0x00RRGGBB

    bool operator==(const TStylZaznaczenia&) const = default;
    bool MatchesStyleOf(const TAtrybutyTekstu& attributes) const;
    void ApplyTo(TAtrybutyTekstu& attributes) const;
};

struct TOpcjeTlumaczenia {
    int TranslationMode = 0;      // "TrybPracy", 0..16
    int CopySource = 0;           // "KopiujTekstZrodlowy": 1 before, 2 after, 3 before each paragraph
    bool SeparateFormat = false;  // "OdrebnyFormat": the target keeps its own format
    bool MarkUnknown = true;      // "ZaznaczNieznane"
    bool MarkUntranslated = true; // "ZaznaczNieprzetlumaczone"
    bool MarkAmbiguous = true;    // "ZaznaczWieloznaczne"
    TStylZaznaczenia UnknownStyle, UntranslatedStyle, AmbiguousStyle;
    bool FollowWords = true;             // "UzywajAutokorekty" and not "SzybkieTlumaczenie"
    bool ArchiveTranslations = false;    // "TlumaczenieDoArchiwum"
    TUstawieniaSegmentacji Segmentation; // "UzywajArchiwum", "ArchiwumProcent"; the mode is set by the run
    TOpcjeSkladania Assembly;            // "ImperativProsze", "FrTyWyZWielkiej"
    TOpcjeAnalizy Analysis;              // "BezAkcentow", "FrWlaczRozroznianieA"

    // ---- set by whoever starts the run
    bool SentenceBySentence = false;
    bool SaveTargetPerParagraph = true;
    bool WriteListing = false;
    bool ListReadings = false; // with the listing, each word's chosen reading on a line of its own
    bool ShowNotes = false;
    bool OtherPane = false; // the source is not the source pane: no source spans
    // Test modes 13, 14, 16: markers of the tests and character-test windows.
    std::string StartMarker, EndMarker, UntranslatedMarker, TesterUnknownMarker;
    bool Initialise = true;

    static TOpcjeTlumaczenia FromSettings(const TTransUstawienia& settings);
};

// The sets of translation modes.
bool IsManualMeaningMode(int mode);  // 3, 4, 6, 7: ask for every word with a choice
bool IsInterpretationMode(int mode); // 8..12: offer whole-sentence variants
bool IsTestMode(int mode);           // 13..16

} // namespace velmar
