#pragma once
// The program's one window, the Qt half (the shared half is app/gl_window.h:
// settings, frames, the projection, the statistics owed): a main window with
// the menu bar and, under it, the GL area with its own double-buffered
// context; its creation and its end.

#include <cstdint>

#include "app/gl_window.h"

class QApplication;
class QMainWindow;
class QOpenGLContext;
class QWindow;

struct Application {
    QApplication* qt = nullptr;         // made by StartWindowSystem
    const char* className = "OpenGL";
    int argc = 0;
    char** argv = nullptr;
};

// The window system's handles of the main window; all null when there is none.
struct QtWindow {
    QMainWindow* window = nullptr;
    QWindow* area = nullptr;                 // the GL surface under the menu bar
    QOpenGLContext* renderContext = nullptr;
};

extern QtWindow g_qtWindow;

// Makes sure a display can be reached and starts Qt. 1 on success, 0 when
// no display can be reached.
int StartWindowSystem(Application& application);
// The program's name and icon for its windows (Qt has no window class). Returns 1.
int RegisterWindowClass(Application& application);
// Ends Qt again; the counterpart of StartWindowSystem.
void StopWindowSystem(Application& application);
// Makes and shows the window with a current context, then the core's steps
// after creation (first 640 x 480 viewport, tick count, statistics loaded).
// 0 leaves nothing.
int CreateWindowGL(GLWindow& window);
// Destroys the window if there is one (later, at the loop's next turn) and
// clears the handles; returns 1.
int DestroyWindowGL(GLWindow& window);
// Makes the window's context current on its GL area; 0 when there is none.
int MakeWindowCurrent(GLWindow& window);
