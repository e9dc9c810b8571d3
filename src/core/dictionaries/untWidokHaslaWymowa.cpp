// The pronunciation of a French headword. The dictionary stores it in Polish letters
// ("sza" for "chat"); the phonetic notation turns it into the byte codes of a phonetic
// font, and those bytes are shown as Unicode phonetic characters:
//
//   byte  stored as               shown as
//   250   "@"                     ə  U+0259
//   140   "a~", "â"               ɑ  U+0251
//   228   "e", "ę" (with "~")     ɛ  U+025B
//   151   "o~", "ő~", "ö"         œ  U+0153
//   154   "ő"                     ø  U+00F8
//   191   "o", "ą" (with "~")     ɔ  U+0254
//   198   "sz"                    ʃ  U+0283
//   239   "ż"                     ʒ  U+0292
//   243   "ü" before a vowel      ɥ  U+0265
//   248   "ń"                     ɲ  U+0272
//   ":"   length mark             ː  U+02D0
//   "~"   nasal vowel             a combining tilde (U+0303) over the character after it
//
// "é" becomes "e" (e), "ô" becomes "o" (o), "w" becomes "v", "ł" becomes "w", "ü"
// elsewhere "y"; every other byte keeps its own letter. A bracket group opened by " ("
// is a remark in Polish and is neither converted nor read as phonetic bytes.

#include <algorithm>

#include "core/dictionaries/untWidokHasla.h"

namespace velmar {

namespace {

constexpr char kSchwa = '\xFA';           // 250
constexpr char kBackA = '\x8C';           // 140
constexpr char kOpenE = '\xE4';           // 228
constexpr char kOpenOe = '\x97';          // 151
constexpr char kCloseOe = '\x9A';         // 154
constexpr char kOpenO = '\xBF';           // 191
constexpr char kSh = '\xC6';              // 198
constexpr char kZh = '\xEF';              // 239
constexpr char kTurnedH = '\xF3';         // 243
constexpr char kPalatalN = '\xF8';        // 248

// The letters of the stored pronunciation that the notation replaces, as 8-bit text.
struct TLiteryWymowy {
    char L = FromUtf8("ł").front();
    char ANasal = FromUtf8("ą").front();
    char Z = FromUtf8("ż").front();
    char ACircumflex = FromUtf8("â").front();
    char EAcute = FromUtf8("é").front();
    char ENasal = FromUtf8("ę").front();
    char N = FromUtf8("ń").front();
    char OCircumflex = FromUtf8("ô").front();
    char ODoubleAcute = FromUtf8("ő").front();
    char OUmlaut = FromUtf8("ö").front();
    char UUmlaut = FromUtf8("ü").front();
};

const TLiteryWymowy& Letters()
{
    static const TLiteryWymowy letters;
    return letters;
}

// Tracks the Polish remarks in a pronunciation: a bracket group opened by a "("
// after a space, up to the next ")".
class TUwagaWNawiasie {
public:
    // Whether text[i] belongs to a remark.
    bool Inside(std::string_view text, std::size_t i)
    {
        if (open_) {
            open_ = text[i] != ')';
            return true;
        }
        open_ = text[i] == '(' && i > 0 && text[i - 1] == ' ';
        return open_;
    }

private:
    bool open_ = false;
};

std::string ReplaceLetters(std::string_view text)
{
    const TLiteryWymowy& letters = Letters();
    std::string out;
    TUwagaWNawiasie remark;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (remark.Inside(text, i))
            out += c;
        else if (c == '@')
            out += kSchwa;
        else if (c == 'a')
            out += next == '~' ? kBackA : 'a';
        else if (c == 'e')
            out += kOpenE;
        else if (c == 'o')
            out += next == '~' ? kOpenOe : kOpenO;
        else if (c == 's' && next == 'z') {
            out += kSh;
            ++i;
        } else if (c == 'w')
            out += 'v';
        else if (c == letters.L)
            out += 'w';
        else if (c == letters.ANasal)
            out += std::string{kOpenO, '~'};
        else if (c == letters.Z)
            out += kZh;
        else if (c == letters.ACircumflex)
            out += kBackA;
        else if (c == letters.EAcute)
            out += 'e';
        else if (c == letters.ENasal)
            out += std::string{kOpenE, '~'};
        else if (c == letters.N)
            out += kPalatalN;
        else if (c == letters.OCircumflex)
            out += 'o';
        else if (c == letters.ODoubleAcute)
            out += next == '~' ? kOpenOe : kCloseOe;
        else if (c == letters.OUmlaut)
            out += kOpenOe;
        else
            out += c;
    }
    return out;
}

// "ü" is the semivowel before a vowel that is not nasal, the vowel "y" elsewhere.
void ResolveUUmlaut(std::string& text)
{
    static const std::string vowels = std::string("aei") + kBackA + kOpenE;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != Letters().UUmlaut)
            continue;
        const bool vowelNext = i + 1 < text.size() && vowels.find(text[i + 1]) != std::string::npos;
        const bool nasalNext = i + 2 < text.size() && text[i + 2] == '~';
        text[i] = vowelNext && !nasalNext ? kTurnedH : 'y';
    }
}

// The last vowel is long when it is "o", nasal, "ɑ" or "ø" and not final, or when only
// "r", "v", "z", "ʒ" or "vr" follows it. A remark after the pronunciation is no part of it.
void MarkLength(std::string& text)
{
    static const std::string vowels = std::string("aeiouy~") + kBackA + kOpenOe + kCloseOe + kOpenO + kOpenE;
    const std::size_t end = std::min(text.find(" ("), text.size());
    const std::size_t last = std::string_view(text).substr(0, end).find_last_of(vowels);
    if (last == std::string::npos || last + 1 == end)
        return;
    const char vowel = text[last];
    const std::string_view rest = std::string_view(text).substr(last + 1, end - last - 1);
    const bool alwaysLong = vowel == 'o' || vowel == '~' || vowel == kBackA || vowel == kCloseOe;
    const bool lengthening = (rest.size() == 1 && std::string_view("rvz\xEF").find(rest[0]) != std::string_view::npos) ||
                             rest == "vr";
    if (alwaysLong || lengthening)
        text.insert(last + 1, ":");
}

// The font draws "~" over the character after it.
void TildeBeforeVowel(std::string& text)
{
    for (std::size_t i = 1; i < text.size(); ++i)
        if (text[i] == '~')
            std::swap(text[i - 1], text[i]);
}

char16_t PhoneticCharacter(char byte)
{
    switch (byte) {
    case kSchwa: return u'\u0259';
    case kBackA: return u'\u0251';
    case kOpenE: return u'\u025B';
    case kOpenOe: return u'\u0153';
    case kCloseOe: return u'\u00F8';
    case kOpenO: return u'\u0254';
    case kSh: return u'\u0283';
    case kZh: return u'\u0292';
    case kTurnedH: return u'\u0265';
    case kPalatalN: return u'\u0272';
    case ':': return u'\u02D0';
    default: return ToWide(std::string_view(&byte, 1), jezPolski).front();
    }
}

} // namespace

std::string PhoneticNotation(std::string_view stored)
{
    std::string text;
    for (const char c : stored)
        if (c != '[' && c != ']')
            text += c;
    text = ReplaceLetters(text);
    ResolveUUmlaut(text);
    MarkLength(text);
    TildeBeforeVowel(text);
    return "[" + text + "]";
}

TWide PhoneticToWide(std::string_view notation)
{
    constexpr char16_t combiningTilde = u'\u0303';
    TWide out;
    TUwagaWNawiasie remark;
    bool tildePending = false;
    for (std::size_t i = 0; i < notation.size(); ++i) {
        const char c = notation[i];
        if (remark.Inside(notation, i)) {
            out += ToWide(std::string_view(&c, 1), jezPolski);
            continue;
        }
        if (c == '~' && i + 1 < notation.size()) {
            tildePending = true;
            continue;
        }
        out += PhoneticCharacter(c);
        if (tildePending)
            out += combiningTilde;
        tildePending = false;
    }
    return out;
}

} // namespace velmar
