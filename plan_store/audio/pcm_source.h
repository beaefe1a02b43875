#pragma once

#include <QAudioFormat>
#include <QIODevice>
#include <QStringList>

#include <memory>
#include <vector>

class AudioDecoder;
class PlaybackMonitor;

// Serves the decoded samples of one or more files, one after the other without a gap, to
// a QAudioSink in pull mode. Decodes on demand in the thread the sink pulls from.
class PcmSource : public QIODevice
{
    Q_OBJECT
public:
    PcmSource(const QStringList& names, const QAudioFormat& format, PlaybackMonitor* monitor,
              QObject* parent = nullptr);
    ~PcmSource() override;

    // Opens the first name that decodes; false when none does.
    bool start();
    // Everything was decoded and served.
    bool exhausted() const { return m_exhausted; }
    qint64 servedUSecs() const;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool openNext();

    QStringList m_pendingNames;
    QAudioFormat m_format;
    PlaybackMonitor* m_monitor;
    std::unique_ptr<AudioDecoder> m_decoder;
    std::vector<float> m_scratch;
    qint64 m_servedFrames = 0;
    bool m_exhausted = false;
};
