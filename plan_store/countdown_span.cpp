#include "countdown_span.h"

#include <limits>
#include <optional>

namespace CountdownSpan {

namespace {

std::optional<qint32> toInt32(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

} // namespace

Result compute(const QString& days, const QString& hours, const QString& minutes, const QString& seconds)
{
    const QString texts[] = {days, hours, minutes, seconds};
    constexpr qint64 factors[] = {86400, 3600, 60, 1};
    qint64 span = 0;
    for (int i = 0; i < 4; ++i) {
        const auto value = toInt32(texts[i]);
        if (!value)
            return NotANumber{texts[i]};
        span += *value * factors[i];
    }
    if (span < std::numeric_limits<qint32>::min() || span > std::numeric_limits<qint32>::max())
        return OutOfRange{};
    return Seconds{span};
}

QDateTime target(const QDateTime& now, qint64 spanSeconds)
{
    return now.addSecs(spanSeconds);
}

} // namespace CountdownSpan
