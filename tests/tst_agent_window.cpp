#include "agent_window.h"
#include "plan_scheduler.h"
#include "plan_table.h"
#include "settings_keys.h"
#include "test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace PlanTexts;

class TestAgentWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ManualClock m_clock{QDateTime(QDate(2026, 12, 14), QTime(7, 0))};
    RecordingActions m_actions;

    QString tablePath() const { return m_dir.filePath(QStringLiteral("data.tdb")); }

private slots:
    void init()
    {
        QFile::remove(tablePath());
        QFile::remove(m_dir.filePath(QStringLiteral("config.ini")));
    }

    void missingTableIsReportedAndStartFails()
    {
        AgentWindow window(m_dir.path(), m_clock);
        window.messageBox().setNextAnswer(QMessageBox::Ok);
        QVERIFY(!window.start(m_actions));
        QCOMPARE(window.messageBox().shownTexts(), QStringList{QStringLiteral("无法打开数据库！")});
        QVERIFY(!QFile::exists(tablePath()));
    }

    void startReadsSettingsAndArmsKindsPresent()
    {
        createPlanTableFile(tablePath());
        PlanTable(tablePath()).append(makeRecord(kShutdown, kDaily, "23:00:00"));
        SettingsFile(m_dir.filePath(QStringLiteral("config.ini"))).writeText(SettingKeys::kRingInterval, QStringLiteral("0x5"));

        AgentWindow window(m_dir.path(), m_clock);
        QVERIFY(window.start(m_actions));
        QCOMPARE(window.windowTitle(), QStringLiteral("悦时电脑闹钟计划计时程序"));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.announceMode(), QStringLiteral("3"));
        QCOMPARE(window.announcePeriod(), 1);
        QCOMPARE(window.ringInterval(), 5);
        QVERIFY(window.scheduler()->isArmed(PlanKind::Shutdown));
        QVERIFY(!window.scheduler()->isArmed(PlanKind::Reminder));
    }

    void noticesArmTheirKind_data()
    {
        QTest::addColumn<Notice>("notice");
        QTest::addColumn<QList<PlanKind>>("armed");
        QTest::newRow("新建响铃") << Notice::NewReminder << QList<PlanKind>{PlanKind::Reminder};
        QTest::newRow("新建打开") << Notice::NewLaunch << QList<PlanKind>{PlanKind::Launch};
        QTest::newRow("新建关机") << Notice::NewShutdown << QList<PlanKind>{PlanKind::Shutdown};
        QTest::newRow("新建倒计时") << Notice::NewCountdown << QList<PlanKind>{PlanKind::Countdown};
        // 刷新 arms every kind present in the table: here a launch and a countdown row.
        QTest::newRow("刷新") << Notice::Refresh << QList<PlanKind>{PlanKind::Launch, PlanKind::Countdown};
        QTest::newRow("重新设置") << Notice::Settings << QList<PlanKind>{};
    }

    void noticesArmTheirKind()
    {
        QFETCH(Notice, notice);
        QFETCH(QList<PlanKind>, armed);
        createPlanTableFile(tablePath());
        AgentWindow window(m_dir.path(), m_clock);
        QVERIFY(window.start(m_actions));

        // Written by "the other program" after the agent opened the table.
        PlanTable other(tablePath());
        other.append(makeRecord(kLaunch, kDaily, "9:00:00"));
        other.append(makeRecord(kCountdown, kNone, "9:00:00", "2026-12-20"));

        // Twice: every reaction is safe to repeat.
        broadcastNotice(notice);
        broadcastNotice(notice);
        QTRY_COMPARE(window.scheduler()->isArmed(armed.value(0, PlanKind::Reminder)), !armed.isEmpty());
        QTest::qWait(100);
        for (PlanKind kind : kAllPlanKinds)
            QCOMPARE(window.scheduler()->isArmed(kind), armed.contains(kind));
    }

    void settingsNoticeReadsTheValuesAgain()
    {
        createPlanTableFile(tablePath());
        AgentWindow window(m_dir.path(), m_clock);
        QVERIFY(window.start(m_actions));
        SettingsFile settings(m_dir.filePath(QStringLiteral("config.ini")));
        settings.writeText(SettingKeys::kAnnounceMode, QStringLiteral("4"));
        settings.writeText(SettingKeys::kRingInterval, QStringLiteral("-1"));
        settings.writeText(SettingKeys::kAnnouncePeriod, QStringLiteral("3"));
        QCOMPARE(window.announceMode(), QStringLiteral("3"));
        window.handleNotice(Notice::Settings);
        QCOMPARE(window.announceMode(), QStringLiteral("4"));
        QCOMPARE(window.ringInterval(), -1);
        QCOMPARE(window.announcePeriod(), 3);
    }

    void tableLostWhileRunningIsReportedAndTheAgentGoesOn()
    {
        createPlanTableFile(tablePath());
        AgentWindow window(m_dir.path(), m_clock);
        QVERIFY(window.start(m_actions));
        QFile::remove(tablePath());
        window.messageBox().setNextAnswer(QMessageBox::Ok);
        window.handleNotice(Notice::Refresh);
        QCOMPARE(window.messageBox().shownTexts().size(), 1);
        QVERIFY(window.messageBox().shownTexts().first().contains(tablePath()));
        QVERIFY(!QFile::exists(tablePath()));
    }
};

QTEST_MAIN(TestAgentWindow)
#include "tst_agent_window.moc"
