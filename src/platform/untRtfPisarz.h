#pragma once
// Our own RTF writer: code page 1252 declared, characters of that code page as
// "\'hh", every other character as "\uN" with "?" for readers that lack Unicode.

#include <string>

#include "platform/untDokument.h"

namespace velmar {

std::string WriteRtf(const TDokument& document);

} // namespace velmar
