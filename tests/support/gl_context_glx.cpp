#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstdio>

#include "support/gl_native.h"

// Plain GLX with a 1 x 1 pbuffer, so the suites that draw need no toolkit;
// the drawing itself goes to the framebuffer object of gl_context.cpp.
struct GlNativeContext {
    Display* display = nullptr;
    GLXPbuffer pbuffer = 0;
    GLXContext context = nullptr;
};

GlNativeContext* CreateGlNativeContext()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "GlTestContext: no X display\n");
        return nullptr;
    }
    const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                              GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, GLX_ALPHA_SIZE, 8,
                              GLX_DEPTH_SIZE, 24, None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
    if (!configs || count == 0) {
        std::fprintf(stderr, "GlTestContext: no GL configuration on this display\n");
        return nullptr;
    }
    const int pbufferAttributes[] = {GLX_PBUFFER_WIDTH, 1, GLX_PBUFFER_HEIGHT, 1, None};
    GlNativeContext* native = new GlNativeContext();
    native->display = display;
    native->pbuffer = glXCreatePbuffer(display, configs[0], pbufferAttributes);
    // The default context is a compatibility one: immediate mode, display
    // lists and selection mode all work.
    native->context = glXCreateNewContext(display, configs[0], GLX_RGBA_TYPE, nullptr, True);
    XFree(configs);
    if (!native->pbuffer || !native->context ||
        !glXMakeContextCurrent(display, native->pbuffer, native->pbuffer, native->context)) {
        std::fprintf(stderr, "GlTestContext: no GL context on this display\n");
        return nullptr;
    }
    return native;
}

int MakeGlNativeContextCurrent(GlNativeContext* native)
{
    if (glXGetCurrentContext() == native->context) {
        return 0;
    }
    glXMakeContextCurrent(native->display, native->pbuffer, native->pbuffer, native->context);
    return 1;
}

void* GetGlProcAddress(const char* name)
{
    return reinterpret_cast<void*>(glXGetProcAddress(reinterpret_cast<const GLubyte*>(name)));
}
