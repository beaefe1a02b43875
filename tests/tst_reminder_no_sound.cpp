#include "audio_channel.h"
#include "reminder_window.h"
#include "ring_supervisor.h"
#include "settings_file.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

// Run with PULSE_SERVER naming a server that does not exist.
class TestReminderNoSound : public QObject
{
    Q_OBJECT

private slots:
    void windowShowsAndNothingHangs()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath(QStringLiteral("config.ini")));
        AudioChannel music;
        ReminderWindow window(music, settings, [] { return 0; }, QStringLiteral(YUESHI_PAGE_PROGRAM));

        window.showReminder(QStringLiteral(YUESHI_DEFAULT_MUSIC), QStringLiteral("没有声音也要提醒"), std::nullopt);
        QVERIFY(window.isVisible());
        QCOMPARE(window.findChild<QPlainTextEdit*>(QStringLiteral("Memo"))->toPlainText(),
                 QStringLiteral("没有声音也要提醒"));
        QVERIFY(!music.isPlaying());

        // Ringing continuously tries again each second, without a countdown and without blocking.
        for (int i = 0; i < 3; ++i)
            window.supervisor().superviseTick();
        QVERIFY(!window.supervisor().isCountingDown());
        QTest::qWait(1200); // the real timers run too
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestReminderNoSound)
#include "tst_reminder_no_sound.moc"
