#pragma once

#include "plan_page.h"

#include <array>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
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
    void browse();
    void listen();
    void start();

    std::array<QComboBox*, 4> m_span{};
    QLineEdit* m_music;
    QPushButton* m_listen;
    QPlainTextEdit* m_text;
    QTimer* m_monitor;
    QString m_folder;
};
