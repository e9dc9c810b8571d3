#include "ui/app/untCzcionka.h"

#include <QString>

namespace velmar {

QFont ToQFont(const TCzcionka& font)
{
    QFont result(QString::fromStdString(font.Name));
    if (font.Size > 0)
        result.setPointSize(font.Size);
    result.setBold((font.Style & fsBold) != 0);
    result.setItalic((font.Style & fsItalic) != 0);
    result.setUnderline((font.Style & fsUnderline) != 0);
    result.setStrikeOut((font.Style & fsStrikeOut) != 0);
    return result;
}

void AssignQFont(TCzcionka& target, const QFont& font)
{
    target.Name = font.family().toStdString();
    target.Size = font.pointSize();
    target.Style =
        static_cast<std::uint8_t>((font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
                                  (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0));
}

} // namespace velmar
