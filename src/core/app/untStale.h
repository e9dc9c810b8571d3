#pragma once
// Program-wide values: the working mode and the languages of this run, fixed at
// start-up and changed afterwards only by a direction swap.

#include <cstdint>
#include <string>

namespace velmar {

// Language codes of the product family; this product reaches Polish and French.
enum TJezyk : std::uint8_t {
    jezPolski = 0,
    jezAngielski = 1,
    jezFrancuski = 2,
    jezNiemiecki = 3,
    jezWloski = 4,
    jezHiszpanski = 5,
    jezRosyjski = 6,
};
inline constexpr int kLanguageCount = 7;

// Working modes 1..8: odd modes translate foreign → Polish, even Polish → foreign.
enum TTrybProgramu : int {
    trybTranslatorFrPl = 1,
    trybTranslatorPlFr = 2,
    trybInternetFrPl = 3,
    trybInternetPlFr = 4,
    trybSlownikFrPl = 5,
    trybSlownikPlFr = 6,
    trybPlikFrPl = 7,
    trybPlikPlFr = 8,
};

inline constexpr int kProductNumber = 11;
inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 0;

// Per-language constants of the product family.
struct TJezykInfo {
    const char* Suffix; // appended to a translated document's default name
    const char* FlagBitmap;
    const char* QualifierFile; // ".sk" list of the language
    std::uint8_t AlphabetIndex;
    int AnsiCodePage; // 0: any code page suits the language
};
const TJezykInfo& LanguageInfo(std::uint8_t language);

// Alphabet index of a language code (0 for a code outside the table).
std::uint8_t AlphabetId(std::uint8_t language);

// The values every part of the program reads by name.
struct TWartosciProgramu {
    int WorkingMode = trybTranslatorFrPl;
    std::uint8_t SourceLanguage = jezFrancuski;
    std::uint8_t TargetLanguage = jezPolski;
    std::uint8_t ForeignLanguage = jezFrancuski;
    std::uint8_t NativeLanguage = jezPolski;
    std::uint8_t SourceAlphabet = 2;
    std::uint8_t TargetAlphabet = 4;
    int ProductNumber = kProductNumber;
    int VersionMajor = kVersionMajor;
    int VersionMinor = kVersionMinor;
    std::string ApplicationTitle;
};

// The one instance of the running program.
TWartosciProgramu& Program();

struct TWyborTrybu {
    int Mode;
    std::uint8_t Source;
    std::uint8_t Target;
};

// Chooses the working mode from the first command-line argument: exact,
// case-sensitive comparison with the leading slash; anything else is mode 1.
TWyborTrybu ChooseWorkingMode(const std::string& firstArgument);

// The mode of the opposite direction: 1↔2, 3↔4, 5↔6, 7↔8.
int PartnerMode(int mode);

bool IsTranslatorMode(int mode);     // 1–4, 7, 8
bool IsDictionaryMode(int mode);     // 5, 6
bool LoadsTranslationData(int mode); // forms, phrases, archive…: every mode but the dictionaries

// Sets mode, languages, alphabet indexes and title from a choice.
void ApplyWorkingMode(TWartosciProgramu& program, const TWyborTrybu& choice);

// Exchanges source and target, recomputes the alphabets and moves to the partner mode.
void SwapDirection(TWartosciProgramu& program);

// The title of the job: translator or dictionary, with its direction.
std::string ApplicationTitleFor(int mode);

} // namespace velmar
