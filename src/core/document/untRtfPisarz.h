#pragma once
// Our own RTF writer: code page 1252 declared, characters of that code page as
// "\'hh", every other character as "\uN" with "?" for readers that lack Unicode.
// Lists go into a list table (list N is override \lsN), the page into the document
// formatting, and every character attribute of the model into its control word.
// The tables are built in time linear in the document.

#include <string>

#include "core/document/untTekstFormatowany.h"

namespace velmar {

std::string WriteRtf(const TTekstFormatowany& document);

} // namespace velmar
