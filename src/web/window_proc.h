#pragma once
// The page's events, as the desktop's window procedure takes them: the
// page's script calls these (exported to it by name), positions in device
// pixels from the canvas's top left.

#include <cstdint>

// The window class's pointer, the arrow of "harrow.cur", as the desktop
// shows it whenever the pointer moves and no cards are held.
void ShowClassCursor();

extern "C" {
// The pointer moved over the page (also outside the canvas while the button is down).
void WebPointerMoved(int32_t x, int32_t y);
// The left button went down on the canvas; `secondOfDouble` is 1 for the
// second press of a double click, which is not a press, as on the desktop.
void WebPointerPressed(int32_t x, int32_t y, int32_t secondOfDouble);
// The left button came up anywhere on the page.
void WebPointerReleased(int32_t x, int32_t y);
// The canvas was given a new size in device pixels.
void WebResized(int32_t width, int32_t height);
// The page was shown (1) or hidden (0): hidden, nothing runs, and the
// statistics are kept, since a browser may end a hidden page unasked.
void WebVisibilityChanged(int32_t shown);
// The page is going (closed, reloaded, left): the statistics are kept.
void WebPageHidden();
}
