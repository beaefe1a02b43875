#include "config_window_fixture.h"
#include "settings_keys.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimeEdit>

using namespace PlanTexts;

// The four editors: each check in its order with nothing written, and each save with its
// row, its settings, its notice, and the lists and counters after it.
class TestPlanEditors : public QObject
{
    Q_OBJECT

    // 2011-4-6 is a Wednesday (三).
    const QDateTime m_now{QDate(2011, 4, 6), QTime(8, 30, 0, 300)};

    struct Snapshot
    {
        QByteArray settings;
        int rows;
    };
    static Snapshot snapshot(ConfigWindowFixture& f) { return {f.settingsBytes(), f.table().rowCount()}; }

    static void verifyNothingWritten(ConfigWindowFixture& f, const Snapshot& before)
    {
        QCOMPARE(f.settingsBytes(), before.settings);
        QCOMPARE(f.table().rowCount(), before.rows);
        QVERIFY(f.notices().isEmpty());
    }

    static void choosePeriod(ConfigWindowFixture& f, const QString& radio)
    {
        auto* button = f.find<QAbstractButton>(radio);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QVERIFY(button->isChecked());
    }

    static void verifySaved(ConfigWindowFixture& f, const QString& editorPanel, const QString& clearButton,
                            const QString& notice)
    {
        QCOMPARE(f.notices(), QStringList{notice});
        QVERIFY(f.find<QWidget>(editorPanel)->isHidden());
        QVERIFY(f.find<QPushButton>(clearButton)->isEnabled());
        QCOMPARE(f.find<QLabel>("Label7")->text(), QStringLiteral("共有1个任务正在进行"));
    }

private slots:
    void periodsEnableWhatTheyUse_data()
    {
        QTest::addColumn<QString>("prefix"); // the editor's number in the control names
        QTest::newRow("alarm") << "2";
        QTest::newRow("launch") << "3";
        QTest::newRow("shutdown") << "4";
    }

    void periodsEnableWhatTheyUse()
    {
        QFETCH(QString, prefix);
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        const auto control = [&](const QString& name) { return f.find<QWidget>(name.arg(prefix)); };
        // weekday box, date picker, day-of-month box per radio button
        const bool expected[5][3] = {{false, true, false}, {false, false, false}, {true, false, false},
                                     {false, false, false}, {false, false, true}};
        for (int radio : {3, 5, 2, 4, 1}) {
            choosePeriod(f, QStringLiteral("RadioButton%1_%2").arg(prefix).arg(radio));
            QCOMPARE(control("ComboBox%1_1")->isEnabled(), expected[radio - 1][0]);
            QCOMPARE(control("DateTimePicker%1_2")->isEnabled(), expected[radio - 1][1]);
            QCOMPARE(control("ComboBox%1_2")->isEnabled(), expected[radio - 1][2]);
            QVERIFY(control("DateTimePicker%1_1")->isEnabled());
        }
    }

    void alarmChecks_data()
    {
        QTest::addColumn<QString>("music");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");
        QTest::newRow("no music, no text") << "" << "" << "您尚未选择播放音乐！";
        QTest::newRow("no music") << "" << "起床" << "您尚未选择播放音乐！";
        QTest::newRow("no text") << "/m/a.mp3" << "" << "您尚未输入提醒内容";
    }

    void alarmChecks()
    {
        QFETCH(QString, music);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        const Snapshot before = snapshot(f);
        f.find<QLineEdit>("Edit2_1")->setText(music);
        f.find<QPlainTextEdit>("Memo2_1")->setPlainText(text);
        f.messages().setNextAnswer(QMessageBox::Ok);
        f.click(QStringLiteral("Button2_3"));
        QCOMPARE(f.messages().shown(), (QList<ConfigMessageBox::Shown>{
                                           {ConfigMessageBox::Kind::Warning, QStringLiteral("警告"), warning}}));
        verifyNothingWritten(f, before);
    }

    void alarmSave_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("monthDay");
        QTest::addColumn<QStringList>("periodWeekdayDate");
        QTest::newRow("仅一次") << "RadioButton2_1" << "" << QStringList{kOnce, kNone, "2011-4-6"};
        QTest::newRow("每天") << "RadioButton2_2" << "" << QStringList{kDaily, kNone, kNone};
        QTest::newRow("每周, weekday left at today") << "RadioButton2_3" << "" << QStringList{kWeekly, "三", kNone};
        QTest::newRow("工作日") << "RadioButton2_4" << "" << QStringList{kWorkday, kNone, kNone};
        QTest::newRow("每月, 15 typed") << "RadioButton2_5" << "15" << QStringList{kMonthly, kNone, "15"};
    }

    void alarmSave()
    {
        QFETCH(QString, radio);
        QFETCH(QString, monthDay);
        QFETCH(QStringList, periodWeekdayDate);
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        f.click(QStringLiteral("NaoZhong_XinJian"));
        choosePeriod(f, radio);
        if (!monthDay.isEmpty())
            f.find<QComboBox>("ComboBox2_2")->setCurrentText(monthDay);
        f.find<QTimeEdit>("DateTimePicker2_1")->setTime(QTime(7, 5, 0));
        f.find<QLineEdit>("Edit2_1")->setText(QStringLiteral("/home/用户/音乐/起床.mp3"));
        f.find<QPlainTextEdit>("Memo2_1")->setPlainText(QStringLiteral("第一行\n第二行"));
        f.preview.calls.clear();
        f.messages().setNextAnswer(QMessageBox::Ok);
        f.click(QStringLiteral("Button2_3"));

        QCOMPARE(f.messages().shown(), (QList<ConfigMessageBox::Shown>{
                                           {ConfigMessageBox::Kind::Information, QStringLiteral("提示"),
                                            QStringLiteral("恭喜您，计划保存成功！您可以继续设置定时提醒计划。")}}));
        const QList<PlanRecord> rows = f.table().rows();
        QCOMPARE(rows.size(), 1);
        PlanRecord expected{rows.first().id, kReminder, periodWeekdayDate[1], periodWeekdayDate[2], "7:05:00",
                            "/home/用户/音乐/起床.mp3", "第一行\n第二行", periodWeekdayDate[0]};
        QCOMPARE(rows.first(), expected);
        const SettingsFile settings = f.settings();
        QCOMPARE(settings.readText(SettingKeys::kAlarmFolder), QStringLiteral("/home/用户/音乐/"));
        QCOMPARE(settings.readText(SettingKeys::kAlarmMusic), QStringLiteral("/home/用户/音乐/起床.mp3"));
        QCOMPARE(settings.readText(SettingKeys::kAlarmText), QStringLiteral("第一行\n第二行"));
        QCOMPARE(f.preview.calls, QStringList{"stop"});
        QCOMPARE(f.listTexts("ListView", 0), QStringList{periodWeekdayDate[0]});
        QCOMPARE(f.find<QLabel>("Label8")->text(), QStringLiteral("其中有1个是闹钟任务"));
        verifySaved(f, "Panel_naoxinjian", "NaoZhong_QingKong", "新建响铃");
        // The editor keeps the saved values for the next plan.
        QCOMPARE(f.find<QPlainTextEdit>("Memo2_1")->toPlainText(), QStringLiteral("第一行\n第二行"));
    }

    void alarmSettingsRefusedStopsTheSave()
    {
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        f.find<QLineEdit>("Edit2_1")->setText(QStringLiteral("/m/a.mp3"));
        f.find<QPlainTextEdit>("Memo2_1")->setPlainText(QStringLiteral("起床"));
        // A folder in place of config.ini: the write is refused.
        QFile::remove(QDir(f.folder()).filePath(QStringLiteral("config.ini")));
        QVERIFY(QDir(f.folder()).mkdir(QStringLiteral("config.ini")));
        configApp().errorBox().setNextAnswer(QMessageBox::Ok);
        f.click(QStringLiteral("Button2_3"));
        QCOMPARE(configApp().errorBox().shown().last().kind, ConfigMessageBox::Kind::Error);
        QVERIFY(configApp().errorBox().shown().last().text.startsWith(QStringLiteral("Unable to write to")));
        QCOMPARE(f.table().rowCount(), 0);
        QVERIFY(f.messages().shown().isEmpty());
        QVERIFY(f.notices().isEmpty());
    }

    void shutdownSave_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("delay"); // empty: left at its preset
        QTest::addColumn<QStringList>("periodWeekdayDateContent");
        QTest::newRow("仅一次, default delay") << "RadioButton4_1" << "" << QStringList{kOnce, kNone, "2011-4-6", "30"};
        QTest::newRow("每周, typed abc") << "RadioButton4_3" << "abc" << QStringList{kWeekly, "三", kNone, "abc"};
        QTest::newRow("工作日, 0") << "RadioButton4_4" << "0" << QStringList{kWorkday, kNone, kNone, "0"};
    }

    void shutdownSave()
    {
        QFETCH(QString, radio);
        QFETCH(QString, delay);
        QFETCH(QStringList, periodWeekdayDateContent);
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        choosePeriod(f, radio);
        if (!delay.isEmpty())
            f.find<QComboBox>("ComboBox4_3")->setCurrentText(delay);
        f.find<QTimeEdit>("DateTimePicker4_1")->setTime(QTime(23, 0, 0));
        f.messages().setNextAnswer(QMessageBox::Ok);
        f.click(QStringLiteral("Button4_1"));

        QCOMPARE(f.messages().shownTexts(), QStringList{"恭喜您，计划保存成功！"});
        const QList<PlanRecord> rows = f.table().rows();
        QCOMPARE(rows.size(), 1);
        const auto& v = periodWeekdayDateContent;
        QCOMPARE(rows.first(), (PlanRecord{rows.first().id, kShutdown, v[1], v[2], "23:00:00", kNone, v[3], v[0]}));
        QCOMPARE(f.settings().readText(SettingKeys::kShutdownDelay), v[3]);
        QCOMPARE(f.listTexts("ListView_GuanJi", 1), QStringList{v[3]});
        verifySaved(f, "Panel_guanjixinjian", "GuanJi_QingKong", "新建关机");
    }

    void shutdownAndLaunchChecks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("warning");
        QTest::newRow("no delay") << "ComboBox4_3" << "Button4_1" << "您尚未设置关机延迟时间！";
        QTest::newRow("no program") << "Edit3_1" << "Button3_3" << "您尚未选择要打开的程序!";
        QTest::newRow("nothing to try") << "Edit3_1" << "Button3_2" << "没有可以打开的文件,请选择文件的路径！";
    }

    void shutdownAndLaunchChecks()
    {
        QFETCH(QString, field);
        QFETCH(QString, button);
        QFETCH(QString, warning);
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        if (field.startsWith(QLatin1String("ComboBox")))
            f.find<QComboBox>(field)->setCurrentText(QString());
        else
            f.find<QLineEdit>(field)->clear();
        const Snapshot before = snapshot(f);
        f.messages().setNextAnswer(QMessageBox::Ok);
        f.click(button);
        QCOMPARE(f.messages().shown().size(), 1);
        QCOMPARE(f.messages().shown().first().kind, ConfigMessageBox::Kind::Warning);
        QCOMPARE(f.messages().shown().first().text, warning);
        verifyNothingWritten(f, before);
    }

    void launchSave()
    {
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        choosePeriod(f, QStringLiteral("RadioButton3_5"));
        f.find<QTimeEdit>("DateTimePicker3_1")->setTime(QTime(9, 0, 0));
        f.find<QLineEdit>("Edit3_1")->setText(QStringLiteral("/home/用户/文档/周报.odt"));
        f.messages().setNextAnswer(QMessageBox::Ok);
        f.click(QStringLiteral("Button3_3"));

        QCOMPARE(f.messages().shownTexts(), QStringList{"恭喜您，计划保存成功！"});
        const QList<PlanRecord> rows = f.table().rows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first(), (PlanRecord{rows.first().id, kLaunch, kNone, "6号", "9:00:00",
                                           "/home/用户/文档/周报.odt", kNone, kMonthly}));
        QCOMPARE(f.settings().readText(SettingKeys::kLaunchFile), QStringLiteral("/home/用户/文档/周报.odt"));
        QCOMPARE(f.settings().readText(SettingKeys::kLaunchFolder), QStringLiteral("/home/用户/文档/"));
        QCOMPARE(f.listTexts("ListView_DaKai", 5), QStringList{"/home/用户/文档/周报.odt"});
        verifySaved(f, "Panel_openxinjian", "DaKai_QingKong", "新建打开");
    }

    void countdownChecks_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("music");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");
        const QString m = QStringLiteral("/m/c.wma");
        const QString t = QStringLiteral("收菜");
        QTest::newRow("days") << QStringList{"", "", "", ""} << "" << "" << "您尚未选择倒数天数";
        QTest::newRow("hours") << QStringList{"0", "", "", ""} << "" << "" << "您尚未选择倒数小时";
        QTest::newRow("minutes") << QStringList{"0", "0", "", ""} << "" << "" << "您尚未选择倒数分钟";
        QTest::newRow("seconds") << QStringList{"0", "0", "0", ""} << "" << "" << "您尚未选择倒数秒钟";
        QTest::newRow("music") << QStringList{"0", "0", "0", "1"} << "" << "" << "您尚未选择播放音乐！";
        QTest::newRow("text") << QStringList{"0", "0", "0", "1"} << m << "" << "您尚未输入提醒内容";
        QTest::newRow("beyond 32 bits of seconds") << QStringList{"24856", "0", "0", "0"} << m << t
                                                   << "倒数时间太长，最长约为68年，请重新设置！";
    }

    void countdownChecks()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QString, music);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        for (int i = 0; i < 4; ++i)
            f.find<QComboBox>(QStringLiteral("ComboBox9_%1").arg(i + 1))->setCurrentText(boxes[i]);
        f.find<QLineEdit>("Edit9_1")->setText(music);
        f.find<QPlainTextEdit>("Memo9_1")->setPlainText(text);
        const Snapshot before = snapshot(f);
        f.messages().setNextAnswer(QMessageBox::Ok);
        f.click(QStringLiteral("Button9_3"));
        QCOMPARE(f.messages().shown(), (QList<ConfigMessageBox::Shown>{
                                           {ConfigMessageBox::Kind::Warning, QStringLiteral("警告"), warning}}));
        verifyNothingWritten(f, before);
    }

    void countdownStart_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QStringList>("remaining"); // empty: deleted again by the reload
        QTest::newRow("one day") << QStringList{"1", "0", "0", "0"} << "2011-4-7" << "8:30:00" << QStringList{"86399"};
        QTest::newRow("signed parts") << QStringList{"0", "+1", "-30", "5"} << "2011-4-6" << "9:00:05"
                                      << QStringList{"1804"};
        QTest::newRow("zero: over at once") << QStringList{"0", "0", "0", "0"} << "" << "" << QStringList{};
        QTest::newRow("below zero") << QStringList{"0", "-1", "0", "0"} << "" << "" << QStringList{};
    }

    void countdownStart()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QStringList, remaining);
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        f.click(QStringLiteral("Dao_XinJian"));
        for (int i = 0; i < 4; ++i)
            f.find<QComboBox>(QStringLiteral("ComboBox9_%1").arg(i + 1))->setCurrentText(boxes[i]);
        f.find<QLineEdit>("Edit9_1")->setText(QStringLiteral("/m/铃声.wma"));
        f.find<QPlainTextEdit>("Memo9_1")->setPlainText(QStringLiteral("收菜"));
        f.preview.calls.clear();
        f.messages().setNextAnswer(QMessageBox::Ok);
        f.click(QStringLiteral("Button9_3"));

        QCOMPARE(f.messages().shownTexts(), QStringList{"倒计时开始了！"});
        QCOMPARE(f.notices(), QStringList{"新建倒计时"});
        const SettingsFile settings = f.settings();
        QCOMPARE(settings.readText(SettingKeys::kCountdownDays), boxes[0]);
        QCOMPARE(settings.readText(SettingKeys::kCountdownHours), boxes[1]);
        QCOMPARE(settings.readText(SettingKeys::kCountdownMinutes), boxes[2]);
        QCOMPARE(settings.readText(SettingKeys::kCountdownSeconds), boxes[3]);
        QCOMPARE(settings.readText(SettingKeys::kCountdownText), QStringLiteral("收菜"));
        QCOMPARE(settings.readText(SettingKeys::kCountdownMusic), QStringLiteral("/m/铃声.wma"));
        QCOMPARE(settings.readText(SettingKeys::kCountdownFolder), QStringLiteral("/m/"));
        QVERIFY(f.preview.calls.isEmpty()); // a piece being listened to plays on
        QVERIFY(f.find<QWidget>("Panel_daoxinjian")->isHidden());
        QVERIFY(f.find<QPushButton>("Dao_QingKong")->isEnabled());
        QCOMPARE(f.listTexts("ListView_Dao", 3), remaining);
        const QList<PlanRecord> rows = f.table().rows();
        if (remaining.isEmpty()) {
            QVERIFY(rows.isEmpty());
            return;
        }
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first(), (PlanRecord{rows.first().id, kCountdown, kNone, date, time, "/m/铃声.wma", "收菜", kNone}));
        QVERIFY(f.window().findChild<QTimer*>("DaoJiShi")->isActive());
    }

    void countdownBoxThatIsNoNumber()
    {
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        f.find<QComboBox>("ComboBox9_3")->setCurrentText(QStringLiteral("十"));
        configApp().errorBox().clearShown();
        configApp().errorBox().setNextAnswer(QMessageBox::Ok);
        f.click(QStringLiteral("Button9_3"));
        QCOMPARE(configApp().errorBox().shownTexts(), QStringList{"'十' is not a valid integer value"});
        QCOMPARE(f.settings().readText(SettingKeys::kCountdownMinutes), QStringLiteral("十")); // written before
        QCOMPARE(f.table().rowCount(), 0);
        QVERIFY(f.messages().shown().isEmpty());
        QVERIFY(f.notices().isEmpty());
    }

    void listenButtonsShareOneChannel()
    {
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        auto* alarmListen = f.find<QPushButton>("Button_naoShiTing");
        auto* countdownListen = f.find<QPushButton>("Button9_2");
        f.find<QLineEdit>("Edit2_1")->setText(QStringLiteral("/m/a.mp3"));
        f.find<QLineEdit>("Edit9_1")->setText(QStringLiteral("/m/c.wma"));

        f.click(QStringLiteral("Button_naoShiTing"));
        QCOMPARE(alarmListen->text(), QStringLiteral("暂停"));
        f.click(QStringLiteral("Button9_2"));
        QCOMPARE(countdownListen->text(), QStringLiteral("暂停"));
        QCOMPARE(alarmListen->text(), QStringLiteral("暂停")); // stopped, caption kept
        QCOMPARE(f.preview.calls, (QStringList{"stop", "open /m/a.mp3", "play", "stop", "open /m/c.wma", "play"}));
        f.click(QStringLiteral("Button_naoShiTing"));
        QCOMPARE(alarmListen->text(), QStringLiteral("试听"));

        // A file the audio layer refuses, and no file at all.
        f.find<QLineEdit>("Edit2_1")->setText(QStringLiteral("/m/broken.bad"));
        f.messages().setNextAnswer(QMessageBox::Ok);
        f.click(QStringLiteral("Button_naoShiTing"));
        QCOMPARE(alarmListen->text(), QStringLiteral("试听"));
        f.find<QLineEdit>("Edit2_1")->clear();
        f.messages().setNextAnswer(QMessageBox::Ok);
        f.click(QStringLiteral("Button_naoShiTing"));
        QCOMPARE(f.messages().shownTexts(),
                 (QStringList{"不支持该音乐文件，请更换其它音乐文件！", "没有可以播放的音乐,请选择音乐的路径！"}));
    }
};

CONFIG_TEST_MAIN(TestPlanEditors)
#include "tst_plan_editors.moc"
