#pragma once
// The Windows code pages that documents of this product are written in: 1250
// (Central European) and 1252 (Western). Unlike the program's own 8-bit reading of
// linguistic text, these follow the code pages exactly, as other programs write them.

#include <optional>

namespace velmar {

// Whether the code page has a table here (1250 or 1252).
bool IsKnownCodePage(int codePage);
// The character of a byte; an unknown code page reads as 1252.
char16_t CodePageChar(int codePage, unsigned char byte);
// The byte of a character, when the code page has one.
std::optional<unsigned char> CodePageByte(int codePage, char16_t character);

} // namespace velmar
