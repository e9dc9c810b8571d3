#pragma once
// Our own RTF reader: the text, character runs, paragraph attributes, lists and page
// of an RTF document. Formatting a style gives is applied as if stated. What a pane
// cannot hold is never silently dropped: footnotes move to the end of the document
// (numbered), text frames become paragraphs after the one they stand in, and
// headers, footers, pictures and objects are left out; each of these is reported.
// Tables become one paragraph per cell; a field keeps its visible result.

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
// leftOut, when given, receives what was left out or moved (TPominiecie flags).
std::optional<TTekstFormatowany> ReadRtf(std::string_view bytes, TPominiecia* leftOut = nullptr);

} // namespace velmar
