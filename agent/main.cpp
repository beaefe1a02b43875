#include "agent_actions.h"
#include "agent_application.h"
#include "agent_window.h"
#include "audio_channel.h"
#include "chinese_translations.h"
#include "clock.h"
#include "notices.h"
#include "reminder_window.h"

#include <QDir>

int main(int argc, char* argv[])
{
    AgentApplication app(argc, argv);
    app.setApplicationName(kAgentExecutable);
    app.setApplicationDisplayName(kAgentTitle);
    app.setQuitOnLastWindowClosed(false);

    // Another agent holds the name: it runs the plans, this one leaves without a word.
    if (!claimAgentName())
        return 0;

    installChineseTranslations(app);

    SystemClock clock;
    AgentWindow window(QCoreApplication::applicationDirPath(), clock);
    AudioChannel musicChannel;
    ReminderWindow reminderWindow(musicChannel, window.settings(),
                                  [&window] { return window.ringInterval(); },
                                  QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("yueshi_page")));
    AgentActions actions(reminderWindow);
    if (!window.start(actions))
        return 1;
    return app.exec();
}
