#pragma once

#include "plan_actions.h"

class ReminderWindow;

// The agent's actions for due plans: reminders and countdowns go to the reminder window.
// Launching and shutting down are written to standard output for now.
class AgentActions : public PlanActions
{
public:
    explicit AgentActions(ReminderWindow& reminderWindow) : m_reminderWindow(reminderWindow) {}

    void showReminder(const QString& musicPath, const QString& text,
                      const std::optional<QString>& caption) override;
    void openFile(const QString& path) override;
    void startShutdown(const QString& delayText, const QString& period) override;

private:
    ReminderWindow& m_reminderWindow;
};
