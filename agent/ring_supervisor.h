#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class SoundPlayer;

// How the reminder window rings again. The ring interval is asked afresh at every use:
// 0 rings continuously, -1 rings once, n > 0 rings again n minutes after each play ended.
class RingSupervisor : public QObject
{
    Q_OBJECT
public:
    RingSupervisor(SoundPlayer& music, std::function<int()> ringInterval, QString defaultMusic,
                   QObject* parent = nullptr);

    static QString ringModeText(int ringInterval);
    static QString countdownText(int seconds);

    void setMusicPath(const QString& path) { m_musicPath = path; }
    QString musicPath() const { return m_musicPath; }

    // Stops what plays and plays the music path, or the default music when it cannot be played.
    void playAlarm();
    // The window was shown: start watching the music. Returns the ring-mode line.
    QString startSupervising();
    // 停止闹铃: the music pauses, nothing rings again.
    void stopRinging();
    // 关闭闹铃: the music stops, nothing rings again.
    void closeRinging();

    // Timer2: once a second while supervising.
    void superviseTick();
    // Timer3: once a second while waiting to ring again.
    void countdownTick();

    bool isSupervising() const { return m_supervise.isActive(); }
    bool isCountingDown() const { return m_countdownTimer.isActive(); }
    int countdown() const { return m_countdown; }

signals:
    // The re-ring countdown line: its text, and whether it shows.
    void countdownLineChanged(const QString& text, bool visible);

private:
    void stopTimers();

    SoundPlayer& m_music;
    std::function<int()> m_ringInterval;
    QString m_defaultMusic;
    QString m_musicPath;
    QTimer m_supervise;      // Timer2
    QTimer m_countdownTimer; // Timer3
    int m_countdown = 0;
    QString m_countdownLine = countdownText(60);
};
