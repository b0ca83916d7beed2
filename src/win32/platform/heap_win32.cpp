// The heap on Windows: what the program tells it after start-up.

#include <malloc.h>

#include "platform/platform.h"

void SysTrimHeap()
{
    _heapmin();
}

// The system's heap already gives every large block its own pages, which go
// back when the block is freed: nothing to tell it.
void SysSetLargeBlockThreshold(int)
{
}
