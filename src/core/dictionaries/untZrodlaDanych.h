#pragma once
// Readable sources of the data files and the scrambled line files built from them.
//
// A source is UTF-8 text, one decoded line per line; "{{NNN}}" stands for the raw
// byte NNN (form codes, the archive's separators); "# " starts a comment line.
// Building converts each other line to the 8-bit code pages, sorts by the key of the
// file's kind and scrambles it with the kind's key row; decoding gives the readable
// lines back.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

// The kinds of data file by their tool names: main, forms, phrase, user, collocation,
// category, qualifier, archive, untranslatable, data.
const std::vector<std::string>& DataKindNames();
// A dictionary of the kind whose keys are in language (the other language of the
// pair is the target); null for an unknown kind.
std::unique_ptr<TTransSlownik> MakeDictionaryOfKind(std::string_view kind, std::uint8_t language);

// One readable line to the decoded 8-bit line.
std::string ReadableToText(std::string_view utf8);
// A decoded line to readable UTF-8, each part read in its own language (keys in the
// source language, translations in the target language, grammatical codes — after
// "#" or "*", and of phrases — in code page 1250). Bytes that have no readable form,
// and the form code of a forms line, come out as "{{NNN}}".
std::string TextToReadable(std::string_view text, const TTransSlownik& dictionary);

// A line of a readable source that is a comment for its readers: "#" alone or "# "
// followed by anything. No key of any kind of file starts that way.
bool IsSourceComment(std::string_view line);
// The stored lines of a readable source: converted, sorted by key (stable), scrambled.
std::vector<std::string> BuildStoredLines(std::string_view readableSource, const TTransSlownik& dictionary);
// Builds a line file from a readable source file; throws std::runtime_error.
void BuildDictionaryFile(const std::filesystem::path& source, const TTransSlownik& dictionary,
                         const std::filesystem::path& output);
// The readable lines of a line file; throws std::runtime_error.
std::vector<std::string> DecodeDictionaryFile(const std::filesystem::path& file, const TTransSlownik& dictionary);

struct TBladLinii {
    int Line; // 1-based
    std::string Message;
};
// Lines that do not decode and lines whose key sorts before the key of the line
// above; throws std::runtime_error when the file cannot be read.
std::vector<TBladLinii> CheckDictionaryFile(const std::filesystem::path& file, const TTransSlownik& dictionary);

} // namespace velmar
