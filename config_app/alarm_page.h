#pragma once

#include "plan_page.h"

class PeriodEditor;
class QLineEdit;
class QPlainTextEdit;

// 闹钟: the alarm list and the alarm editor.
class AlarmPage : public PlanPage
{
    Q_OBJECT
public:
    explicit AlarmPage(ConfigContext& context, QWidget* parent = nullptr);

    // Start-up presets from the clock and config.ini.
    void preset();

private:
    void browse();
    void listen();
    void save();

    PeriodEditor* m_period;
    QLineEdit* m_music;
    QPushButton* m_listen;
    QPlainTextEdit* m_text;
    QString m_folder;
};
