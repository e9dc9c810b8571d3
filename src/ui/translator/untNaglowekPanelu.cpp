#include "ui/translator/untNaglowekPanelu.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "core/app/untStale.h"

namespace velmar {

namespace {

constexpr int kFlagWidth = 21;
constexpr int kFlagHeight = 14;

// The flags are drawn, so that no image file has to ship with the program.
QPixmap FlagOf(std::uint8_t language)
{
    QPixmap flag(kFlagWidth, kFlagHeight);
    flag.fill(Qt::white);
    QPainter painter(&flag);
    if (language == jezFrancuski) {
        const int third = kFlagWidth / 3;
        painter.fillRect(0, 0, third, kFlagHeight, QColor(0, 35, 149));
        painter.fillRect(kFlagWidth - third, 0, third, kFlagHeight, QColor(237, 41, 57));
    } else {
        painter.fillRect(0, kFlagHeight / 2, kFlagWidth, kFlagHeight - kFlagHeight / 2, QColor(220, 20, 60));
    }
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, kFlagWidth - 1, kFlagHeight - 1);
    return flag;
}

} // namespace

TNaglowekPanelu::TNaglowekPanelu(const QString& objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    flag_ = new QLabel(this);
    flag_->setObjectName(objectName + "Flaga");
    caption_ = new QLabel(this);
    caption_->setObjectName(objectName + "Napis");
    layout->addWidget(flag_);
    layout->addWidget(caption_, 1);
}

void TNaglowekPanelu::SetLanguage(std::uint8_t language)
{
    flag_->setPixmap(FlagOf(language));
}

void TNaglowekPanelu::SetCaption(const QString& caption)
{
    caption_->setText(caption);
}

QString TNaglowekPanelu::Caption() const
{
    return caption_->text();
}

QString PaneCaption(const QString& languageName, const QString& documentName, bool modified)
{
    return QStringLiteral("%1  [%2%3]").arg(languageName.toUpper(), documentName, modified ? " *" : "");
}

} // namespace velmar
