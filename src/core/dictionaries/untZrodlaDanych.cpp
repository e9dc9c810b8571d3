#include "core/dictionaries/untZrodlaDanych.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <numeric>
#include <sstream>
#include <stdexcept>

#include "core/app/untStale.h"
#include "core/dictionaries/untArchiwumZdan.h"

namespace velmar {

namespace {

std::uint8_t OtherLanguage(std::uint8_t language)
{
    return language == jezPolski ? jezFrancuski : jezPolski;
}

// A main-format dictionary with the syntax its kind has once loaded.
std::unique_ptr<TTransSlownikGlowny> MainFormat(std::uint8_t kind, int keyRow, std::uint8_t language)
{
    auto dictionary = std::make_unique<TTransSlownikGlowny>(kind, keyRow, language, OtherLanguage(language));
    const TSkladniaJezyka syntax = MainSyntaxFor(language);
    if (kind == rsGlowny) {
        dictionary->CharSet1 = syntax.CharSet1;
        dictionary->CharSet5 = syntax.CharSet5;
    }
    if (kind != rsUzytkownika) {
        dictionary->CharSet3 = syntax.CharSet3;
        dictionary->MarkerText = syntax.MarkerText;
    }
    return dictionary;
}

// ---------------------------------------------------------------- "{{NNN}}"

constexpr std::string_view kRawOpen = "{{";
constexpr std::string_view kRawClose = "}}";
constexpr std::size_t kRawLength = 7; // "{{NNN}}"

// The byte of a "{{NNN}}" sequence at `at`, or −1.
int RawByteAt(std::string_view text, std::size_t at)
{
    if (text.size() < at + kRawLength || text.substr(at, 2) != kRawOpen || text.substr(at + 5, 2) != kRawClose)
        return -1;
    int value = 0;
    for (std::size_t i = at + 2; i < at + 5; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value <= 255 ? value : -1;
}

std::string RawSequence(unsigned char byte)
{
    return Format("{{%03d}}", static_cast<int>(byte));
}

// How a byte is read: in the language of its part of the line, or as part of a
// grammatical code, whose bytes are those of code page 1250 (byte 248 is "ř").
constexpr std::uint8_t kCodeReading = 255;
// A byte that is a number rather than a character: the form code of a forms line.
constexpr std::uint8_t kNumberReading = 254;

// The readable form of each byte in a reading; empty for a byte that would not come
// back unchanged through UTF-8.
const std::array<std::string, 256>& ReadableBytes(std::uint8_t reading)
{
    static const auto build = [](std::uint8_t language, bool codes) {
        std::array<std::string, 256> readable;
        for (int b = 32; b < 256; ++b) {
            const std::string byte(1, static_cast<char>(b));
            std::string utf8 = codes && b == 248 ? std::string("ř") : ToUtf8(byte, language);
            const bool control = b == 127 || (b >= 128 && b < 160 && ToWide(byte, language)[0] == b);
            if (!control && FromUtf8(utf8) == byte)
                readable[static_cast<std::size_t>(b)] = std::move(utf8);
        }
        return readable;
    };
    static const auto polish = build(jezPolski, false);
    static const auto western = build(jezFrancuski, false);
    static const auto codes = build(jezPolski, true);
    static const std::array<std::string, 256> numbers;
    switch (reading) {
    case kCodeReading: return codes;
    case kNumberReading: return numbers;
    case jezPolski: return polish;
    default: return western;
    }
}

// ---------------------------------------------------------------- languages of the parts

// For each byte of a main-format line, the language it is written in.
std::vector<std::uint8_t> MainFormatLanguages(std::string_view text, const TTransSlownik& dictionary)
{
    std::vector<std::uint8_t> languages(text.size(), dictionary.TargetLang);
    const std::size_t separator = text.find(dictionary.KeySeparator);
    if (separator == std::string_view::npos)
        return languages;
    std::fill(languages.begin(), languages.begin() + static_cast<long>(separator), dictionary.SourceLang);
    // The headword's tail (a pronunciation, "maison {mezą}") is written in Polish letters.
    for (std::size_t at = 0; at < separator; ++at)
        if (dictionary.CharSet1.test(static_cast<unsigned char>(text[at]))) {
            std::fill(languages.begin() + static_cast<long>(at), languages.begin() + static_cast<long>(separator),
                      jezPolski);
            break;
        }
    const auto paintToken = [&](std::size_t at, std::uint8_t language) {
        for (; at < text.size() && text[at] != ' '; ++at)
            languages[at] = language;
        return at;
    };
    for (std::size_t at = separator + 1; at < text.size(); ++at) {
        const bool tokenStart = at == 0 || text[at - 1] == ' ';
        if (text[at] == dictionary.CodeMark || (text[at] == '*' && tokenStart)) {
            at = paintToken(at, kCodeReading);
        } else if (text[at] == dictionary.PhraseMark) {
            std::size_t end = text.find(dictionary.KeySeparator, at);
            end = end == std::string_view::npos ? text.size() : end;
            std::fill(languages.begin() + static_cast<long>(at), languages.begin() + static_cast<long>(end),
                      dictionary.SourceLang);
            at = end < text.size() ? paintToken(end + 1, kCodeReading) : end;
        }
    }
    return languages;
}

std::vector<std::uint8_t> LineLanguages(std::string_view text, const TTransSlownik& dictionary)
{
    switch (dictionary.Kind) {
    case rsGlowny:
    case rsUzytkownika:
    case rsZwrotow: return MainFormatLanguages(text, dictionary);
    case rsOdwolan: {
        std::vector<std::uint8_t> languages(text.size(), dictionary.SourceLang);
        const std::size_t separator = text.find(dictionary.KeySeparator);
        if (separator != std::string_view::npos && separator + 1 < text.size())
            languages[separator + 1] = kNumberReading;
        return languages;
    }
    case rsZdan: {
        std::vector<std::uint8_t> languages(text.size(), dictionary.TargetLang);
        const std::size_t separator = std::min(text.find(dictionary.KeySeparator), text.size());
        std::fill(languages.begin(), languages.begin() + static_cast<long>(separator), dictionary.SourceLang);
        return languages;
    }
    default: return std::vector<std::uint8_t>(text.size(), dictionary.SourceLang);
    }
}

std::string ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + file.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        throw std::runtime_error("cannot read " + file.string());
    return bytes.str();
}

} // namespace

const std::vector<std::string>& DataKindNames()
{
    static const std::vector<std::string> names = {"main",     "forms",     "phrase",  "user",           "collocation",
                                                   "category", "qualifier", "archive", "untranslatable", "data"};
    return names;
}

std::unique_ptr<TTransSlownik> MakeDictionaryOfKind(std::string_view kind, std::uint8_t language)
{
    const std::uint8_t other = OtherLanguage(language);
    if (kind == "main")
        return MainFormat(rsGlowny, kKeyRowMain, language);
    if (kind == "phrase")
        return MainFormat(rsZwrotow, kKeyRowAuxiliary, language);
    if (kind == "user")
        return MainFormat(rsUzytkownika, kKeyRowUser, language);
    if (kind == "forms")
        return std::make_unique<TTransSlownikOdwolan>(language);
    if (kind == "collocation")
        return std::make_unique<TTransSlownikKolokacji>(language, other);
    if (kind == "category")
        return std::make_unique<TTransSlownikKategorii>(language);
    if (kind == "qualifier")
        return std::make_unique<TTransSlownikKwal>(language);
    if (kind == "archive")
        return std::make_unique<TTransSlownikZdan>(language, other);
    if (kind == "untranslatable")
        return std::make_unique<TTransSlownikNieTlum>(language, other);
    if (kind == "data")
        return std::make_unique<TTransSlownikDanych>(language);
    return nullptr;
}

std::string ReadableToText(std::string_view utf8)
{
    std::string text;
    std::size_t plainStart = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const int raw = RawByteAt(utf8, at);
        if (raw < 0) {
            ++at;
            continue;
        }
        text += FromUtf8(utf8.substr(plainStart, at - plainStart));
        text += static_cast<char>(raw);
        at += kRawLength;
        plainStart = at;
    }
    return text + FromUtf8(utf8.substr(plainStart));
}

std::string TextToReadable(std::string_view text, const TTransSlownik& dictionary)
{
    const std::vector<std::uint8_t> languages = LineLanguages(text, dictionary);
    std::string readable;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const std::string& utf8 = ReadableBytes(languages[at])[byte];
        if (utf8.empty() || RawByteAt(text, at) >= 0)
            readable += RawSequence(byte);
        else
            readable += utf8;
    }
    return readable;
}

bool IsSourceComment(std::string_view line)
{
    return line == "#" || line.starts_with("# ");
}

std::vector<std::string> BuildStoredLines(std::string_view readableSource, const TTransSlownik& dictionary)
{
    std::vector<std::string> texts;
    ForEachLine(readableSource, [&](std::string_view line) {
        if (!IsSourceComment(line))
            texts.push_back(ReadableToText(line));
    });
    std::vector<std::string> keys;
    keys.reserve(texts.size());
    for (const auto& text : texts)
        keys.push_back(dictionary.KeyOf(text));
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return CompareKeys(keys[a], keys[b], dictionary.SourceLang) < 0;
    });
    std::vector<std::string> stored;
    stored.reserve(order.size());
    for (const std::size_t i : order)
        stored.push_back(dictionary.Encode(texts[i]));
    return stored;
}

void BuildDictionaryFile(const std::filesystem::path& source, const TTransSlownik& dictionary,
                         const std::filesystem::path& output)
{
    TLinie lines;
    lines.Assign(BuildStoredLines(ReadFile(source), dictionary));
    lines.SaveToFile(output);
}

std::vector<std::string> DecodeDictionaryFile(const std::filesystem::path& file, const TTransSlownik& dictionary)
{
    TLinie lines;
    lines.LoadFromFile(file);
    std::vector<std::string> readable;
    for (int i = 0; i < lines.Count(); ++i)
        readable.push_back(TextToReadable(lines.Decoded(i, dictionary.KeyRow), dictionary));
    return readable;
}

std::vector<TBladLinii> CheckDictionaryFile(const std::filesystem::path& file, const TTransSlownik& dictionary)
{
    TLinie lines;
    lines.LoadFromFile(file);
    std::vector<TBladLinii> problems;
    std::string previousKey;
    bool havePrevious = false;
    for (int i = 0; i < lines.Count(); ++i) {
        if (!IsWellFormedLine(lines.Line(i), dictionary.KeyRow)) {
            problems.push_back({i + 1, "does not decode"});
            continue;
        }
        std::string key = dictionary.KeyOf(lines.Decoded(i, dictionary.KeyRow));
        if (havePrevious && CompareKeys(previousKey, key, dictionary.SourceLang) > 0)
            problems.push_back({i + 1, "out of order: \"" + ToUtf8(key, dictionary.SourceLang) + "\" sorts before \"" +
                                           ToUtf8(previousKey, dictionary.SourceLang) + "\""});
        previousKey = std::move(key);
        havePrevious = true;
    }
    return problems;
}

} // namespace velmar
