#pragma once

#include "config_message_box.h"

#include <QApplication>

// The configuration program's one general error handler: what an event handler throws (a
// settings file that cannot be written, a table failure, a text that does not convert) is
// shown with its text, the command ends there, and the program goes on.
class ConfigApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;

    ConfigMessageBox& errorBox() { return m_errorBox; }

private:
    ConfigMessageBox m_errorBox;
};
