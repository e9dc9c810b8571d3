#pragma once
// The window boundary: 8-bit linguistic text and UTF-8 program text to QString and back.

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/untUtils.h"

namespace velmar {

inline QString ToQString(std::string_view bytes, std::uint8_t language)
{
    return QString::fromStdU16String(ToWide(bytes, language));
}

inline std::string FromQString(const QString& text)
{
    return FromWide(text.toStdU16String());
}

inline QString Utf8ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace velmar
