#pragma once

#include "plan_page.h"

class PeriodEditor;
class MusicTextGroup;

// 闹钟: the alarm list and the alarm editor.
class AlarmPage : public PlanPage
{
    Q_OBJECT
public:
    explicit AlarmPage(ConfigContext& context, QWidget* parent = nullptr);

    // Start-up presets from the clock and config.ini.
    void preset();

private:
    void save();

    PeriodEditor* m_period;
    MusicTextGroup* m_music;
};
