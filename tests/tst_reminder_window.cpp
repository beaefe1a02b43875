#include "reminder_window.h"
#include "ring_supervisor.h"
#include "settings_file.h"
#include "settings_keys.h"
#include "test_support.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

class TestReminderWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeSoundPlayer m_music;
    int m_interval = 0;
    std::unique_ptr<SettingsFile> m_settings;
    std::unique_ptr<ReminderWindow> m_window;

    template<typename T> T* control(const char* name) { return m_window->findChild<T*>(QLatin1String(name)); }

private slots:
    void init()
    {
        QFile::remove(m_dir.filePath(QStringLiteral("config.ini")));
        m_music = FakeSoundPlayer();
        m_interval = 0;
        m_settings = std::make_unique<SettingsFile>(m_dir.filePath(QStringLiteral("config.ini")));
        m_window = std::make_unique<ReminderWindow>(m_music, *m_settings, [this] { return m_interval; },
                                                    QStringLiteral(YUESHI_PAGE_PROGRAM));
    }

    void cleanup() { m_window.reset(); }

    void dueReminderShowsTextAndPlays()
    {
        m_interval = 5;
        m_window->showReminder(QStringLiteral("/音乐/起床.mp3"), QStringLiteral("第一行\n第二行"), std::nullopt);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("悦时电脑闹钟提醒："));
        QVERIFY(m_window->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(m_window->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(m_window->size(), QSize(414, 251));
        QCOMPARE(control<QPlainTextEdit>("Memo")->toPlainText(), QStringLiteral("第一行\n第二行"));
        QCOMPARE(control<QLabel>("Label5")->text(), QStringLiteral("闹铃将按您的设定，每隔5分钟响一次。"));
        QVERIFY(!control<QLabel>("Label8")->isVisible());
        QCOMPARE(m_music.played, QStringList{QStringLiteral("/音乐/起床.mp3")});
        QVERIFY(m_window->supervisor().isSupervising());
        QCOMPARE(m_window->supervisor().countdown(), 300);
    }

    void unplayableMusicFallsBackToTheDefault()
    {
        m_music.unplayable << QStringLiteral("/gone.mp3");
        m_window->showReminder(QStringLiteral("/gone.mp3"), QStringLiteral("提醒"), std::nullopt);
        QCOMPARE(m_music.played, QStringList{QDir(m_dir.path()).filePath(QStringLiteral("sound/爱的纪念.mp3"))});
    }

    void countdownCaptionStaysForLaterReminders()
    {
        m_window->showReminder(QStringLiteral("/a.wma"), QStringLiteral("收菜"), QStringLiteral("悦时电脑闹钟倒计时提醒："));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("悦时电脑闹钟倒计时提醒："));
        QTest::mouseClick(control<QPushButton>("bsSkinButton2"), Qt::LeftButton);
        m_window->showReminder(QStringLiteral("/a.mp3"), QStringLiteral("起床"), std::nullopt);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("悦时电脑闹钟倒计时提醒："));
    }

    void reminderWhileVisibleReplacesTextAndMusicOnly()
    {
        m_window->showReminder(QStringLiteral("/1.mp3"), QStringLiteral("一"), std::nullopt);
        m_interval = 7;
        m_window->showReminder(QStringLiteral("/2.mp3"), QStringLiteral("二"), std::nullopt);
        QCOMPARE(control<QPlainTextEdit>("Memo")->toPlainText(), QStringLiteral("二"));
        QCOMPARE(m_music.played, (QStringList{QStringLiteral("/1.mp3"), QStringLiteral("/2.mp3")}));
        QCOMPARE(control<QLabel>("Label5")->text(), RingSupervisor::ringModeText(0));
    }

    void stopKeepsTheWindowAndCloseHidesIt()
    {
        m_window->showReminder(QStringLiteral("/1.mp3"), QStringLiteral("一"), std::nullopt);
        QVERIFY(m_window->pageRunning());

        m_window->close(); // neither the window manager nor Alt+F4 dismisses it
        QVERIFY(m_window->isVisible());

        QTest::mouseClick(control<QPushButton>("bsSkinButton1"), Qt::LeftButton);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_music.pauses, 1);
        QVERIFY(!m_window->supervisor().isSupervising());

        QTest::mouseClick(control<QPushButton>("bsSkinButton2"), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        QVERIFY(!m_music.playing);
        QVERIFY(!m_window->pageRunning()); // the page goes with the window
    }

    void spectrumDrawsBarsInTheAccentColour()
    {
        m_music.magnitudes[0] = 1.0f;  // full height
        m_music.magnitudes[1] = 0.05f; // 25 pixels
        m_window->showReminder(QStringLiteral("/1.mp3"), QStringLiteral("一"), std::nullopt);
        QTRY_VERIFY(!m_window->spectrumPicture().isNull());
        const QImage& picture = m_window->spectrumPicture();
        const QRgb accent = qRgb(229, 94, 35);
        const QRgb background = qRgb(239, 235, 231);
        const int bottom = ReminderWindow::kSpectrumHeight - 1;
        QCOMPARE(picture.size(), QSize(169, 107));
        QCOMPARE(picture.pixel(4, 0), accent);
        QCOMPARE(picture.pixel(4, bottom), accent);
        QCOMPARE(picture.pixel(8, bottom), background); // the gap between bands
        QCOMPARE(picture.pixel(13, bottom), accent);
        QCOMPARE(picture.pixel(13, bottom - 30), background);
        QCOMPARE(picture.pixel(30, bottom), background);
    }

    void pageComesFromTheConfiguredServer()
    {
        QTemporaryDir site;
        QDir(site.path()).mkpath(QStringLiteral("tj"));
        QFile page(site.filePath(QStringLiteral("tj/mss200.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body style=\"margin: 25px; border: 3px solid red\">ok</body></html>");
        page.close();

        const int port = freePort();
        QProcess server;
        server.setWorkingDirectory(site.path());
        server.start(QStringLiteral("/usr/bin/python3"),
                     {"-m", "http.server", QString::number(port), "--bind", "127.0.0.1"});
        QVERIFY(server.waitForStarted());
        QTest::qWait(500);
        m_settings->writeText(SettingKeys::kPageServer, QStringLiteral("http://127.0.0.1:%1").arg(port));

        QSignalSpy ready(m_window.get(), &ReminderWindow::pageReady);
        m_window->showReminder(QStringLiteral("/1.mp3"), QStringLiteral("一"), std::nullopt);
        QVERIFY(ready.wait(30000));
        QCOMPARE(ready.at(0).at(0).toString(), QStringLiteral("http://127.0.0.1:%1/tj/mss200.html?6.4.1").arg(port));
        QCOMPARE(ready.at(0).at(1).toString(), QStringLiteral("0px"));
        QCOMPARE(ready.at(0).at(2).toString(), QStringLiteral("none"));
        // The page's window is taken into the reminder window.
        QTRY_VERIFY(m_window->findChild<QWidget*>(QStringLiteral("WebBrowser1"))->findChild<QWidget*>());
        server.kill();
        server.waitForFinished();
    }

    void withoutServerOurOwnPageIsShown()
    {
        QSignalSpy ready(m_window.get(), &ReminderWindow::pageReady);
        m_window->showReminder(QStringLiteral("/1.mp3"), QStringLiteral("一"), std::nullopt);
        QVERIFY(ready.wait(30000));
        QCOMPARE(ready.at(0).at(0).toString(), QStringLiteral("about:blank"));
        QCOMPARE(ready.at(0).at(1).toString(), QStringLiteral("0px"));
    }
};

QTEST_MAIN(TestReminderWindow)
#include "tst_reminder_window.moc"
