#include "countdown_span.h"
#include "plan_lists.h"
#include "plan_periods.h"
#include "plan_table.h"
#include "settings_file.h"
#include "test_support.h"
#include "uptime.h"
#include "usage_texts.h"

#include <QTemporaryDir>
#include <QTest>

using namespace PlanTexts;

Q_DECLARE_METATYPE(PlanPeriod)
Q_DECLARE_METATYPE(PeriodFields)

// The widget-free logic of the configuration program.
class TestConfigLogic : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const QDateTime m_now{QDate(2011, 4, 3), QTime(8, 0, 0, 400)};

    QString tablePath() const { return m_dir.filePath(QStringLiteral("data.tdb")); }

private slots:
    void init()
    {
        QFile::remove(tablePath());
        QFile::remove(m_dir.filePath(QStringLiteral("config.ini")));
        createPlanTableFile(tablePath());
    }

    void listsSortRowsByKindWithTheirColumns()
    {
        PlanTable table(tablePath());
        const qint64 alarm = table.append(makeRecord(kReminder, kWeekly, "7:00:00", kNone, "三", "/m/a.mp3", "起床"));
        const qint64 shutdown = table.append(makeRecord(kShutdown, kOnce, "23:00:00", "2011-4-3", kNone, kNone, "30"));
        const qint64 launch = table.append(makeRecord(kLaunch, kMonthly, "9:00:00", "15号", kNone, "/bin/true", kNone));
        table.append(makeRecord(QStringLiteral("闹铃"), kDaily, "9:00:00")); // no kind of ours
        const qint64 countdown = table.append(makeRecord(kCountdown, kNone, "8:01:00", "2011-4-3", kNone, "/m/c.wma", "收菜"));

        const PlanLists lists = loadPlanLists(table, m_now);
        QCOMPARE(lists.alarms, (QList<ListedPlan>{{alarm, {kWeekly, "起床", kNone, "三", "7:00:00", "/m/a.mp3"}}}));
        QCOMPARE(lists.shutdowns, (QList<ListedPlan>{{shutdown, {kOnce, "30", "2011-4-3", kNone, "23:00:00"}}}));
        QCOMPARE(lists.launches, (QList<ListedPlan>{{launch, {kMonthly, kNone, "15号", kNone, "9:00:00", "/bin/true"}}}));
        // 59.6 s to go: whole seconds, truncated.
        QCOMPARE(lists.countdowns, (QList<ListedPlan>{{countdown, {"收菜", "2011-4-3", "8:01:00", "59", "/m/c.wma"}}}));
        QCOMPARE(lists.total(), 4);
        QCOMPARE(table.rowCount(), 5); // the foreign row stays
        QCOMPARE(counterTexts(lists), (QStringList{"共有4个任务正在进行", "其中有1个是闹钟任务", "1个是定时关机任务",
                                                   "1个是定时打开任务", "1个是倒计时提醒任务"}));
    }

    void countdownsAroundTheirMoment_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("remaining");
        QTest::newRow("past: deleted") << "2011-4-3" << "7:59:59" << false << "";
        QTest::newRow("this second, now later: deleted") << "2011-4-3" << "8:00:00" << false << "";
        QTest::newRow("tomorrow") << "2011-4-4" << "8:00:00" << true << "86399";
        QTest::newRow("unreadable date: kept") << "4/3/2011" << "8:00:00" << true << "?";
        QTest::newRow("unreadable time: kept") << "2011-4-3" << "上午 8:00" << true << "?";
    }

    void countdownsAroundTheirMoment()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(bool, kept);
        QFETCH(QString, remaining);
        PlanTable table(tablePath());
        table.append(makeRecord(kCountdown, kNone, time, date));
        const qint64 alarm = table.append(makeRecord(kReminder, kDaily, "7:00:00"));

        const PlanLists lists = loadPlanLists(table, m_now);
        QCOMPARE(lists.countdowns.size(), kept ? 1 : 0);
        if (kept)
            QCOMPARE(lists.countdowns.first().columns.at(3), remaining);
        QCOMPARE(table.rowCount(), kept ? 2 : 1);
        // The row after a deleted one is still listed.
        QCOMPARE(lists.alarms.size(), 1);
        QCOMPARE(lists.alarms.first().id, alarm);
    }

    void countdownExactlyNowIsListedWithZero()
    {
        PlanTable table(tablePath());
        table.append(makeRecord(kCountdown, kNone, "8:00:00", "2011-4-3"));
        const PlanLists lists = loadPlanLists(table, QDateTime(QDate(2011, 4, 3), QTime(8, 0)));
        QCOMPARE(lists.countdowns.first().columns.at(3), QStringLiteral("0"));
    }

    void monitorTick_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("reload");
        QTest::newRow("empty") << QStringList{} << QStringList{} << false;
        QTest::newRow("counts down") << QStringList{"5", "86399"} << QStringList{"4", "86398"} << false;
        QTest::newRow("unknown stays") << QStringList{"?", "3"} << QStringList{"?", "2"} << false;
        QTest::newRow("first run out ends the tick") << QStringList{"7", "0", "9"} << QStringList{"6", "-1", "9"} << true;
    }

    void monitorTick()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(bool, reload);
        const CountdownTick tick = tickCountdowns(before);
        QCOMPARE(tick.remaining, after);
        QCOMPARE(tick.reloadNeeded, reload);
    }

    void countdownSpan_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<qint64>("seconds"); // -1: out of range, -2: not a number
        QTest::addColumn<QString>("badText");
        QTest::newRow("zero") << QStringList{"0", "0", "0", "0"} << qint64(0) << "";
        QTest::newRow("one of each") << QStringList{"1", "1", "1", "1"} << qint64(90061) << "";
        QTest::newRow("signed, negative overall") << QStringList{"0", "-2", "+30", "0"} << qint64(-5400) << "";
        QTest::newRow("24855 days still fit") << QStringList{"24855", "0", "0", "0"} << qint64(2147472000) << "";
        QTest::newRow("24856 days do not") << QStringList{"24856", "0", "0", "0"} << qint64(-1) << "";
        QTest::newRow("many minutes do not") << QStringList{"0", "0", "2000000000", "0"} << qint64(-1) << "";
        QTest::newRow("far below zero") << QStringList{"-30000", "0", "0", "0"} << qint64(-1) << "";
        QTest::newRow("letters") << QStringList{"1", "abc", "0", "0"} << qint64(-2) << "abc";
        QTest::newRow("beyond 32 bits in one box") << QStringList{"0", "0", "0", "9999999999"} << qint64(-2)
                                                   << "9999999999";
    }

    void countdownSpan()
    {
        QFETCH(QStringList, boxes);
        QFETCH(qint64, seconds);
        QFETCH(QString, badText);
        const auto result = CountdownSpan::compute(boxes[0], boxes[1], boxes[2], boxes[3]);
        if (seconds == -1) {
            QVERIFY(std::holds_alternative<CountdownSpan::OutOfRange>(result));
        } else if (seconds == -2) {
            QVERIFY(std::holds_alternative<CountdownSpan::NotANumber>(result));
            QCOMPARE(std::get<CountdownSpan::NotANumber>(result).text, badText);
        } else {
            QVERIFY(std::holds_alternative<CountdownSpan::Seconds>(result));
            QCOMPARE(std::get<CountdownSpan::Seconds>(result).value, seconds);
        }
    }

    void periodFieldsFollowThePeriod_data()
    {
        QTest::addColumn<PlanPeriod>("period");
        QTest::addColumn<PeriodFields>("fields");
        QTest::newRow("仅一次") << PlanPeriod::Once << PeriodFields{kOnce, kNone, "2011-4-3"};
        QTest::newRow("每天") << PlanPeriod::Daily << PeriodFields{kDaily, kNone, kNone};
        QTest::newRow("每周") << PlanPeriod::Weekly << PeriodFields{kWeekly, "三", kNone};
        QTest::newRow("工作日") << PlanPeriod::Workday << PeriodFields{kWorkday, kNone, kNone};
        QTest::newRow("每月, typed without 号") << PlanPeriod::Monthly << PeriodFields{kMonthly, kNone, "15"};
    }

    void periodFieldsFollowThePeriod()
    {
        QFETCH(PlanPeriod, period);
        QFETCH(PeriodFields, fields);
        QCOMPARE(periodFields(period, "2011-4-3", "三", "15"), fields);
        QCOMPARE(periodFromWord(fields.period), period);
    }

    void folderPartKeepsTheSeparator_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("file") << "/home/用户/音乐/歌.mp3" << "/home/用户/音乐/";
        QTest::newRow("root") << "/a.mp3" << "/";
        QTest::newRow("no folder") << "a.mp3" << "";
        QTest::newRow("empty") << "" << "";
    }

    void folderPartKeepsTheSeparator()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(folderPart(path), folder);
    }

    void daysUsed_data()
    {
        QTest::addColumn<QString>("stored"); // "-": key absent
        QTest::addColumn<qint64>("days");
        QTest::addColumn<QString>("afterwards");
        QTest::newRow("first start") << "-" << qint64(1) << "2011-4-2";
        QTest::newRow("empty value") << "" << qint64(1) << "2011-4-2";
        QTest::newRow("ten days") << "2011-3-24" << qint64(10) << "2011-3-24";
        QTest::newRow("carried over from Windows") << "2011/3/24" << qint64(10) << "2011/3/24";
        QTest::newRow("clock set back") << "2011-4-6" << qint64(2) << "2011-4-6";
        QTest::newRow("unreadable: now") << "昨天" << qint64(0) << "昨天";
    }

    void daysUsed()
    {
        QFETCH(QString, stored);
        QFETCH(qint64, days);
        QFETCH(QString, afterwards);
        SettingsFile settings(m_dir.filePath(QStringLiteral("config.ini")));
        if (stored != QStringLiteral("-"))
            settings.writeText(QStringLiteral("config"), QStringLiteral("HaveUsed"), stored);
        QCOMPARE(UsageTexts::daysUsed(settings, m_now), days);
        QCOMPARE(settings.readText(QStringLiteral("config"), QStringLiteral("HaveUsed"), QString()), afterwards);
    }

    void panelAndStatusTexts()
    {
        QCOMPARE(UsageTexts::todayText(QDate(2011, 4, 3)), QStringLiteral("今天是：2011年04月03日 星期日"));
        QCOMPARE(UsageTexts::statusText(QTime(19, 45, 8), 3 * 3600 + 7 * 60 + 59),
                 QStringLiteral("19:45:08         开机运行了：3小时7分"));
        // 60 days: beyond the 49.7 days a 32-bit millisecond count could hold.
        QCOMPARE(UsageTexts::statusText(QTime(0, 0, 1), qint64(60) * 86400),
                 QStringLiteral("00:00:01         开机运行了：1440小时0分"));
    }

    void uptimeComesFromTheBootClock()
    {
        timespec boot{};
        QCOMPARE(clock_gettime(CLOCK_BOOTTIME, &boot), 0);
        const qint64 seconds = uptimeSeconds();
        QVERIFY(seconds >= boot.tv_sec);
        QVERIFY(seconds <= boot.tv_sec + 60);
    }

    void removeKindTakesOnlyThatKind()
    {
        PlanTable table(tablePath());
        for (const QString& kind : {kReminder, kShutdown, kShutdown, kLaunch, kCountdown})
            table.append(makeRecord(kind, kDaily, "9:00:00"));
        QCOMPARE(table.removeKind(kShutdown), 2);
        QCOMPARE(table.removeKind(kShutdown), 0);
        QCOMPARE(table.kindsPresent(), (QSet<QString>{kReminder, kLaunch, kCountdown}));
    }
};

QTEST_GUILESS_MAIN(TestConfigLogic)
#include "tst_config_logic.moc"
