#pragma once

#include "plan_page.h"

class PeriodEditor;
class QLineEdit;

// 定时打开: the launch list and the launch editor.
class LaunchPage : public PlanPage
{
    Q_OBJECT
public:
    explicit LaunchPage(ConfigContext& context, QWidget* parent = nullptr);

    void preset();

private:
    void browse();
    void tryOpen();
    void save();

    PeriodEditor* m_period;
    QLineEdit* m_path;
    QString m_folder;
};
