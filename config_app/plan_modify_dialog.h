#pragma once

#include "plan_periods.h"

#include <QDialog>

#include <array>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QTreeWidgetItem;
struct ConfigContext;

// 查看修改计划: changes the period, date, weekday, day of month, time and the kind's own
// value of one alarm, shutdown or launch plan. It reads the list item's texts and writes
// back both the item and the table row.
class PlanModifyDialog : public QDialog
{
    Q_OBJECT
public:
    // kindWord: 闹铃, 定时关机 or 定时打开. Throws when the item's time (or a one-off plan's
    // date) cannot be read; then the dialog is not shown.
    PlanModifyDialog(ConfigContext& context, const QString& kindWord, QTreeWidgetItem& item,
                     QWidget* parent = nullptr);

private:
    void fill();
    void setPeriodControls(PlanPeriod period);
    void onPeriodClicked(PlanPeriod period);
    void browse();
    void save();
    PlanPeriod period() const;

    ConfigContext& m_context;
    QTreeWidgetItem& m_item;
    QLabel* m_kind;
    std::array<QRadioButton*, 5> m_radios{};
    QDateEdit* m_date;
    QComboBox* m_weekday;
    QComboBox* m_dayOfMonth;
    QTimeEdit* m_time;
    QLabel* m_pathLabel;
    QLineEdit* m_path;
    QPushButton* m_browse;
    QComboBox* m_delay;
    QLabel* m_textLabel;
    QLineEdit* m_text;
};
