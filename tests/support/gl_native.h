#pragma once
// The window system's half of the GL test fixture, one file per system
// (gl_context_glx.cpp, gl_context_win32.cpp): a context with no visible
// window, and the driver's entry points beyond GL 1.1.

struct GlNativeContext;

// A compatibility-profile context (RGBA 8 bits, depth 24), made current; null
// with a message on stderr when the system has none (no display, no format).
GlNativeContext* CreateGlNativeContext();
// Makes `context` current; 1 when it was not current before, 0 when it was.
int MakeGlNativeContextCurrent(GlNativeContext* context);
// The driver's entry point `name`, or null.
void* GetGlProcAddress(const char* name);
