// The clocks in the browser.

#include <emscripten.h>

#include <ctime>

#include "platform/platform.h"

EM_JS(int, PageMillisecondOfMinute, (), {
    const now = new Date();
    return now.getSeconds() * 1000 + now.getMilliseconds();
});

// The page's monotonic clock (performance.now), which a change of the wall
// clock does not move.
uint32_t SysTickCount()
{
    return static_cast<uint32_t>(static_cast<uint64_t>(emscripten_get_now()));
}

int64_t SysTimeSeconds()
{
    return static_cast<int64_t>(std::time(nullptr));
}

// Both from the one local clock of the page, so the whole seconds agree.
int SysSecondOfMinute()
{
    return PageMillisecondOfMinute() / 1000;
}

int32_t SysMillisecondOfMinute()
{
    return PageMillisecondOfMinute();
}
