#include "support/TestNames.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <utility>

namespace velmar::test {
namespace {

struct TLetter {
    char32_t Code;
    std::string_view Base; // the letter without its mark
    std::string_view Mark;
};

constexpr std::array<TLetter, 62> kMarkedLetters{{
    {U'ą', "a", "ogonek"}, {U'ć', "c", "acute"},  {U'ę', "e", "ogonek"}, {U'ł', "l", "stroke"}, {U'ń', "n", "acute"},
    {U'ó', "o", "acute"},  {U'ś', "s", "acute"},  {U'ź', "z", "acute"},  {U'ż', "z", "dot"},    {U'Ą', "A", "ogonek"},
    {U'Ć', "C", "acute"},  {U'Ę', "E", "ogonek"}, {U'Ł', "L", "stroke"}, {U'Ń', "N", "acute"},  {U'Ó', "O", "acute"},
    {U'Ś', "S", "acute"},  {U'Ź', "Z", "acute"},  {U'Ż', "Z", "dot"},    {U'à', "a", "grave"},  {U'â', "a", "circ"},
    {U'æ', "ae", "lig"},   {U'ç', "c", "cedil"},  {U'é', "e", "acute"},  {U'è', "e", "grave"},  {U'ê', "e", "circ"},
    {U'ë', "e", "uml"},    {U'î', "i", "circ"},   {U'ï', "i", "uml"},    {U'ô', "o", "circ"},   {U'œ', "oe", "lig"},
    {U'ù', "u", "grave"},  {U'û', "u", "circ"},   {U'ü', "u", "uml"},    {U'ÿ', "y", "uml"},    {U'À', "A", "grave"},
    {U'Â', "A", "circ"},   {U'Æ', "AE", "lig"},   {U'Ç', "C", "cedil"},  {U'É', "E", "acute"},  {U'È', "E", "grave"},
    {U'Ê', "E", "circ"},   {U'Ë', "E", "uml"},    {U'Î', "I", "circ"},   {U'Ï', "I", "uml"},    {U'Ô', "O", "circ"},
    {U'Œ', "OE", "lig"},   {U'Ù', "U", "grave"},  {U'Û', "U", "circ"},   {U'Ü', "U", "uml"},    {U'Ÿ', "Y", "uml"},
    {U'á', "a", "acute"},  {U'í', "i", "acute"},  {U'ú', "u", "acute"},  {U'ö', "o", "uml"},    {U'ä', "a", "uml"},
    {U'Á', "A", "acute"},  {U'Ö', "O", "uml"},    {U'Ä', "A", "uml"},    {U'ő', "o", "dacute"}, {U'ř', "r", "caron"},
    {U'Ő', "O", "dacute"}, {U'Ř', "R", "caron"},
}};

constexpr std::array<std::pair<char, std::string_view>, 32> kSymbols{{
    {'<', "lt"},    {'>', "gt"},   {'*', "star"},  {'%', "pct"},   {'$', "dollar"}, {'@', "at"},   {'+', "plus"},
    {'=', "eq"},    {'?', "q"},    {'#', "hash"},  {',', "comma"}, {'.', "dot"},    {'-', "dash"}, {'\'', "apos"},
    {':', "colon"}, {'_', "us"},   {'/', "slash"}, {'&', "amp"},   {'!', "excl"},   {'(', "lp"},   {')', "rp"},
    {'"', "quot"},  {';', "semi"}, {'[', "lb"},    {']', "rb"},    {'~', "tilde"},  {'\\', "bs"},  {'|', "bar"},
    {'^', "caret"}, {'{', "lc"},   {'}', "rc"},    {'`', "tick"},
}};

// The code point starting at text[at] and the number of bytes it takes; a byte that
// starts no valid sequence is taken alone.
std::pair<char32_t, std::size_t> DecodeAt(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80         ? 1
                               : lead >> 5 == 0x6  ? 2
                               : lead >> 4 == 0xE  ? 3
                               : lead >> 3 == 0x1E ? 4
                                                   : 0;
    if (length <= 1 || at + length > text.size())
        return {lead, 1};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if (next >> 6 != 0x2)
            return {lead, 1};
        code = code << 6 | (next & 0x3F);
    }
    return {code, length};
}

const TLetter* MarkedLetter(char32_t code)
{
    for (const auto& letter : kMarkedLetters)
        if (letter.Code == code)
            return &letter;
    return nullptr;
}

std::string Hex(char32_t code)
{
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(code), 16).ptr;
    return std::string(digits, end);
}

// Calls visit(code, bytes) for every code point of utf8.
template <class Visit>
void ForEachCodePoint(std::string_view utf8, Visit visit)
{
    for (std::size_t at = 0; at < utf8.size();) {
        const auto [code, length] = DecodeAt(utf8, at);
        visit(code, utf8.substr(at, length));
        at += length;
    }
}

} // namespace

std::string TestName(std::string_view utf8)
{
    std::string name;
    bool gap = false;
    ForEachCodePoint(utf8, [&](char32_t code, std::string_view bytes) {
        const TLetter* marked = MarkedLetter(code);
        const bool plain = code < 0x80 && std::isalnum(static_cast<unsigned char>(bytes[0]));
        if (!plain && !marked) {
            gap = true;
            return;
        }
        if (gap && !name.empty())
            name += '_';
        gap = false;
        name += marked ? marked->Base : bytes;
    });
    return name.empty() ? "empty" : name;
}

namespace {

std::string SpelledText(std::string_view utf8, bool withMarks)
{
    std::string text;
    ForEachCodePoint(utf8, [&](char32_t code, std::string_view bytes) {
        if (const TLetter* marked = MarkedLetter(code)) {
            text.append(marked->Base);
            if (withMarks)
                text.append(" ").append(marked->Mark).append(" ");
            return;
        }
        if (code < 0x80 && std::isalnum(static_cast<unsigned char>(bytes[0]))) {
            text += bytes;
            return;
        }
        for (const auto& [symbol, word] : kSymbols)
            if (code == static_cast<char32_t>(symbol)) {
                text.append(" ").append(word).append(" ");
                return;
            }
        text += code == U' ' ? std::string(" ") : " x" + Hex(code) + " ";
    });
    return text;
}

} // namespace

std::string Spelled(std::string_view utf8)
{
    return SpelledText(utf8, false);
}

std::string SpelledWithMarks(std::string_view utf8)
{
    return SpelledText(utf8, true);
}

} // namespace velmar::test
