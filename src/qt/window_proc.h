#pragma once
// The window procedure: turns the window's events into the program's inputs.
// Pointer moves become g_pointerX/Y and g_pointerWorldX/Y, a left press a pick,
// a left release a drop; size and state changes keep the viewport and
// g_glWindow.visible up to date; the close box ends the program in order.

#include <cstdint>

class QMainWindow;
class QWindow;

// The top-level window, handling its close box and minimise/maximise/restore.
QMainWindow* NewMainFrame();
// The GL area: receives the pointer and follows its own size.
QWindow* NewGlArea();
// Takes the GL area's present size as already seen: the first viewport, set
// from the settings, stays until the area really changes size.
void AcceptAreaSize(QWindow* area);

// Pointer update for a position in device pixels from the GL area's top left:
// the viewport may reach above the area (the first viewport is taller than the
// area), so the rows hidden there are added to y before mapping to table units.
void UpdatePointer(int32_t areaX, int32_t areaY, int32_t areaHeight);
// The arrow is the window's own pointer: it shows on every move over the
// window unless cards are held, when each frame asks for the move cursor.
void ShowClassCursor();
// Runs a press that waited to see whether it was the second press of a double
// click (that one is no press); called before anything else is handled.
void FlushPendingPress();
