#pragma once
// The start and the end of the program on Qt: the steps the shared order
// (app/application.h) takes here, for the program and for the suites that
// drive its window.

#include "app/application.h"

struct Application;

// Starts Qt, loads the cursors, creates the window and its graphics. On a
// failure the messages are shown and the loop is not to run.
StartResult StartApplication(Application& application);
// Destroys the window if it still exists and ends Qt.
void FinishApplication(Application& application);
// The whole program, in its working folder: start, loop, end. Returns the
// process exit code: 0 after a normal end or a failed window, -1 when Qt
// could not start.
int RunApplication(int argc, char** argv);
