#include "agent_window.h"

#include "plan_scheduler.h"
#include "plan_table.h"
#include "settings_keys.h"

#include <QDir>

namespace {
const QString kSettingsFileName = QStringLiteral("config.ini");
const QString kTableFileName = QStringLiteral("data.tdb");
} // namespace

AgentWindow::AgentWindow(const QString& programFolder, const Clock& clock, QWidget* parent)
    : QWidget(parent), m_programFolder(programFolder), m_clock(clock),
      m_messageBox(this), m_settings(QDir(programFolder).filePath(kSettingsFileName))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kAgentTitle);
}

AgentWindow::~AgentWindow() = default;

bool AgentWindow::start(PlanActions& actions)
{
    readSettings();

    m_notices = new NoticeListener(this);
    connect(m_notices, &NoticeListener::noticeReceived, this, &AgentWindow::handleNotice);

    try {
        m_table = std::make_unique<PlanTable>(QDir(m_programFolder).filePath(kTableFileName));
        m_scheduler = std::make_unique<PlanScheduler>(*m_table, m_settings, m_clock, actions);
        connect(m_scheduler.get(), &PlanScheduler::scanFailed, this,
                [this](const QString& message) { m_messageBox.showError(message); });
        m_scheduler->armPlanTimers();
    } catch (const PlanTableError&) {
        m_scheduler.reset();
        m_table.reset();
        m_messageBox.showError(QStringLiteral("无法打开数据库！"));
        return false;
    }
    return true;
}

void AgentWindow::readSettings()
{
    m_announceMode = m_settings.readText(SettingKeys::kAnnounceMode);
    m_ringInterval = m_settings.readNumber(SettingKeys::kRingInterval);
    m_announcePeriod = m_settings.readNumber(SettingKeys::kAnnouncePeriod);
}

void AgentWindow::handleNotice(Notice notice)
{
    if (!m_scheduler)
        return;
    try {
        react(notice);
    } catch (const PlanTableError& error) {
        // The table went missing or broken while running: say so, and keep the plans' timers.
        m_messageBox.showError(error.message());
    }
}

void AgentWindow::react(Notice notice)
{
    // Every reaction is safe to repeat: a notice may arrive more than once.
    switch (notice) {
    case Notice::Settings:
        readSettings();
        return;
    case Notice::NewReminder:
        m_table->reopen();
        m_scheduler->arm(PlanKind::Reminder);
        return;
    case Notice::NewLaunch:
        m_table->reopen();
        m_scheduler->arm(PlanKind::Launch);
        return;
    case Notice::NewShutdown:
        m_table->reopen();
        m_scheduler->arm(PlanKind::Shutdown);
        return;
    case Notice::NewCountdown:
        m_table->reopen();
        m_scheduler->arm(PlanKind::Countdown);
        return;
    case Notice::Refresh:
        m_table->reopen();
        m_scheduler->armPlanTimers();
        return;
    }
}
