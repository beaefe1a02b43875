// ReloadPlanLists with 10,000 rows of every kind, as the main window does it after a save.
// Run with QT_QPA_PLATFORM=offscreen.
#include "clock.h"
#include "main_window.h"
#include "plan_table.h"
#include "sound_player.h"
#include "test_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString tablePath = dir.filePath(QStringLiteral("data.tdb"));
    createPlanTableFile(tablePath);
    {
        PlanTable table(tablePath);
        const QString kinds[] = {PlanTexts::kReminder, PlanTexts::kShutdown, PlanTexts::kLaunch, PlanTexts::kCountdown};
        for (int i = 0; i < 10000; ++i) {
            const QString& kind = kinds[i % 4];
            table.append(makeRecord(kind, kind == PlanTexts::kCountdown ? PlanTexts::kNone : PlanTexts::kDaily,
                                    QStringLiteral("%1:00:00").arg(i % 24), QStringLiteral("2099-1-1")));
        }
    }
    SystemClock clock;
    FakeSoundPlayer preview;
    MainWindow window(dir.path(), clock, preview);
    if (!window.start())
        return 1;
    window.show();

    QList<qint64> micros;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer timer;
        timer.start();
        window.reloadPlanLists();
        micros << timer.nsecsElapsed() / 1000;
        QCoreApplication::processEvents();
    }
    std::sort(micros.begin(), micros.end());
    std::printf("ReloadPlanLists, 10000 rows: median %.1f ms, min %.1f ms, max %.1f ms\n", micros[7] / 1000.0,
                micros.first() / 1000.0, micros.last() / 1000.0);
    return 0;
}
