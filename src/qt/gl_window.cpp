#include "qt/gl_window.h"

#include <QApplication>
#include <QIcon>
#include <QMainWindow>
#include <QOpenGLContext>
#include <QScreen>
#include <QSurfaceFormat>
#include <QWindow>

#include "app/frame.h"
#include "platform/platform.h"
#include "qt/menu_commands.h"
#include "qt/platform/qt_platform.h"
#include "qt/window_proc.h"

QtWindow g_qtWindow;

namespace {

constexpr int DEPTH_BITS = 16;
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

void ForgetWindow()
{
    g_mainWindow = nullptr;
    QtPlatformSetCursorWindow(nullptr);
    QtPlatformWatchCovering(nullptr);
    g_qtWindow = QtWindow();
}

}  // namespace

int StartWindowSystem(Application& application)
{
    if (!QtPlatformDisplayAvailable()) {
        return 0;
    }
    if (application.qt == nullptr) {
        application.qt = new QApplication(application.argc, application.argv);
    }
    return 1;
}

int RegisterWindowClass(Application&)
{
    QApplication::setApplicationName(QStringLiteral("Tarvik Solitaire"));
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(ICON_RESOURCE)));
    return 1;
}

void StopWindowSystem(Application& application)
{
    delete application.qt;
    application.qt = nullptr;
}

int CreateWindowGL(GLWindow& window)
{
    const WindowSettings& settings = window.settings;

    QMainWindow* frame = NewMainFrame();
    frame->setWindowTitle(QString::fromLatin1(settings.title));
    BuildMenu(frame);
    g_mainWindow = frame;

    QWindow* area = NewGlArea();
    area->setFormat(WindowFormat());
    QWidget* container = QWidget::createWindowContainer(area, frame);
    container->setFocusPolicy(Qt::StrongFocus);
    frame->setCentralWidget(container);
    // The inside of the window, menu bar included, is the size of the first
    // viewport, so the GL area is shorter than it by the menu bar.
    frame->resize(settings.width, settings.height);
    frame->move(0, 0);
    g_qtWindow.window = frame;
    g_qtWindow.area = area;
    frame->show();
    // Keys go to the GL area from the start, so F10 reaches the menu bar.
    container->setFocus();

    auto* context = new QOpenGLContext();
    context->setFormat(WindowFormat());
    if (!context->create() || !FormatFits(context->format()) || !context->makeCurrent(area)) {
        delete context;
        delete frame;
        ForgetWindow();
        return 0;
    }
    g_qtWindow.renderContext = context;
    QtPlatformSetCursorWindow(area);
    ShowClassCursor();

    // show() has laid the window out: the area's own report of this size
    // must not be taken for a change that replaces the first viewport. No
    // event is handled before the statistics are loaded, so even an early
    // close saves what was loaded.
    AcceptAreaSize(area);
    const qreal ratio = area->devicePixelRatio();
    WindowCreated(window, qRound(settings.width * ratio), qRound(settings.height * ratio));
    if (const QScreen* screen = frame->screen()) {
        SetDisplayRefreshRate(screen->refreshRate());
    }
    QtPlatformWatchCovering(frame->windowHandle());
    return 1;
}

int DestroyWindowGL(GLWindow&)
{
    if (g_qtWindow.window != nullptr) {
        if (g_qtWindow.renderContext != nullptr) {
            g_qtWindow.renderContext->doneCurrent();
            delete g_qtWindow.renderContext;
        }
        // The Exit command arrives from inside the window's own menu, so the
        // window is deleted at the loop's next turn, not under its own feet.
        g_qtWindow.window->hide();
        g_qtWindow.window->deleteLater();
        ForgetWindow();
    }
    return 1;
}

int MakeWindowCurrent(GLWindow&)
{
    if (g_qtWindow.renderContext == nullptr || g_qtWindow.area == nullptr) {
        return 0;
    }
    return g_qtWindow.renderContext->makeCurrent(g_qtWindow.area) ? 1 : 0;
}
