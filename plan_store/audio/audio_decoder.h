#pragma once

#include <QFile>
#include <QString>

#include <memory>
#include <vector>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVIOContext;
struct AVPacket;
struct SwrContext;

// Decodes one file or Qt resource (":/...") with FFmpeg into interleaved float PCM at a
// chosen rate and channel count (1 or 2). Everything is read through QFile, so resources,
// and names FFmpeg would take for a protocol, are handled alike.
class AudioDecoder
{
public:
    AudioDecoder();
    ~AudioDecoder();
    AudioDecoder(const AudioDecoder&) = delete;
    AudioDecoder& operator=(const AudioDecoder&) = delete;

    // True once the first samples came out: a file that opens but never decodes is refused.
    bool open(const QString& name, int sampleRate, int channels);

    // Fills up to `frames` frames; fewer only at the end, 0 once everything was read.
    qsizetype read(float* out, qsizetype frames);

    int channels() const { return m_channels; }

private:
    struct Free
    {
        void operator()(AVFormatContext* p) const;
        void operator()(AVCodecContext* p) const;
        void operator()(AVIOContext* p) const;
        void operator()(AVPacket* p) const;
        void operator()(AVFrame* p) const;
        void operator()(SwrContext* p) const;
    };

    bool decodeMore();
    bool convert(const AVFrame* frame);
    void flushResampler();

    QFile m_file;
    std::unique_ptr<AVIOContext, Free> m_io;
    std::unique_ptr<AVFormatContext, Free> m_format;
    std::unique_ptr<AVCodecContext, Free> m_codec;
    std::unique_ptr<SwrContext, Free> m_resampler;
    std::unique_ptr<AVPacket, Free> m_packet;
    std::unique_ptr<AVFrame, Free> m_frame;
    int m_stream = -1;
    int m_rate = 0;
    int m_channels = 0;
    bool m_inputDone = false;
    bool m_drained = false;
    std::vector<float> m_pending; // decoded, not yet read
    size_t m_pendingPos = 0;      // in floats
};
