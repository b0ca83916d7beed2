#include "platform/common/cursors.h"

SysCursor g_arrowCursor = 0;
SysCursor g_moveCursor = 0;

void LoadPointerCursors()
{
    g_arrowCursor = SysLoadCursorFile("harrow.cur");
    g_moveCursor = SysLoadCursorFile("hnwse.cur");
}

int32_t SetPointerCursor(int32_t kind)
{
    // A missing file leaves a null handle, and setting it blanks the pointer:
    // the player sees that the file is missing rather than a wrong shape.
    if (kind == 0) {
        SysSetCursor(g_arrowCursor);
    } else if (kind == 1) {
        SysSetCursor(g_moveCursor);
    }
    return 1;
}
