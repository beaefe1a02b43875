#include "pcm_source.h"

#include "audio_decoder.h"
#include "playback_monitor.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

template <typename T> T scaled(float v, float full, float offset)
{
    return static_cast<T>(std::lrint(std::clamp(v, -1.0f, 1.0f) * full + offset));
}

void store(const float* in, qsizetype samples, QAudioFormat::SampleFormat format, char* out)
{
    switch (format) {
    case QAudioFormat::Float:
        std::memcpy(out, in, samples * sizeof(float));
        break;
    case QAudioFormat::Int16:
        for (qsizetype i = 0; i < samples; ++i) {
            const auto v = scaled<qint16>(in[i], 32767.0f, 0.0f);
            std::memcpy(out + i * sizeof v, &v, sizeof v);
        }
        break;
    case QAudioFormat::Int32:
        for (qsizetype i = 0; i < samples; ++i) {
            const auto v = static_cast<qint32>(
                std::llrint(double(std::clamp(in[i], -1.0f, 1.0f)) * 2147483647.0));
            std::memcpy(out + i * sizeof v, &v, sizeof v);
        }
        break;
    case QAudioFormat::UInt8:
        for (qsizetype i = 0; i < samples; ++i)
            out[i] = static_cast<char>(scaled<quint8>(in[i], 127.0f, 128.0f));
        break;
    default:
        std::memset(out, 0, samples * sizeof(float));
        break;
    }
}

} // namespace

PcmSource::PcmSource(const QStringList& names, const QAudioFormat& format, PlaybackMonitor* monitor,
                     QObject* parent)
    : QIODevice(parent), m_pendingNames(names), m_format(format), m_monitor(monitor)
{
}

PcmSource::~PcmSource() = default;

bool PcmSource::start()
{
    m_monitor->begin(m_format.sampleRate());
    if (!openNext())
        return false;
    return open(QIODevice::ReadOnly);
}

bool PcmSource::openNext()
{
    m_decoder.reset();
    while (!m_pendingNames.isEmpty()) {
        auto decoder = std::make_unique<AudioDecoder>();
        if (decoder->open(m_pendingNames.takeFirst(), m_format.sampleRate(),
                          m_format.channelCount())) {
            m_decoder = std::move(decoder);
            return true;
        }
    }
    m_exhausted = true;
    return false;
}

qint64 PcmSource::servedUSecs() const
{
    return m_servedFrames * 1'000'000 / m_format.sampleRate();
}

qint64 PcmSource::bytesAvailable() const
{
    // The sink only has to know that more will come; the decoder produces it on demand.
    return QIODevice::bytesAvailable() + (m_exhausted ? 0 : m_format.bytesForDuration(100'000));
}

qint64 PcmSource::readData(char* data, qint64 maxSize)
{
    const int channels = m_format.channelCount();
    const qint64 wanted = maxSize / m_format.bytesPerFrame();
    qint64 done = 0;
    while (done < wanted && m_decoder) {
        m_scratch.resize(size_t(wanted - done) * channels);
        const qsizetype n = m_decoder->read(m_scratch.data(), wanted - done);
        if (n == 0) {
            openNext();
            continue;
        }
        store(m_scratch.data(), n * channels, m_format.sampleFormat(),
              data + done * m_format.bytesPerFrame());
        m_monitor->append(m_scratch.data(), n, channels);
        done += n;
    }
    m_servedFrames += done;
    return done * m_format.bytesPerFrame();
}

qint64 PcmSource::writeData(const char*, qint64)
{
    return -1;
}
