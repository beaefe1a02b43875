#include "console_actions.h"

#include <QTextStream>

namespace {

void say(const QString& line)
{
    QTextStream out(stdout);
    out << line << Qt::endl;
}

} // namespace

void ConsoleActions::showReminder(const QString& musicPath, const QString& text,
                                  const std::optional<QString>& caption)
{
    say(QStringLiteral("%1 %2 | %3").arg(caption.value_or(QStringLiteral("提醒")), text, musicPath));
}

void ConsoleActions::openFile(const QString& path)
{
    say(QStringLiteral("打开 %1").arg(path));
}

void ConsoleActions::startShutdown(const QString& delayText, const QString& period)
{
    say(QStringLiteral("关机 %1 秒 (%2)").arg(delayText, period));
}
