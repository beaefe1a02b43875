// The cost of one tick's scan with every plan kind armed and no row due, at several table
// sizes. Prints the median and the 99th percentile per tick.
#include "plan_scheduler.h"
#include "plan_table.h"
#include "settings_file.h"
#include "test_support.h"
#include "time_texts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

using namespace PlanTexts;

namespace {

void fill(const QString& path, int rows)
{
    const QStringList kinds{kReminder, kLaunch, kShutdown, kCountdown};
    const QStringList periods{kOnce, kDaily, kWeekly, kWorkday, kMonthly};
    QRandomGenerator random(42);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(path);
    db.open();
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(R"(INSERT INTO myproject ("类型", "星期", "日期", "时间", "路径", "内容", "备注") VALUES (?, ?, ?, ?, ?, ?, ?))"));
    for (int i = 0; i < rows; ++i) {
        // Times between 0:00 and 19:59: the benchmark ticks at 20:00 and later.
        const QTime time = QTime(0, 0).addSecs(random.bounded(20 * 3600));
        const QString kind = kinds[i % kinds.size()];
        insert.addBindValue(kind);
        insert.addBindValue(QStringLiteral("一"));
        insert.addBindValue(QStringLiteral("2026-12-14"));
        insert.addBindValue(TimeTexts::timeText(time));
        insert.addBindValue(QStringLiteral("/music/a.mp3"));
        insert.addBindValue(QStringLiteral("提醒"));
        insert.addBindValue(kind == kCountdown ? kNone : periods[i % periods.size()]);
        insert.exec();
    }
    db.commit();
    db.close();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    for (int rows : {1000, 100000}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.tdb"));
        createPlanTableFile(path);
        fill(path, rows);
        QSqlDatabase::removeDatabase(QStringLiteral("fill"));

        PlanTable table(path);
        SettingsFile settings(dir.filePath(QStringLiteral("config.ini")));
        ManualClock clock(QDateTime(QDate(2026, 12, 14), QTime(20, 0, 0, 3)));
        RecordingActions actions;
        PlanScheduler scheduler(table, settings, clock, actions);
        scheduler.armPlanTimers();

        constexpr int kTicks = 2000;
        std::vector<double> micros;
        micros.reserve(kTicks);
        for (int i = 0; i < kTicks; ++i) {
            clock.advanceSeconds(1);
            QElapsedTimer timer;
            timer.start();
            scheduler.tick();
            micros.push_back(timer.nsecsElapsed() / 1000.0);
        }
        std::sort(micros.begin(), micros.end());
        out << QStringLiteral("%1 rows: median %2 ms, p99 %3 ms per tick (%4 fired)\n")
                   .arg(rows)
                   .arg(micros[kTicks / 2] / 1000.0, 0, 'f', 4)
                   .arg(micros[kTicks * 99 / 100] / 1000.0, 0, 'f', 4)
                   .arg(actions.calls.size());
    }
    return 0;
}
