#include "chinese_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installChineseTranslations(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}
