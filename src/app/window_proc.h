#pragma once
// The window procedure, the shared half (each shell's window_proc.h turns its
// window system's events into these calls): the pointer mapped to pixels and
// table units, a press picks, a release drops, and the size states keep the
// viewport and the frames going.

#include <cstdint>

extern uint8_t g_windowMaximized;  // 1 after a maximise, 0 after a minimise

// Viewport rows hidden above a drawing area `areaHeight` device pixels tall.
// The viewport is anchored at the area's lower left, so these are the rows it
// is taller than the area by (the first viewport, under the menu bar); 0 when
// it is the area's size.
int32_t RowsHiddenAbove(int32_t areaHeight);
// Pointer update for a position in device pixels from the drawing area's top
// left; `hiddenRows` (RowsHiddenAbove) are added to y.
void UpdatePointer(int32_t x, int32_t y, int32_t hiddenRows);
// A left-button press: a pick at the pointer. Needs the current context.
void PointerPressed();
// A left-button release, in every screen mode: the held cards are dropped.
void PointerReleased();
// The window was minimised: no frames, the menu's extra depth gone.
void WindowMinimised();
// Maximised, or restored: frames again (the menu's extra depth is gone after
// a maximise). The shell then sets the viewport to the new size (ReshapeGL).
void WindowMaximised();
void WindowRestored();
