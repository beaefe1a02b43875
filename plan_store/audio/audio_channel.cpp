#include "audio_channel.h"

#include "audio_decoder.h"
#include "audio_engine.h"
#include "playback_monitor.h"
#include "fft_analyzer.h"

#include <QCoreApplication>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

AudioChannel::AudioChannel(QObject* parent)
    : QObject(parent), m_monitor(std::make_unique<PlaybackMonitor>()),
      m_analyzer(std::make_unique<SpectrumAnalyzer>())
{
    // Ending the process with a stream still open can trip the sound server's client library.
    if (auto* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &AudioChannel::shutdown);
}

AudioChannel::~AudioChannel()
{
    shutdown();
}

bool AudioChannel::open(const QString& fileOrResource)
{
    stop();
    m_current.clear();
    AudioDecoder probe;
    if (!probe.open(fileOrResource, 44100, 2))
        return false;
    m_current = fileOrResource;
    return true;
}

void AudioChannel::play()
{
    if (!m_current.isEmpty())
        startStream({m_current}, Kind::Music);
}

void AudioChannel::stop()
{
    ++m_stream;
    if (m_engine)
        QMetaObject::invokeMethod(m_engine, &AudioEngine::stop, Qt::BlockingQueuedConnection);
}

void AudioChannel::pause()
{
    ++m_stream;
    if (m_engine)
        QMetaObject::invokeMethod(m_engine, &AudioEngine::pause, Qt::BlockingQueuedConnection);
}

bool AudioChannel::isPlaying() const
{
    return m_playing.load();
}

qint64 AudioChannel::positionMs() const
{
    return m_monitor->heardUSecs() / 1000;
}

std::array<float, 512> AudioChannel::spectrum() const
{
    std::array<float, kSpectrumWindow> samples;
    if (!m_playing.load() || !m_monitor->recentSamples(samples))
        return {};
    return m_analyzer->analyze(samples);
}

void AudioChannel::playClipsInOrder(const QStringList& clips)
{
    if (startStream(clips, Kind::Clips))
        return;
    const quint64 stream = m_stream;
    QTimer::singleShot(0, this, [this, stream] {
        if (stream == m_stream)
            emit clipsFinished();
    });
}

bool AudioChannel::startStream(const QStringList& names, Kind kind)
{
    stop();
    const quint64 stream = ++m_stream;
    m_kind = kind;
    if (m_shutDown || names.isEmpty())
        return false;
    // Asked only now: Qt does not reconnect to a sound server missing at its first use.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    if (!m_thread) {
        m_thread = new QThread(this);
        m_thread->setObjectName(QStringLiteral("audio"));
        m_engine = new AudioEngine(m_monitor.get(), &m_playing);
        m_engine->moveToThread(m_thread);
        connect(m_thread, &QThread::finished, m_engine, &QObject::deleteLater);
        connect(m_engine, &AudioEngine::ended, this, &AudioChannel::onEnded);
        m_thread->start(QThread::HighPriority);
    }
    bool started = false;
    QMetaObject::invokeMethod(
        m_engine, [&] { return m_engine->start(device, names, stream); },
        Qt::BlockingQueuedConnection, &started);
    return started;
}

void AudioChannel::onEnded(quint64 stream)
{
    if (stream != m_stream)
        return; // stopped or replaced after the end was reported
    if (m_kind == Kind::Music)
        emit finished();
    else
        emit clipsFinished();
}

void AudioChannel::shutdown()
{
    stop();
    m_shutDown = true;
    if (!m_thread)
        return;
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_engine = nullptr; // deleted as its thread finished
}
