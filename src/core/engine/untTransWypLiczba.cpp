// A token written in digits: a number, a year, a clock time or a French ordinal, which
// the engine carries over as written instead of looking it up.
#include <algorithm>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {

namespace {

constexpr int kNounCode = 1;

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "1er", "1ère", "19ème" as "1.", "19.": the Polish way of writing an ordinal.
std::string FrenchOrdinal(std::string_view text)
{
    if (text.size() <= 2)
        return {};
    if (text == "1er" || text == "1\xE8re")
        return "1.";
    if (text.ends_with("\xE8me") && AllDigits(text.substr(0, text.size() - 3)))
        return std::string(text.substr(0, text.size() - 3)) + ".";
    return {};
}

// "XIXe", "IIIème", "Ier" as "XIX", "III", "I": a century or a reign, which Polish
// writes in the same Roman numerals. Only I, V and X count, so that "Me" (Maître) stays
// a word.
std::string RomanOrdinal(std::string_view text)
{
    for (const std::string_view ending : {"\xE8me", "er", "re", "e"}) {
        if (!text.ends_with(ending))
            continue;
        const std::string_view numeral = text.substr(0, text.size() - ending.size());
        const bool roman = !numeral.empty() && numeral.find_first_not_of("IVX") == std::string_view::npos;
        return roman && (ending == "e" || ending == "\xE8me" || numeral == "I") ? std::string(numeral) : std::string();
    }
    return {};
}

bool IsYear(std::string_view text)
{
    if (text.size() != 4 || !AllDigits(text) || text[0] == '0')
        return false;
    const int year = std::stoi(std::string(text));
    return year >= 1800 && year <= 2050;
}

int NumeralCode(std::uint8_t language)
{
    return language == jezPolski ? 215 : 245;
}

} // namespace

bool TCustomWypSlowo::PrepareNumber()
{
    if (Language() == jezFrancuski) {
        if (const std::string roman = RomanOrdinal(Text); !roman.empty()) {
            FixedTarget = roman;
            AddMarkers(Znaczniki({znLiczba, znPorzadkowy}));
            return true;
        }
    }
    if (Text.empty() || Text[0] < '0' || Text[0] > '9')
        return false;
    const std::string ordinal = Language() == jezFrancuski ? FrenchOrdinal(Text) : std::string();
    if (!ordinal.empty()) {
        FixedTarget = ordinal;
        SetMarker(znPorzadkowy);
    } else if (Text.find_first_not_of("0123456789%,-.") == std::string::npos) {
        FixedTarget = Text;
        if (IsYear(Text)) {
            SetCode(kNounCode);
            AddMarkers(Znaczniki({znData, znRok, znRokLiczba}));
        } else if (Text.find('-') != std::string::npos) {
            SetCode(kNounCode);
        } else {
            SetCode(NumeralCode(Language()));
        }
        if (IsClockTime(Text))
            SetMarker(znGodzina);
    } else {
        return false;
    }
    SetMarker(znLiczba);
    NumericValue = ParseNumber(Text, AlphabetId(Language()));
    if (Text.back() == '.')
        AddMarkers(Znaczniki({znPorzadkowy, znSkrotKonczacy}));
    return true;
}

} // namespace velmar
