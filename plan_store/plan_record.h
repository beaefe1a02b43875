#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// One row of the plan table. Every field but the key is stored and compared as text.
struct PlanRecord
{
    qint64 id = 0;    // ID
    QString kind;     // 类型
    QString weekday;  // 星期
    QString date;     // 日期
    QString time;     // 时间
    QString path;     // 路径
    QString content;  // 内容
    QString period;   // 备注

    bool operator==(const PlanRecord&) const = default;
};

enum class PlanKind { Reminder, Launch, Shutdown, Countdown };

namespace PlanTexts {
inline const QString kReminder = QStringLiteral("提醒");
inline const QString kShutdown = QStringLiteral("关机");
inline const QString kLaunch = QStringLiteral("程序");
inline const QString kCountdown = QStringLiteral("倒计时");

inline const QString kOnce = QStringLiteral("一次");
inline const QString kDaily = QStringLiteral("每天");
inline const QString kWeekly = QStringLiteral("每周");
inline const QString kWorkday = QStringLiteral("工作日");
inline const QString kMonthly = QStringLiteral("每月");

// Marks a field that the row's kind and period do not use; also the period of countdowns.
inline const QString kNone = QStringLiteral("无");
} // namespace PlanTexts

inline constexpr PlanKind kAllPlanKinds[] = {PlanKind::Reminder, PlanKind::Launch,
                                             PlanKind::Shutdown, PlanKind::Countdown};

QString planKindText(PlanKind kind);
std::optional<PlanKind> planKindFromText(const QString& text);

// Rows that are deleted once they have fired: one-off plans and every countdown.
bool isOneOff(const PlanRecord& record);
