#pragma once

#include "clock.h"
#include "plan_actions.h"
#include "plan_record.h"

#include <QList>
#include <QString>

#include <functional>

// A clock that stands still until a test moves it.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(QDateTime start) : m_now(std::move(start)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& moment) { m_now = moment; }
    void advanceSeconds(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};

// Records what the scheduler asked for; an optional hook runs inside each action, as a
// dialog's event loop would.
class RecordingActions final : public PlanActions
{
public:
    struct Call
    {
        QString action;
        QString first;
        QString second;
        std::optional<QString> caption;
        bool operator==(const Call&) const = default;
    };

    void showReminder(const QString& musicPath, const QString& text,
                      const std::optional<QString>& caption) override
    {
        record({QStringLiteral("reminder"), musicPath, text, caption});
    }
    void openFile(const QString& path) override { record({QStringLiteral("open"), path, {}, {}}); }
    void startShutdown(const QString& delayText, const QString& period) override
    {
        record({QStringLiteral("shutdown"), delayText, period, {}});
    }

    QList<Call> calls;
    std::function<void(const Call&)> during;

private:
    void record(const Call& call)
    {
        calls << call;
        if (during)
            during(call);
    }
};

// Creates an empty plan table at path from the schema the build uses for data.tdb.
void createPlanTableFile(const QString& path);

PlanRecord makeRecord(const QString& kind, const QString& period, const QString& time,
                      const QString& date = QStringLiteral("无"),
                      const QString& weekday = QStringLiteral("无"),
                      const QString& path = QStringLiteral("/music/a.mp3"),
                      const QString& content = QStringLiteral("该起床了"));
