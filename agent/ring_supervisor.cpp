#include "ring_supervisor.h"

#include "sound_player.h"

#include <algorithm>
#include <limits>

namespace {

// Minutes to seconds without overflow: the interval is whatever was typed on the settings page.
int secondsOf(int minutes)
{
    return static_cast<int>(std::clamp<qint64>(qint64(minutes) * 60, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

} // namespace

RingSupervisor::RingSupervisor(SoundPlayer& music, std::function<int()> ringInterval,
                               QString defaultMusic, QObject* parent)
    : QObject(parent), m_music(music), m_ringInterval(std::move(ringInterval)),
      m_defaultMusic(std::move(defaultMusic))
{
    m_supervise.setObjectName(QStringLiteral("Timer2"));
    m_supervise.setInterval(1000);
    m_countdownTimer.setObjectName(QStringLiteral("Timer3"));
    m_countdownTimer.setInterval(1000);
    connect(&m_supervise, &QTimer::timeout, this, &RingSupervisor::superviseTick);
    connect(&m_countdownTimer, &QTimer::timeout, this, &RingSupervisor::countdownTick);
}

QString RingSupervisor::ringModeText(int ringInterval)
{
    if (ringInterval == 0)
        return QStringLiteral("您未设置响铃间隔,闹铃将循环进行播放。");
    if (ringInterval == -1)
        return QStringLiteral("闹铃将按您的设定，不进行循环播放");
    return QStringLiteral("闹铃将按您的设定，每隔%1分钟响一次。").arg(ringInterval);
}

QString RingSupervisor::countdownText(int seconds)
{
    return QStringLiteral("系统将在%1秒后再次响铃").arg(seconds);
}

void RingSupervisor::playAlarm()
{
    m_music.stop();
    if (m_music.open(m_musicPath) || m_music.open(m_defaultMusic))
        m_music.play();
}

QString RingSupervisor::startSupervising()
{
    m_supervise.start();
    const int interval = m_ringInterval();
    if (interval != 0 && interval != -1)
        m_countdown = secondsOf(interval);
    return ringModeText(interval);
}

void RingSupervisor::stopTimers()
{
    m_supervise.stop();
    m_countdownTimer.stop();
    emit countdownLineChanged(m_countdownLine, false);
}

void RingSupervisor::stopRinging()
{
    stopTimers();
    m_music.pause();
}

void RingSupervisor::closeRinging()
{
    stopTimers();
    m_music.stop();
}

void RingSupervisor::superviseTick()
{
    const int interval = m_ringInterval();
    if (m_music.isPlaying())
        return;
    if (interval == 0) {
        // Rings continuously: a restart that gave no sound is simply tried again next second,
        // with no countdown line (it would count below zero).
        playAlarm();
        return;
    }
    if (interval == -1) {
        m_music.stop();
        return;
    }
    if (!m_countdownTimer.isActive()) {
        m_countdownTimer.start();
        emit countdownLineChanged(m_countdownLine, true);
    }
}

void RingSupervisor::countdownTick()
{
    --m_countdown;
    m_countdownLine = countdownText(m_countdown);
    // At or below zero, not only at zero: an interval changed meanwhile must not leave the
    // countdown running below zero for ever.
    if (m_countdown > 0) {
        emit countdownLineChanged(m_countdownLine, true);
        return;
    }
    emit countdownLineChanged(m_countdownLine, false);
    playAlarm();
    m_countdown = secondsOf(m_ringInterval());
    m_countdownTimer.stop();
}
