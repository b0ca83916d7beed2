#pragma once
// The program's one window, the Win32 half (the shared half is
// app/gl_window.h: settings, frames, the projection, the statistics owed):
// the window class "OpenGL", the window with its pixel format and GL
// rendering context, and its end.

#include <windows.h>

#include "app/gl_window.h"

struct Application {
    HINSTANCE instance = nullptr;
    const char* className = "OpenGL";
};

// The window system's handles of the main window; all null when there is none.
struct Win32Window {
    HWND window = nullptr;
    HDC deviceContext = nullptr;
    HGLRC renderContext = nullptr;
};

extern Win32Window g_win32Window;

// Registers the class "OpenGL" (style 0x2B, icon 138, the arrow from
// "harrow.cur", menu 109). 1 on success, else 0.
int RegisterWindowClass(const Application& application);
void UnregisterWindowClass(const Application& application);
// Makes and shows the window with a current context, then the core's steps
// after creation (first 640 x 480 viewport, tick count, statistics loaded).
// 0 leaves nothing behind and shows nothing.
int CreateWindowGL(GLWindow& window, const Application& application);
// Deletes the context and destroys the window if there is one; returns 1.
int DestroyWindowGL(GLWindow& window);
// Makes the window's context current; 0 when there is none.
int MakeWindowCurrent();
