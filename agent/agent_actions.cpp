#include "agent_actions.h"

#include "reminder_window.h"

#include <QTextStream>

void AgentActions::showReminder(const QString& musicPath, const QString& text,
                                const std::optional<QString>& caption)
{
    m_reminderWindow.showReminder(musicPath, text, caption);
}

void AgentActions::openFile(const QString& path)
{
    QTextStream(stdout) << QStringLiteral("打开 %1").arg(path) << Qt::endl;
}

void AgentActions::startShutdown(const QString& delayText, const QString& period)
{
    QTextStream(stdout) << QStringLiteral("关机 %1 秒 (%2)").arg(delayText, period) << Qt::endl;
}
