#include "plan_lists.h"

#include "plan_table.h"
#include "time_texts.h"

using namespace PlanTexts;

std::optional<qint64> remainingSeconds(const PlanRecord& countdown, const QDateTime& now)
{
    const auto target = TimeTexts::parseMoment(countdown.date, countdown.time);
    if (!target)
        return std::nullopt;
    return now.secsTo(*target);
}

PlanLists loadPlanLists(PlanTable& table, const QDateTime& now)
{
    PlanLists lists;
    for (const PlanRecord& row : table.rows()) {
        if (row.kind == kReminder) {
            lists.alarms.append({row.id, {row.period, row.content, row.date, row.weekday, row.time, row.path}});
        } else if (row.kind == kShutdown) {
            lists.shutdowns.append({row.id, {row.period, row.content, row.date, row.weekday, row.time}});
        } else if (row.kind == kLaunch) {
            lists.launches.append({row.id, {row.period, row.content, row.date, row.weekday, row.time, row.path}});
        } else if (row.kind == kCountdown) {
            const auto target = TimeTexts::parseMoment(row.date, row.time);
            // The milliseconds of now count: a target of this very second is over once now
            // is past it, and a target exactly now is still listed with 0.
            if (target && now > *target) {
                table.remove(row.id);
                continue;
            }
            const auto remaining = target ? std::optional(now.secsTo(*target)) : std::nullopt;
            lists.countdowns.append(
                {row.id, {row.content, row.date, row.time,
                          remaining ? QString::number(*remaining) : kUnknownRemaining, row.path}});
        }
    }
    return lists;
}

QStringList counterTexts(const PlanLists& lists)
{
    return {
        QStringLiteral("共有%1个任务正在进行").arg(lists.total()),
        QStringLiteral("其中有%1个是闹钟任务").arg(lists.alarms.size()),
        QStringLiteral("%1个是定时关机任务").arg(lists.shutdowns.size()),
        QStringLiteral("%1个是定时打开任务").arg(lists.launches.size()),
        QStringLiteral("%1个是倒计时提醒任务").arg(lists.countdowns.size()),
    };
}

CountdownTick tickCountdowns(const QStringList& remaining)
{
    CountdownTick tick{remaining, false};
    for (QString& text : tick.remaining) {
        bool ok = false;
        const qint64 count = text.toLongLong(&ok);
        if (!ok)
            continue; // "?" never counts down
        text = QString::number(count - 1);
        if (count - 1 == -1) {
            tick.reloadNeeded = true;
            break;
        }
    }
    return tick;
}
