#pragma once
// The window procedure, the Qt half (the rules are the shared half,
// app/window_proc.h): hands the window's events to them: pointer moves, a
// left press, a left release, size and state changes; the close box ends the
// program in order.

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

// The arrow is the window's own pointer: it shows on every move over the
// window unless cards are held, when each frame asks for the move cursor.
void ShowClassCursor();
// Runs a press that waited to see whether it was the second press of a double
// click (that one is no press); called before anything else is handled.
void FlushPendingPress();
