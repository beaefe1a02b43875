#include "main_window.h"

#include "accessibility.h"
#include "alarm_page.h"
#include "clock.h"
#include "countdown_page.h"
#include "home_page.h"
#include "info_panels.h"
#include "launch_page.h"
#include "page_control.h"
#include "plan_list_menu.h"
#include "shutdown_page.h"
#include "uptime.h"
#include "usage_texts.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QWidget* emptyPage(const QString& name, QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(name);
    return page;
}

// A white variant for the checked tab, which is drawn in the accent colour.
QIcon tabIcon(const QString& name)
{
    QIcon icon(QStringLiteral(":/config/icons/%1.svg").arg(name));
    icon.addFile(QStringLiteral(":/config/icons/%1_on.svg").arg(name), {}, QIcon::Normal, QIcon::On);
    return icon;
}

} // namespace

MainWindow::MainWindow(const QString& programFolder, const Clock& clock, SoundPlayer& preview, QWidget* parent)
    : QWidget(parent), m_message1(this), m_context(programFolder, clock, m_message1, preview),
      m_pages(new PageControl(this)), m_home(new HomePage(m_pages)), m_alarm(new AlarmPage(m_context, m_pages)),
      m_shutdown(new ShutdownPage(m_context, m_pages)), m_launch(new LaunchPage(m_context, m_pages)),
      m_countdown(new CountdownPage(m_context, m_pages)), m_info(new InfoPanels(this)), m_menu(new PlanListMenu(this)),
      m_status(new QLabel(this)), m_statusTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("悦时电脑闹钟 6.4.1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(654, 444);
    m_context.reloadPlanLists = [this] { reloadPlanLists(); };

    m_alarm->setObjectName(QStringLiteral("TabSheet_naozhong"));
    m_shutdown->setObjectName(QStringLiteral("TabSheet_guanji"));
    m_launch->setObjectName(QStringLiteral("TabSheet_dakai"));
    m_countdown->setObjectName(QStringLiteral("TabSheet_daojishi"));
    m_pages->addPage(m_home, QStringLiteral("首页"), tabIcon(QStringLiteral("home")));
    m_pages->addPage(m_alarm, QStringLiteral("闹钟"), tabIcon(QStringLiteral("alarm")));
    m_pages->addPage(m_shutdown, QStringLiteral("定时关机"), tabIcon(QStringLiteral("shutdown")));
    m_pages->addPage(m_launch, QStringLiteral("定时打开"), tabIcon(QStringLiteral("launch")));
    m_pages->addPage(m_countdown, QStringLiteral("倒计时"), tabIcon(QStringLiteral("countdown")));
    m_pages->addPage(emptyPage(QStringLiteral("TabSheet_jishiqi"), m_pages), QStringLiteral("计时器"),
                     tabIcon(QStringLiteral("stopwatch")));
    m_pages->addPage(emptyPage(QStringLiteral("TabSheet_shezhi"), m_pages), QStringLiteral("设置"),
                     tabIcon(QStringLiteral("settings")));

    auto* statusBar = new QWidget(this);
    statusBar->setObjectName(QStringLiteral("PanelStatus"));
    statusBar->setAttribute(Qt::WA_StyledBackground);
    auto* nowLabel = new QLabel(QStringLiteral("现在是："), statusBar);
    m_status->setObjectName(QStringLiteral("LabelStatus_1"));
    m_status->setParent(statusBar);
    nowLabel->setBuddy(m_status);
    auto* statusLayout = new QHBoxLayout(statusBar);
    statusLayout->setContentsMargins(10, 3, 10, 3);
    statusLayout->addWidget(nowLabel);
    statusLayout->addWidget(m_status, 1);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(m_pages, 1);
    body->addWidget(m_info);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(statusBar);

    m_menu->attach(m_alarm->listPanel(), false);
    m_menu->attach(m_shutdown->listPanel(), false);
    m_menu->attach(m_launch->listPanel(), false);
    m_menu->attach(m_countdown->listPanel(), true);
    connect(m_menu, &PlanListMenu::editTriggered, this, [this] {
        if (PlanPage* page = currentPlanPage(); page && page->canModify())
            page->modifySelected();
    });
    connect(m_menu, &PlanListMenu::deleteTriggered, this, [this] {
        if (PlanPage* page = currentPlanPage())
            page->deleteSelected();
    });
    connect(m_home, &HomePage::newPlanRequested, this, &MainWindow::openEditor);
    connect(m_pages, &PageControl::tabStripPressed, this, &MainWindow::showAllLists);

    m_statusTimer->setObjectName(QStringLiteral("Timer1"));
    m_statusTimer->setInterval(1000);
    connect(m_statusTimer, &QTimer::timeout, this, &MainWindow::updateStatus);

    publishAccessibility(this);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow() = default;

bool MainWindow::start()
{
    const QDateTime now = m_context.clock.now();
    try {
        m_info->setDaysUsed(UsageTexts::daysUsed(m_context.settings, now));
    } catch (const SettingsWriteError& error) {
        m_message1.error(error.message()); // the count is only shown; the program can go on
    }
    m_home->setToday(UsageTexts::todayText(now.date()));
    m_alarm->preset();
    m_launch->preset();
    m_shutdown->preset();
    m_countdown->preset();
    updateStatus();
    m_statusTimer->start();

    try {
        m_context.table = std::make_unique<PlanTable>(QDir(m_context.programFolder).filePath(QStringLiteral("data.tdb")));
        reloadPlanLists();
    } catch (const PlanTableError&) {
        m_message1.plain(QMessageBox::Warning, QStringLiteral("程序终止"),
                         QStringLiteral("无法打开计划文件！请重新安装计划文件。"));
        return false;
    }
    return true;
}

void MainWindow::reloadPlanLists()
{
    const PlanLists lists = loadPlanLists(*m_context.table, m_context.clock.now());
    m_alarm->setPlans(lists.alarms);
    m_shutdown->setPlans(lists.shutdowns);
    m_launch->setPlans(lists.launches);
    m_countdown->setPlans(lists.countdowns);
    m_info->setCounters(counterTexts(lists));
}

void MainWindow::updateStatus()
{
    m_status->setText(UsageTexts::statusText(m_context.clock.now().time(), uptimeSeconds()));
}

QList<PlanPage*> MainWindow::planPages() const
{
    return {m_alarm, m_shutdown, m_launch, m_countdown};
}

PlanPage* MainWindow::currentPlanPage() const
{
    return qobject_cast<PlanPage*>(m_pages->currentPage());
}

void MainWindow::openEditor(int kind)
{
    PlanPage* page = planPages().value(kind);
    if (!page)
        return;
    page->showEditor();
    m_pages->setCurrentIndex(kind + 1); // the home page comes first
}

void MainWindow::showAllLists()
{
    for (PlanPage* page : planPages())
        page->showList();
}
