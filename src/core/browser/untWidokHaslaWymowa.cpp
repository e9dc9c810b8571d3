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
// is a remark in Polish: it is neither converted, nor given a length mark, nor read
// as phonetic bytes.

#include <algorithm>
#include <string>
#include <vector>

#include "core/browser/untWidokHasla.h"

namespace velmar {

namespace {

constexpr char kSchwa = '\xFA';    // 250
constexpr char kBackA = '\x8C';    // 140
constexpr char kOpenE = '\xE4';    // 228
constexpr char kOpenOe = '\x97';   // 151
constexpr char kCloseOe = '\x9A';  // 154
constexpr char kOpenO = '\xBF';    // 191
constexpr char kSh = '\xC6';       // 198
constexpr char kZh = '\xEF';       // 239
constexpr char kTurnedH = '\xF3';  // 243
constexpr char kPalatalN = '\xF8'; // 248

// A letter of the stored pronunciation and what the notation puts in its place,
// alone and before a "~" (a nasal vowel).
struct TZamianaLitery {
    char Letter;
    std::string Replacement;
    std::string BeforeTilde;
};

const std::vector<TZamianaLitery>& LetterReplacements()
{
    static const std::vector<TZamianaLitery> table = [] {
        const auto letter = [](const char* utf8) { return FromUtf8(utf8).front(); };
        return std::vector<TZamianaLitery>{
            {'@', {kSchwa}, {kSchwa}},
            {'a', "a", {kBackA}},
            {'e', {kOpenE}, {kOpenE}},
            {'o', {kOpenO}, {kOpenOe}},
            {'w', "v", "v"},
            {letter("ł"), "w", "w"},
            {letter("ą"), {kOpenO, '~'}, {kOpenO, '~'}},
            {letter("ż"), {kZh}, {kZh}},
            {letter("â"), {kBackA}, {kBackA}},
            {letter("é"), "e", "e"},
            {letter("ę"), {kOpenE, '~'}, {kOpenE, '~'}},
            {letter("ń"), {kPalatalN}, {kPalatalN}},
            {letter("ô"), "o", "o"},
            {letter("ő"), {kCloseOe}, {kOpenOe}},
            {letter("ö"), {kOpenOe}, {kOpenOe}},
        };
    }();
    return table;
}

char UUmlaut()
{
    static const char letter = FromUtf8("ü").front();
    return letter;
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
    std::string out;
    TUwagaWNawiasie remark;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (remark.Inside(text, i)) {
            out += c;
            continue;
        }
        if (c == 's' && next == 'z') {
            out += kSh;
            ++i;
            continue;
        }
        const auto& table = LetterReplacements();
        const auto found = std::find_if(table.begin(), table.end(), [c](const auto& row) { return row.Letter == c; });
        if (found == table.end())
            out += c;
        else
            out += next == '~' ? found->BeforeTilde : found->Replacement;
    }
    return out;
}

// "ü" is the semivowel before a vowel that is not nasal, the vowel "y" elsewhere.
void ResolveUUmlaut(std::string& text)
{
    static const std::string vowels = std::string("aei") + kBackA + kOpenE;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != UUmlaut())
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
    static const std::string lengtheningConsonants = {'r', 'v', 'z', kZh};
    const bool lengthening =
        rest == "vr" || (rest.size() == 1 && lengtheningConsonants.find(rest[0]) != std::string::npos);
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
