#include <chrono>
#include <ctime>

#include "platform/platform.h"
#include "qt/platform/qt_platform.h"

namespace {

bool g_clockOverride = false;
uint32_t g_overrideTick = 0;
int64_t g_overrideTime = 0;

}  // namespace

void QtPlatformSetClockOverride(bool on)
{
    g_clockOverride = on;
}

void QtPlatformSetTick(uint32_t ms)
{
    g_overrideTick = ms;
}

void QtPlatformSetTime(int64_t seconds)
{
    g_overrideTime = seconds;
}

uint32_t SysTickCount()
{
    if (g_clockOverride) {
        return g_overrideTick;
    }
    // The monotonic clock, so a change of the wall clock never makes a frame
    // jump; cut to 32 bits it wraps like the counter the loop expects.
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

int64_t SysTimeSeconds()
{
    if (g_clockOverride) {
        return g_overrideTime;
    }
    return static_cast<int64_t>(std::time(nullptr));
}

int32_t SysMillisecondOfMinute()
{
    if (g_clockOverride) {
        return SysSecondOfMinute() * 1000;
    }
    const auto now = std::chrono::system_clock::now();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return 0;
    }
    return static_cast<int32_t>(local.tm_sec * 1000 + ms);
}

int SysSecondOfMinute()
{
    if (g_clockOverride) {
        const int64_t second = g_overrideTime % 60;
        return static_cast<int>(second < 0 ? second + 60 : second);
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return 0;
    }
    return local.tm_sec;
}
