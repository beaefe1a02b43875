#pragma once

#include "plan_page.h"

class PeriodEditor;
class QComboBox;

// 定时关机: the shutdown list and the shutdown editor.
class ShutdownPage : public PlanPage
{
    Q_OBJECT
public:
    explicit ShutdownPage(ConfigContext& context, QWidget* parent = nullptr);

    void preset();

private:
    void save();

    PeriodEditor* m_period;
    QComboBox* m_delay;
};
