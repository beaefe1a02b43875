#pragma once

#include "agent_message_box.h"
#include "notices.h"
#include "settings_file.h"

#include <QWidget>

#include <memory>

class Clock;
class NoticeListener;
class PlanActions;
class PlanScheduler;
class PlanTable;

// The agent's hidden main window: it holds the plan table and the scheduler, and reacts to
// the notices of the configuration program.
class AgentWindow : public QWidget
{
    Q_OBJECT
public:
    AgentWindow(const QString& programFolder, const Clock& clock, QWidget* parent = nullptr);
    ~AgentWindow() override;

    // Reads the settings, opens the plan table and arms the scans that hand due plans to the
    // actions. False, after the error was shown, when the plan table cannot be opened.
    bool start(PlanActions& actions);

    void handleNotice(Notice notice);

    AgentMessageBox& messageBox() { return m_messageBox; }
    const SettingsFile& settings() const { return m_settings; }
    PlanScheduler* scheduler() const { return m_scheduler.get(); }
    QString announceMode() const { return m_announceMode; }
    int ringInterval() const { return m_ringInterval; }
    int announcePeriod() const { return m_announcePeriod; }

private:
    void readSettings();
    void react(Notice notice);

    QString m_programFolder;
    const Clock& m_clock;
    AgentMessageBox m_messageBox;
    SettingsFile m_settings;
    QString m_announceMode;
    int m_ringInterval = 0;
    int m_announcePeriod = 1;
    std::unique_ptr<PlanTable> m_table;
    std::unique_ptr<PlanScheduler> m_scheduler;
    NoticeListener* m_notices = nullptr;
};
