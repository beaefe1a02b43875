#pragma once

#include <QApplication>

// The agent's one general error handler: what an event handler throws is shown in a message
// box, and the agent goes on running its plans.
class AgentApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
