#pragma once

#include "plan_periods.h"

#include <QDateTime>
#include <QWidget>

#include <array>

class QComboBox;
class QDateEdit;
class QRadioButton;
class QTimeEdit;

// Steps one and two of the alarm, shutdown and launch editors: the period, and the time with
// the weekday, date or day of month the period needs.
class PeriodEditor : public QWidget
{
    Q_OBJECT
public:
    struct Names
    {
        std::array<QString, 5> radios; // 仅一次, 每天, 每周, 工作日, 每月
        QString timePicker;
        QString weekdayBox;
        QString datePicker;
        QString dayOfMonthBox;
    };

    explicit PeriodEditor(const Names& names, QWidget* parent = nullptr);

    // The start-up presets: now plus five seconds as time of day, today as date, weekday and
    // day of month.
    void preset(const QDateTime& now);

    PlanPeriod period() const;
    PeriodFields fields() const;
    QString timeText() const;

private:
    void onPeriodClicked(PlanPeriod period);

    std::array<QRadioButton*, 5> m_radios{};
    QTimeEdit* m_time;
    QComboBox* m_weekday;
    QDateEdit* m_date;
    QComboBox* m_dayOfMonth;
};

// The period hints shared by the editors and the modification dialog.
const std::array<QString, 5>& periodHints();
const std::array<QString, 5>& periodCaptions();
QStringList dayOfMonthItems();
