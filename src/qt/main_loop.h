#pragma once
// The loop of events and frames on Qt.

#include <cstdint>

// One turn of the loop: handles every waiting event, then makes one frame if
// the picture can change and the window can be seen, else waits for the next
// event, the core's timed change, or at most `longestWaitMs` when >= 0. 0
// once the end was asked for (the loop is over), else 1.
int RunLoopOnce(int32_t longestWaitMs = -1);
// Turns the loop for `ms` milliseconds of real time; a timer ends a rest
// at the end. For the review tools and benchmarks. 0 once the end was asked
// for, else 1.
int RunLoopFor(int ms);
// The core's re-presented frame on this window: for an expose of the GL area
// while a modal dialog holds the loop.
void RepresentQtFrame();
// Right after the window is made: waits briefly for it to be exposed and
// shows a cleared picture until the first frame.
void ShowClearedWindow();
