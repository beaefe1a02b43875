#pragma once

#include <QWidget>

class QLabel;

// 首页: the welcome, the four shortcuts to a new plan and today's date.
class HomePage : public QWidget
{
    Q_OBJECT
public:
    explicit HomePage(QWidget* parent = nullptr);
    void setToday(const QString& text);

signals:
    // 0 alarm, 1 shutdown, 2 launch, 3 countdown.
    void newPlanRequested(int kind);

private:
    QLabel* m_today;
};
