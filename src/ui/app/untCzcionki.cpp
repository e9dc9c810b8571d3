#include "ui/app/untCzcionki.h"

namespace velmar {

QFont ToQFont(const TCzcionka& font)
{
    QFont qfont(QString::fromStdString(font.Name));
    if (font.Size > 0)
        qfont.setPointSize(font.Size);
    qfont.setBold(font.Style & fsBold);
    qfont.setItalic(font.Style & fsItalic);
    qfont.setUnderline(font.Style & fsUnderline);
    qfont.setStrikeOut(font.Style & fsStrikeOut);
    return qfont;
}

void AssignQFont(TCzcionka& target, const QFont& font)
{
    target.Name = font.family().toStdString();
    target.Size = font.pointSize();
    target.Style = static_cast<std::uint8_t>((font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
                                             (font.underline() ? fsUnderline : 0) |
                                             (font.strikeOut() ? fsStrikeOut : 0));
}

} // namespace velmar
