#pragma once

#include <QAudio>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>

class PcmSource;
class PlaybackMonitor;
class QAudioSink;
class QTimer;

// Lives on the audio thread and owns the sink while something plays. AudioChannel calls it
// there; it reports the real end of each started stream by its number.
class AudioEngine : public QObject
{
    Q_OBJECT
public:
    AudioEngine(PlaybackMonitor* monitor, std::atomic<bool>* playing);
    ~AudioEngine() override;

    // Plays the names one after the other; false when nothing decodes or the output fails.
    bool start(const QAudioDevice& device, const QStringList& names, quint64 stream);
    void pause();
    void stop();

signals:
    void ended(quint64 stream);

private:
    void poll();
    void onStateChanged(QAudio::State state);
    void release();

    PlaybackMonitor* m_monitor;
    std::atomic<bool>* m_playing;
    QTimer* m_poll;
    // Not children: Qt 6.4 gives the sink's backend the sink's parent, and a parent deleting
    // both would delete the backend twice.
    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<PcmSource> m_source;
    quint64 m_stream = 0;
    QElapsedTimer m_sinceExhausted;
    qint64 m_heardWhenExhausted = 0;
};
