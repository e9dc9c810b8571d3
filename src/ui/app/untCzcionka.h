#pragma once
// A font of the settings as a Qt font, and a chosen Qt font back into the settings.

#include <QFont>

#include "core/app/untTransTeksty.h"

namespace velmar {

// Name, point size and style of the settings' font; the colour stays with the caller.
QFont ToQFont(const TCzcionka& font);
// Name, point size and style of a chosen font into a settings font; colour and
// character set stay.
void AssignQFont(TCzcionka& target, const QFont& font);

} // namespace velmar
