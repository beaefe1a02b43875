#include "config_application.h"

#include <exception>

bool ConfigApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        m_errorBox.setParent(activeWindow());
        m_errorBox.error(QString::fromStdString(error.what()));
    }
    return false;
}
