#pragma once

#include "clock.h"
#include "sound_player.h"
#include "plan_actions.h"
#include "plan_record.h"

#include <QList>
#include <QStringList>
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

// Music that plays until a test ends it; files in `unplayable` cannot be opened.
class FakeSoundPlayer final : public SoundPlayer
{
public:
    bool open(const QString& path) override
    {
        opened << path;
        playing = false;
        current = unplayable.contains(path) ? QString() : path;
        return !current.isEmpty();
    }
    void play() override
    {
        if (current.isEmpty())
            return;
        played << current;
        playing = true;
    }
    void stop() override
    {
        ++stops;
        playing = false;
    }
    void pause() override
    {
        ++pauses;
        playing = false;
    }
    bool isPlaying() const override { return playing; }
    std::array<float, 512> spectrum() const override { return magnitudes; }

    QStringList unplayable;
    QStringList opened;
    QStringList played;
    QString current;
    bool playing = false;
    int stops = 0;
    int pauses = 0;
    std::array<float, 512> magnitudes{};
};

// Creates an empty plan table at path from the schema the build uses for data.tdb.
void createPlanTableFile(const QString& path);

PlanRecord makeRecord(const QString& kind, const QString& period, const QString& time,
                      const QString& date = QStringLiteral("无"),
                      const QString& weekday = QStringLiteral("无"),
                      const QString& path = QStringLiteral("/music/a.mp3"),
                      const QString& content = QStringLiteral("该起床了"));
