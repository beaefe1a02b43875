#include "plan_matching.h"
#include "test_support.h"
#include "time_texts.h"

#include <QTest>

using namespace PlanTexts;

Q_DECLARE_METATYPE(PlanRecord)

class TestPlanMatching : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("weekday");
        QTest::addColumn<QString>("dayOfMonth");
        QTest::newRow("no leading zeros in date and hour")
            << QDateTime(QDate(2011, 4, 3), QTime(8, 5, 0, 900)) << "2011-4-3" << "8:05:00" << "星期日" << "3号";
        QTest::newRow("two-digit everything")
            << QDateTime(QDate(2026, 12, 14), QTime(23, 59, 59)) << "2026-12-14" << "23:59:59" << "星期一" << "14号";
        QTest::newRow("midnight Saturday")
            << QDateTime(QDate(2026, 12, 19), QTime(0, 0, 0)) << "2026-12-19" << "0:00:00" << "星期六" << "19号";
    }

    void texts()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, weekday);
        QFETCH(QString, dayOfMonth);
        QCOMPARE(TimeTexts::dateText(moment.date()), date);
        QCOMPARE(TimeTexts::timeText(moment.time()), time);
        QCOMPARE(TimeTexts::weekdayName(moment.date()), weekday);
        QCOMPARE(TimeTexts::dayOfMonthText(moment.date()), dayOfMonth);
        QCOMPARE(TimeTexts::parseDate(date), moment.date());
        QCOMPARE(TimeTexts::parseTime(time), QTime(moment.time().hour(), moment.time().minute(), moment.time().second()));
    }

    void dueRules_data()
    {
        QTest::addColumn<PlanRecord>("row");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("saturdayWorkday"); // what Workday/星期六 holds; "absent" for none
        QTest::addColumn<bool>("due");

        // 2026-12-14 is a Monday, 2026-12-19 a Saturday.
        const QDateTime monday8(QDate(2026, 12, 14), QTime(8, 0, 0));
        const QDateTime saturday8(QDate(2026, 12, 19), QTime(8, 0, 0));
        const QString at8 = QStringLiteral("8:00:00");

        for (const QString& kind : {kReminder, kLaunch, kShutdown}) {
            const QByteArray k = kind.toUtf8() + ' ';
            QTest::newRow(k + "once on its date and time") << makeRecord(kind, kOnce, at8, "2026-12-14") << monday8 << "absent" << true;
            QTest::newRow(k + "once a second early") << makeRecord(kind, kOnce, at8, "2026-12-14") << monday8.addSecs(-1) << "absent" << false;
            QTest::newRow(k + "once on another day") << makeRecord(kind, kOnce, at8, "2026-12-15") << monday8 << "absent" << false;
            QTest::newRow(k + "daily") << makeRecord(kind, kDaily, at8) << saturday8 << "absent" << true;
            QTest::newRow(k + "weekly on its weekday") << makeRecord(kind, kWeekly, at8, kNone, "一") << monday8 << "absent" << true;
            QTest::newRow(k + "weekly on another weekday") << makeRecord(kind, kWeekly, at8, kNone, "一") << saturday8 << "absent" << false;
            QTest::newRow(k + "monthly on its day") << makeRecord(kind, kMonthly, at8, "14号") << monday8 << "absent" << true;
            QTest::newRow(k + "workday on Monday") << makeRecord(kind, kWorkday, at8) << monday8 << "0" << true;
        }

        const PlanRecord workday = makeRecord(kReminder, kWorkday, at8);
        QTest::newRow("workday Saturday, key absent") << workday << saturday8 << "absent" << true;
        QTest::newRow("workday Saturday, key 0") << workday << saturday8 << "0" << false;
        QTest::newRow("workday Saturday, key empty") << workday << saturday8 << "" << false;
        QTest::newRow("workday Saturday, key 1") << workday << saturday8 << "1" << true;
        QTest::newRow("workday at another time") << workday << saturday8.addSecs(1) << "1" << false;

        const PlanRecord day31 = makeRecord(kReminder, kMonthly, at8, "31号");
        QTest::newRow("31号 in April never") << day31 << QDateTime(QDate(2027, 4, 30), QTime(8, 0)) << "absent" << false;
        QTest::newRow("31号 on May 31") << day31 << QDateTime(QDate(2027, 5, 31), QTime(8, 0)) << "absent" << true;
        QTest::newRow("30号 not in February") << makeRecord(kReminder, kMonthly, at8, "30号") << QDateTime(QDate(2027, 2, 28), QTime(8, 0)) << "absent" << false;
        QTest::newRow("day without 号 never") << makeRecord(kReminder, kMonthly, at8, "14") << monday8 << "absent" << false;

        QTest::newRow("weekly with 星期 无 never") << makeRecord(kReminder, kWeekly, at8, kNone, kNone) << monday8 << "absent" << false;
        QTest::newRow("unknown period never") << makeRecord(kReminder, "每年", at8) << monday8 << "absent" << false;
        QTest::newRow("zero-padded hour never") << makeRecord(kReminder, kDaily, "08:00:00") << monday8 << "absent" << false;
        QTest::newRow("fraction of a second ignored") << makeRecord(kReminder, kDaily, at8) << monday8.addMSecs(999) << "absent" << true;

        const PlanRecord countdown = makeRecord(kCountdown, kNone, "8:00:00", "2026-12-15");
        QTest::newRow("countdown due tomorrow, not today") << countdown << monday8 << "absent" << false;
        QTest::newRow("countdown on its day") << countdown << monday8.addDays(1) << "absent" << true;
        PlanRecord countdownWithPeriod = countdown;
        countdownWithPeriod.period = kDaily;
        QTest::newRow("countdown ignores its period") << countdownWithPeriod << monday8 << "absent" << false;
    }

    void dueRules()
    {
        QFETCH(PlanRecord, row);
        QFETCH(QDateTime, moment);
        QFETCH(QString, saturdayWorkday);
        QFETCH(bool, due);

        const WorkdayTest isWorkday = [&](const QString& weekdayName) {
            if (weekdayName != QStringLiteral("星期六") || saturdayWorkday == QLatin1String("absent"))
                return true;
            return saturdayWorkday == QLatin1String("1");
        };
        QCOMPARE(isDue(row, moment, isWorkday), due);
    }
};

QTEST_GUILESS_MAIN(TestPlanMatching)
#include "tst_plan_matching.moc"
