#include "autostart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestAutostart : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    void init()
    {
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        Autostart::remove();
    }

    void writeMakesItPresentAndRemoveUndoesIt()
    {
        QVERIFY(!Autostart::isPresent());
        Autostart::write(QStringLiteral("/opt/悦时 闹钟/yueshi_jk"));
        QVERIFY(Autostart::isPresent());
        QCOMPARE(Autostart::entryPath(), m_home.filePath(QStringLiteral("autostart/yueshi_jk.desktop")));

        QFile entry(Autostart::entryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(entry.readAll());
        QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY(text.contains(QStringLiteral("\nExec=\"/opt/悦时 闹钟/yueshi_jk\"\n")));
        QVERIFY(text.contains(QStringLiteral("\nName=悦时电脑闹钟\n")));

        Autostart::remove();
        QVERIFY(!Autostart::isPresent());
        Autostart::remove(); // absent: nothing happens
    }

    void refusedWriteThrows()
    {
        // A plain file where the autostart folder belongs.
        QDir(m_home.filePath(QStringLiteral("autostart"))).removeRecursively();
        QFile blocker(m_home.filePath(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY_THROWS_EXCEPTION(AutostartError, Autostart::write(QStringLiteral("/x/yueshi_jk")));
        QFile::remove(blocker.fileName());
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
