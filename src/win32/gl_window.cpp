#include "win32/gl_window.h"

#include "app/frame.h"
#include "platform/common/cursors.h"
#include "platform/platform.h"
#include "win32/platform/win32_platform.h"
#include "ui/ids.h"
#include "win32/window_proc.h"

Win32Window g_win32Window;

namespace {

constexpr UINT CLASS_STYLE = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_OWNDC;  // 0x2B
constexpr DWORD WINDOW_STYLE = WS_OVERLAPPEDWINDOW;
constexpr DWORD WINDOW_EX_STYLE = WS_EX_APPWINDOW;
constexpr BYTE DEPTH_BITS = 16;
constexpr UINT BASE_DPI = 96;  // 100 % scaling

// Routines of newer versions of Windows, looked up at run time so that the
// program starts on older ones.
template <typename Routine>
Routine User32Routine(const char* name)
{
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 != nullptr ? reinterpret_cast<Routine>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                             : nullptr;
}

// The window's DPI: its monitor's where the system knows it per monitor
// (Windows 10 1607 on), else the system's.
UINT WindowDpi(HWND window)
{
    using GetDpiForWindowRoutine = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Routine<GetDpiForWindowRoutine>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return dpi;
        }
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : BASE_DPI;
}

// The window's outer size for an inside (client area and menu bar) of
// width x height device pixels at `dpi`: the frame and caption are added,
// the menu bar is not.
SIZE OuterSize(int32_t width, int32_t height, UINT dpi)
{
    using AdjustForDpiRoutine = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Routine<AdjustForDpiRoutine>("AdjustWindowRectExForDpi");
    RECT outer = {0, 0, width, height};
    if (adjustForDpi != nullptr) {
        adjustForDpi(&outer, WINDOW_STYLE, FALSE, WINDOW_EX_STYLE, dpi);
    } else {
        AdjustWindowRectEx(&outer, WINDOW_STYLE, FALSE, WINDOW_EX_STYLE);
    }
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// Undoes what exists of the window, in reverse order, and clears the handles.
void TakeDown()
{
    Win32Window& handles = g_win32Window;
    if (handles.renderContext != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(handles.renderContext);
    }
    if (handles.deviceContext != nullptr) {
        ReleaseDC(handles.window, handles.deviceContext);
    }
    if (handles.window != nullptr) {
        DestroyWindow(handles.window);
    }
    handles = Win32Window();
    g_mainWindow = nullptr;
}

}  // namespace

int RegisterWindowClass(const Application& application)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CLASS_STYLE;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = application.instance;
    windowClass.hIcon = LoadIconA(application.instance, MAKEINTRESOURCEA(ICON_PROGRAM));
    windowClass.hIconSm = windowClass.hIcon;
    // The arrow of "harrow.cur", loaded before the window class: the system
    // shows it whenever the pointer moves over the window. Without the file
    // the class has no cursor.
    windowClass.hCursor = reinterpret_cast<HCURSOR>(g_arrowCursor);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_INACTIVEBORDER + 1));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(MENU_MAIN);
    windowClass.lpszClassName = application.className;
    return RegisterClassExA(&windowClass) != 0 ? 1 : 0;
}

void UnregisterWindowClass(const Application& application)
{
    UnregisterClassA(application.className, application.instance);
}

int CreateWindowGL(GLWindow& window, const Application& application)
{
    const WindowSettings& settings = window.settings;
    // The frame and caption are added to the first viewport's size, the menu
    // bar is not: the client area is 640 wide and 480 less the menu bar tall
    // at 100 %, all of it scaled by the DPI, and the pointer mapping adds the
    // rows hidden under the menu bar. The DPI is known once the window is.
    SIZE outer = OuterSize(settings.width, settings.height, BASE_DPI);
    g_win32Window.window = CreateWindowExA(WINDOW_EX_STYLE, application.className, settings.title, WINDOW_STYLE, 0, 0,
                                          outer.cx, outer.cy, nullptr, nullptr, application.instance, &window);
    if (g_win32Window.window == nullptr) {
        TakeDown();
        return 0;
    }
    const UINT dpi = WindowDpi(g_win32Window.window);
    g_win32Window.dpi = dpi;
    const int32_t viewportWidth = MulDiv(settings.width, static_cast<int>(dpi), BASE_DPI);
    const int32_t viewportHeight = MulDiv(settings.height, static_cast<int>(dpi), BASE_DPI);
    if (dpi != BASE_DPI) {
        outer = OuterSize(viewportWidth, viewportHeight, dpi);
        SetWindowPos(g_win32Window.window, nullptr, 0, 0, outer.cx, outer.cy,
                     SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
    g_win32Window.deviceContext = GetDC(g_win32Window.window);
    if (g_win32Window.deviceContext == nullptr) {
        TakeDown();
        return 0;
    }
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = static_cast<BYTE>(settings.colourBits);
    format.cDepthBits = DEPTH_BITS;
    format.iLayerType = PFD_MAIN_PLANE;
    const int chosen = ChoosePixelFormat(g_win32Window.deviceContext, &format);
    if (chosen == 0 || !SetPixelFormat(g_win32Window.deviceContext, chosen, &format)) {
        TakeDown();
        return 0;
    }
    g_win32Window.renderContext = wglCreateContext(g_win32Window.deviceContext);
    if (g_win32Window.renderContext == nullptr ||
        !wglMakeCurrent(g_win32Window.deviceContext, g_win32Window.renderContext)) {
        TakeDown();
        return 0;
    }
    ShowWindow(g_win32Window.window, SW_SHOWNORMAL);
    // The first viewport is the settings' 640 x 480 (scaled) although the
    // client area is shorter by the menu bar.
    WindowCreated(window, viewportWidth, viewportHeight);
    // Frames are paced to the display where the swap does not wait for it;
    // 0 or 1 is the system's "default": the core then assumes 60.
    const int refresh = GetDeviceCaps(g_win32Window.deviceContext, VREFRESH);
    SetDisplayRefreshRate(refresh > 1 ? refresh : 0);
    return 1;
}

void FollowDpiChange(UINT dpi, const RECT& suggested)
{
    const HWND window = g_win32Window.window;
    const int oldDpi = static_cast<int>(g_win32Window.dpi);
    if (window == nullptr || dpi == 0) {
        return;
    }
    g_win32Window.dpi = dpi;
    int32_t width = suggested.right - suggested.left;
    int32_t height = suggested.bottom - suggested.top;
    // A maximised or minimised window is placed by the system itself.
    RECT now;
    if (!IsZoomed(window) && !IsIconic(window) && GetWindowRect(window, &now)) {
        const SIZE oldFrame = OuterSize(0, 0, static_cast<UINT>(oldDpi));
        const SIZE outer = OuterSize(MulDiv(now.right - now.left - oldFrame.cx, static_cast<int>(dpi), oldDpi),
                                     MulDiv(now.bottom - now.top - oldFrame.cy, static_cast<int>(dpi), oldDpi), dpi);
        width = outer.cx;
        height = outer.cy;
    }
    SetWindowPos(window, nullptr, suggested.left, suggested.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int DestroyWindowGL(GLWindow&)
{
    if (g_win32Window.window != nullptr) {
        TakeDown();
    }
    return 1;
}

int MakeWindowCurrent()
{
    const Win32Window& handles = g_win32Window;
    if (handles.renderContext == nullptr) {
        return 0;
    }
    if (wglGetCurrentContext() == handles.renderContext) {
        return 1;
    }
    return wglMakeCurrent(handles.deviceContext, handles.renderContext) ? 1 : 0;
}
