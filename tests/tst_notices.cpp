#include "notices.h"

#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>



// Needs a session bus: the test command runs every test under its own.
class TestNotices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Notice>();
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "no session bus");
    }

    void namesRoundTrip_data()
    {
        QTest::addColumn<Notice>("notice");
        QTest::addColumn<QString>("name");
        QTest::newRow("新建响铃") << Notice::NewReminder << "新建响铃";
        QTest::newRow("重新设置") << Notice::Settings << "重新设置";
        QTest::newRow("新建打开") << Notice::NewLaunch << "新建打开";
        QTest::newRow("新建关机") << Notice::NewShutdown << "新建关机";
        QTest::newRow("新建倒计时") << Notice::NewCountdown << "新建倒计时";
        QTest::newRow("刷新") << Notice::Refresh << "刷新";
    }

    void namesRoundTrip()
    {
        QFETCH(Notice, notice);
        QFETCH(QString, name);
        QCOMPARE(noticeName(notice), name);
        QCOMPARE(noticeFromName(name), std::optional<Notice>(notice));
    }

    void broadcastIsHeard()
    {
        NoticeListener listener;
        QSignalSpy spy(&listener, &NoticeListener::noticeReceived);
        broadcastNotice(Notice::NewCountdown);
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).value<Notice>(), Notice::NewCountdown);
    }

    void noticeFromAnotherProgramIsHeard()
    {
        NoticeListener listener;
        QSignalSpy spy(&listener, &NoticeListener::noticeReceived);
        const int status = QProcess::execute(QStringLiteral("dbus-send"),
            {"--session", "--type=signal", "/org/yueshi/Notices", "org.yueshi.Notices.Notice", "string:新建响铃"});
        QCOMPARE(status, 0);
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).value<Notice>(), Notice::NewReminder);

        QProcess::execute(QStringLiteral("dbus-send"),
            {"--session", "--type=signal", "/org/yueshi/Notices", "org.yueshi.Notices.Notice", "string:别的"});
        QTest::qWait(200);
        QCOMPARE(spy.size(), 1); // unknown names pass by
    }

    void ensureAgentStartsOneOnlyWhenNoneRuns()
    {
        // A stand-in agent that leaves a mark each time it is started.
        QTemporaryDir dir;
        const QString marks = dir.filePath(QStringLiteral("marks"));
        QFile script(dir.filePath(QStringLiteral("yueshi_jk")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho started >> '%1'\n").arg(marks).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        ensureAgent(dir.path());
        QTRY_VERIFY(QFile::exists(marks));

        QVERIFY(claimAgentName()); // now an agent "runs": this process owns its name
        ensureAgent(dir.path());
        QTest::qWait(300);
        QFile file(marks);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("started\n"));
        QVERIFY(QDBusConnection::sessionBus().unregisterService(Bus::kAgentService));
    }
};

QTEST_GUILESS_MAIN(TestNotices)
#include "tst_notices.moc"
