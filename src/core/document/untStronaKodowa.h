#pragma once
// The single-byte Windows code pages that RTF documents are written in: 874 (Thai)
// and 1250–1258 (Central European, Cyrillic, Western, Greek, Turkish, Hebrew, Arabic,
// Baltic, Vietnamese). Unlike the program's own 8-bit reading of linguistic text,
// these follow the code pages exactly, as other programs write them.

#include <optional>

namespace velmar {

// Whether the code page has a table here.
bool IsKnownCodePage(int codePage);
// The character of a byte; an unknown code page reads as 1252.
char16_t CodePageChar(int codePage, unsigned char byte);
// The byte of a character, when the code page has one.
std::optional<unsigned char> CodePageByte(int codePage, char16_t character);
// The code page a font's RTF character set (\fcharset) stands for; nullopt for the
// sets that name none (default, symbol, OEM, Mac) or need a multi-byte one.
std::optional<int> CodePageOfCharset(int charset);

} // namespace velmar
