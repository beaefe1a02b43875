#pragma once

#include "plan_actions.h"

// Writes each fired plan to standard output, one line per action.
class ConsoleActions : public PlanActions
{
public:
    void showReminder(const QString& musicPath, const QString& text,
                      const std::optional<QString>& caption) override;
    void openFile(const QString& path) override;
    void startShutdown(const QString& delayText, const QString& period) override;
};
