#pragma once

#include <QString>

#include <stdexcept>

class AutostartError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The desktop's autostart entry for the agent: an XDG autostart .desktop file in
// $XDG_CONFIG_HOME/autostart (by default ~/.config/autostart). Present means autostart is on.
namespace Autostart {

inline const QString kEntryName = QStringLiteral("悦时电脑闹钟");

QString entryPath();
bool isPresent();
// Writes the entry starting the agent at agentPath; throws AutostartError when refused.
void write(const QString& agentPath);
// Deletes the entry if present; a failure passes silently.
void remove();

} // namespace Autostart
