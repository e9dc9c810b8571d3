#pragma once
// The Polish generators carry hundreds of word and rule lists. They are written as
// readable UTF-8 in the source and turned into 8-bit Polish text (code page 1250) at
// compile time: "ó=o"_pl is the converted, zero-terminated text (so it joins std::string
// with "+" and compares with "=="). A letter outside code page 1250's Polish set does
// not compile.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace velmar {

namespace detail {

consteval unsigned char Cp1250Byte(char32_t c)
{
    if (c < 0x80)
        return static_cast<unsigned char>(c);
    struct TPara {
        char32_t Znak;
        unsigned char Bajt;
    };
    constexpr TPara kPolskie[] = {
        {U'ą', 0xB9}, {U'Ą', 0xA5}, {U'ć', 0xE6}, {U'Ć', 0xC6}, {U'ę', 0xEA}, {U'Ę', 0xCA}, {U'ł', 0xB3},
        {U'Ł', 0xA3}, {U'ń', 0xF1}, {U'Ń', 0xD1}, {U'ó', 0xF3}, {U'Ó', 0xD3}, {U'ś', 0x9C}, {U'Ś', 0x8C},
        {U'ź', 0x9F}, {U'Ź', 0x8F}, {U'ż', 0xBF}, {U'Ż', 0xAF}, {U'ř', 0xF8}, {U'Ř', 0xD8},
    };
    for (const auto& para : kPolskie)
        if (para.Znak == c)
            return para.Bajt;
    throw std::logic_error("letter without a Polish code-page byte");
}

template <std::size_t N>
struct TTekstPl {
    std::array<char, N> Bajty{};
    std::size_t Dlugosc = 0;

    consteval TTekstPl(const char (&utf8)[N])
    {
        std::size_t i = 0;
        while (i + 1 < N) {
            const auto b = static_cast<unsigned char>(utf8[i]);
            char32_t c = b;
            std::size_t width = 1;
            if (b >= 0xE0) {
                c = b & 0x0Fu;
                width = 3;
            } else if (b >= 0xC0) {
                c = b & 0x1Fu;
                width = 2;
            }
            for (std::size_t k = 1; k < width; ++k)
                c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
            Bajty[Dlugosc++] = static_cast<char>(Cp1250Byte(c));
            i += width;
        }
    }
};

} // namespace detail

template <detail::TTekstPl T>
constexpr const char* operator""_pl()
{
    return T.Bajty.data();
}

} // namespace velmar
