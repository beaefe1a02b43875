#include "plan_periods.h"

#include "plan_record.h"

using namespace PlanTexts;

QString periodWord(PlanPeriod period)
{
    switch (period) {
    case PlanPeriod::Once:
        return kOnce;
    case PlanPeriod::Daily:
        return kDaily;
    case PlanPeriod::Weekly:
        return kWeekly;
    case PlanPeriod::Workday:
        return kWorkday;
    case PlanPeriod::Monthly:
        return kMonthly;
    }
    return kOnce;
}

PlanPeriod periodFromWord(const QString& word)
{
    for (PlanPeriod period : {PlanPeriod::Daily, PlanPeriod::Weekly, PlanPeriod::Workday, PlanPeriod::Monthly}) {
        if (periodWord(period) == word)
            return period;
    }
    return PlanPeriod::Once;
}

PeriodFields periodFields(PlanPeriod period, const QString& dateText, const QString& weekdayText,
                          const QString& dayOfMonthText)
{
    PeriodFields fields{periodWord(period), kNone, kNone};
    if (period == PlanPeriod::Once)
        fields.date = dateText;
    else if (period == PlanPeriod::Weekly)
        fields.weekday = weekdayText;
    else if (period == PlanPeriod::Monthly)
        fields.date = dayOfMonthText;
    return fields;
}

PeriodControls periodControls(PlanPeriod period)
{
    return {period == PlanPeriod::Weekly, period == PlanPeriod::Once, period == PlanPeriod::Monthly};
}

QString folderPart(const QString& path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}
