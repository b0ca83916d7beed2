#pragma once
// The window procedure, the shared half (each shell's window_proc.h turns its
// window system's events into these calls): the pointer mapped to pixels and
// table units, a press picks, a release drops, and the size states keep the
// viewport and the frames going.

#include <cstdint>

extern uint8_t g_windowMaximized;  // 1 after a maximise, 0 after a minimise

// Pointer update for a position in pixels from the drawing area's top left.
// `hiddenRows` viewport rows lie hidden above the area (under the menu bar
// while the first viewport is taller than the area) and are added to y.
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
