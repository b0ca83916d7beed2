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
    UINT dpi = 96;  // of the monitor the window is on: 96 at 100 % scaling
};

extern Win32Window g_win32Window;

// Registers the class "OpenGL" (style 0x2B, icon 138, the arrow from
// "harrow.cur", menu 109). 1 on success, else 0.
int RegisterWindowClass(const Application& application);
void UnregisterWindowClass(const Application& application);
// Makes and shows the window with a current context, then the core's steps
// after creation (tick count, statistics loaded). The window has its size at
// 100 % scaled by its monitor's DPI: a client area with the menu bar of the
// settings' 640 x 480 times DPI / 96, and a first viewport of that size.
// 0 leaves nothing behind and shows nothing.
int CreateWindowGL(GLWindow& window, const Application& application);
// The window was moved to a monitor of `dpi` (the system's suggestion in
// `suggested`): resized by the same rule, its client area with the menu bar
// scaled by the new DPI over the old one.
void FollowDpiChange(UINT dpi, const RECT& suggested);
// Deletes the context and destroys the window if there is one; returns 1.
int DestroyWindowGL(GLWindow& window);
// Makes the window's context current; 0 when there is none.
int MakeWindowCurrent();
