#pragma once
// Start-up, the loop of events and frames, and the end.

#include <cstdint>

struct Application;

// What StartApplication left: the loop is to run, or the program ends now
// with the given exit code.
struct StartResult {
    bool runLoop = false;
    int exitCode = 0;
};

// Starts Qt, loads the cursors, creates the window and its graphics. On a
// failure the messages are shown and the loop is not to run.
StartResult StartApplication(Application& application);
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
// Destroys the window if it still exists and ends Qt.
void FinishApplication(Application& application);
// The whole program: start, loop, end. Returns the process exit code: 0
// after a normal end or a failed window, -1 when Qt could not start.
int RunApplication(int argc, char** argv);
