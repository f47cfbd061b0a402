#include <windows.h>

#include "text/clock.h"

namespace fx {

LocalTime SystemClock::now() const {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    LocalTime time;
    time.year = local.wYear;
    time.month = local.wMonth;
    time.day = local.wDay;
    time.hour = local.wHour;
    time.minute = local.wMinute;
    time.second = local.wSecond;
    return time;
}

}  // namespace fx
