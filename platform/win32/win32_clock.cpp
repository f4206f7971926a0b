#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace zarvik3 {

TDateTime Win32Clock::Now() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    DateTimeParts parts;
    parts.year = local.wYear;
    parts.month = local.wMonth;
    parts.day = local.wDay;
    parts.hour = local.wHour;
    parts.minute = local.wMinute;
    parts.second = local.wSecond;
    parts.millisecond = local.wMilliseconds;
    return EncodeDateTime(parts);
}

}  // namespace zarvik3
