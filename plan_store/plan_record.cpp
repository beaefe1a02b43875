#include "plan_record.h"

QString planKindText(PlanKind kind)
{
    switch (kind) {
    case PlanKind::Reminder:
        return PlanTexts::kReminder;
    case PlanKind::Launch:
        return PlanTexts::kLaunch;
    case PlanKind::Shutdown:
        return PlanTexts::kShutdown;
    case PlanKind::Countdown:
        return PlanTexts::kCountdown;
    }
    return {};
}

std::optional<PlanKind> planKindFromText(const QString& text)
{
    for (PlanKind kind : kAllPlanKinds) {
        if (planKindText(kind) == text)
            return kind;
    }
    return std::nullopt;
}

bool isOneOff(const PlanRecord& record)
{
    return record.kind == PlanTexts::kCountdown || record.period == PlanTexts::kOnce;
}
