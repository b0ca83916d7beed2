#include "win32/hyperlink.h"

namespace {

constexpr const char* ORIGINAL_PROC = "_Hyperlink_Original_Proc_";
constexpr const char* ORIGINAL_FONT = "_Hyperlink_Original_Font_";
constexpr const char* UNDERLINE_FONT = "_Hyperlink_Underline_Font_";
constexpr const char* FROM_STATIC = "_Hyperlink_From_Static_";

WNDPROC OriginalProc(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetPropA(window, ORIGINAL_PROC));
}

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC original = OriginalProc(window);
    return original != nullptr ? CallWindowProcA(original, window, message, wParam, lParam)
                               : DefWindowProcA(window, message, wParam, lParam);
}

void ShowFont(HWND control, const char* property)
{
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetPropA(control, property)), FALSE);
    InvalidateRect(control, nullptr, FALSE);
}

}  // namespace

int ConvertStaticToHyperlink(HWND control)
{
    const HWND parent = GetParent(control);
    if (parent != nullptr) {
        const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(parent, GWLP_WNDPROC));
        if (current != HyperlinkParentProc) {
            SetPropA(parent, ORIGINAL_PROC, reinterpret_cast<HANDLE>(current));
            SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HyperlinkParentProc));
        }
    }
    // A click on the control is then reported to its parent.
    SetWindowLongPtrA(control, GWL_STYLE, GetWindowLongPtrA(control, GWL_STYLE) | SS_NOTIFY);

    const LONG_PTR original = SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HyperlinkProc));
    SetPropA(control, ORIGINAL_PROC, reinterpret_cast<HANDLE>(original));

    const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    SetPropA(control, ORIGINAL_FONT, font);
    LOGFONTA description{};
    GetObjectA(font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT), sizeof description,
               &description);
    description.lfUnderline = TRUE;
    SetPropA(control, UNDERLINE_FONT, CreateFontIndirectA(&description));

    SetPropA(control, FROM_STATIC, reinterpret_cast<HANDLE>(1));
    return 1;
}

int ConvertDlgItemToHyperlink(HWND dialog, int controlId)
{
    const HWND control = GetDlgItem(dialog, controlId);
    return control != nullptr ? ConvertStaticToHyperlink(control) : 0;
}

LRESULT CALLBACK HyperlinkParentProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLORSTATIC: {
        const LRESULT brush = PassOn(parent, message, wParam, lParam);
        if (GetPropA(reinterpret_cast<HWND>(lParam), FROM_STATIC) != nullptr) {
            SetTextColor(reinterpret_cast<HDC>(wParam), HYPERLINK_COLOUR);
        }
        return brush;
    }
    case WM_DESTROY: {
        const WNDPROC original = OriginalProc(parent);
        SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(parent, ORIGINAL_PROC);
        return CallWindowProcA(original, parent, message, wParam, lParam);
    }
    default:
        return PassOn(parent, message, wParam, lParam);
    }
}

LRESULT CALLBACK HyperlinkProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETCURSOR: {
        HCURSOR hand = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649) /* IDC_HAND */);
        SetCursor(hand != nullptr ? hand : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */));
        return TRUE;
    }
    case WM_MOUSEMOVE:
        if (GetCapture() != control) {
            // The pointer has just come onto the link.
            ShowFont(control, UNDERLINE_FONT);
            SetCapture(control);
        } else {
            POINT point = {static_cast<LONG>(LOWORD(lParam)), static_cast<LONG>(HIWORD(lParam))};
            ClientToScreen(control, &point);
            RECT rect;
            GetWindowRect(control, &rect);
            if (!PtInRect(&rect, point)) {
                ShowFont(control, ORIGINAL_FONT);
                ReleaseCapture();
            }
        }
        break;
    case WM_DESTROY: {
        const WNDPROC original = OriginalProc(control);
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(control, ORIGINAL_PROC);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetPropA(control, ORIGINAL_FONT)), FALSE);
        RemovePropA(control, ORIGINAL_FONT);
        DeleteObject(static_cast<HGDIOBJ>(GetPropA(control, UNDERLINE_FONT)));
        RemovePropA(control, UNDERLINE_FONT);
        RemovePropA(control, FROM_STATIC);
        return CallWindowProcA(original, control, message, wParam, lParam);
    }
    default:
        break;
    }
    return PassOn(control, message, wParam, lParam);
}
