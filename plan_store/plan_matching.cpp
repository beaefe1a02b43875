#include "plan_matching.h"

#include "time_texts.h"

using namespace PlanTexts;

bool isDue(const PlanRecord& row, const QDateTime& moment, const WorkdayTest& isWorkday)
{
    const QDate today = moment.date();
    if (row.time != TimeTexts::timeText(moment.time()))
        return false;

    if (row.kind == kCountdown)
        return row.date == TimeTexts::dateText(today);

    if (row.period == kOnce)
        return row.date == TimeTexts::dateText(today);
    if (row.period == kWorkday)
        return isWorkday(TimeTexts::weekdayName(today));
    if (row.period == kDaily)
        return true;
    if (row.period == kWeekly)
        return TimeTexts::weekdayNameOf(row.weekday) == TimeTexts::weekdayName(today);
    if (row.period == kMonthly)
        return row.date == TimeTexts::dayOfMonthText(today);
    return false;
}
