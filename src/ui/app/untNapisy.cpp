#include "ui/app/untNapisy.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include "core/app/untTransTeksty.h"
#include "core/app/untUstawienia.h"

namespace velmar {

namespace {

constexpr const char* kIdProperty = "velmarIdNapisu";

void ApplyText(QObject* control, int id)
{
    const QString text = Napis(id);
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text.trimmed()); // the table pads group titles for another toolkit
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(text);
}

void ApplyTabTexts(QTabWidget* tabs)
{
    for (int i = 0; i < tabs->count(); ++i) {
        const QVariant id = tabs->widget(i)->property(kIdProperty);
        if (id.isValid())
            tabs->setTabText(i, Napis(id.toInt()).trimmed());
    }
}

} // namespace

QString Napis(int id)
{
    const auto language = static_cast<std::uint8_t>(Ustawienia().JezykInterfejsu);
    return QString::fromStdU16String(InterfaceTextWide(language, id, true));
}

void PrzypiszNapis(QObject* control, int id)
{
    control->setProperty(kIdProperty, id);
    ApplyText(control, id);
}

void OdswiezNapisy(QObject* root)
{
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* object : objects) {
        const QVariant id = object->property(kIdProperty);
        if (id.isValid())
            ApplyText(object, id.toInt());
        if (auto* tabs = qobject_cast<QTabWidget*>(object))
            ApplyTabTexts(tabs);
    }
}

} // namespace velmar
