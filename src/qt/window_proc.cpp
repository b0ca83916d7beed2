#include "qt/window_proc.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include "app/frame.h"
#include "app/gl_window.h"
#include "app/window_proc.h"
#include "game/lifting.h"
#include "platform/common/cursors.h"
#include "qt/gl_window.h"
#include "qt/main_loop.h"
#include "scene/scene_state.h"

namespace {

bool g_pressWaiting = false;
// The GL area's size when the viewport was last set from it; a resize to the
// same size (the window system confirming the first layout) changes nothing.
QSize g_lastAreaSize;

QSize AreaDeviceSize(const QWindow* area)
{
    const qreal ratio = area->devicePixelRatio();
    return QSize(qRound(area->width() * ratio), qRound(area->height() * ratio));
}

void ReshapeToArea()
{
    if (g_qtWindow.area == nullptr || !MakeWindowCurrent(g_glWindow)) {
        return;
    }
    g_lastAreaSize = AreaDeviceSize(g_qtWindow.area);
    ReshapeGL(g_lastAreaSize.width(), g_lastAreaSize.height());
}

void OpenMenuBar()
{
    if (g_qtWindow.window == nullptr) {
        return;
    }
    QMenuBar* bar = g_qtWindow.window->menuBar();
    const QList<QAction*> menus = bar->actions();
    if (!menus.isEmpty()) {
        bar->setActiveAction(menus.first());
    }
}

class GlArea : public QWindow {
public:
    GlArea() { setSurfaceType(QSurface::OpenGLSurface); }

protected:
    bool event(QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
            FlushPendingPress();
            PointerFrom(static_cast<QMouseEvent*>(event));
            ShowClassCursor();
            return true;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                FlushPendingPress();
                PointerFrom(static_cast<QMouseEvent*>(event));
                g_pressWaiting = true;
            }
            return true;
        case QEvent::MouseButtonDblClick:
            // Qt sends this right after the double click's second press: that
            // press was the double click itself and is no press of its own.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                g_pressWaiting = false;
            }
            return true;
        case QEvent::MouseButtonRelease:
            FlushPendingPress();
            Release(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::KeyPress:
            // F10 opens the menu bar, as desktop menu handling commonly does;
            // Alt with a letter is handled by the menu bar itself.
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F10 &&
                static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
                OpenMenuBar();
                return true;
            }
            event->ignore();
            return false;
        case QEvent::Wheel:
        case QEvent::KeyRelease:
            // The keyboard and the wheel have no function of their own.
            event->ignore();
            return false;
        default:
            return QWindow::event(event);
        }
    }

    void exposeEvent(QExposeEvent* event) override
    {
        QWindow::exposeEvent(event);
        PictureChanged();
        // No frames are made while a modal dialog is open, so what lay over
        // the area (an open menu) would stay painted there.
        if (isExposed() && QApplication::activeModalWidget() != nullptr) {
            RepresentQtFrame();
        }
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QWindow::resizeEvent(event);
        PictureChanged();
        const bool minimised = g_qtWindow.window != nullptr && g_qtWindow.window->isMinimized();
        if (!minimised && AreaDeviceSize(this) != g_lastAreaSize) {
            ReshapeToArea();
        }
    }

private:
    // The window holds no capture: positions outside the GL area are not seen,
    // so the pointer stays at its last position inside.
    bool Inside(const QPointF& position) const
    {
        return position.x() >= 0 && position.y() >= 0 && position.x() < width() && position.y() < height();
    }

    void PointerFrom(const QMouseEvent* event)
    {
        if (!Inside(event->position())) {
            return;
        }
        const qreal ratio = devicePixelRatio();
        const int32_t hiddenRows = RowsHiddenAbove(qRound(height() * ratio));
        UpdatePointer(static_cast<int32_t>(event->position().x() * ratio),
                      static_cast<int32_t>(event->position().y() * ratio), hiddenRows);
    }

    void Release(const QMouseEvent* event)
    {
        if (event->button() != Qt::LeftButton || !Inside(event->position())) {
            return;
        }
        PointerReleased();
        ShowClassCursor();
    }
};

class MainFrame : public QMainWindow {
protected:
    void closeEvent(QCloseEvent* event) override
    {
        // The window stays until the loop has ended; the loop then destroys it.
        event->ignore();
        TerminateApplication(g_glWindow);
    }

    void changeEvent(QEvent* event) override
    {
        QMainWindow::changeEvent(event);
        if (event->type() != QEvent::WindowStateChange) {
            return;
        }
        const Qt::WindowStates state = windowState();
        if (state & Qt::WindowMinimized) {
            WindowMinimised();
        } else if (state & Qt::WindowMaximized) {
            WindowMaximised();
            ReshapeToArea();
        } else {
            WindowRestored();
            ReshapeToArea();
        }
    }
};

}  // namespace

QMainWindow* NewMainFrame()
{
    g_lastAreaSize = QSize();
    return new MainFrame();
}

QWindow* NewGlArea()
{
    return new GlArea();
}

void AcceptAreaSize(QWindow* area)
{
    g_lastAreaSize = AreaDeviceSize(area);
}

void ShowClassCursor()
{
    // Without its file the window has no pointer of its own and leaves the
    // shape as it is.
    if (!g_holding && g_arrowCursor != 0) {
        SetPointerCursor(0);
    }
}

void FlushPendingPress()
{
    if (!g_pressWaiting) {
        return;
    }
    g_pressWaiting = false;
    if (!MakeWindowCurrent(g_glWindow)) {
        return;
    }
    PointerPressed();
}
