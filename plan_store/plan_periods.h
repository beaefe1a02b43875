#pragma once

#include <QString>

// The five periods of the plan editors and the modification dialog, in the order of their
// radio buttons.
enum class PlanPeriod { Once, Daily, Weekly, Workday, Monthly };

// The three period-dependent texts of a row.
struct PeriodFields
{
    QString period;  // 备注
    QString weekday; // 星期
    QString date;    // 日期
    bool operator==(const PeriodFields&) const = default;
};

// What the editors store for a period: the date text for one-off plans, the weekday text for
// weekly ones, the day-of-month text as typed for monthly ones, "无" for the unused fields.
PeriodFields periodFields(PlanPeriod period, const QString& dateText, const QString& weekdayText,
                          const QString& dayOfMonthText);

QString periodWord(PlanPeriod period);
// The period of a stored period word; Once for a word that is not one of the five.
PlanPeriod periodFromWord(const QString& word);

// Which step-two controls a period uses. The time is used by every period.
struct PeriodControls
{
    bool weekday;
    bool date;
    bool dayOfMonth;
};
PeriodControls periodControls(PlanPeriod period);

// Everything up to and including the last path separator; empty without one. It becomes the
// start folder of the next browse.
QString folderPart(const QString& path);
