#include "qt/gl_window.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QApplication>
#include <QIcon>
#include <QMainWindow>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWindow>

#include "qt/menu_commands.h"
#include "qt/window_proc.h"
#include "platform/platform.h"
#include "qt/platform/qt_platform.h"
#include "scene/scene_state.h"
#include "store/stats_store.h"

GLWindow g_glWindow;
uint8_t g_windowMaximized = 0;

namespace {

constexpr int DEPTH_BITS = 16;
constexpr double FIELD_OF_VIEW = 45.0;
constexpr double NEAR_PLANE = 1.0;
constexpr double FAR_PLANE = 100.0;
constexpr const char* ICON_RESOURCE = ":/icon/tarvik.png";

QSurfaceFormat WindowFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setDepthBufferSize(DEPTH_BITS);
    format.setStencilBufferSize(0);
    // Frames follow the display's refresh where the driver can wait for it;
    // a virtual display has none, and frames there stay uncapped.
    format.setSwapInterval(1);
    return format;
}

// A context that is not double-buffered, not RGB or has too shallow a depth
// buffer cannot show the scene the way it is drawn.
bool FormatFits(const QSurfaceFormat& format)
{
    return format.swapBehavior() != QSurfaceFormat::SingleBuffer && format.depthBufferSize() >= DEPTH_BITS &&
           format.redBufferSize() > 0 && format.greenBufferSize() > 0 && format.blueBufferSize() > 0;
}

void ForgetWindow(GLWindow& window)
{
    g_mainWindow = nullptr;
    QtPlatformSetCursorWindow(nullptr);
    QtPlatformWatchCovering(nullptr);
    window.window = nullptr;
    window.area = nullptr;
    window.renderContext = nullptr;
}

}  // namespace

int RegisterWindowClass(Application& application)
{
    if (!QtPlatformDisplayAvailable()) {
        SysErrorBox("RegisterClassEx Failed!");
        return 0;
    }
    if (application.qt == nullptr) {
        application.qt = new QApplication(application.argc, application.argv);
    }
    QApplication::setApplicationName(QStringLiteral("Tarvik Solitaire"));
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(ICON_RESOURCE)));
    return 1;
}

void UnregisterWindowClass(Application& application)
{
    delete application.qt;
    application.qt = nullptr;
}

int CreateWindowGL(GLWindow& window)
{
    g_alternateBackgrounds = 1;
    const WindowSettings& settings = window.settings;

    QMainWindow* frame = NewMainFrame();
    frame->setWindowTitle(QString::fromLatin1(settings.title));
    BuildMenu(frame);
    g_mainWindow = frame;
    SysEnableMenuItem(COMMAND_REDEAL, 0);
    SysEnableMenuItem(COMMAND_MAIN_MENU, 0);

    QWindow* area = NewGlArea();
    area->setFormat(WindowFormat());
    QWidget* container = QWidget::createWindowContainer(area, frame);
    container->setFocusPolicy(Qt::StrongFocus);
    frame->setCentralWidget(container);
    // The inside of the window, menu bar included, is the size of the first
    // viewport, so the GL area is shorter than it by the menu bar.
    frame->resize(settings.width, settings.height);
    frame->move(0, 0);
    window.window = frame;
    window.area = area;
    frame->show();
    // Keys go to the GL area from the start, so F10 reaches the menu bar.
    container->setFocus();

    auto* context = new QOpenGLContext();
    context->setFormat(WindowFormat());
    if (!context->create() || !FormatFits(context->format()) || !context->makeCurrent(area)) {
        delete context;
        delete frame;
        ForgetWindow(window);
        return 0;
    }
    window.renderContext = context;
    QtPlatformSetCursorWindow(area);
    ShowClassCursor();

    // show() has laid the window out: the area's own report of this size
    // must not be taken for a change that replaces the first viewport. No
    // event is handled before the statistics are loaded, so even an early
    // close saves what was loaded.
    AcceptAreaSize(area);
    window.visible = true;
    const qreal ratio = area->devicePixelRatio();
    ReshapeGL(qRound(settings.width * ratio), qRound(settings.height * ratio));
    window.lastTickCount = SysTickCount();
    LoadStats();
    window.statsOwed = true;
    QtPlatformWatchCovering(frame->windowHandle());
    return 1;
}

int DestroyWindowGL(GLWindow& window)
{
    if (window.window != nullptr) {
        if (window.renderContext != nullptr) {
            window.renderContext->doneCurrent();
            delete window.renderContext;
        }
        // The Exit command arrives from inside the window's own menu, so the
        // window is deleted at the loop's next turn, not under its own feet.
        window.window->hide();
        window.window->deleteLater();
        ForgetWindow(window);
    }
    return 1;
}

void ReshapeGL(int32_t width, int32_t height)
{
    g_windowHeight = height;
    g_windowWidth = width;
    glViewport(0, 0, width, height);
    // A GL area dragged down to nothing keeps its last projection instead of
    // dividing by a height of 0.
    if (height <= 0) {
        return;
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FIELD_OF_VIEW, static_cast<double>(width) / static_cast<double>(height), NEAR_PLANE, FAR_PLANE);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void TerminateApplication(GLWindow& window)
{
    // A second close request before the loop has ended saves nothing more.
    if (window.quitPosted) {
        return;
    }
    SaveStats();
    window.statsOwed = false;
    window.quitPosted = true;
    // Wakes a loop that waits for events, so it sees the request at once.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QCoreApplication::postEvent(app, new QEvent(QEvent::User));
    }
}

int MakeWindowCurrent(GLWindow& window)
{
    if (window.renderContext == nullptr || window.area == nullptr) {
        return 0;
    }
    return window.renderContext->makeCurrent(window.area) ? 1 : 0;
}
