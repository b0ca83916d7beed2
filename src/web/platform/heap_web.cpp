// The heap of a page only grows: nothing goes back to the browser, and the
// C library has no threshold to set.

#include "platform/platform.h"

void SysTrimHeap()
{
}

void SysSetLargeBlockThreshold(int)
{
}
