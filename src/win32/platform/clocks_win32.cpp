// The clocks on Windows.

#include <windows.h>

#include <ctime>

#include "platform/platform.h"

uint32_t SysTickCount()
{
    return GetTickCount();
}

int64_t SysTimeSeconds()
{
    return static_cast<int64_t>(std::time(nullptr));
}

// Both from the same local clock, so the whole seconds of the one are the other.
int SysSecondOfMinute()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wSecond;
}

int32_t SysMillisecondOfMinute()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return static_cast<int32_t>(now.wSecond) * 1000 + now.wMilliseconds;
}
