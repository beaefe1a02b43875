#pragma once

#include "config_context.h"
#include "config_message_box.h"

#include <QWidget>

class AlarmPage;
class Clock;
class CountdownPage;
class HomePage;
class InfoPanels;
class LaunchPage;
class PageControl;
class PlanListMenu;
class PlanPage;
class SoundPlayer;
class QLabel;
class QTimer;
class ShutdownPage;

// The configuration program's main window: it assembles the pages, the side panels and the
// status bar, and rebuilds the plan lists.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    MainWindow(const QString& programFolder, const Clock& clock, SoundPlayer& preview, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads config.ini, presets the pages, opens the plan table and lists the plans. False,
    // after the message was shown, when the plan table cannot be opened or listed.
    bool start();

    void reloadPlanLists();
    // One tick of the status bar.
    void updateStatus();

    ConfigMessageBox& message1() { return m_message1; }
    ConfigContext& context() { return m_context; }
    PageControl* pageControl() const { return m_pages; }
    AlarmPage* alarmPage() const { return m_alarm; }
    ShutdownPage* shutdownPage() const { return m_shutdown; }
    LaunchPage* launchPage() const { return m_launch; }
    CountdownPage* countdownPage() const { return m_countdown; }
    PlanListMenu* popupMenu() const { return m_menu; }

private:
    QList<PlanPage*> planPages() const;
    PlanPage* currentPlanPage() const;
    void openEditor(int kind);
    void showAllLists();

    ConfigMessageBox m_message1;
    ConfigContext m_context;
    PageControl* m_pages;
    HomePage* m_home;
    AlarmPage* m_alarm;
    ShutdownPage* m_shutdown;
    LaunchPage* m_launch;
    CountdownPage* m_countdown;
    InfoPanels* m_info;
    PlanListMenu* m_menu;
    QLabel* m_status;
    QTimer* m_statusTimer;
};
