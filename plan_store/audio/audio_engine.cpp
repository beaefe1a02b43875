#include "audio_engine.h"

#include "pcm_source.h"
#include "playback_monitor.h"

#include <QAudioSink>
#include <QTimer>

namespace {

constexpr int kPollMs = 20;
// Qt 6.4 otherwise buffers about two seconds, and stop or pause would lag by as much.
constexpr qint64 kSinkBufferUs = 150'000;
// Should the output's clock stall after the last sample, end this long after it was due.
constexpr qint64 kEndGraceMs = 3000;

QAudioFormat outputFormat(const QAudioDevice& device)
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(format))
        return format;
    format = device.preferredFormat();
    if (format.channelCount() > 2)
        format.setChannelCount(2);
    return format;
}

} // namespace

AudioEngine::AudioEngine(PlaybackMonitor* monitor, std::atomic<bool>* playing)
    : m_monitor(monitor), m_playing(playing), m_poll(new QTimer(this))
{
    m_poll->setInterval(kPollMs);
    m_poll->setTimerType(Qt::PreciseTimer);
    connect(m_poll, &QTimer::timeout, this, &AudioEngine::poll);
}

AudioEngine::~AudioEngine()
{
    release();
}

bool AudioEngine::start(const QAudioDevice& device, const QStringList& names, quint64 stream)
{
    release();
    m_stream = stream;
    const QAudioFormat format = outputFormat(device);
    if (!format.isValid())
        return false;
    m_source = std::make_unique<PcmSource>(names, format, m_monitor);
    if (!m_source->start()) {
        release();
        return false;
    }
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->setBufferSize(format.bytesForDuration(kSinkBufferUs));
    connect(m_sink.get(), &QAudioSink::stateChanged, this, &AudioEngine::onStateChanged);
    m_sink->start(m_source.get());
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        release();
        return false;
    }
    m_sinceExhausted.invalidate();
    m_monitor->setHeard(0, true);
    m_playing->store(true);
    m_poll->start();
    return true;
}

void AudioEngine::pause()
{
    if (!m_sink || !m_playing->load())
        return;
    m_sink->suspend();
    m_poll->stop();
    m_monitor->setHeard(m_sink->processedUSecs(), false);
    m_playing->store(false);
}

void AudioEngine::stop()
{
    release();
}

// Ended means heard to the last sample: the sink turns idle once it has taken the last
// bytes, which is still its buffer's length before they are heard.
void AudioEngine::poll()
{
    if (!m_sink)
        return;
    const qint64 heard = m_sink->processedUSecs();
    m_monitor->setHeard(heard, true);
    if (!m_source->exhausted())
        return;
    const qint64 total = m_source->servedUSecs();
    if (!m_sinceExhausted.isValid()) {
        m_sinceExhausted.start();
        m_heardWhenExhausted = heard;
    }
    const qint64 dueMs = (total - m_heardWhenExhausted) / 1000 + kEndGraceMs;
    if (heard < total && m_sinceExhausted.elapsed() < dueMs)
        return;
    const quint64 stream = m_stream;
    release();
    m_monitor->setHeard(total, false);
    emit ended(stream);
}

void AudioEngine::onStateChanged(QAudio::State state)
{
    // The sound server went away: stopped, but not played to the end. Released once the
    // sink has returned from its signal.
    if (state == QAudio::StoppedState && m_sink && m_sink->error() != QAudio::NoError) {
        m_playing->store(false);
        QMetaObject::invokeMethod(
            this,
            [this, stream = m_stream] {
                if (stream == m_stream)
                    release();
            },
            Qt::QueuedConnection);
    }
}

void AudioEngine::release()
{
    m_poll->stop();
    m_playing->store(false);
    if (m_sink) {
        m_monitor->setHeard(m_sink->processedUSecs(), false);
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink.reset();
    }
    m_source.reset();
}
