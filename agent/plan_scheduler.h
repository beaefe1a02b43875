#pragma once

#include "plan_record.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <optional>

class Clock;
class PlanActions;
class PlanTable;
class SettingsFile;

// Fires the plans of the table to the second. Each plan kind has a scan that is either armed
// (its timer runs) or not; one timer drives every armed scan, woken just after each second
// boundary. A tick examines every whole second since the last one examined, so a late tick
// catches up and no second is examined twice.
class PlanScheduler : public QObject
{
    Q_OBJECT
public:
    // Longer gaps (a suspend, the clock set forward) are not caught up.
    static constexpr qint64 kMaxCatchUpSeconds = 300;
    static constexpr int kAfterBoundaryMs = 3;

    PlanScheduler(PlanTable& table, const SettingsFile& settings, const Clock& clock,
                  PlanActions& actions, QObject* parent = nullptr);

    // Arms the scan of every kind that has a row; never disarms one.
    void armPlanTimers();
    void arm(PlanKind kind);
    bool isArmed(PlanKind kind) const;

    // Examines the seconds that have passed since the last tick.
    void tick();

signals:
    // A scan could not read the table; reported once until a scan succeeds again.
    void scanFailed(const QString& message);

private:
    void disarm(PlanKind kind);
    void examineSecond(qint64 second);
    void fire(PlanKind kind, const PlanRecord& row);
    void scheduleNextTick();
    bool anyArmed() const;
    qint64 nowSecond() const;

    PlanTable& m_table;
    const SettingsFile& m_settings;
    const Clock& m_clock;
    PlanActions& m_actions;

    QTimer m_ticker;
    qint64 m_lastExamined = 0;
    std::optional<qint64> m_secondInScan;
    quint64 m_tickGeneration = 0;
    QString m_lastFailure;
    // Per kind: the second after which its scan examines (empty while not armed).
    std::array<std::optional<qint64>, std::size(kAllPlanKinds)> m_armedAfter;
};
