#include "plan_scheduler.h"

#include "clock.h"
#include "plan_actions.h"
#include "plan_matching.h"
#include "plan_table.h"
#include "settings_file.h"
#include "settings_keys.h"
#include "time_texts.h"

namespace {

const QString kCountdownCaption = QStringLiteral("悦时电脑闹钟倒计时提醒：");

std::size_t indexOf(PlanKind kind)
{
    return static_cast<std::size_t>(kind);
}

} // namespace

PlanScheduler::PlanScheduler(PlanTable& table, const SettingsFile& settings, const Clock& clock,
                             PlanActions& actions, QObject* parent)
    : QObject(parent), m_table(table), m_settings(settings), m_clock(clock), m_actions(actions)
{
    m_ticker.setSingleShot(true);
    m_ticker.setTimerType(Qt::PreciseTimer);
    connect(&m_ticker, &QTimer::timeout, this, &PlanScheduler::tick);
}

qint64 PlanScheduler::nowSecond() const
{
    return m_clock.now().toSecsSinceEpoch();
}

bool PlanScheduler::isArmed(PlanKind kind) const
{
    return m_armedAfter[indexOf(kind)].has_value();
}

bool PlanScheduler::anyArmed() const
{
    for (const auto& armed : m_armedAfter) {
        if (armed)
            return true;
    }
    return false;
}

void PlanScheduler::arm(PlanKind kind)
{
    if (isArmed(kind))
        return;
    const bool wasIdle = !anyArmed();
    const qint64 now = nowSecond();
    if (wasIdle && !m_secondInScan)
        m_lastExamined = now;
    // Like a timer started now: its first scan is of the next second.
    m_armedAfter[indexOf(kind)] = m_secondInScan.value_or(now);
    if (!m_ticker.isActive())
        scheduleNextTick();
}

void PlanScheduler::disarm(PlanKind kind)
{
    m_armedAfter[indexOf(kind)].reset();
}

void PlanScheduler::armPlanTimers()
{
    const QSet<QString> present = m_table.kindsPresent();
    for (PlanKind kind : kAllPlanKinds) {
        if (present.contains(planKindText(kind)))
            arm(kind);
    }
}

void PlanScheduler::scheduleNextTick()
{
    const int msecIntoSecond = m_clock.now().time().msec();
    m_ticker.start(1000 - msecIntoSecond + kAfterBoundaryMs);
}

void PlanScheduler::tick()
{
    // A tick that runs inside an action's dialog bumps the generation; the interrupted tick
    // then stops, since the inner one has already examined every second up to its own now.
    const quint64 generation = ++m_tickGeneration;
    const qint64 now = nowSecond();
    if (now < m_lastExamined || now - m_lastExamined > kMaxCatchUpSeconds)
        m_lastExamined = now - 1;

    try {
        while (generation == m_tickGeneration && m_lastExamined < now && anyArmed()) {
            const qint64 second = ++m_lastExamined;
            m_secondInScan = second;
            examineSecond(second);
            m_secondInScan.reset();
        }
        m_lastFailure.clear();
    } catch (const std::exception& error) {
        m_secondInScan.reset();
        const QString message = QString::fromStdString(error.what());
        if (message != m_lastFailure) {
            m_lastFailure = message;
            emit scanFailed(message);
        }
    }

    if (generation == m_tickGeneration) {
        if (anyArmed())
            scheduleNextTick();
        else
            m_ticker.stop();
    }
}

void PlanScheduler::examineSecond(qint64 second)
{
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(second);
    const QList<PlanRecord> candidates = m_table.rowsAtTime(TimeTexts::timeText(moment.time()));
    if (candidates.isEmpty())
        return;

    const WorkdayTest isWorkday = [this](const QString& weekdayName) {
        return m_settings.readText(SettingKeys::workday(weekdayName)) == QStringLiteral("1");
    };
    for (PlanKind kind : kAllPlanKinds) {
        const QString kindText = planKindText(kind);
        for (const PlanRecord& row : candidates) {
            const auto& armedAfter = m_armedAfter[indexOf(kind)];
            if (!armedAfter || second <= *armedAfter)
                break;
            if (row.kind != kindText || !isDue(row, moment, isWorkday))
                continue;
            // An earlier action's dialog may have let the row be deleted meanwhile.
            if (!m_table.find(row.id))
                continue;
            fire(kind, row);
        }
    }
}

void PlanScheduler::fire(PlanKind kind, const PlanRecord& row)
{
    const bool oneOff = isOneOff(row);
    switch (kind) {
    case PlanKind::Reminder:
        m_actions.showReminder(row.path, row.content, std::nullopt);
        break;
    case PlanKind::Countdown:
        m_actions.showReminder(row.path, row.content, kCountdownCaption);
        break;
    case PlanKind::Launch:
        m_actions.openFile(row.path);
        break;
    case PlanKind::Shutdown:
        // A one-off shutdown row is gone before the user is asked.
        if (oneOff)
            m_table.remove(row.id);
        m_actions.startShutdown(row.content, row.period);
        return;
    }
    if (oneOff) {
        m_table.remove(row.id);
        // The kind's timer stops and ArmPlanTimers starts it again: it goes on exactly when
        // rows of its kind remain, and the rest of this second's rows are still examined.
        if (!m_table.kindsPresent().contains(planKindText(kind)))
            disarm(kind);
        armPlanTimers();
    }
}
