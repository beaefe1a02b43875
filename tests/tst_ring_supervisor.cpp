#include "ring_supervisor.h"
#include "test_support.h"

#include <QTest>

#include <limits>

class TestRingSupervisor : public QObject
{
    Q_OBJECT

    FakeSoundPlayer m_music;
    int m_interval = 0;
    std::unique_ptr<RingSupervisor> m_supervisor;
    QString m_lineText;
    bool m_lineVisible = false;

    void ring(const QString& path = QStringLiteral("/music/a.mp3"))
    {
        m_supervisor->setMusicPath(path);
        m_supervisor->playAlarm();
    }

private slots:
    void init()
    {
        m_music = FakeSoundPlayer();
        m_interval = 0;
        m_lineText.clear();
        m_lineVisible = false;
        m_supervisor = std::make_unique<RingSupervisor>(m_music, [this] { return m_interval; },
                                                        QStringLiteral("/app/sound/爱的纪念.mp3"));
        connect(m_supervisor.get(), &RingSupervisor::countdownLineChanged, this,
                [this](const QString& text, bool visible) {
                    m_lineText = text;
                    m_lineVisible = visible;
                });
    }

    void ringModeLine_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "您未设置响铃间隔,闹铃将循环进行播放。";
        QTest::newRow("-1") << -1 << "闹铃将按您的设定，不进行循环播放";
        QTest::newRow("5") << 5 << "闹铃将按您的设定，每隔5分钟响一次。";
        QTest::newRow("-3") << -3 << "闹铃将按您的设定，每隔-3分钟响一次。";
    }

    void ringModeLine()
    {
        QFETCH(int, interval);
        QFETCH(QString, text);
        m_interval = interval;
        QCOMPARE(m_supervisor->startSupervising(), text);
        QVERIFY(m_supervisor->isSupervising());
    }

    void hugeIntervalDoesNotOverflow()
    {
        m_interval = 40000000; // minutes, as typed on the settings page
        m_supervisor->startSupervising();
        QCOMPARE(m_supervisor->countdown(), std::numeric_limits<int>::max());
    }

    void unplayableMusicFallsBackToDefault()
    {
        m_music.unplayable << QStringLiteral("/gone.mp3");
        ring(QStringLiteral("/gone.mp3"));
        QCOMPARE(m_music.played, QStringList{QStringLiteral("/app/sound/爱的纪念.mp3")});
        QVERIFY(m_music.stops >= 1); // what played before is stopped first
    }

    void intervalNRingsAgainAfterTheCountdown()
    {
        m_interval = 2;
        m_supervisor->startSupervising();
        ring();
        m_supervisor->superviseTick();
        QVERIFY(!m_supervisor->isCountingDown()); // still playing

        m_music.playing = false; // the music ended
        m_supervisor->superviseTick();
        QVERIFY(m_supervisor->isCountingDown());
        QVERIFY(m_lineVisible);
        QCOMPARE(m_lineText, QStringLiteral("系统将在60秒后再次响铃"));

        m_supervisor->countdownTick();
        QCOMPARE(m_lineText, QStringLiteral("系统将在119秒后再次响铃"));
        for (int i = 0; i < 118; ++i)
            m_supervisor->countdownTick();
        QCOMPARE(m_lineText, QStringLiteral("系统将在1秒后再次响铃"));
        QCOMPARE(m_music.played.size(), 1);

        m_supervisor->countdownTick();
        QVERIFY(!m_lineVisible);
        QCOMPARE(m_music.played.size(), 2); // from the beginning again
        QVERIFY(!m_supervisor->isCountingDown());
        QCOMPARE(m_supervisor->countdown(), 120);

        // The next end waits again, showing the last text of the previous countdown first.
        m_music.playing = false;
        m_supervisor->superviseTick();
        QVERIFY(m_lineVisible);
        QCOMPARE(m_lineText, QStringLiteral("系统将在0秒后再次响铃"));
    }

    void intervalMinusOneRingsOnce()
    {
        m_interval = -1;
        m_supervisor->startSupervising();
        ring();
        m_music.playing = false;
        const int stopsBefore = m_music.stops;
        for (int i = 0; i < 5; ++i)
            m_supervisor->superviseTick();
        QCOMPARE(m_music.played.size(), 1);
        QVERIFY(m_music.stops > stopsBefore);
        QVERIFY(!m_supervisor->isCountingDown());
        QVERIFY(!m_lineVisible);
    }

    void intervalZeroRestartsAtEachEnd()
    {
        m_supervisor->startSupervising();
        ring();
        for (int i = 0; i < 3; ++i) {
            m_music.playing = false;
            m_supervisor->superviseTick();
        }
        QCOMPARE(m_music.played.size(), 4);
        QVERIFY(!m_supervisor->isCountingDown());
    }

    void intervalZeroWithoutAnySoundKeepsTryingWithoutACountdown()
    {
        m_music.unplayable << QStringLiteral("/music/a.mp3") << QStringLiteral("/app/sound/爱的纪念.mp3");
        m_supervisor->startSupervising();
        ring();
        for (int i = 0; i < 3; ++i)
            m_supervisor->superviseTick();
        QCOMPARE(m_music.opened.size(), 8); // music and default, at the start and each second
        QVERIFY(!m_supervisor->isCountingDown());
        QVERIFY(!m_lineVisible);
    }

    void countdownNeverRunsBelowZero()
    {
        m_interval = 1;
        m_supervisor->startSupervising();
        ring();
        m_music.playing = false;
        m_supervisor->superviseTick();
        m_interval = 0; // changed on the settings page while waiting
        for (int i = 0; i < 60; ++i)
            m_supervisor->countdownTick();
        QCOMPARE(m_music.played.size(), 2);
        QCOMPARE(m_supervisor->countdown(), 0);

        m_interval = 1; // and changed back
        m_music.playing = false;
        m_supervisor->superviseTick();
        QVERIFY(m_supervisor->isCountingDown());
        m_supervisor->countdownTick();
        QCOMPARE(m_music.played.size(), 3); // rings instead of counting on below zero
        QVERIFY(!m_supervisor->isCountingDown());
    }

    void buttonsEndTheRinging_data()
    {
        QTest::addColumn<bool>("close");
        QTest::newRow("停止闹铃 pauses") << false;
        QTest::newRow("关闭闹铃 stops") << true;
    }

    void buttonsEndTheRinging()
    {
        QFETCH(bool, close);
        m_interval = 2;
        m_supervisor->startSupervising();
        ring();
        m_music.playing = false;
        m_supervisor->superviseTick();
        QVERIFY(m_lineVisible);
        const int stopsBefore = m_music.stops;
        if (close)
            m_supervisor->closeRinging();
        else
            m_supervisor->stopRinging();
        QVERIFY(!m_supervisor->isSupervising());
        QVERIFY(!m_supervisor->isCountingDown());
        QVERIFY(!m_lineVisible);
        QCOMPARE(m_music.pauses, close ? 0 : 1);
        QCOMPARE(m_music.stops, stopsBefore + (close ? 1 : 0));
    }
};

QTEST_GUILESS_MAIN(TestRingSupervisor)
#include "tst_ring_supervisor.moc"
