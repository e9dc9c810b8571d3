#include "core/app/untStale.h"

#include <array>

namespace velmar {

namespace {

const std::array<TJezykInfo, kLanguageCount> kLanguages = {{
    {"_pl", "FLAGA_PL", "pol.sk", 4, 1250},
    {"_en", "FLAGA_GB", "eng.sk", 1, 0},
    {"_fr", "FLAGA_FR", "franc.sk", 2, 1252},
    {"_de", "FLAGA_DE", "deu.sk", 3, 1252},
    {"_it", "FLAGA_IT", "ital.sk", 7, 1252},
    {"_es", "FLAGA_ES", "esp.sk", 6, 1252},
    {"_ru", "FLAGA_RU", "rus.sk", 9, 1251},
}};

const TJezykInfo kNoLanguage = {"", "", "", 0, 0};

} // namespace

const TJezykInfo& LanguageInfo(std::uint8_t language)
{
    return language < kLanguages.size() ? kLanguages[language] : kNoLanguage;
}

std::uint8_t AlphabetId(std::uint8_t language)
{
    return LanguageInfo(language).AlphabetIndex;
}

TWartosciProgramu& Program()
{
    static TWartosciProgramu program;
    return program;
}

TWyborTrybu ChooseWorkingMode(const std::string& firstArgument)
{
    if (firstArgument == "/slzewfr")
        return {trybSlownikFrPl, jezFrancuski, jezPolski};
    if (firstArgument == "/slzewpl")
        return {trybSlownikPlFr, jezPolski, jezFrancuski};
    if (firstArgument == "/transpl")
        return {trybTranslatorPlFr, jezPolski, jezFrancuski};
    return {trybTranslatorFrPl, jezFrancuski, jezPolski};
}

int PartnerMode(int mode)
{
    return mode % 2 == 1 ? mode + 1 : mode - 1;
}

bool IsTranslatorMode(int mode)
{
    return (mode >= 1 && mode <= 4) || mode == 7 || mode == 8;
}

bool IsDictionaryMode(int mode)
{
    return mode == trybSlownikFrPl || mode == trybSlownikPlFr;
}

bool LoadsTranslationData(int mode)
{
    return IsTranslatorMode(mode);
}

void ApplyWorkingMode(TWartosciProgramu& program, const TWyborTrybu& choice)
{
    program.WorkingMode = choice.Mode;
    program.SourceLanguage = choice.Source;
    program.TargetLanguage = choice.Target;
    program.SourceAlphabet = AlphabetId(choice.Source);
    program.TargetAlphabet = AlphabetId(choice.Target);
    program.ApplicationTitle = ApplicationTitleFor(choice.Mode);
}

void SwapDirection(TWartosciProgramu& program)
{
    ApplyWorkingMode(program, {PartnerMode(program.WorkingMode), program.TargetLanguage, program.SourceLanguage});
}

std::string ApplicationTitleFor(int mode)
{
    // UTF-8: titles are shown by the windows, never analysed.
    switch (mode) {
    case trybTranslatorPlFr:
    case trybInternetPlFr:
    case trybPlikPlFr: return "Velmar – tłumacz polsko-francuski";
    case trybSlownikFrPl: return "Velmar – słownik francusko-polski";
    case trybSlownikPlFr: return "Velmar – słownik polsko-francuski";
    default: return "Velmar – tłumacz francusko-polski";
    }
}

} // namespace velmar
