#pragma once
// Our own RTF writer: code page 1252 declared, characters of that code page as
// "\'hh", every other character as "\uN" with "?" for readers that lack Unicode.

#include <string>

#include "core/document/untTekstFormatowany.h"

namespace velmar {

std::string WriteRtf(const TTekstFormatowany& document);

} // namespace velmar
