#include "settings_file.h"
#include "settings_keys.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestSettingsFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString iniPath() const { return m_dir.filePath(QStringLiteral("config.ini")); }

    void writeRaw(const QByteArray& bytes)
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QByteArray readRaw() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QByteArray gb18030(const QString& text)
    {
        QStringEncoder encode("GB18030");
        return encode(text);
    }

private slots:
    void init() { QFile::remove(iniPath()); }

    void readsEachKind_data()
    {
        QTest::addColumn<QString>("fileText");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<QString>("expected");

        QTest::newRow("text present") << "[config]\nZhengDianBaoShi=2\n" << "text" << "3" << "2";
        QTest::newRow("text present but empty") << "[config]\nZhengDianBaoShi=\n" << "text" << "3" << "";
        QTest::newRow("text absent") << "[config]\nOther=2\n" << "text" << "3" << "3";
        QTest::newRow("section absent") << "[HotKey]\nZhengDianBaoShi=2\n" << "text" << "3" << "3";
        QTest::newRow("names ignore case, blanks trimmed")
            << "[CONFIG]\n  zhengdianbaoshi  =  4  \n" << "text" << "3" << "4";
        QTest::newRow("first of two entries counts")
            << "[config]\nZhengDianBaoShi=1\nZhengDianBaoShi=2\n" << "text" << "3" << "1";
        QTest::newRow("CRLF lines") << "[config]\r\nZhengDianBaoShi=2\r\n" << "text" << "3" << "2";
        QTest::newRow("comment is not an entry") << "[config]\n;ZhengDianBaoShi=2\n" << "text" << "3" << "3";
        QTest::newRow("Windows path kept literally")
            << "[config]\nZhengDianBaoShi=C:\\new\\sound\\a.mp3\n" << "text" << "3" << "C:\\new\\sound\\a.mp3";

        QTest::newRow("number decimal") << "[config]\nZhengDianBaoShi=16498\n" << "number" << "7" << "16498";
        QTest::newRow("number negative") << "[config]\nZhengDianBaoShi=-1\n" << "number" << "7" << "-1";
        QTest::newRow("number hex") << "[config]\nZhengDianBaoShi=0x4072\n" << "number" << "7" << "16498";
        QTest::newRow("number hex upper X") << "[config]\nZhengDianBaoShi=0X4074\n" << "number" << "7" << "16500";
        QTest::newRow("number empty") << "[config]\nZhengDianBaoShi=\n" << "number" << "7" << "7";
        QTest::newRow("number letters") << "[config]\nZhengDianBaoShi=abc\n" << "number" << "7" << "7";
        QTest::newRow("number absent") << "" << "number" << "7" << "7";
        QTest::newRow("number beyond 32 bits") << "[config]\nZhengDianBaoShi=4294967296\n" << "number" << "7" << "7";

        QTest::newRow("flag 0") << "[config]\nZhengDianBaoShi=0\n" << "flag" << "1" << "0";
        QTest::newRow("flag any non-zero") << "[config]\nZhengDianBaoShi=5\n" << "flag" << "0" << "1";
        QTest::newRow("flag empty takes default") << "[config]\nZhengDianBaoShi=\n" << "flag" << "1" << "1";

        QTest::newRow("day dashes") << "[config]\nZhengDianBaoShi=2011-4-3\n" << "day" << "2000-1-1" << "2011-4-3";
        QTest::newRow("day slashes from Windows") << "[config]\nZhengDianBaoShi=2011/04/03\n" << "day" << "2000-1-1" << "2011-4-3";
        QTest::newRow("day unparsable") << "[config]\nZhengDianBaoShi=3.4.2011\n" << "day" << "2000-1-1" << "2000-1-1";
        QTest::newRow("day impossible") << "[config]\nZhengDianBaoShi=2011-2-30\n" << "day" << "2000-1-1" << "2000-1-1";
        QTest::newRow("day empty") << "[config]\nZhengDianBaoShi=\n" << "day" << "2000-1-1" << "2000-1-1";
    }

    void readsEachKind()
    {
        QFETCH(QString, fileText);
        QFETCH(QString, kind);
        QFETCH(QString, fallback);
        QFETCH(QString, expected);
        writeRaw(gb18030(fileText));

        const SettingsFile settings(iniPath());
        const QString section = QStringLiteral("config");
        const QString key = QStringLiteral("ZhengDianBaoShi");
        QString actual;
        if (kind == QLatin1String("text")) {
            actual = settings.readText(section, key, fallback);
        } else if (kind == QLatin1String("number")) {
            actual = QString::number(settings.readNumber(section, key, fallback.toInt()));
        } else if (kind == QLatin1String("flag")) {
            actual = settings.readFlag(section, key, fallback == QLatin1String("1")) ? "1" : "0";
        } else {
            const QDateTime day = settings.readDay(section, key, QDateTime(QDate::fromString(fallback, "yyyy-M-d"), QTime(9, 30)));
            actual = day.toString(QStringLiteral("yyyy-M-d"));
        }
        QCOMPARE(actual, expected);
    }

    void missingFileReadsDefaultsAndIsCreatedByFirstWrite()
    {
        SettingsFile settings(iniPath());
        QCOMPARE(settings.readText(SettingKeys::kAnnounceMode), QStringLiteral("3"));
        QCOMPARE(settings.readNumber(SettingKeys::kHideHotKey), 16498);
        QCOMPARE(settings.readNumber(SettingKeys::kSpeakHotKey), 16500);
        QVERIFY(settings.readFlag(SettingKeys::kShowClock));
        QCOMPARE(settings.readText(SettingKeys::workday(QStringLiteral("星期六"))), QStringLiteral("1"));
        QCOMPARE(settings.readText(SettingKeys::kAlarmMusic), m_dir.filePath(QStringLiteral("sound/爱的纪念.mp3")));
        QCOMPARE(settings.readText(SettingKeys::kCountdownMusic), m_dir.filePath(QStringLiteral("sound/爱的纪念.wma")));
        QVERIFY(!QFile::exists(iniPath()));

        settings.writeNumber(SettingKeys::kRingInterval, -1);
        QCOMPARE(readRaw(), QByteArray("[config]\nNaoLingJianGe=-1\n"));
    }

    void chineseIsStoredAsGb18030()
    {
        SettingsFile settings(iniPath());
        settings.writeText(QStringLiteral("Workday"), QStringLiteral("星期一"), QStringLiteral("1"));
        settings.writeText(SettingKeys::kAlarmText, QStringLiteral("该起床了，不然就迟到啦！"));
        QCOMPARE(readRaw(), gb18030(QStringLiteral("[Workday]\n星期一=1\n\n[NaoZhong]\nText=该起床了，不然就迟到啦！\n")));
        // 星 in GBK is D0 C7: a file written by the Windows program reads the same.
        QVERIFY(readRaw().contains(QByteArray::fromHex("d0c7c6dad2bb")));

        writeRaw(gb18030(QStringLiteral("[Workday]\n星期六=0\n")));
        QCOMPARE(settings.readText(SettingKeys::workday(QStringLiteral("星期六"))), QStringLiteral("0"));
    }

    void writeReplacesOnlyItsKey()
    {
        writeRaw("; kept\n[config]\nZhengDianBaoShi=1\nBaoShiZhouQi=2\n\n[HotKey]\nYinCang=0x4072\n");
        SettingsFile settings(iniPath());
        settings.writeText(SettingKeys::kAnnounceMode, QStringLiteral("4"));
        settings.writeNumber(SettingKeys::kClockLeft, 120);
        settings.writeNumber(SettingKeys::kSpeakHotKey, 16500);
        QCOMPARE(readRaw(), QByteArray("; kept\n[config]\nZhengDianBaoShi=4\nBaoShiZhouQi=2\nleft=120\n\n"
                                       "[HotKey]\nYinCang=0x4072\nBaoShi=16500\n"));
    }

    void textRoundTrips_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("two lines") << QStringLiteral("第一行\n第二行");
        QTest::newRow("CRLF inside") << QStringLiteral("a\r\nb");
        QTest::newRow("quotes and backslashes") << QStringLiteral("\"引号\" \\n 不是换行\\");
        QTest::newRow("surrounding blanks") << QStringLiteral("  空格  ");
        QTest::newRow("Windows path") << QStringLiteral("D:\\new\\爱的纪念.mp3");
        QTest::newRow("empty") << QString();
        QTest::newRow("longer than 2047 bytes") << QString(3000, QChar(0x95F9));
        QTest::newRow("outside GBK") << QStringLiteral("emoji 😀 and 𠀀");
    }

    void textRoundTrips()
    {
        QFETCH(QString, value);
        SettingsFile settings(iniPath());
        settings.writeText(SettingKeys::kAlarmText, value);
        settings.writeText(SettingKeys::kAlarmFolder, QStringLiteral("/after"));
        QCOMPARE(settings.readText(SettingKeys::kAlarmText), value);
        // A line break in a value must not break the entries around it.
        QCOMPARE(settings.readText(SettingKeys::kAlarmFolder), QStringLiteral("/after"));
        QCOMPARE(readRaw().count('\n'), 3);
    }

    void writeReplacesTheFileAtomically()
    {
        writeRaw("[config]\nZhengDianBaoShi=1\n");
        struct stat before{};
        QCOMPARE(::stat(QFile::encodeName(iniPath()).constData(), &before), 0);

        SettingsFile(iniPath()).writeText(SettingKeys::kAnnounceMode, QStringLiteral("2"));

        struct stat after{};
        QCOMPARE(::stat(QFile::encodeName(iniPath()).constData(), &after), 0);
        // A new file renamed over the old one: a reader never sees a half-written file.
        QVERIFY(before.st_ino != after.st_ino);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("config.ini")});
    }

    void refusedWriteThrowsWithThePath()
    {
        // A plain file where the folder should be refuses the write even for root.
        QFile blocker(m_dir.filePath(QStringLiteral("not_a_folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = m_dir.filePath(QStringLiteral("not_a_folder/config.ini"));
        SettingsFile settings(path);
        try {
            settings.writeText(SettingKeys::kAnnounceMode, QStringLiteral("1"));
            QFAIL("the write should have been refused");
        } catch (const SettingsWriteError& error) {
            QCOMPARE(error.message(), QStringLiteral("Unable to write to %1").arg(path));
        }
    }

    void dayIsWrittenWithoutTime()
    {
        SettingsFile settings(iniPath());
        settings.writeDay(QStringLiteral("config"), QStringLiteral("HaveUsed"),
                          QDateTime(QDate(2026, 12, 1), QTime(23, 59, 59)));
        QCOMPARE(readRaw(), QByteArray("[config]\nHaveUsed=2026-12-1\n"));
        QCOMPARE(settings.readDay(QStringLiteral("config"), QStringLiteral("HaveUsed"), QDateTime()),
                 QDateTime(QDate(2026, 12, 1), QTime(0, 0)));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
