#include "plan_scheduler.h"
#include "plan_table.h"
#include "settings_file.h"
#include "test_support.h"
#include "time_texts.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace PlanTexts;

namespace {
// A Monday; 2026-12-19 is a Saturday.
const QDate kMonday(2026, 12, 14);
const QDate kSaturday(2026, 12, 19);

QDateTime at(QDate day, int h, int m, int s, int ms = 3)
{
    return QDateTime(day, QTime(h, m, s, ms));
}
} // namespace

class TestPlanScheduler : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<PlanTable> m_table;
    std::unique_ptr<SettingsFile> m_settings;
    std::unique_ptr<ManualClock> m_clock;
    std::unique_ptr<RecordingActions> m_actions;
    std::unique_ptr<PlanScheduler> m_scheduler;

    qint64 add(const PlanRecord& row) { return m_table->append(row); }

    // Moves the clock to the moment and lets the scheduler tick there.
    void tickAt(const QDateTime& moment)
    {
        m_clock->set(moment);
        m_scheduler->tick();
    }

    QStringList firedTexts() const
    {
        QStringList texts;
        for (const auto& call : m_actions->calls)
            texts << (call.action == QLatin1String("reminder") ? call.second : call.first);
        return texts;
    }

private slots:
    void init()
    {
        const QString tablePath = m_dir.filePath(QStringLiteral("data.tdb"));
        QFile::remove(tablePath);
        QFile::remove(m_dir.filePath(QStringLiteral("config.ini")));
        createPlanTableFile(tablePath);
        m_table = std::make_unique<PlanTable>(tablePath);
        m_settings = std::make_unique<SettingsFile>(m_dir.filePath(QStringLiteral("config.ini")));
        m_clock = std::make_unique<ManualClock>(at(kMonday, 7, 59, 58));
        m_actions = std::make_unique<RecordingActions>();
        m_scheduler = std::make_unique<PlanScheduler>(*m_table, *m_settings, *m_clock, *m_actions);
    }

    void cleanup()
    {
        m_scheduler.reset();
        m_table.reset();
    }

    void oneOffFiresInItsSecondAndIsDeleted()
    {
        const qint64 once = add(makeRecord(kReminder, kOnce, "8:00:00", "2026-12-14", kNone, "/a.mp3", "一次"));
        add(makeRecord(kReminder, kDaily, "9:00:00"));
        m_scheduler->armPlanTimers();

        tickAt(at(kMonday, 7, 59, 59));
        QVERIFY(m_actions->calls.isEmpty());
        tickAt(at(kMonday, 8, 0, 0));
        QCOMPARE(m_actions->calls, (QList<RecordingActions::Call>{{"reminder", "/a.mp3", "一次", std::nullopt}}));
        QVERIFY(!m_table->find(once));
        QVERIFY(m_scheduler->isArmed(PlanKind::Reminder)); // a reminder row remains
    }

    void lastOneOffStopsItsScan()
    {
        add(makeRecord(kLaunch, kOnce, "8:00:00", "2026-12-14", kNone, "/bin/true"));
        add(makeRecord(kReminder, kDaily, "9:00:00"));
        m_scheduler->armPlanTimers();
        tickAt(at(kMonday, 8, 0, 0));
        QCOMPARE(firedTexts(), QStringList{"/bin/true"});
        QVERIFY(!m_scheduler->isArmed(PlanKind::Launch));
        QVERIFY(m_scheduler->isArmed(PlanKind::Reminder));
        QCOMPARE(m_table->rowCount(), 1);
    }

    void deletionByUserKeepsScanArmed()
    {
        const qint64 id = add(makeRecord(kShutdown, kDaily, "9:00:00"));
        m_scheduler->armPlanTimers();
        m_table->remove(id);
        m_scheduler->armPlanTimers();
        QVERIFY(m_scheduler->isArmed(PlanKind::Shutdown));
        tickAt(at(kMonday, 9, 0, 0));
        QVERIFY(m_actions->calls.isEmpty());
    }

    void onlyArmedKindsAreScanned()
    {
        add(makeRecord(kLaunch, kDaily, "8:00:00", kNone, kNone, "/bin/true"));
        add(makeRecord(kReminder, kDaily, "8:00:00", kNone, kNone, "/a.mp3", "响"));
        m_scheduler->arm(PlanKind::Reminder);
        tickAt(at(kMonday, 8, 0, 0));
        QCOMPARE(firedTexts(), QStringList{"响"});
    }

    void kindArmedByAFiringWaitsForTheNextSecond()
    {
        add(makeRecord(kReminder, kOnce, "8:00:00", "2026-12-14", kNone, "/a.mp3", "一次"));
        add(makeRecord(kLaunch, kDaily, "8:00:00", kNone, kNone, "/bin/true"));
        m_scheduler->arm(PlanKind::Reminder);
        tickAt(at(kMonday, 8, 0, 0));
        // ArmPlanTimers after the one-off starts the launch scan, from the next second on.
        QCOMPARE(firedTexts(), QStringList{"一次"});
        QVERIFY(m_scheduler->isArmed(PlanKind::Launch));
        tickAt(at(kMonday.addDays(1), 8, 0, 0));
        QCOMPARE(firedTexts(), (QStringList{"一次", "/bin/true"}));
    }

    void rowsDueInOneSecondFireInTableOrder()
    {
        add(makeRecord(kReminder, kOnce, "8:00:00", "2026-12-14", kNone, "/1.mp3", "一"));
        add(makeRecord(kReminder, kDaily, "8:00:00", kNone, kNone, "/2.mp3", "二"));
        add(makeRecord(kReminder, kOnce, "8:00:00", "2026-12-14", kNone, "/3.mp3", "三"));
        add(makeRecord(kReminder, kDaily, "8:00:01", kNone, kNone, "/4.mp3", "四"));
        m_scheduler->armPlanTimers();
        tickAt(at(kMonday, 8, 0, 0));
        // Both one-off rows fire: deleting the first does not cut the scan short.
        QCOMPARE(firedTexts(), (QStringList{"一", "二", "三"}));
        QCOMPARE(m_table->rowCount(), 2);
    }

    void countdownSetsCaptionAndIsDeleted()
    {
        add(makeRecord(kCountdown, kNone, "8:00:00", "2026-12-15", kNone, "/c.wma", "收菜"));
        m_scheduler->armPlanTimers();
        tickAt(at(kMonday, 8, 0, 0));
        QVERIFY(m_actions->calls.isEmpty()); // due tomorrow
        tickAt(at(kMonday.addDays(1), 8, 0, 0));
        QCOMPARE(m_actions->calls,
                 (QList<RecordingActions::Call>{{"reminder", "/c.wma", "收菜", QStringLiteral("悦时电脑闹钟倒计时提醒：")}}));
        QCOMPARE(m_table->rowCount(), 0);
        QVERIFY(!m_scheduler->isArmed(PlanKind::Countdown));
    }

    void oneOffDeletionOrder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("rowPresentDuringAction");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        // A shutdown row is gone before the user is asked; the others after their action.
        QTest::newRow("shutdown") << kShutdown << false << "shutdown" << "45" << kOnce;
        QTest::newRow("launch") << kLaunch << true << "open" << "/bin/true" << "";
        QTest::newRow("reminder") << kReminder << true << "reminder" << "/bin/true" << "45";
    }

    void oneOffDeletionOrder()
    {
        QFETCH(QString, kind);
        QFETCH(bool, rowPresentDuringAction);
        const qint64 id = add(makeRecord(kind, kOnce, "8:00:00", "2026-12-14", kNone, "/bin/true", "45"));
        std::optional<bool> present;
        m_actions->during = [&](const RecordingActions::Call&) { present = m_table->find(id).has_value(); };
        m_scheduler->armPlanTimers();
        tickAt(at(kMonday, 8, 0, 0));
        QCOMPARE(present, std::optional<bool>(rowPresentDuringAction));
        QCOMPARE(m_actions->calls.size(), 1);
        QFETCH(QString, action);
        QFETCH(QString, first);
        QFETCH(QString, second);
        const auto& call = m_actions->calls.first();
        QCOMPARE(call.action, action);
        QCOMPARE(call.first, first);
        QCOMPARE(call.second, second);
    }

    void lateTickCatchesUpEverySecondOnce()
    {
        for (int s = 0; s < 4; ++s)
            add(makeRecord(kReminder, kDaily, QStringLiteral("8:00:0%1").arg(s), kNone, kNone, "/a.mp3", QString::number(s)));
        m_scheduler->armPlanTimers();
        tickAt(at(kMonday, 7, 59, 59));
        tickAt(at(kMonday, 8, 0, 2, 700)); // three seconds late
        QCOMPARE(firedTexts(), (QStringList{"0", "1", "2"}));
        tickAt(at(kMonday, 8, 0, 2, 900)); // an early tick in the same second
        tickAt(at(kMonday, 8, 0, 3));
        QCOMPARE(firedTexts(), (QStringList{"0", "1", "2", "3"}));
    }

    void longGapIsNotCaughtUp_data()
    {
        QTest::addColumn<int>("gap");
        QTest::addColumn<QStringList>("fired");
        QTest::newRow("five minutes exactly") << 300 << QStringList{"early", "late"};
        QTest::newRow("past five minutes") << 301 << QStringList{"late"};
        QTest::newRow("a night's suspend") << 8 * 3600 << QStringList{"late"};
    }

    void longGapIsNotCaughtUp()
    {
        QFETCH(int, gap);
        const QDateTime start = at(kMonday, 7, 0, 0);
        add(makeRecord(kReminder, kDaily, "7:00:01", kNone, kNone, "/a.mp3", "early"));
        add(makeRecord(kReminder, kDaily, TimeTexts::timeText(start.addSecs(gap).time()), kNone, kNone, "/a.mp3", "late"));
        m_clock->set(start);
        m_scheduler->armPlanTimers();
        tickAt(start.addSecs(gap));
        QFETCH(QStringList, fired);
        QCOMPARE(firedTexts(), fired);
    }

    void clockSetBackStartsFromTheNewTime()
    {
        add(makeRecord(kReminder, kDaily, "8:00:00", kNone, kNone, "/a.mp3", "八点"));
        m_scheduler->armPlanTimers();
        tickAt(at(kMonday, 8, 0, 0));
        tickAt(at(kMonday, 8, 0, 1));
        tickAt(at(kMonday, 7, 59, 59)); // the clock was set back
        QCOMPARE(firedTexts(), QStringList{"八点"});
        tickAt(at(kMonday, 8, 0, 0));
        QCOMPARE(firedTexts(), (QStringList{"八点", "八点"}));
    }

    void tickInsideAnActionExaminesNoSecondTwice_data()
    {
        QTest::addColumn<QDateTime>("outerTick");
        QTest::addColumn<QDateTime>("innerTick");
        QTest::addColumn<QStringList>("fired");
        // A dialog held open for two seconds keeps dispatching ticks.
        QTest::newRow("dialog open two seconds")
            << at(kMonday, 8, 0, 0) << at(kMonday, 8, 0, 2) << QStringList{"0", "1", "2", "0b"};
        // The interrupted late tick must not go on to seconds the set-back clock has not reached.
        QTest::newRow("clock set back meanwhile")
            << at(kMonday, 8, 0, 2) << at(kMonday, 7, 59, 59) << QStringList{"0", "0b"};
    }

    void tickInsideAnActionExaminesNoSecondTwice()
    {
        QFETCH(QDateTime, outerTick);
        QFETCH(QDateTime, innerTick);
        QFETCH(QStringList, fired);
        for (int s = 0; s < 3; ++s)
            add(makeRecord(kReminder, kDaily, QStringLiteral("8:00:0%1").arg(s), kNone, kNone, "/a.mp3", QString::number(s)));
        add(makeRecord(kReminder, kDaily, "8:00:00", kNone, kNone, "/a.mp3", "0b"));
        bool nested = false;
        m_actions->during = [&](const RecordingActions::Call&) {
            if (nested)
                return;
            nested = true;
            tickAt(innerTick);
        };
        m_clock->set(at(kMonday, 7, 59, 59));
        m_scheduler->armPlanTimers();
        tickAt(outerTick);
        QCOMPARE(firedTexts(), fired);
        tickAt(innerTick.addMSecs(500));
        QCOMPARE(firedTexts(), fired);
    }

    void rowDeletedDuringAnActionDoesNotFire()
    {
        add(makeRecord(kReminder, kDaily, "8:00:00", kNone, kNone, "/a.mp3", "first"));
        const qint64 second = add(makeRecord(kReminder, kDaily, "8:00:00", kNone, kNone, "/a.mp3", "second"));
        m_actions->during = [&](const RecordingActions::Call&) { m_table->remove(second); };
        m_scheduler->armPlanTimers();
        tickAt(at(kMonday, 8, 0, 0));
        QCOMPARE(firedTexts(), QStringList{"first"});
    }

    void workdayIsReadFromSettingsAtEachMatch()
    {
        add(makeRecord(kReminder, kWorkday, "8:00:00", kNone, kNone, "/a.mp3", "上班"));
        m_clock->set(at(kSaturday, 7, 59, 59));
        m_scheduler->armPlanTimers();
        tickAt(at(kSaturday, 8, 0, 0)); // no config.ini: every day is a work day
        QCOMPARE(firedTexts().size(), 1);

        m_settings->writeText(QStringLiteral("Workday"), QStringLiteral("星期六"), QStringLiteral("0"));
        tickAt(at(kSaturday.addDays(7), 7, 59, 59));
        tickAt(at(kSaturday.addDays(7), 8, 0, 0));
        QCOMPARE(firedTexts().size(), 1);

        m_settings->writeText(QStringLiteral("Workday"), QStringLiteral("星期六"), QStringLiteral("1"));
        tickAt(at(kSaturday.addDays(14), 7, 59, 59));
        tickAt(at(kSaturday.addDays(14), 8, 0, 0));
        QCOMPARE(firedTexts().size(), 2);
    }

    void tableFailureIsReportedOnce()
    {
        add(makeRecord(kReminder, kDaily, "8:00:00"));
        m_scheduler->armPlanTimers();
        QStringList reports;
        connect(m_scheduler.get(), &PlanScheduler::scanFailed, this, [&](const QString& m) { reports << m; });
        QFile::remove(m_table->filePath());
        try {
            m_table->reopen();
        } catch (const PlanTableError&) {
        }
        for (int s = 0; s < 3; ++s)
            tickAt(at(kMonday, 8, 0, s));
        QCOMPARE(reports.size(), 1);
        QVERIFY(m_scheduler->isArmed(PlanKind::Reminder));
    }

};

QTEST_GUILESS_MAIN(TestPlanScheduler)
#include "tst_plan_scheduler.moc"
