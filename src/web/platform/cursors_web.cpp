// The program's pointer cursors as CSS cursors of the canvas: the browser
// reads the .cur file itself; the page checked its header when it fetched it.

#include <emscripten.h>

#include "platform/platform.h"

EM_JS(int, PageLoadCursor, (const char* path), { return tarvikPage.cursors.load(UTF8ToString(path)); });
EM_JS(void, PageSetCursor, (int handle), { tarvikPage.cursors.show(handle); });

SysCursor SysLoadCursorFile(const char* path)
{
    return path != nullptr ? PageLoadCursor(path) : 0;
}

void SysSetCursor(SysCursor cursor)
{
    PageSetCursor(static_cast<int>(cursor));
}
