// From the start of each due second to the action call, over 30 firings with the real clock.
#include "plan_scheduler.h"
#include "plan_table.h"
#include "settings_file.h"
#include "test_support.h"
#include "time_texts.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

using namespace PlanTexts;

namespace {

class LatencyActions final : public PlanActions
{
public:
    std::vector<qint64> latenciesMs;
    std::function<void()> onFired;

    void showReminder(const QString&, const QString&, const std::optional<QString>&) override
    {
        latenciesMs.push_back(QDateTime::currentMSecsSinceEpoch() % 1000);
        onFired();
    }
    void openFile(const QString&) override {}
    void startShutdown(const QString&, const QString&) override {}
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    constexpr int kFirings = 30;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.tdb"));
    createPlanTableFile(path);
    PlanTable table(path);
    const QDateTime first = QDateTime::currentDateTime().addSecs(2);
    for (int i = 0; i < kFirings; ++i) {
        table.append(makeRecord(kReminder, kDaily, TimeTexts::timeText(first.addSecs(i).time())));
    }

    SettingsFile settings(dir.filePath(QStringLiteral("config.ini")));
    SystemClock clock;
    LatencyActions actions;
    actions.onFired = [&] {
        if (actions.latenciesMs.size() == kFirings)
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
    };
    PlanScheduler scheduler(table, settings, clock, actions);
    scheduler.armPlanTimers();
    app.exec();

    std::vector<qint64> sorted = actions.latenciesMs;
    std::sort(sorted.begin(), sorted.end());
    QTextStream(stdout) << QStringLiteral("%1 firings: median %2 ms, worst %3 ms after the second began\n")
                               .arg(sorted.size())
                               .arg(sorted[sorted.size() / 2])
                               .arg(sorted.back());
    return 0;
}
