#include "audio_channel.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

// Run with PULSE_SERVER pointing nowhere: a desktop without a sound server. Decoding still
// works, playing reports stopped at once, and nothing waits for a server.
class TestAudioNoServer : public QObject
{
    Q_OBJECT
private slots:
    void playingReportsStopped_data();
    void playingReportsStopped();
    void clipSequenceStillEnds();
};

void TestAudioNoServer::playingReportsStopped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("file") << QStringLiteral(AUDIO_FIXTURES "/tone.mp3");
    QTest::newRow("resource") << QStringLiteral(":/clips/clip_ima.wav");
}

void TestAudioNoServer::playingReportsStopped()
{
    QFETCH(QString, name);
    AudioChannel channel;
    QSignalSpy finished(&channel, &AudioChannel::finished);
    QVERIFY(channel.open(name));
    for (int attempt = 0; attempt < 2; ++attempt) {
        channel.play();
        QVERIFY(!channel.isPlaying());
        QVERIFY(std::ranges::all_of(channel.spectrum(), [](float v) { return v == 0; }));
        channel.pause();
        channel.stop();
    }
    QVERIFY(!finished.wait(200));
}

void TestAudioNoServer::clipSequenceStillEnds()
{
    AudioChannel channel;
    QSignalSpy clipsFinished(&channel, &AudioChannel::clipsFinished);
    channel.playClipsInOrder({QStringLiteral(":/clips/clip_u8.wav")});
    QVERIFY(!channel.isPlaying());
    QVERIFY(clipsFinished.wait(1000));
    QCOMPARE(clipsFinished.count(), 1);
}

QTEST_GUILESS_MAIN(TestAudioNoServer)
#include "tst_audio_no_server.moc"
