#include "win32/about_box.h"

#include "platform/platform.h"
#include "win32/hyperlink.h"
#include "win32/platform/win32_platform.h"
#include "ui/dialog_tables.h"
#include "win32/trace.h"

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        ConvertDlgItemToHyperlink(dialog, CONTROL_PRODUCT_LINK);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
    case CONTROL_OK:
    case CONTROL_CANCEL:  // also Escape and the close box
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    case CONTROL_PRODUCT_LINK:
        // A click on the link: the page opens and the box stays.
        Trace("product page opened");
        SysOpenDocument(PRODUCT_PAGE);
        return TRUE;
    default:
        return FALSE;
    }
}

void ShowAboutBox()
{
    Trace("about box");
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(DIALOG_ABOUT), g_mainWindow, AboutDialogProc, 0);
}
