#pragma once

#include "sound_player.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <memory>

class AudioEngine;
class PlaybackMonitor;
class QThread;
class SpectrumAnalyzer;

// One current sound of a program (the preview of the listen buttons, the music of a
// reminder): decoded with FFmpeg, played through the default output on a thread of its own,
// so a busy user-interface thread never makes it stutter.
//
// The output is created when something is first played, not before, and everything works
// without a sound server: play() then leaves the channel stopped at once. The sound stops
// and the thread ends before the application quits, or when the channel is destroyed.
class AudioChannel : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit AudioChannel(QObject* parent = nullptr);
    ~AudioChannel() override;

    // Stops the current sound and makes the file or Qt resource (":/...") current. Any
    // format FFmpeg reads; false at once for a missing, empty or undecodable file, and
    // then nothing is current.
    bool open(const QString& fileOrResource) override;
    // Plays the current sound from its start.
    void play() override;
    void stop() override;
    // Holds the position; isPlaying() turns false, and play() starts over.
    void pause() override;
    bool isPlaying() const override;
    // The position heard now in the sound played last.
    qint64 positionMs() const;

    // 512 magnitudes of the last 1,024 samples heard, bin k at k * 44100 / 1024 Hz; a
    // full-scale sine reads about 1.0 in its bin. All zeros while nothing plays.
    std::array<float, 512> spectrum() const override;

    // Stops the current sound and plays the clips (resources or files) one after the other
    // without a gap; clips that do not decode are left out. The current sound opened with
    // open() stays current for play().
    void playClipsInOrder(const QStringList& clips);

signals:
    // The sound started by play() was heard to its end; not sent on stop() or failure.
    void finished();
    // The clips of playClipsInOrder() are over, also when none could be played.
    void clipsFinished();

private:
    enum class Kind { Music, Clips };

    bool startStream(const QStringList& names, Kind kind);
    void onEnded(quint64 stream);
    void shutdown();

    QString m_current;
    std::unique_ptr<PlaybackMonitor> m_monitor;
    std::unique_ptr<SpectrumAnalyzer> m_analyzer;
    std::atomic<bool> m_playing{false};
    QThread* m_thread = nullptr;
    AudioEngine* m_engine = nullptr;
    quint64 m_stream = 0;
    Kind m_kind = Kind::Music;
    bool m_shutDown = false;
};
