#include "support/gl_context.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdio>

#include "support/gl_native.h"

// Why a framebuffer object rather than a shown window: its contents never
// depend on the window being exposed or mapped, so reads are the same on
// every run; selection mode does not touch the target at all. The context
// itself comes from the window system's half (gl_native.h).
struct GlTestContext::Impl {
    GlNativeContext* native = nullptr;
    GLuint framebuffer = 0;
    GLuint colour = 0;
    GLuint depth = 0;
    // The framebuffer calls come from the driver (GL 3.0), not from GL 1.1.
    PFNGLGENFRAMEBUFFERSPROC glGenFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC glDeleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC glBindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC glFramebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC glCheckFramebufferStatus = nullptr;
    PFNGLGENRENDERBUFFERSPROC glGenRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC glDeleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC glBindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC glRenderbufferStorage = nullptr;
};

namespace {
template <typename Function>
bool Resolve(Function* function, const char* name)
{
    *function = reinterpret_cast<Function>(GetGlProcAddress(name));
    return *function != nullptr;
}
}  // namespace

GlTestContext& GlTestContext::Get(int width, int height)
{
    // Never destroyed: the driver keeps its own state until the process ends.
    static GlTestContext* shared = new GlTestContext();
    if (!shared->m_impl) {
        shared->Create(width, height);
    } else if (shared->m_valid) {
        shared->MakeCurrent();
        if (width != shared->m_width || height != shared->m_height) {
            shared->Resize(width, height);
        } else {
            glViewport(0, 0, width, height);
        }
    }
    return *shared;
}

GlTestContext::GlTestContext() = default;

void GlTestContext::Create(int width, int height)
{
    m_impl = new Impl();
    Impl& g = *m_impl;
    g.native = CreateGlNativeContext();
    if (!g.native) {
        return;
    }
    if (!Resolve(&g.glGenFramebuffers, "glGenFramebuffers") ||
        !Resolve(&g.glDeleteFramebuffers, "glDeleteFramebuffers") ||
        !Resolve(&g.glBindFramebuffer, "glBindFramebuffer") ||
        !Resolve(&g.glFramebufferRenderbuffer, "glFramebufferRenderbuffer") ||
        !Resolve(&g.glCheckFramebufferStatus, "glCheckFramebufferStatus") ||
        !Resolve(&g.glGenRenderbuffers, "glGenRenderbuffers") ||
        !Resolve(&g.glDeleteRenderbuffers, "glDeleteRenderbuffers") ||
        !Resolve(&g.glBindRenderbuffer, "glBindRenderbuffer") ||
        !Resolve(&g.glRenderbufferStorage, "glRenderbufferStorage")) {
        std::fprintf(stderr, "GlTestContext: no framebuffer objects\n");
        return;
    }
    m_valid = true;
    Resize(width, height);
}

void GlTestContext::MakeCurrent()
{
    if (!m_valid) {
        return;
    }
    if (MakeGlNativeContextCurrent(m_impl->native)) {
        glViewport(0, 0, m_width, m_height);
    }
    m_impl->glBindFramebuffer(GL_FRAMEBUFFER, m_impl->framebuffer);
}

void GlTestContext::DeleteBuffers()
{
    Impl& g = *m_impl;
    g.glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (g.framebuffer) {
        g.glDeleteFramebuffers(1, &g.framebuffer);
        g.glDeleteRenderbuffers(1, &g.colour);
        g.glDeleteRenderbuffers(1, &g.depth);
    }
    g.framebuffer = g.colour = g.depth = 0;
}

void GlTestContext::Resize(int width, int height)
{
    if (!m_valid) {
        return;
    }
    MakeCurrent();
    DeleteBuffers();
    Impl& g = *m_impl;
    g.glGenRenderbuffers(1, &g.colour);
    g.glBindRenderbuffer(GL_RENDERBUFFER, g.colour);
    g.glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    g.glGenRenderbuffers(1, &g.depth);
    g.glBindRenderbuffer(GL_RENDERBUFFER, g.depth);
    g.glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    g.glGenFramebuffers(1, &g.framebuffer);
    g.glBindFramebuffer(GL_FRAMEBUFFER, g.framebuffer);
    g.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, g.colour);
    g.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, g.depth);
    if (g.glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        std::fprintf(stderr, "GlTestContext: framebuffer incomplete\n");
        DeleteBuffers();
        m_valid = false;
        return;
    }
    m_width = width;
    m_height = height;
    glViewport(0, 0, width, height);
}

GlPixel GlTestContext::ReadPixel(int x, int y)
{
    GlPixel pixel;
    if (m_valid) {
        MakeCurrent();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &pixel);
    }
    return pixel;
}

std::vector<uint8_t> GlTestContext::ReadAll()
{
    std::vector<uint8_t> rgba;
    if (m_valid) {
        MakeCurrent();
        rgba.resize(static_cast<size_t>(m_width) * static_cast<size_t>(m_height) * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    }
    return rgba;
}
