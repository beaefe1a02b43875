#pragma once

#include "plan_record.h"

#include <QDateTime>

#include <functional>

// Whether a work-day plan counts on the day with that weekday name (星期一 … 星期日).
using WorkdayTest = std::function<bool(const QString& weekdayName)>;

// Whether the row is due in the second of moment: its stored texts equal, to the character,
// the texts made from that moment. The work-day test is asked only when the time matches.
bool isDue(const PlanRecord& row, const QDateTime& moment, const WorkdayTest& isWorkday);
