#pragma once

#include <QDateTime>
#include <QString>

#include <variant>

// The span of a countdown from the texts of its four boxes: days, hours, minutes, seconds.
namespace CountdownSpan {

struct Seconds
{
    qint64 value;
};
// A box text that is not a whole number in the range of a signed 32-bit integer.
struct NotANumber
{
    QString text;
};
// The whole span does not fit a signed 32-bit number of seconds (about 68 years).
struct OutOfRange
{
};

using Result = std::variant<Seconds, NotANumber, OutOfRange>;

Result compute(const QString& days, const QString& hours, const QString& minutes, const QString& seconds);

// The stored moment of a countdown started at now: whole seconds, as the table keeps them.
QDateTime target(const QDateTime& now, qint64 spanSeconds);

} // namespace CountdownSpan
