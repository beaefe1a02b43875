// yueshi_page: the small web page of the reminder window, in a process of its own, so that
// the web engine's memory is the agent's only while a reminder is shown.
//
//   yueshi_page [--url URL]
//
// Without an address it shows a page of our own with today's date.
// It writes "window <id>" once its native window exists, for the agent to embed, and
// "ready <url> <margin-top> <border-top-style>" each time a page has loaded and been fitted
// to its box. It ends when its standard input closes.
#include "time_texts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QSocketNotifier>
#include <QTextStream>
#include <QWebEngineView>

#include <unistd.h>

namespace {

// No scroll bars, border or margin: the page fills its 200 × 200 box.
const QString kFitPageScript = QStringLiteral(
    "document.body.scroll = 'no';"
    "document.body.style.border = 'none';"
    "document.body.style.margin = '0px';"
    "document.body.style.overflow = 'hidden';"
    "[getComputedStyle(document.body).marginTop, getComputedStyle(document.body).borderTopStyle]");

QString ownPage(const QDateTime& now)
{
    QFile file(QStringLiteral(":/page/own_page.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll())
        .replace(QStringLiteral("{date}"), TimeTexts::dateText(now.date()))
        .replace(QStringLiteral("{weekday}"), TimeTexts::weekdayName(now.date()))
        .replace(QStringLiteral("{time}"), TimeTexts::timeText(now.time()));
}

void say(const QString& line)
{
    QTextStream out(stdout);
    out << line << Qt::endl;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption urlOption(QStringLiteral("url"), QStringLiteral("page address"), QStringLiteral("url"));
    parser.addOption(urlOption);
    parser.process(app);

    QWebEngineView view;
    view.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    view.setContextMenuPolicy(Qt::NoContextMenu);
    view.setFixedSize(200, 200);

    QObject::connect(&view, &QWebEngineView::loadFinished, &view, [&view](bool) {
        view.page()->runJavaScript(kFitPageScript, [&view](const QVariant& style) {
            const QStringList values = style.toStringList();
            say(QStringLiteral("ready %1 %2 %3")
                    .arg(view.url().toString(QUrl::FullyEncoded), values.value(0, QStringLiteral("?")),
                         values.value(1, QStringLiteral("?"))));
        });
    });

    // The agent closes our standard input when the reminder window closes, or when it ends.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&input] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });

    if (parser.isSet(urlOption)) {
        view.load(QUrl(parser.value(urlOption)));
    } else {
        view.setHtml(ownPage(QDateTime::currentDateTime()), QUrl(QStringLiteral("about:blank")));
    }

    // Shown out of sight until the agent takes the window into its own.
    view.move(-10000, -10000);
    view.show();
    say(QStringLiteral("window %1").arg(view.winId()));
    return app.exec();
}
