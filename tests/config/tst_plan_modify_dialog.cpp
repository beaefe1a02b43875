#include "config_window_fixture.h"
#include "plan_list_menu.h"
#include "page_control.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeEdit>

using namespace PlanTexts;

Q_DECLARE_METATYPE(PlanRecord)

// 查看修改计划: opening for each kind and period, the period switches, and the save into the
// list item and the table row.
class TestPlanModifyDialog : public QObject
{
    Q_OBJECT

    // 2011-4-6 is a Wednesday (三).
    const QDateTime m_now{QDate(2011, 4, 6), QTime(8, 30, 0)};

    struct Opened
    {
        QString kindLabel;
        QString pathLabel;
        int period = -1;
        QDate date;
        bool dateEnabled = false;
        QString weekday;
        bool weekdayEnabled = false;
        QString dayOfMonth;
        bool dayOfMonthEnabled = false;
        QTime time;
        QString path;
        QString delay;
        QString text;
        bool pathShown = false;
        bool delayShown = false;
        bool textShown = false;
    };

    template<typename T> static T* control(QWidget* dialog, const char* name)
    {
        T* child = dialog->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qWarning("no control %s", name);
        return child;
    }

    static Opened read(QWidget* d)
    {
        Opened o;
        o.kindLabel = control<QLabel>(d, "Label2")->text();
        o.pathLabel = control<QLabel>(d, "Label6")->text();
        for (int i = 0; i < 5; ++i) {
            if (d->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(i + 1))->isChecked())
                o.period = i;
        }
        o.date = control<QDateEdit>(d, "DateTimePicker1")->date();
        o.dateEnabled = control<QDateEdit>(d, "DateTimePicker1")->isEnabled();
        o.weekday = control<QComboBox>(d, "ComboBox1")->currentText();
        o.weekdayEnabled = control<QComboBox>(d, "ComboBox1")->isEnabled();
        o.dayOfMonth = control<QComboBox>(d, "ComboBox2")->currentText();
        o.dayOfMonthEnabled = control<QComboBox>(d, "ComboBox2")->isEnabled();
        o.time = control<QTimeEdit>(d, "DateTimePicker2")->time();
        o.path = control<QLineEdit>(d, "Edit1")->text();
        o.delay = control<QComboBox>(d, "ComboBox3")->currentText();
        o.text = control<QLineEdit>(d, "Edit2")->text();
        o.pathShown = !control<QLineEdit>(d, "Edit1")->isHidden();
        o.delayShown = !control<QComboBox>(d, "ComboBox3")->isHidden();
        o.textShown = !control<QLineEdit>(d, "Edit2")->isHidden();
        return o;
    }

    // Opens the dialog on the only plan of the page and runs during on it.
    static void openOn(ConfigWindowFixture& f, int page, const char* list, const QString& modifyButton,
                       std::function<void(QWidget*)> during)
    {
        f.window().pageControl()->setCurrentIndex(page);
        auto* view = f.find<QTreeWidget>(list);
        view->setCurrentItem(view->topLevelItem(0));
        bool ran = false;
        whenModalShown([&](QWidget* dialog) {
            ran = true;
            during(dialog);
            if (dialog->isVisible())
                control<QPushButton>(dialog, "Button2")->click();
        });
        f.click(modifyButton);
        QVERIFY(ran);
    }

    static void clickRadio(QWidget* dialog, int number)
    {
        auto* radio = dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(number));
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }

private slots:
    void openingShowsTheItem_data()
    {
        QTest::addColumn<PlanRecord>("row");
        QTest::addColumn<int>("period");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("dayOfMonth");
        // Enabled: date, weekday, day of month.
        QTest::addColumn<QList<bool>>("enabled");
        const auto alarm = [](const QString& period, const QString& date, const QString& weekday) {
            return makeRecord(kReminder, period, "7:05:00", date, weekday, "/m/a.mp3", "起床");
        };
        const QDate today(2011, 4, 6);
        QTest::newRow("一次: its own date") << alarm(kOnce, "2011-5-1", kNone) << 0 << QDate(2011, 5, 1) << "1号"
                                           << QList<bool>{true, false, false};
        // Not the form's design-time date: a switch to 仅一次 must still fall due.
        QTest::newRow("每天: today") << alarm(kDaily, kNone, kNone) << 1 << today << "1号"
                                     << QList<bool>{false, false, false};
        QTest::newRow("每周") << alarm(kWeekly, kNone, "五") << 2 << today << "1号" << QList<bool>{false, true, false};
        QTest::newRow("工作日") << alarm(kWorkday, kNone, kNone) << 3 << today << "1号"
                                << QList<bool>{false, false, false};
        QTest::newRow("每月") << alarm(kMonthly, "15号", kNone) << 4 << today << "15号"
                              << QList<bool>{false, false, true};
    }

    void openingShowsTheItem()
    {
        QFETCH(PlanRecord, row);
        QFETCH(int, period);
        QFETCH(QDate, date);
        QFETCH(QString, dayOfMonth);
        QFETCH(QList<bool>, enabled);
        ConfigWindowFixture f(m_now);
        f.table().append(row);
        QVERIFY(f.open());
        Opened o;
        openOn(f, 1, "ListView", "NaoZhong_XiuGai", [&](QWidget* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("查看修改计划"));
            o = read(d);
        });
        QCOMPARE(o.kindLabel, QStringLiteral("闹铃"));
        QCOMPARE(o.period, period);
        QCOMPARE(o.date, date);
        QCOMPARE(o.weekday, row.weekday);
        QCOMPARE(o.dayOfMonth, dayOfMonth);
        QCOMPARE((QList<bool>{o.dateEnabled, o.weekdayEnabled, o.dayOfMonthEnabled}), enabled);
        QCOMPARE(o.time, QTime(7, 5, 0));
        QCOMPARE(o.path, QStringLiteral("/m/a.mp3"));
        QCOMPARE(o.text, QStringLiteral("起床"));
        QVERIFY(o.pathShown && o.textShown && !o.delayShown);
        QCOMPARE(f.table().rows().first(), (PlanRecord{f.table().rows().first().id, row.kind, row.weekday, row.date,
                                                       row.time, row.path, row.content, row.period}));
        QVERIFY(f.notices().isEmpty()); // cancelled
    }

    void periodSwitchesAndSave_data()
    {
        QTest::addColumn<PlanRecord>("row");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("radio"); // 0: untouched
        QTest::addColumn<PlanRecord>("saved");
        const auto shutdown = makeRecord(kShutdown, kOnce, "23:00:00", "2011-5-1", kNone, kNone, "30");
        const auto launch = makeRecord(kLaunch, kWeekly, "9:00:00", kNone, "五", "/bin/true", "旧内容");
        const auto alarm = makeRecord(kReminder, kDaily, "7:05:00", kNone, kNone, "/m/a.mp3", "起床");
        QTest::newRow("weekly launch untouched") << launch << 3 << 0
            << makeRecord(kLaunch, kWeekly, "9:00:00", kNone, "五", "/bin/true", kNone);
        QTest::newRow("one-off shutdown to weekly: today's weekday") << shutdown << 2 << 3
            << makeRecord(kShutdown, kWeekly, "23:00:00", kNone, "三", kNone, "30");
        QTest::newRow("daily alarm to monthly: 1号") << alarm << 1 << 5
            << makeRecord(kReminder, kMonthly, "7:05:00", "1号", kNone, "/m/a.mp3", "起床");
        QTest::newRow("daily alarm to one-off: today, not 2010") << alarm << 1 << 1
            << makeRecord(kReminder, kOnce, "7:05:00", "2011-4-6", kNone, "/m/a.mp3", "起床");
        QTest::newRow("one-off shutdown to workday") << shutdown << 2 << 4
            << makeRecord(kShutdown, kWorkday, "23:00:00", kNone, kNone, kNone, "30");
    }

    void periodSwitchesAndSave()
    {
        QFETCH(PlanRecord, row);
        QFETCH(int, page);
        QFETCH(int, radio);
        QFETCH(PlanRecord, saved);
        ConfigWindowFixture f(m_now);
        const qint64 id = f.table().append(row);
        QVERIFY(f.open());
        const char* lists[] = {"", "ListView", "ListView_GuanJi", "ListView_DaKai"};
        const char* buttons[] = {"", "NaoZhong_XiuGai", "GuanJi_XiuGai", "DaKai_XiuGai"};
        Opened o;
        openOn(f, page, lists[page], QString::fromLatin1(buttons[page]), [&](QWidget* d) {
            o = read(d);
            if (radio)
                clickRadio(d, radio);
            f.messages().setNextAnswer(QMessageBox::Ok);
            control<QPushButton>(d, "Button3")->click();
        });
        if (row.kind == kShutdown) {
            QCOMPARE(o.kindLabel, QStringLiteral("定时关机"));
            QCOMPARE(o.pathLabel, QStringLiteral("倒数秒数："));
            QVERIFY(o.delayShown && !o.pathShown && !o.textShown);
            QCOMPARE(o.delay, QStringLiteral("30"));
        } else if (row.kind == kLaunch) {
            QCOMPARE(o.kindLabel, QStringLiteral("定时打开"));
            QVERIFY(o.pathShown && !o.textShown && !o.delayShown);
        }
        QCOMPARE(f.messages().shownTexts(), QStringList{"恭喜您，计划保存成功！"});
        saved.id = id;
        QCOMPARE(f.table().find(id), std::optional<PlanRecord>(saved));
        QCOMPARE(f.notices(), QStringList{"刷新"});
        // The item shows the new texts without a reload.
        auto* item = f.find<QTreeWidget>(lists[page])->topLevelItem(0);
        QCOMPARE(item->text(0), saved.period);
        QCOMPARE(item->text(1), saved.content);
        QCOMPARE(item->text(2), saved.date);
        QCOMPARE(item->text(3), saved.weekday);
    }

    void editingThroughTheMenuAndItsRefusals()
    {
        ConfigWindowFixture f(m_now);
        const qint64 id = f.table().append(makeRecord(kReminder, kOnce, "7:05:00", "2011-4-7"));
        f.table().append(makeRecord(kShutdown, kDaily, "七点", kNone, kNone, kNone, "30"));
        QVERIFY(f.open());

        // Nothing selected.
        f.window().pageControl()->setCurrentIndex(1);
        f.messages().setNextAnswer(QMessageBox::Ok);
        f.window().popupMenu()->editAction()->trigger();
        QCOMPARE(f.messages().shown().last().kind, ConfigMessageBox::Kind::Error);
        QCOMPARE(f.messages().shown().last().text, QStringLiteral("您尚未选择计划，无法查看修改！"));

        // A stored time that does not read: the general error, no dialog.
        f.window().pageControl()->setCurrentIndex(2);
        auto* shutdowns = f.find<QTreeWidget>("ListView_GuanJi");
        shutdowns->setCurrentItem(shutdowns->topLevelItem(0));
        configApp().errorBox().clearShown();
        configApp().errorBox().setNextAnswer(QMessageBox::Ok);
        f.click(QStringLiteral("GuanJi_XiuGai"));
        QCOMPARE(configApp().errorBox().shownTexts(), QStringList{"'七点' is not a valid time"});
        QVERIFY(!QApplication::activeModalWidget());

        // The row went meanwhile: the item changes, the table does not, and the save still
        // reports success and tells the agent.
        f.window().pageControl()->setCurrentIndex(1);
        auto* alarms = f.find<QTreeWidget>("ListView");
        alarms->setCurrentItem(alarms->topLevelItem(0));
        f.table().remove(id);
        whenModalShown([&](QWidget* d) {
            control<QLineEdit>(d, "Edit2")->setText(QStringLiteral("改过"));
            f.messages().setNextAnswer(QMessageBox::Ok);
            control<QPushButton>(d, "Button3")->click();
        });
        f.window().popupMenu()->editAction()->trigger();
        QCOMPARE(alarms->topLevelItem(0)->text(1), QStringLiteral("改过"));
        QCOMPARE(f.table().rowCount(), 1);
        QCOMPARE(f.notices(), QStringList{"刷新"});
    }
};

CONFIG_TEST_MAIN(TestPlanModifyDialog)
#include "tst_plan_modify_dialog.moc"
