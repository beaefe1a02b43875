#include "audio_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

constexpr int kIoBufferSize = 32 * 1024;
// Corrupt files can make a decoder reject packet after packet; give up rather than spin.
constexpr int kMaxConsecutiveErrors = 64;

void quietFfmpeg()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

int readPacket(void* opaque, uint8_t* buf, int size)
{
    auto* file = static_cast<QFile*>(opaque);
    const qint64 n = file->read(reinterpret_cast<char*>(buf), size);
    if (n <= 0)
        return AVERROR_EOF;
    return static_cast<int>(n);
}

int64_t seekFile(void* opaque, int64_t offset, int whence)
{
    auto* file = static_cast<QFile*>(opaque);
    qint64 base = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return file->size();
    case SEEK_SET:
        break;
    case SEEK_CUR:
        base = file->pos();
        break;
    case SEEK_END:
        base = file->size();
        break;
    default:
        return -1;
    }
    return file->seek(base + offset) ? file->pos() : -1;
}

} // namespace

void AudioDecoder::Free::operator()(AVFormatContext* p) const
{
    avformat_close_input(&p);
}
void AudioDecoder::Free::operator()(AVCodecContext* p) const
{
    avcodec_free_context(&p);
}
void AudioDecoder::Free::operator()(AVIOContext* p) const
{
    av_freep(&p->buffer);
    avio_context_free(&p);
}
void AudioDecoder::Free::operator()(AVPacket* p) const
{
    av_packet_free(&p);
}
void AudioDecoder::Free::operator()(AVFrame* p) const
{
    av_frame_free(&p);
}
void AudioDecoder::Free::operator()(SwrContext* p) const
{
    swr_free(&p);
}

AudioDecoder::AudioDecoder()
{
    quietFfmpeg();
}

// The format context refers to the IO context, so it must go first.
AudioDecoder::~AudioDecoder()
{
    m_format.reset();
    m_io.reset();
}

bool AudioDecoder::open(const QString& name, int sampleRate, int channels)
{
    m_rate = sampleRate;
    m_channels = std::clamp(channels, 1, 2);
    m_file.setFileName(name);
    if (!m_file.open(QIODevice::ReadOnly) || m_file.size() == 0)
        return false;

    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
    if (!buffer)
        return false;
    m_io.reset(avio_alloc_context(buffer, kIoBufferSize, 0, &m_file, readPacket, nullptr,
                                  m_file.isSequential() ? nullptr : seekFile));
    if (!m_io) {
        av_free(buffer);
        return false;
    }

    AVFormatContext* format = avformat_alloc_context();
    if (!format)
        return false;
    format->pb = m_io.get();
    // The name only hints the format by its extension; all reading goes through m_io.
    if (avformat_open_input(&format, QFile::encodeName(name).constData(), nullptr, nullptr) < 0)
        return false; // avformat_open_input frees the context on failure
    m_format.reset(format);
    if (avformat_find_stream_info(format, nullptr) < 0)
        return false;

    const AVCodec* codec = nullptr;
    m_stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (m_stream < 0 || !codec)
        return false;
    m_codec.reset(avcodec_alloc_context3(codec));
    if (!m_codec ||
        avcodec_parameters_to_context(m_codec.get(), format->streams[m_stream]->codecpar) < 0 ||
        avcodec_open2(m_codec.get(), codec, nullptr) < 0)
        return false;

    m_packet.reset(av_packet_alloc());
    m_frame.reset(av_frame_alloc());
    if (!m_packet || !m_frame)
        return false;
    return decodeMore();
}

qsizetype AudioDecoder::read(float* out, qsizetype frames)
{
    qsizetype done = 0;
    while (done < frames) {
        const size_t available = (m_pending.size() - m_pendingPos) / m_channels;
        if (available == 0) {
            m_pending.clear();
            m_pendingPos = 0;
            if (!decodeMore())
                break;
            continue;
        }
        const size_t n = std::min<size_t>(available, frames - done);
        std::memcpy(out + done * m_channels, m_pending.data() + m_pendingPos,
                    n * m_channels * sizeof(float));
        m_pendingPos += n * m_channels;
        done += static_cast<qsizetype>(n);
    }
    return done;
}

// Decodes until some samples are pending; false at the end of the stream.
bool AudioDecoder::decodeMore()
{
    if (!m_codec)
        return false;
    const size_t before = m_pending.size();
    int errors = 0;
    while (!m_drained && m_pending.size() == before) {
        const int got = avcodec_receive_frame(m_codec.get(), m_frame.get());
        if (got == 0) {
            const bool ok = convert(m_frame.get());
            av_frame_unref(m_frame.get());
            if (!ok)
                m_drained = true;
            continue;
        }
        if (got == AVERROR_EOF) {
            flushResampler();
            m_drained = true;
            break;
        }
        if (got != AVERROR(EAGAIN)) {
            if (++errors > kMaxConsecutiveErrors)
                m_drained = true;
            continue;
        }
        if (m_inputDone) { // a decoder that wants input after the final flush
            m_drained = true;
            break;
        }
        if (av_read_frame(m_format.get(), m_packet.get()) < 0) {
            avcodec_send_packet(m_codec.get(), nullptr);
            m_inputDone = true;
            continue;
        }
        if (m_packet->stream_index == m_stream &&
            avcodec_send_packet(m_codec.get(), m_packet.get()) < 0 &&
            ++errors > kMaxConsecutiveErrors)
            m_drained = true;
        av_packet_unref(m_packet.get());
    }
    return m_pending.size() > before;
}

bool AudioDecoder::convert(const AVFrame* frame)
{
    if (!m_resampler) {
        AVChannelLayout in{};
        if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC ||
            av_channel_layout_check(&frame->ch_layout) == 0)
            av_channel_layout_default(&in, frame->ch_layout.nb_channels);
        else
            av_channel_layout_copy(&in, &frame->ch_layout);
        AVChannelLayout out{};
        av_channel_layout_default(&out, m_channels);
        SwrContext* swr = nullptr;
        const int made = swr_alloc_set_opts2(&swr, &out, AV_SAMPLE_FMT_FLT, m_rate, &in,
                                             static_cast<AVSampleFormat>(frame->format),
                                             frame->sample_rate, 0, nullptr);
        m_resampler.reset(swr);
        // Mono goes to both sides at full level, not the -3 dB of a centre speaker.
        if (made == 0 && in.nb_channels == 1 && m_channels == 2) {
            const double bothSides[2] = {1.0, 1.0};
            swr_set_matrix(swr, bothSides, 1);
        }
        av_channel_layout_uninit(&in);
        av_channel_layout_uninit(&out);
        if (made < 0 || swr_init(swr) < 0) {
            m_resampler.reset();
            return false;
        }
    }
    const int capacity = swr_get_out_samples(m_resampler.get(), frame->nb_samples);
    if (capacity <= 0)
        return true;
    const size_t start = m_pending.size();
    m_pending.resize(start + size_t(capacity) * m_channels);
    auto* out = reinterpret_cast<uint8_t*>(m_pending.data() + start);
    const int n = swr_convert(m_resampler.get(), &out, capacity,
                              const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
    m_pending.resize(start + size_t(std::max(n, 0)) * m_channels);
    return n >= 0;
}

void AudioDecoder::flushResampler()
{
    if (!m_resampler)
        return;
    const int capacity = swr_get_out_samples(m_resampler.get(), 0);
    if (capacity <= 0)
        return;
    const size_t start = m_pending.size();
    m_pending.resize(start + size_t(capacity) * m_channels);
    auto* out = reinterpret_cast<uint8_t*>(m_pending.data() + start);
    const int n = swr_convert(m_resampler.get(), &out, capacity, nullptr, 0);
    m_pending.resize(start + size_t(std::max(n, 0)) * m_channels);
}
