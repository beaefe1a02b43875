#include "config_window_fixture.h"
#include "countdown_page.h"
#include "page_control.h"
#include "plan_list_menu.h"
#include "settings_keys.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimeEdit>
#include <QTimer>

using namespace PlanTexts;

// The main window: start-up, the lists and counters, the countdown monitor, deletion and
// clearing, the pop-up menu and the switching between lists and editors.
class TestMainWindow : public QObject
{
    Q_OBJECT

    const QDateTime m_now{QDate(2011, 1, 31), QTime(23, 59, 57)};

private slots:
    void startUpPresetsPanelsAndEditors()
    {
        ConfigWindowFixture f(m_now);
        f.settings().writeText(SettingKeys::kAlarmText, QString()); // present but empty
        f.settings().writeText(SettingKeys::kShutdownDelay, QStringLiteral("45"));
        f.settings().writeText(SettingKeys::kCountdownHours, QStringLiteral("2"));
        QVERIFY(f.open());

        QCOMPARE(f.window().windowTitle(), QStringLiteral("悦时电脑闹钟 6.4.1"));
        QCOMPARE(f.window().size(), QSize(654, 444));
        QCOMPARE(f.find<QLabel>("Label4")->text(), QStringLiteral("1"));
        QCOMPARE(f.settings().readText(SettingKeys::kHaveUsed), QStringLiteral("2011-1-30"));
        QCOMPARE(f.find<QLabel>("Label6")->text(), QStringLiteral("今天是：2011年01月31日 星期一"));
        QVERIFY(f.find<QLabel>("LabelStatus_1")->text().startsWith(QStringLiteral("23:59:57         开机运行了：")));
        QCOMPARE(f.window().pageControl()->currentIndex(), 0);

        // Five seconds later is tomorrow's 0:00:02, while the dates stay today.
        for (const char* picker : {"DateTimePicker2_1", "DateTimePicker3_1", "DateTimePicker4_1"})
            QCOMPARE(f.find<QTimeEdit>(picker)->time(), QTime(0, 0, 2));
        for (const char* picker : {"DateTimePicker2_2", "DateTimePicker3_2", "DateTimePicker4_2"})
            QCOMPARE(f.find<QDateEdit>(picker)->date(), QDate(2011, 1, 31));
        for (const char* box : {"ComboBox2_1", "ComboBox3_1", "ComboBox4_1"}) {
            QCOMPARE(f.find<QComboBox>(box)->currentText(), QStringLiteral("一"));
            QVERIFY(!f.find<QComboBox>(box)->isEnabled());
        }
        for (const char* box : {"ComboBox2_2", "ComboBox3_2", "ComboBox4_2"})
            QCOMPARE(f.find<QComboBox>(box)->currentText(), QStringLiteral("31号"));

        QCOMPARE(f.find<QLineEdit>("Edit2_1")->text(), QDir(f.folder()).filePath(QStringLiteral("sound/爱的纪念.mp3")));
        QCOMPARE(f.find<QPlainTextEdit>("Memo2_1")->toPlainText(), QString());
        QCOMPARE(f.find<QComboBox>("ComboBox4_3")->currentText(), QStringLiteral("45"));
        QCOMPARE(f.find<QLineEdit>("Edit3_1")->text(), QString());
        QCOMPARE(f.find<QLineEdit>("Edit9_1")->text(), QDir(f.folder()).filePath(QStringLiteral("sound/爱的纪念.wma")));
        QCOMPARE(f.find<QPlainTextEdit>("Memo9_1")->toPlainText(), QStringLiteral("收菜了，菜要给偷完了！"));
        QCOMPARE(f.find<QComboBox>("ComboBox9_1")->currentText(), QStringLiteral("0"));
        QCOMPARE(f.find<QComboBox>("ComboBox9_2")->currentText(), QStringLiteral("2"));

        for (const char* button : {"NaoZhong_XiuGai", "NaoZhong_ShanChu", "NaoZhong_QingKong", "GuanJi_XiuGai",
                                   "GuanJi_ShanChu", "GuanJi_QingKong", "DaKai_XiuGai", "DaKai_ShanChu",
                                   "DaKai_QingKong", "Dao_ShanChu", "Dao_QingKong"})
            QVERIFY2(!f.find<QPushButton>(button)->isEnabled(), button);
        QVERIFY(!f.find<QWidget>("Panel_naoguanli")->isHidden());
        QVERIFY(!f.window().countdownPage()->monitor()->isActive());
        QVERIFY(f.messages().shown().isEmpty());
    }

    void unreadableTableEndsTheProgram()
    {
        ConfigWindowFixture f(m_now);
        QFile file(f.tablePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not a plan table");
        file.close();
        f.create();
        f.messages().setNextAnswer(QMessageBox::Ok);
        QVERIFY(!f.open());
        using Shown = ConfigMessageBox::Shown;
        QCOMPARE(f.messages().shown(), (QList<Shown>{{ConfigMessageBox::Kind::Plain, QStringLiteral("程序终止"),
                                                      QStringLiteral("无法打开计划文件！请重新安装计划文件。")}}));
        QFile check(f.tablePath());
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), QByteArray("not a plan table"));
    }

    void startUpListsCountsAndKeepsWhatItCannotRead()
    {
        ConfigWindowFixture f(m_now);
        f.table().append(makeRecord(kCountdown, kNone, "23:00:00", "2011-1-31")); // past: deleted
        f.table().append(makeRecord(kReminder, kDaily, "7:00:00", kNone, kNone, "/m/a.mp3", "起床"));
        f.table().append(makeRecord(kCountdown, kNone, "8:00:00", "1/31/2011", kNone, "/m/c.wma", "看不懂"));
        f.table().append(makeRecord(kCountdown, kNone, "0:00:07", "2011-2-1", kNone, "/m/c.wma", "十秒"));
        f.table().append(makeRecord(kShutdown, kWorkday, "22:00:00", kNone, kNone, kNone, "abc"));
        f.table().append(makeRecord(QStringLiteral("其它"), kDaily, "7:00:00"));
        QVERIFY(f.open());

        QCOMPARE(f.listTexts("ListView", 1), QStringList{"起床"});
        QCOMPARE(f.listTexts("ListView_GuanJi", 1), QStringList{"abc"});
        QCOMPARE(f.listTexts("ListView_DaKai", 0), QStringList{});
        QCOMPARE(f.listTexts("ListView_Dao", 0), (QStringList{"看不懂", "十秒"}));
        QCOMPARE(f.listTexts("ListView_Dao", 3), (QStringList{"?", "10"}));
        QCOMPARE(f.table().rowCount(), 5);
        QCOMPARE(f.find<QLabel>("Label7")->text(), QStringLiteral("共有4个任务正在进行"));
        QCOMPARE(f.find<QLabel>("Label8")->text(), QStringLiteral("其中有1个是闹钟任务"));
        QCOMPARE(f.find<QLabel>("Label9")->text(), QStringLiteral("1个是定时关机任务"));
        QCOMPARE(f.find<QLabel>("Label10")->text(), QStringLiteral("0个是定时打开任务"));
        QCOMPARE(f.find<QLabel>("Label11")->text(), QStringLiteral("2个是倒计时提醒任务"));
        QVERIFY(f.find<QPushButton>("NaoZhong_QingKong")->isEnabled());
        QVERIFY(f.find<QPushButton>("GuanJi_QingKong")->isEnabled());
        QVERIFY(!f.find<QPushButton>("DaKai_QingKong")->isEnabled());
        QVERIFY(f.find<QPushButton>("Dao_QingKong")->isEnabled());
        QVERIFY(f.window().countdownPage()->monitor()->isActive());
        QVERIFY(f.notices().isEmpty()); // the start-up deletion is not announced
    }

    void monitorCountsDownAndReloadsAfterMinusOne()
    {
        ConfigWindowFixture f(m_now);
        f.table().append(makeRecord(kCountdown, kNone, "23:59:58", "2011-1-31", kNone, "/m/c.wma", "一秒"));
        f.table().append(makeRecord(kCountdown, kNone, "0:00:57", "2011-2-1", kNone, "/m/c.wma", "一分"));
        QVERIFY(f.open());
        CountdownPage* page = f.window().countdownPage();
        QCOMPARE(f.listTexts("ListView_Dao", 3), (QStringList{"1", "60"}));

        f.clock.advanceSeconds(1);
        page->tickMonitor();
        QCOMPARE(f.listTexts("ListView_Dao", 3), (QStringList{"0", "59"}));

        // Meanwhile the agent deleted nothing but the clock ran a little ahead of the ticks.
        f.clock.advanceSeconds(2);
        page->tickMonitor();
        QCOMPARE(f.listTexts("ListView_Dao", 0), QStringList{"一分"});
        QCOMPARE(f.listTexts("ListView_Dao", 3), QStringList{"57"});
        QCOMPARE(f.table().rowCount(), 1);
        QCOMPARE(f.find<QLabel>("Label11")->text(), QStringLiteral("1个是倒计时提醒任务"));
        QVERIFY(page->monitor()->isActive());
    }

    void deletingTheSelectedPlan_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("deleteButton");
        QTest::addColumn<QString>("modifyButton");
        QTest::addColumn<int>("page");
        QTest::newRow("alarm") << "ListView" << "NaoZhong_ShanChu" << "NaoZhong_XiuGai" << 1;
        QTest::newRow("shutdown") << "ListView_GuanJi" << "GuanJi_ShanChu" << "GuanJi_XiuGai" << 2;
        QTest::newRow("launch") << "ListView_DaKai" << "DaKai_ShanChu" << "DaKai_XiuGai" << 3;
        QTest::newRow("countdown") << "ListView_Dao" << "Dao_ShanChu" << "" << 4;
    }

    void deletingTheSelectedPlan()
    {
        QFETCH(QString, list);
        QFETCH(QString, deleteButton);
        QFETCH(QString, modifyButton);
        QFETCH(int, page);
        ConfigWindowFixture f(m_now);
        const QString kinds[] = {kReminder, kShutdown, kLaunch, kCountdown};
        for (const QString& kind : kinds)
            f.table().append(makeRecord(kind, kind == kCountdown ? kNone : kDaily, "9:00:00", "2011-2-2"));
        const QString kind = kinds[page - 1];
        f.table().append(makeRecord(kind, kind == kCountdown ? kNone : kDaily, "10:00:00", "2011-2-2"));
        QVERIFY(f.open());
        f.window().pageControl()->setCurrentIndex(page);
        auto* view = f.find<QTreeWidget>(list);
        const int timeColumn = kind == kCountdown ? 2 : 4;

        // Nothing selected.
        f.messages().setNextAnswer(QMessageBox::Ok);
        f.window().popupMenu()->deleteAction()->trigger();
        QCOMPARE(f.messages().shown().last().kind, ConfigMessageBox::Kind::Error);
        QCOMPARE(f.messages().shown().last().text,
                 QStringLiteral("还没有选择计划，无法删除！请选择一个要删除的计划，然后单击“删除”按钮。"));

        view->setCurrentItem(view->topLevelItem(1));
        QVERIFY(f.find<QPushButton>(deleteButton)->isEnabled());
        if (!modifyButton.isEmpty())
            QVERIFY(f.find<QPushButton>(modifyButton)->isEnabled());

        // No keeps everything.
        f.messages().setNextAnswer(QMessageBox::No);
        f.click(deleteButton);
        QCOMPARE(f.messages().shown().last().text, QStringLiteral("你确定要删除此计划吗？"));
        QCOMPARE(f.table().rowCount(), 5);
        QVERIFY(f.notices().isEmpty());

        f.messages().setNextAnswer(QMessageBox::Yes);
        f.click(deleteButton);
        QCOMPARE(f.table().rowCount(), 4);
        QCOMPARE(f.listTexts(list, timeColumn), QStringList{"9:00:00"});
        QCOMPARE(f.notices(), QStringList{"刷新"});
        QVERIFY(!f.find<QPushButton>(deleteButton)->isEnabled());
        if (!modifyButton.isEmpty())
            QVERIFY(!f.find<QPushButton>(modifyButton)->isEnabled());
        QCOMPARE(f.find<QLabel>("Label7")->text(), QStringLiteral("共有4个任务正在进行"));
    }

    void deletingARowAlreadyGoneSaysNothing()
    {
        ConfigWindowFixture f(m_now);
        const qint64 id = f.table().append(makeRecord(kReminder, kOnce, "9:00:00", "2011-2-2"));
        QVERIFY(f.open());
        auto* view = f.find<QTreeWidget>("ListView");
        view->setCurrentItem(view->topLevelItem(0));
        f.table().remove(id); // the agent fired it meanwhile
        f.click(QStringLiteral("NaoZhong_ShanChu"));
        QVERIFY(f.messages().shown().isEmpty());
        QVERIFY(f.notices().isEmpty());
    }

    void clearingRemovesOnlyTheTabsKind_data()
    {
        QTest::addColumn<QString>("clearButton");
        QTest::addColumn<QString>("kind");
        QTest::newRow("alarm") << "NaoZhong_QingKong" << kReminder;
        QTest::newRow("shutdown") << "GuanJi_QingKong" << kShutdown;
        QTest::newRow("launch") << "DaKai_QingKong" << kLaunch;
        QTest::newRow("countdown") << "Dao_QingKong" << kCountdown;
    }

    void clearingRemovesOnlyTheTabsKind()
    {
        QFETCH(QString, clearButton);
        QFETCH(QString, kind);
        ConfigWindowFixture f(m_now);
        for (const QString& k : {kReminder, kShutdown, kLaunch, kCountdown, kReminder, kShutdown, kLaunch, kCountdown})
            f.table().append(makeRecord(k, k == kCountdown ? kNone : kDaily, "9:00:00", "2011-2-2"));
        QVERIFY(f.open());

        f.messages().setNextAnswer(QMessageBox::No);
        f.click(clearButton);
        QCOMPARE(f.messages().shownTexts(), QStringList{"清空将不可恢复,您确认要清空吗？"});
        QCOMPARE(f.table().rowCount(), 8);

        f.messages().setNextAnswer(QMessageBox::Yes);
        f.click(clearButton);
        QCOMPARE(f.table().rowCount(), 6);
        QVERIFY(!f.table().kindsPresent().contains(kind));
        QCOMPARE(f.notices(), QStringList{"刷新"});
        QCOMPARE(f.find<QLabel>("Label7")->text(), QStringLiteral("共有6个任务正在进行"));
        // Still enabled: a second click asks again, deletes nothing and still tells the agent.
        f.messages().setNextAnswer(QMessageBox::Yes);
        f.click(clearButton);
        QCOMPARE(f.table().rowCount(), 6);
        QCOMPARE(f.notices(), QStringList{"刷新"});
    }

    void popupMenuFollowsTheLastClickedList()
    {
        ConfigWindowFixture f(m_now);
        f.table().append(makeRecord(kReminder, kDaily, "9:00:00"));
        f.table().append(makeRecord(kCountdown, kNone, "9:00:00", "2011-2-2"));
        QVERIFY(f.open());
        QAction* edit = f.window().popupMenu()->editAction();
        QAction* remove = f.window().popupMenu()->deleteAction();
        QVERIFY(edit->isEnabled() && edit->isVisible() && remove->isEnabled());

        const auto clickList = [&](int page, const char* list) {
            f.window().pageControl()->setCurrentIndex(page);
            QWidget* viewport = f.find<QTreeWidget>(list)->viewport();
            QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(5, viewport->height() - 5));
        };
        clickList(4, "ListView_Dao");
        QVERIFY(!edit->isVisible());
        QVERIFY(remove->isEnabled());
        clickList(2, "ListView_GuanJi"); // empty: both off, 编辑 stays hidden
        QVERIFY(!edit->isEnabled() && !remove->isEnabled() && !edit->isVisible());
        clickList(1, "ListView");
        QVERIFY(edit->isEnabled() && edit->isVisible() && remove->isEnabled());

        // 编辑 does nothing on the countdown tab.
        f.window().pageControl()->setCurrentIndex(4);
        edit->trigger();
        QVERIFY(f.messages().shown().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void editorsOpenAndReturn()
    {
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        const char* editors[] = {"Panel_naoxinjian", "Panel_guanjixinjian", "Panel_openxinjian", "Panel_daoxinjian"};
        const char* lists[] = {"Panel_naoguanli", "Panel_guanjiguanli", "Panel_openguanli", "Panel_daoguanli"};
        const char* backs[] = {"Button_naoquxiao", "Button_guanjiquxiao", "Button_openquxiao", "Button_daoquxiao"};
        for (int i = 0; i < 4; ++i) {
            f.window().pageControl()->setCurrentIndex(0);
            f.click(QStringLiteral("Button_Shou%1").arg(i + 1));
            QCOMPARE(f.window().pageControl()->currentIndex(), i + 1);
            QVERIFY(f.find<QWidget>(editors[i])->isVisible());
            QVERIFY(f.find<QWidget>(lists[i])->isHidden());
            f.click(QString::fromLatin1(backs[i]));
            QVERIFY(f.find<QWidget>(lists[i])->isVisible());
        }

        // A press on the tab strip returns every page to its list; typed text stays.
        f.window().pageControl()->setCurrentIndex(1);
        f.click(QStringLiteral("NaoZhong_XinJian"));
        f.find<QPlainTextEdit>("Memo2_1")->setPlainText(QStringLiteral("未保存"));
        f.window().pageControl()->setCurrentIndex(4);
        f.click(QStringLiteral("Dao_XinJian"));
        auto* tab = f.find<QWidget>("TabSheet_guanji_Tab");
        QTest::mouseClick(tab, Qt::RightButton, {}, tab->rect().center());
        for (const char* list : lists)
            QVERIFY(!f.find<QWidget>(list)->isHidden());
        QCOMPARE(f.find<QPlainTextEdit>("Memo2_1")->toPlainText(), QStringLiteral("未保存"));
        QTest::mouseClick(tab, Qt::LeftButton, {}, tab->rect().center());
        QCOMPARE(f.window().pageControl()->currentIndex(), 2);
    }

    void everyControlIsNamedForAssistiveTechnology()
    {
        ConfigWindowFixture f(m_now);
        QVERIFY(f.open());
        for (const char* name : {"NaoZhong_XinJian", "ListView", "Edit2_1", "Memo2_1", "ComboBox9_1",
                                 "DateTimePicker2_1", "ComboBox4_3", "LabelStatus_1"}) {
            auto* control = f.find<QWidget>(name);
            QCOMPARE(control->accessibleDescription(), QString::fromLatin1(name));
        }
        QCOMPARE(f.find<QWidget>("Memo2_1")->accessibleName(), QStringLiteral("请输入提醒内容"));
        QCOMPARE(f.find<QWidget>("DateTimePicker2_1")->accessibleName(), QStringLiteral("时间"));
        QCOMPARE(f.find<QWidget>("ComboBox9_1")->accessibleName(), QStringLiteral("天"));
        QCOMPARE(f.find<QWidget>("ListView_Dao")->accessibleName(), QStringLiteral("倒计时列表"));
    }
};

CONFIG_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
