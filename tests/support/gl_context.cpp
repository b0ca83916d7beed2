#include "support/gl_context.h"

#include <QGuiApplication>
#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSurfaceFormat>

#include <cstdio>
#include <cstdlib>

// Why a framebuffer object on an offscreen surface rather than a shown window:
// its contents never depend on the window being exposed or mapped, so reads
// are the same on every run; selection mode does not touch the target at all.
struct GlTestContext::Impl {
    QOffscreenSurface surface;
    QOpenGLContext context;
    QOpenGLFunctions functions;
    GLuint framebuffer = 0;
    GLuint colour = 0;
    GLuint depth = 0;
};

void EnsureGuiApplication()
{
    if (QCoreApplication::instance()) {
        return;
    }
    // Qt's offscreen platform: fonts always, GL through GLX when a display is
    // there. It skips the window system's keyboard set-up, which AddressSanitizer
    // reports in libxkbcommon-x11, and the tests draw offscreen anyway.
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    static int argc = 1;
    static char name[] = "tarvik_tests";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // lives until the process ends
}

GlTestContext& GlTestContext::Get(int width, int height)
{
    // Never destroyed: a context torn down after the application would crash at exit.
    static GlTestContext* shared = new GlTestContext();
    if (!shared->m_impl) {
        shared->Create(width, height);
    } else if (shared->m_valid) {
        shared->MakeCurrent();
        if (width != shared->m_width || height != shared->m_height) {
            shared->Resize(width, height);
        } else {
            shared->m_impl->functions.glViewport(0, 0, width, height);
        }
    }
    return *shared;
}

GlTestContext::GlTestContext() = default;

void GlTestContext::Create(int width, int height)
{
    EnsureGuiApplication();
    m_impl = new Impl();
    QSurfaceFormat format;  // default: compatibility profile
    format.setDepthBufferSize(24);
    format.setAlphaBufferSize(8);
    format.setRenderableType(QSurfaceFormat::OpenGL);
    m_impl->surface.setFormat(format);
    m_impl->surface.create();
    m_impl->context.setFormat(format);
    if (!m_impl->surface.isValid() || !m_impl->context.create() || !m_impl->context.makeCurrent(&m_impl->surface)) {
        std::fprintf(stderr, "GlTestContext: no GL context on this display\n");
        return;
    }
    m_impl->functions.initializeOpenGLFunctions();
    m_valid = true;
    Resize(width, height);
}

void GlTestContext::MakeCurrent()
{
    if (!m_valid) {
        return;
    }
    // Making it current again is not free: on the offscreen platform it puts
    // the viewport back to the 1 x 1 surface, so it happens only when needed.
    if (QOpenGLContext::currentContext() != &m_impl->context) {
        m_impl->context.makeCurrent(&m_impl->surface);
        m_impl->functions.glViewport(0, 0, m_width, m_height);
    }
    m_impl->functions.glBindFramebuffer(GL_FRAMEBUFFER, m_impl->framebuffer);
}

void GlTestContext::DeleteBuffers()
{
    QOpenGLFunctions& f = m_impl->functions;
    f.glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (m_impl->framebuffer) {
        f.glDeleteFramebuffers(1, &m_impl->framebuffer);
        f.glDeleteRenderbuffers(1, &m_impl->colour);
        f.glDeleteRenderbuffers(1, &m_impl->depth);
    }
    m_impl->framebuffer = m_impl->colour = m_impl->depth = 0;
}

void GlTestContext::Resize(int width, int height)
{
    if (!m_valid) {
        return;
    }
    MakeCurrent();
    DeleteBuffers();
    QOpenGLFunctions& f = m_impl->functions;
    f.glGenRenderbuffers(1, &m_impl->colour);
    f.glBindRenderbuffer(GL_RENDERBUFFER, m_impl->colour);
    f.glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    f.glGenRenderbuffers(1, &m_impl->depth);
    f.glBindRenderbuffer(GL_RENDERBUFFER, m_impl->depth);
    f.glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    f.glGenFramebuffers(1, &m_impl->framebuffer);
    f.glBindFramebuffer(GL_FRAMEBUFFER, m_impl->framebuffer);
    f.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_impl->colour);
    f.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_impl->depth);
    if (f.glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        std::fprintf(stderr, "GlTestContext: framebuffer incomplete\n");
        DeleteBuffers();
        m_valid = false;
        return;
    }
    m_width = width;
    m_height = height;
    f.glViewport(0, 0, width, height);
}

GlPixel GlTestContext::ReadPixel(int x, int y)
{
    GlPixel pixel;
    if (m_valid) {
        MakeCurrent();
        m_impl->functions.glPixelStorei(GL_PACK_ALIGNMENT, 1);
        m_impl->functions.glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &pixel);
    }
    return pixel;
}

bool GlTestContext::SaveImage(const char* path)
{
    if (!m_valid) {
        return false;
    }
    MakeCurrent();
    QImage image(m_width, m_height, QImage::Format_RGBA8888);
    m_impl->functions.glPixelStorei(GL_PACK_ALIGNMENT, 4);
    m_impl->functions.glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    return image.mirrored().save(QString::fromLocal8Bit(path));
}
