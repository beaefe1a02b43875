#include "uptime.h"

#include <ctime>

qint64 uptimeSeconds()
{
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return 0;
    return qint64(now.tv_sec);
}
