#include "agent_application.h"
#include "agent_window.h"
#include "chinese_translations.h"
#include "clock.h"
#include "console_actions.h"
#include "notices.h"

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
    ConsoleActions actions;
    AgentWindow window(QCoreApplication::applicationDirPath(), clock, actions);
    if (!window.start())
        return 1;
    return app.exec();
}
