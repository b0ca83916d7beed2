#include "win32/window_proc.h"

#include <cstdio>

#include "app/frame.h"
#include "app/gl_window.h"
#include "app/window_proc.h"
#include "game/table.h"
#include "platform/platform.h"
#include "win32/gl_window.h"
#include "win32/main_loop.h"
#include "win32/menu_commands.h"
#include "win32/platform/win32_platform.h"
#include "win32/trace.h"

namespace {

constexpr UINT DPI_CHANGED = 0x02E0;  // WM_DPICHANGED, from Windows 8.1 on
constexpr WPARAM SCREEN_SAVE = 0xF140;
constexpr WPARAM MONITOR_POWER = 0xF170;

// A modal dialog disables its owner while it is open, and no frames are made
// then: what lay over the window (a menu, the dialog moved) is painted over
// with the last frame again.
void Paint(HWND window)
{
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    RepresentWin32Frame();
}

// Cards in the stock of the game on the table; -1 on the main menu and the
// win screen.
int32_t StockCount()
{
    return g_gameMode >= GAME_KLONDIKE && g_gameMode <= GAME_BAKERS_DOZEN ? CardCount(PILE_STOCK) : -1;
}

// A press that dealt from the stock, for those who follow a run.
void TraceStockDeal(int32_t before)
{
    const int32_t after = StockCount();
    if (after >= 0 && after < before) {
        char line[48];
        std::snprintf(line, sizeof line, "press: the stock dealt, %d left", static_cast<int>(after));
        Trace(line);
    }
}

LRESULT AfterDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A command may have destroyed the window under its own procedure.
    return IsWindow(window) ? DefWindowProcA(window, message, wParam, lParam) : 0;
}

}  // namespace

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        g_mainWindow = window;
        return 0;
    }
    case WM_SIZE:
        switch (wParam) {
        case SIZE_RESTORED:
            WindowRestored();
            ReshapeGL(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case SIZE_MINIMIZED:
            WindowMinimised();
            return 0;
        case SIZE_MAXIMIZED:
            WindowMaximised();
            ReshapeGL(LOWORD(lParam), HIWORD(lParam));
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
        }
    case WM_CLOSE:
        // The window itself is destroyed once the loop has ended.
        TerminateApplication(g_glWindow);
        Trace("statistics saved: close");
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // The system ends the process once this returns: the statistics are
        // saved now, unless an earlier end saved them already.
        if (wParam) {
            SaveStatsIfOwed(g_glWindow);
            Trace("statistics saved: end of session");
        }
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (wParam < 256) {
            return 0;  // the keyboard has no function of its own
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SCREEN_SAVE || (wParam & 0xFFF0) == MONITOR_POWER) {
            return 0;  // no screen saver, no monitor power-off while playing
        }
        break;
    case WM_MOUSEMOVE: {
        // The low and high words as unsigned 16-bit values; the window never
        // captures the mouse, so they lie inside the client area.
        RECT client;
        GetClientRect(window, &client);
        UpdatePointer(LOWORD(lParam), HIWORD(lParam), RowsHiddenAbove(client.bottom - client.top));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_LBUTTONDOWN:
        if (MakeWindowCurrent()) {
            const int32_t stock = StockCount();
            PointerPressed();
            TraceStockDeal(stock);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_LBUTTONUP:
        PointerReleased();
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_COMMAND:
        WindowCommand(LOWORD(wParam));
        return AfterDefault(window, message, wParam, lParam);
    case WM_PAINT:
        if (!IsWindowEnabled(window)) {
            Paint(window);
            return 0;
        }
        // Uncovered or resized: the next turn of the loop draws a frame.
        PictureChanged();
        break;
    case DPI_CHANGED:
        // Moved to a monitor of another density: the window keeps its size
        // to the eye; the size message that follows sets the viewport.
        FollowDpiChange(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
