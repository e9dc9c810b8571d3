#pragma once
// Fonts as the settings describe them, and the window system's fonts.

#include <QFont>

#include "core/app/untTransTeksty.h"

namespace velmar {

QFont ToQFont(const TCzcionka& font);
// Name, size and style of a chosen font into a settings font; colour and character
// set stay.
void AssignQFont(TCzcionka& target, const QFont& font);

} // namespace velmar
