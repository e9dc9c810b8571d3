#pragma once
// The icons of the working modes, drawn rather than shipped as image files.

#include <QIcon>
#include <string>

namespace velmar {

// The icon named by the product table ("TRFRPL", "TRPLFR", "SLFRPL", "SLPLFR"); a null
// icon for a name the program does not know.
QIcon ModeIcon(const std::string& resourceName);

} // namespace velmar
