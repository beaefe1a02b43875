#include "agent_application.h"

#include "agent_message_box.h"

#include <exception>

bool AgentApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        AgentMessageBox().showError(QString::fromStdString(error.what()));
    }
    return false;
}
