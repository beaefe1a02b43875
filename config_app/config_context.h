#pragma once

#include "config_message_box.h"
#include "notices.h"
#include "plan_table.h"
#include "settings_file.h"

#include <QDir>

#include <functional>
#include <memory>

class Clock;
class SoundPlayer;

// What the pages of the main window share: the program's folder, its clock, config.ini, the
// plan table, the message dialog and the listen channel.
struct ConfigContext
{
    ConfigContext(const QString& folder, const Clock& clock, ConfigMessageBox& messages, SoundPlayer& preview)
        : programFolder(folder), clock(clock),
          settings(QDir(folder).filePath(QStringLiteral("config.ini"))), messages(messages), preview(preview)
    {
    }

    // Makes sure the agent runs, then tells it what changed.
    void tellAgent(Notice notice) const
    {
        ensureAgent(programFolder);
        broadcastNotice(notice);
    }

    QString programFolder;
    const Clock& clock;
    SettingsFile settings;
    ConfigMessageBox& messages;
    SoundPlayer& preview;
    std::unique_ptr<PlanTable> table;
    std::function<void()> reloadPlanLists;
};
