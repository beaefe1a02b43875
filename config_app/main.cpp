#include "audio_channel.h"
#include "chinese_translations.h"
#include "clock.h"
#include "config_application.h"
#include "config_service.h"
#include "main_window.h"
#include "notices.h"
#include "skin.h"

#include <QDir>
#include <QFile>


int main(int argc, char* argv[])
{
    ConfigApplication app(argc, argv);
    app.setApplicationName(kConfigExecutable);
    installChineseTranslations(app);

    const QString folder = QCoreApplication::applicationDirPath();
    if (!QFile::exists(QDir(folder).filePath(kAgentExecutable))) {
        app.errorBox().plain(QMessageBox::NoIcon, QStringLiteral("错误"),
                             QStringLiteral("找不到监控程序，程序无法运行，请重新安装悦时电脑闹钟"));
        return 1;
    }
    // A second agent ends by itself, so there is no need to look for a running one first.
    startAgent(folder);

    applySkin(app);
    SystemClock clock;
    AudioChannel preview; // PreviewChannel of the listen buttons
    MainWindow window(folder, clock, preview);
    if (!window.start())
        return 1;

    ConfigService service;
    QObject::connect(&service, &ConfigService::closeRequested, &window, [&window] {
        window.close();
        QCoreApplication::quit(); // also ends a message box that may be open
    });
    service.publish();

    window.show();
    return app.exec();
}
