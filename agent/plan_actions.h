#pragma once

#include <QString>

#include <optional>

// What a due plan does. The scheduler only decides when; these carry the plan out.
class PlanActions
{
public:
    virtual ~PlanActions() = default;

    // Reminders and countdowns: show the reminder window with this music and text. A countdown
    // sets the window's caption; a reminder leaves whatever caption it last had.
    virtual void showReminder(const QString& musicPath, const QString& text,
                              const std::optional<QString>& caption) = 0;
    virtual void openFile(const QString& path) = 0;
    virtual void startShutdown(const QString& delayText, const QString& period) = 0;
};
