#pragma once
// Our own RTF reader: the text, character runs and paragraph attributes of an RTF
// document. Pictures, objects, headers, footers, the style sheet and every group
// marked "\*" that the reader does not know are skipped; tables become one
// paragraph per cell; a field keeps its visible result.

#include <optional>
#include <string_view>

#include "core/document/untTekstFormatowany.h"

namespace velmar {

// Groups nested deeper than this are skipped whole, so hostile input cannot
// exhaust the reader's stack of group states.
inline constexpr int kRtfMaxGlebokosc = 128;

// Whether the bytes begin as an RTF document does ("{\rtf").
bool IsRtf(std::string_view bytes);

// The document held by the bytes; nullopt when they are not RTF. Malformed RTF reads
// as far as it makes sense (unbalanced groups close at the end of the input).
std::optional<TTekstFormatowany> ReadRtf(std::string_view bytes);

} // namespace velmar
