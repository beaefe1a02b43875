#pragma once

#include "plan_record.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

#include <optional>

class PlanTable;

// One line of a plan list: the texts of its columns, first column first, and its row's ID.
struct ListedPlan
{
    qint64 id = 0;
    QStringList columns;
    bool operator==(const ListedPlan&) const = default;
};

// What the configuration program lists, one list per plan kind, in table order.
struct PlanLists
{
    QList<ListedPlan> alarms;
    QList<ListedPlan> shutdowns;
    QList<ListedPlan> launches;
    QList<ListedPlan> countdowns;

    int total() const
    {
        return int(alarms.size() + shutdowns.size() + launches.size() + countdowns.size());
    }
};

// Shown for a countdown whose stored date or time cannot be read.
inline const QString kUnknownRemaining = QStringLiteral("?");

// Reads every row and sorts it into its kind's list. Countdowns whose moment has passed are
// deleted from the table on the way; a countdown that cannot be read is listed and kept.
// Rows of any other kind are neither listed nor touched.
PlanLists loadPlanLists(PlanTable& table, const QDateTime& now);

// The whole seconds from now to the countdown's moment, or nothing when the stored texts
// cannot be read.
std::optional<qint64> remainingSeconds(const PlanRecord& countdown, const QDateTime& now);

// The five counter texts, Label7 to Label11.
QStringList counterTexts(const PlanLists& lists);

// One second of the countdown monitor over the remaining-seconds texts of the list, first
// to last. Readable counts go down by one; the tick stops at the first that reaches -1,
// which means the lists must be loaded again.
struct CountdownTick
{
    QStringList remaining;
    bool reloadNeeded = false;
};
CountdownTick tickCountdowns(const QStringList& remaining);
