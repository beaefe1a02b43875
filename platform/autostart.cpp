#include "autostart.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autostart {

QString entryPath()
{
    const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(configHome).filePath(QStringLiteral("autostart/yueshi_jk.desktop"));
}

bool isPresent()
{
    return QFile::exists(entryPath());
}

static QString quotedExec(const QString& path)
{
    // Exec= quoting: double quotes, with \ " ` $ escaped by a backslash.
    QString escaped;
    for (QChar c : path) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

void write(const QString& agentPath)
{
    const QString path = entryPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=%1\n"
                                         "Exec=%2\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(kEntryName, quotedExec(agentPath));
    const QByteArray bytes = entry.toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AutostartError(QStringLiteral("Failed to set data for '%1'").arg(kEntryName).toStdString());
}

void remove()
{
    QFile::remove(entryPath());
}

} // namespace Autostart
