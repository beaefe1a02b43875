#pragma once

#include <QDateTime>

// The one source of the current moment. Logic takes a Clock so tests can run any date and time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
