#include "ui/app/untIkony.h"

#include <QPainter>
#include <QPixmap>

namespace velmar {

namespace {

struct TOpisIkony {
    const char* Name;
    const char* Top;    // source language
    const char* Bottom; // target language
    QColor Background;
};

// Translators are blue, dictionaries green; the letters give the direction.
const TOpisIkony kIcons[] = {
    {"TRFRPL", "FR", "PL", QColor(0x1F, 0x4E, 0x9C)},
    {"TRPLFR", "PL", "FR", QColor(0x1F, 0x4E, 0x9C)},
    {"SLFRPL", "FR", "PL", QColor(0x2E, 0x7D, 0x32)},
    {"SLPLFR", "PL", "FR", QColor(0x2E, 0x7D, 0x32)},
};

QPixmap DrawIcon(const TOpisIkony& description, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(description.Background);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 3 / 8);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size / 2), Qt::AlignCenter, description.Top);
    painter.drawText(QRect(0, size / 2, size, size / 2), Qt::AlignCenter, description.Bottom);
    return pixmap;
}

} // namespace

QIcon ModeIcon(const std::string& resourceName)
{
    for (const auto& description : kIcons) {
        if (resourceName != description.Name)
            continue;
        QIcon icon;
        for (int size : {16, 32, 48, 64, 128})
            icon.addPixmap(DrawIcon(description, size));
        return icon;
    }
    return {};
}

} // namespace velmar
