#include "accessibility.h"

#include <QLabel>
#include <QWidget>

void publishAccessibility(QWidget* root)
{
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            widget->setAccessibleDescription(name);
        auto* label = qobject_cast<QLabel*>(widget);
        if (!label || !label->buddy() || !label->buddy()->accessibleName().isEmpty())
            continue;
        QString text = label->text();
        text.remove(QLatin1Char('&'));
        while (text.endsWith(QStringLiteral("：")) || text.endsWith(QLatin1Char(':')))
            text.chop(1);
        text.remove(QLatin1Char(' ')); // the dialog pads its labels with blanks to align them
        label->buddy()->setAccessibleName(text);
    }
    if (!root->objectName().isEmpty())
        root->setAccessibleDescription(root->objectName());
}
