// The clocks and the heap on Windows.

#include <malloc.h>
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

int SysSecondOfMinute()
{
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local != nullptr ? local->tm_sec : 0;
}

void SysTrimHeap()
{
    _heapmin();
}

// The system's heap already gives every large block its own pages, which go
// back when the block is freed: nothing to tell it.
void SysSetLargeBlockThreshold(int)
{
}
