#include "audio_channel.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <functional>
#include <memory>

// Runs against the sound server of tools/with-sound-server.sh, whose default output is the
// null sink ci_null; what it plays is heard on ci_null.monitor.
class TestAudioChannel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void playsEachFormatToItsEnd_data();
    void playsEachFormatToItsEnd();
    void refusesWhatDoesNotDecode_data();
    void refusesWhatDoesNotDecode();
    void pauseHoldsThePosition();
    void stopEndsWithoutFinished();
    void spectrumFollowsTheSampleHeardNow();
    void clipsPlayInOrder_data();
    void clipsPlayInOrder();
    void soundReachesTheSink_data();
    void soundReachesTheSink();
    void busyCallerDoesNotInterruptTheSound();
    void destroyingWhilePlayingReturns();

private:
    std::unique_ptr<QProcess> startRecorder(const QStringList& output);
    QString recordWhile(const std::function<void()>& action);
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_keepAwake;
};

namespace {

const QString kFixtures = QStringLiteral(AUDIO_FIXTURES);
constexpr int kToneMs = 600;
constexpr int kToneBin = 23; // 1 kHz at 44,100 Hz in 1,024 samples

QString fixture(const char* name)
{
    return kFixtures + u'/' + QLatin1String(name);
}

int sourceOutputs()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"),
                                          QStringLiteral("source-outputs")});
    pactl.waitForFinished();
    return pactl.readAllStandardOutput().count('\n');
}

int peakBin(const std::array<float, 512>& spectrum)
{
    return int(std::max_element(spectrum.begin() + 1, spectrum.end()) - spectrum.begin());
}

} // namespace

// Starts parecord on the null sink's monitor and returns once the server lists it.
std::unique_ptr<QProcess> TestAudioChannel::startRecorder(const QStringList& output)
{
    const int before = sourceOutputs();
    auto recorder = std::make_unique<QProcess>();
    recorder->setStandardOutputFile(QProcess::nullDevice());
    recorder->start(QStringLiteral("parecord"),
                    QStringList{QStringLiteral("--device=ci_null.monitor"),
                                QStringLiteral("--latency-msec=20")} +
                        output);
    if (!recorder->waitForStarted() ||
        !QTest::qWaitFor([before] { return sourceOutputs() > before; }, 5000))
        return nullptr;
    return recorder;
}

// What the sink played during `action`, as a mono 16-bit WAVE file.
QString TestAudioChannel::recordWhile(const std::function<void()>& action)
{
    const QString recording = m_dir.filePath(QStringLiteral("monitor.wav"));
    const auto recorder =
        startRecorder({QStringLiteral("--file-format=wav"), QStringLiteral("--format=s16le"),
                       QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"), recording});
    if (!recorder)
        return {};
    action();
    recorder->terminate(); // parecord completes the file on SIGTERM
    return recorder->waitForFinished() ? recording : QString();
}

void TestAudioChannel::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QProcess info;
    info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    QVERIFY2(info.waitForFinished() && info.exitCode() == 0,
             "needs a sound server: run through tools/run-tests.sh");
    // The null sink works in two-second blocks until a low-latency reader attaches: keep one
    // attached for the whole run so that positions and ends come as they would on a desktop.
    m_keepAwake = startRecorder({QStringLiteral("--raw")});
    QVERIFY(m_keepAwake);
    // The block that was under way when the reader came ends before this first sound does.
    AudioChannel channel;
    QSignalSpy finished(&channel, &AudioChannel::finished);
    QVERIFY(channel.open(fixture("tone.wav")));
    channel.play();
    QVERIFY(finished.wait(5000));
}

void TestAudioChannel::cleanupTestCase()
{
    if (m_keepAwake) {
        m_keepAwake->terminate();
        m_keepAwake->waitForFinished();
    }
}

void TestAudioChannel::playsEachFormatToItsEnd_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("durationMs"); // as decoded

    QTest::newRow("wav") << fixture("tone.wav") << kToneMs;
    QTest::newRow("flac") << fixture("tone.flac") << kToneMs;
    QTest::newRow("mp3") << fixture("tone.mp3") << kToneMs;
    QTest::newRow("ogg") << fixture("tone.ogg") << kToneMs;
    QTest::newRow("wma") << fixture("tone.wma") << 557; // the encoder drops the last part-block
    QTest::newRow("8-bit resource") << QStringLiteral(":/clips/clip_u8.wav") << 400;
    QTest::newRow("IMA ADPCM resource") << QStringLiteral(":/clips/clip_ima.wav") << 400;
    QTest::newRow("16-bit resource") << QStringLiteral(":/clips/clip_s16.wav") << 400;
}

// The end is reported once the last sample was heard: not when the output has merely taken
// the last bytes (still a buffer ahead), and not seconds later.
void TestAudioChannel::playsEachFormatToItsEnd()
{
    QFETCH(QString, name);
    QFETCH(int, durationMs);

    AudioChannel channel;
    QSignalSpy finished(&channel, &AudioChannel::finished);
    QVERIFY(channel.open(name));
    QVERIFY(!channel.isPlaying());
    QElapsedTimer sincePlay;
    sincePlay.start();
    channel.play();
    QVERIFY(channel.isPlaying());

    QVERIFY(finished.wait(durationMs + 2000));
    QVERIFY2(sincePlay.elapsed() >= durationMs - 30,
             qPrintable(QStringLiteral("ended after %1 ms").arg(sincePlay.elapsed())));
    QVERIFY(!channel.isPlaying());
    QCOMPARE(finished.count(), 1);
    QVERIFY(std::ranges::all_of(channel.spectrum(), [](float v) { return v == 0; }));

    // Playing again starts over.
    channel.play();
    QVERIFY(channel.isPlaying());
    QVERIFY(finished.wait(durationMs + 2000));
}

void TestAudioChannel::refusesWhatDoesNotDecode_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // written to `name` in a scratch folder when set

    QRandomGenerator random(3);
    QByteArray noise(16 * 1024, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    QFile wav(fixture("tone.wav"));
    QVERIFY(wav.open(QIODevice::ReadOnly));
    const QByteArray headerOnly = wav.read(44);

    QTest::newRow("missing file") << QStringLiteral("/nonexistent/music.mp3") << QByteArray();
    QTest::newRow("missing resource") << QStringLiteral(":/clips/none.wav") << QByteArray();
    QTest::newRow("folder") << m_dir.path() << QByteArray();
    QTest::newRow("empty") << QStringLiteral("empty.mp3") << QByteArray("");
    QTest::newRow("text") << QStringLiteral("notes.mp3") << QByteArray("闹钟\n").repeated(500);
    QTest::newRow("noise") << QStringLiteral("noise.wma") << noise;
    QTest::newRow("wave header, no samples") << QStringLiteral("header.wav") << headerOnly;
}

void TestAudioChannel::refusesWhatDoesNotDecode()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    if (!content.isNull()) {
        name = m_dir.filePath(name);
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    AudioChannel channel;
    // What was current before is stopped and forgotten.
    QVERIFY(channel.open(fixture("long_tone.wav")));
    channel.play();
    QVERIFY(channel.isPlaying());

    QVERIFY(!channel.open(name));
    QVERIFY(!channel.isPlaying());
    channel.play();
    QVERIFY(!channel.isPlaying());
}

void TestAudioChannel::pauseHoldsThePosition()
{
    AudioChannel channel;
    QSignalSpy finished(&channel, &AudioChannel::finished);
    QVERIFY(channel.open(fixture("long_tone.wav")));
    channel.play();
    QTRY_VERIFY(channel.positionMs() > 300);

    channel.pause();
    QVERIFY(!channel.isPlaying());
    const qint64 held = channel.positionMs();
    QTest::qWait(400);
    QCOMPARE(channel.positionMs(), held);
    QVERIFY(std::ranges::all_of(channel.spectrum(), [](float v) { return v == 0; }));

    channel.play();
    QVERIFY(channel.isPlaying());
    QTRY_VERIFY(channel.positionMs() > 0);
    QVERIFY(channel.positionMs() < held);
    QCOMPARE(finished.count(), 0);
}

void TestAudioChannel::stopEndsWithoutFinished()
{
    AudioChannel channel;
    QSignalSpy finished(&channel, &AudioChannel::finished);
    QVERIFY(channel.open(fixture("tone.wav")));
    channel.play();
    QTRY_VERIFY(channel.positionMs() > 100);
    channel.stop();
    QVERIFY(!channel.isPlaying());
    QVERIFY(!finished.wait(kToneMs + 500));
}

// The tone starts at 0.5 s. The output is handed samples well ahead of the one heard, so a
// spectrum of the newest samples would show the tone before it is heard.
void TestAudioChannel::spectrumFollowsTheSampleHeardNow()
{
    AudioChannel channel;
    QSignalSpy finished(&channel, &AudioChannel::finished);
    QVERIFY(channel.open(fixture("late_tone.wav")));
    channel.play();

    float loudestBeforeTone = 0;
    int samplesBeforeTone = 0;
    float toneLevel = 0;
    int toneBin = -1;
    const QDeadlineTimer deadline(10'000);
    while (finished.isEmpty() && !deadline.hasExpired()) {
        const qint64 position = channel.positionMs();
        const auto spectrum = channel.spectrum();
        if (position >= 350 && position <= 480) {
            ++samplesBeforeTone;
            loudestBeforeTone = std::max(loudestBeforeTone, *std::ranges::max_element(spectrum));
        } else if (position >= 700 && position <= 900 && toneBin < 0) {
            toneBin = peakBin(spectrum);
            toneLevel = spectrum[toneBin];
        }
        finished.wait(5);
    }
    QVERIFY(!finished.isEmpty());
    QVERIFY(samplesBeforeTone > 0);
    QVERIFY2(loudestBeforeTone < 0.01, qPrintable(QString::number(loudestBeforeTone)));
    QCOMPARE(toneBin, kToneBin);
    QVERIFY2(toneLevel > 0.9 && toneLevel < 1.05, qPrintable(QString::number(toneLevel)));
}

void TestAudioChannel::clipsPlayInOrder_data()
{
    QTest::addColumn<QStringList>("clips");
    QTest::addColumn<QList<int>>("bins"); // each clip's tone, in the order heard

    const QString u8 = QStringLiteral(":/clips/clip_u8.wav");
    const QString ima = QStringLiteral(":/clips/clip_ima.wav");
    const QString s16 = QStringLiteral(":/clips/clip_s16.wav");
    QTest::newRow("three codings") << QStringList{u8, ima, s16} << QList<int>{12, 23, 46};
    QTest::newRow("reversed") << QStringList{s16, ima, u8} << QList<int>{46, 23, 12};
    QTest::newRow("one missing") << QStringList{ima, QStringLiteral(":/clips/gone.wav"), u8}
                                 << QList<int>{23, 12};
    QTest::newRow("none decodes") << QStringList{QStringLiteral(":/clips/gone.wav")}
                                  << QList<int>{};
}

void TestAudioChannel::clipsPlayInOrder()
{
    QFETCH(QStringList, clips);
    QFETCH(QList<int>, bins);

    AudioChannel channel;
    QVERIFY(channel.open(fixture("tone.wav")));
    QSignalSpy clipsFinished(&channel, &AudioChannel::clipsFinished);
    QSignalSpy finished(&channel, &AudioChannel::finished);
    channel.playClipsInOrder(clips);

    QList<int> heard;
    const QDeadlineTimer deadline(10'000);
    while (clipsFinished.isEmpty() && !deadline.hasExpired()) {
        const auto spectrum = channel.spectrum();
        const int bin = peakBin(spectrum);
        if (spectrum[bin] > 0.5 && (heard.isEmpty() || heard.last() != bin))
            heard << bin;
        clipsFinished.wait(5);
    }
    QCOMPARE(heard, bins);
    QCOMPARE(clipsFinished.count(), 1);
    QCOMPARE(finished.count(), 0);
    QVERIFY(!channel.isPlaying());

    // The music opened before is still current.
    channel.play();
    QVERIFY(channel.isPlaying());
    QVERIFY(finished.wait(kToneMs + 2000));
}

void TestAudioChannel::soundReachesTheSink_data()
{
    QTest::addColumn<bool>("play");
    QTest::addColumn<double>("minLevel");
    QTest::addColumn<double>("maxLevel");

    QTest::newRow("silent while nothing plays") << false << 0.0 << 0.001;
    QTest::newRow("the tone") << true << 0.9 << 1.01;
}

// Records the null sink's monitor and measures the loudest sample with sox.
void TestAudioChannel::soundReachesTheSink()
{
    QFETCH(bool, play);
    QFETCH(double, minLevel);
    QFETCH(double, maxLevel);

    AudioChannel channel;
    QSignalSpy finished(&channel, &AudioChannel::finished);
    QVERIFY(channel.open(fixture("tone.wav")));
    const QString recording = recordWhile([&] {
        if (play) {
            channel.play();
            QVERIFY(finished.wait(kToneMs + 2000));
        } else {
            QTest::qWait(kToneMs);
        }
    });
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!recording.isEmpty());

    QProcess sox;
    sox.start(QStringLiteral("sox"), {recording, QStringLiteral("-n"), QStringLiteral("stats")});
    QVERIFY(sox.waitForFinished());
    const QString stats = QString::fromUtf8(sox.readAllStandardError());
    const auto match = QRegularExpression(QStringLiteral(R"(Max level\s+([0-9.]+))")).match(stats);
    QVERIFY2(match.hasMatch(), qPrintable(stats));
    const double level = match.captured(1).toDouble();
    QVERIFY2(level >= minLevel && level <= maxLevel, qPrintable(stats));
}

// The caller's thread sleeps for half a second in the middle of the tone: the audio thread
// keeps the sink fed, so the recording has no gap between the tone's first and last sample.
void TestAudioChannel::busyCallerDoesNotInterruptTheSound()
{
    AudioChannel channel;
    QSignalSpy finished(&channel, &AudioChannel::finished);
    QVERIFY(channel.open(fixture("long_tone.wav")));
    const QString recording = recordWhile([&] {
        channel.play();
        QTRY_VERIFY(channel.positionMs() > 500);
        QThread::msleep(500);
        QVERIFY(finished.wait(5000));
    });
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!recording.isEmpty());

    QFile file(recording);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray wave = file.readAll();
    const qsizetype data = wave.indexOf("data");
    QVERIFY(data > 0);
    const auto* samples = reinterpret_cast<const qint16*>(wave.constData() + data + 8);
    const qsizetype count = (wave.size() - data - 8) / 2;

    // A sine of amplitude 0.8 is this quiet for a few microseconds around each crossing.
    constexpr qint16 kQuiet = 1600;
    constexpr qsizetype kLongestQuiet = 44; // 1 ms
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < count; ++i) {
        if (std::abs(samples[i]) > kQuiet) {
            last = i;
            if (first < 0)
                first = i;
        }
    }
    QVERIFY(first >= 0);
    QVERIFY2(last - first > 44100 * 2, "the tone is three seconds long");
    qsizetype quietRun = 0, longestQuietRun = 0;
    for (qsizetype i = first; i <= last; ++i) {
        quietRun = std::abs(samples[i]) > kQuiet ? 0 : quietRun + 1;
        longestQuietRun = std::max(longestQuietRun, quietRun);
    }
    QVERIFY2(longestQuietRun < kLongestQuiet,
             qPrintable(QStringLiteral("a gap of %1 samples").arg(longestQuietRun)));
}

void TestAudioChannel::destroyingWhilePlayingReturns()
{
    auto channel = std::make_unique<AudioChannel>();
    QVERIFY(channel->open(fixture("long_tone.wav")));
    channel->play();
    QTRY_VERIFY(channel->positionMs() > 100);
    channel.reset(); // stops the sink and joins the audio thread
    // A new channel gets the output again.
    AudioChannel next;
    QSignalSpy finished(&next, &AudioChannel::finished);
    QVERIFY(next.open(fixture("tone.wav")));
    next.play();
    QVERIFY(finished.wait(kToneMs + 2000));
}

QTEST_GUILESS_MAIN(TestAudioChannel)
#include "tst_audio_channel.moc"
