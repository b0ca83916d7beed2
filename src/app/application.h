#pragma once
// The start and the end of the program, the shared half: the order of the
// steps and the texts shown when one fails. Each shell's application.cpp
// (qt/, win32/) gives the steps as its window system takes them.

struct ApplicationSteps {
    // Before anything else: the working folder first. 0 ends the program at once with 0.
    int (*prepare)();
    // The window system's own start (its library, its controls): 1, or 0 when it cannot start.
    int (*startWindowSystem)();
    // 1 when this copy may go on; 0 when another copy runs in the working folder.
    int (*claimWorkingFolder)();
    int (*registerWindowClass)();              // 1, or 0 when the class was not registered
    void (*watchEndRequests)();                // null when the window itself hears them
    // 1 with the window shown, its context current and the statistics loaded; 0 leaves nothing.
    int (*createWindowGL)();
    void (*windowShown)();                     // null: nothing to do before the graphics
    void (*runLoop)();                         // returns once the end was asked for
    void (*destroyWindowGL)();
    void (*unregisterWindowClass)();           // null when the window system has no class
    void (*stopWindowSystem)();
    void (*milestone)(const char* what);       // null: nobody follows the run
    void (*cleanUp)();                         // null: nothing left to tidy after the end
};

// What StartProgram left: the loop is to run, or the program ends now with the
// given exit code (-1: the window class could not be registered).
struct StartResult {
    bool runLoop = false;
    int exitCode = 0;
};

// From the window system's start to the graphics: the window class, one copy
// per folder, the cursors, the window, the textures. A failure shows its
// messages and leaves the loop not to run.
StartResult StartProgram(const ApplicationSteps& steps);
// The window destroyed, the class unregistered, the window system stopped.
void EndProgram(const ApplicationSteps& steps);
// The whole program: prepare, start, loop, end. Returns the process exit code.
int RunProgram(const ApplicationSteps& steps);
