#include <windows.h>

#include <GL/gl.h>

#include <cstdio>

#include "support/gl_native.h"

// A window that is never shown gives the pixel format and the WGL context;
// the drawing goes to the framebuffer object of gl_context.cpp, so nothing
// depends on the window being on screen. opengl32 exports GL 1.1 only: the
// framebuffer calls come from the driver through wglGetProcAddress.
struct GlNativeContext {
    HWND window = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;
};

namespace {
constexpr const char* WINDOW_CLASS = "TarvikGlTest";
}  // namespace

GlNativeContext* CreateGlNativeContext()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = WINDOW_CLASS;
    RegisterClassA(&windowClass);
    GlNativeContext* native = new GlNativeContext();
    native->window = CreateWindowExA(0, WINDOW_CLASS, "GL test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                     0, 0, 64, 64, nullptr, nullptr, instance, nullptr);
    native->dc = native->window ? GetDC(native->window) : nullptr;
    if (!native->dc) {
        std::fprintf(stderr, "GlTestContext: no window (error %lu)\n", GetLastError());
        return nullptr;
    }
    PIXELFORMATDESCRIPTOR format = {};
    format.nSize = sizeof(format);
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 32;
    format.cAlphaBits = 8;
    format.cDepthBits = 24;
    format.iLayerType = PFD_MAIN_PLANE;
    const int chosen = ChoosePixelFormat(native->dc, &format);
    if (chosen == 0 || !SetPixelFormat(native->dc, chosen, &format)) {
        std::fprintf(stderr, "GlTestContext: no GL pixel format on this display\n");
        return nullptr;
    }
    // A context made by wglCreateContext is a compatibility one: immediate
    // mode, display lists and selection mode all work.
    native->context = wglCreateContext(native->dc);
    if (!native->context || !wglMakeCurrent(native->dc, native->context)) {
        std::fprintf(stderr, "GlTestContext: no GL context on this display\n");
        return nullptr;
    }
    return native;
}

int MakeGlNativeContextCurrent(GlNativeContext* native)
{
    if (wglGetCurrentContext() == native->context) {
        return 0;
    }
    wglMakeCurrent(native->dc, native->context);
    return 1;
}

void* GetGlProcAddress(const char* name)
{
    return reinterpret_cast<void*>(wglGetProcAddress(name));
}
