// The heap of the GNU C library: what the program tells it after start-up.

#include <malloc.h>

#include "platform/platform.h"

void SysTrimHeap()
{
    malloc_trim(0);
}

void SysSetLargeBlockThreshold(int bytes)
{
    if (bytes > 0) {
        mallopt(M_MMAP_THRESHOLD, bytes);
    }
}
