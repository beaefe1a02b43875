#include "skin.h"

#include <QApplication>
#include <QFile>

void applySkin(QApplication& app)
{
    QFile styleSheet(QStringLiteral(":/config/yueshi.qss"));
    if (styleSheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
}
