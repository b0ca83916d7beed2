#pragma once
// The program's one window, the shared half (each shell's gl_window.h holds
// the window system's half: the handles, the class, the context). Here: the
// creation settings, whether frames are made, the tick count of the last
// frame, the projection, and the rule that the statistics loaded at the
// window's creation are saved exactly once.

#include <cstdint>

struct WindowSettings {
    const char* title = nullptr;
    int32_t width = 0;       // of the first viewport, in pixels
    int32_t height = 0;
    int32_t colourBits = 0;
};

// The main window's: "Tarvik Solitaire", a first viewport of 640 x 480, 16-bit colour.
constexpr WindowSettings MAIN_WINDOW_SETTINGS = {"Tarvik Solitaire", 640, 480, 16};

struct GLWindow {
    WindowSettings settings;
    bool visible = false;         // false while minimised: no frames
    uint32_t lastTickCount = 0;   // SysTickCount at the last frame
    bool quitPosted = false;      // TerminateApplication ran: the loop ends
    bool statsOwed = false;       // loaded and not saved yet
    uint64_t framesPresented = 0; // pictures shown: frames and re-presented frames
};

extern GLWindow g_glWindow;

// The steps after the shell has made the window and made its context
// current: "Alternate Backgrounds" on, the menu items greyed at the start
// ("&Redeal" and "&Main Menu", as the menu table says) greyed, the
// window visible, the first viewport (w x h device pixels for the settings'
// size), the tick count taken and the statistics loaded (owed from now on).
void WindowCreated(GLWindow& window, int32_t viewportWidth, int32_t viewportHeight);
// Viewport and 45-degree projection for a viewport of w x h pixels; a height
// of 0 keeps the previous projection. Needs the current context.
void ReshapeGL(int32_t width, int32_t height);
// Saves the statistics and asks the loop to end; a second call before the
// loop has ended saves nothing more.
void TerminateApplication(GLWindow& window);
// For an end the loop never sees (the process ending under the program):
// saves the statistics if they were loaded and nothing has saved them yet.
void SaveStatsIfOwed(GLWindow& window);
