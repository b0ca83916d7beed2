#pragma once
// A GL test fixture: one current compatibility-profile context (GLX, or WGL
// on Windows; depth 24, alpha 8) drawing into an offscreen framebuffer object
// of a chosen size. Pixels read back with glReadPixels; glRenderMode(GL_SELECT),
// display lists and immediate mode all work (Mesa llvmpipe under Xvfb, also
// through Wine). Needs an X display.

#include <cstdint>
#include <vector>

struct GlPixel {
    uint8_t r = 0, g = 0, b = 0, a = 0;
};

class GlTestContext {
public:
    // The shared context, made current, its target resized to width x height
    // and the viewport set to the whole target. Check Valid() before drawing.
    static GlTestContext& Get(int width = 640, int height = 480);

    bool Valid() const { return m_valid; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Makes the context current and binds the offscreen target for drawing and reading.
    void MakeCurrent();
    // New colour and depth buffers of this size (contents undefined); sets the viewport.
    void Resize(int width, int height);
    // Colour at pixel (x, y), origin at the lower left as in GL.
    GlPixel ReadPixel(int x, int y);
    // The whole target, RGBA, bottom row first; empty without a context.
    std::vector<uint8_t> ReadAll();

private:
    GlTestContext();
    void Create(int width, int height);
    void DeleteBuffers();

    struct Impl;
    Impl* m_impl = nullptr;
    bool m_valid = false;
    int m_width = 0;
    int m_height = 0;
};
