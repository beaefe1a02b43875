#pragma once

#include "plan_page.h"

#include <array>

class QComboBox;
class MusicTextGroup;
class QTimer;

// 倒计时: the countdown list with its monitor, and the countdown editor.
class CountdownPage : public PlanPage
{
    Q_OBJECT
public:
    explicit CountdownPage(ConfigContext& context, QWidget* parent = nullptr);

    void preset();
    // Also starts the monitor when a countdown is listed; it is never stopped.
    void setPlans(const QList<ListedPlan>& plans) override;

    QTimer* monitor() const { return m_monitor; }
    // One second of the monitor (DaoJiShiTimer).
    void tickMonitor();

private:
    void start();

    std::array<QComboBox*, 4> m_span{};
    MusicTextGroup* m_music;
    QTimer* m_monitor;
};
