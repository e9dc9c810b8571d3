#pragma once
// A font of the settings as a Qt font.

#include <QFont>

#include "core/app/untTransTeksty.h"

namespace velmar {

// Name, point size and style of the settings' font; the colour stays with the caller.
QFont ToQFont(const TCzcionka& font);

} // namespace velmar
