#pragma once
// The program's one window: a main window with the menu bar and, under it, the
// GL area with its own double-buffered context; its creation, the projection
// and the orderly end.

#include <cstdint>

class QApplication;
class QMainWindow;
class QOpenGLContext;
class QWindow;

struct Application {
    QApplication* qt = nullptr;         // made by RegisterWindowClass
    const char* className = "OpenGL";
    int argc = 0;
    char** argv = nullptr;
};

struct WindowSettings {
    Application* application = nullptr;
    const char* title = nullptr;
    int32_t width = 0;       // of the inside (menu bar and GL area), and the first viewport
    int32_t height = 0;
    int32_t colourBits = 0;
};

struct GLWindow {
    QMainWindow* window = nullptr;           // null when there is none
    QWindow* area = nullptr;                 // the GL surface under the menu bar
    QOpenGLContext* renderContext = nullptr;
    WindowSettings settings;
    bool visible = false;                    // false while minimised: no frames
    uint32_t lastTickCount = 0;              // SysTickCount at the last frame
    bool quitPosted = false;                 // TerminateApplication ran: the loop ends
    bool statsOwed = false;                  // loaded and not saved yet: the process end saves them
    uint64_t framesPresented = 0;            // pictures swapped to the screen: frames and re-presents
};

extern GLWindow g_glWindow;
extern uint8_t g_windowMaximized;  // 1 after a maximise, 0 after a minimise

// Makes sure a display can be reached and starts Qt with the program's icon.
// 1 on success; 0 after showing "RegisterClassEx Failed!".
int RegisterWindowClass(Application& application);
// Ends Qt again; the counterpart of RegisterWindowClass.
void UnregisterWindowClass(Application& application);
// Makes and shows the window with a current context, sets the first 640 x 480
// viewport, takes the tick count and loads the statistics. 0 leaves nothing.
int CreateWindowGL(GLWindow& window);
// Destroys the window if there is one (later, at the loop's next turn) and
// clears the handles; returns 1.
int DestroyWindowGL(GLWindow& window);
// Viewport and 45-degree projection for a viewport of w x h device pixels; a
// height of 0 keeps the previous projection. Needs the current context.
void ReshapeGL(int32_t width, int32_t height);
// Saves the statistics and asks the loop to end.
void TerminateApplication(GLWindow& window);
// Makes the window's context current on its GL area; 0 when there is none.
int MakeWindowCurrent(GLWindow& window);
