// Message boxes, the question for a high-score name, and the program's end.

#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "win32/platform/win32_platform.h"
#include "ui/ids.h"

namespace {

// The answer of the open name-entry dialog.
struct NameAnswer {
    char* text;
    int capacity;
};

// The name-entry dialog (resource 135): no caption, no cancel. "OK" (also
// Enter, as it is the default button) takes the field's text; Escape and
// anything else do nothing.
INT_PTR CALLBACK NameEntryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;  // the focus goes to the first control in the tab order, "OK"
    case WM_COMMAND:
        if (LOWORD(wParam) == CONTROL_OK) {
            auto* answer = reinterpret_cast<NameAnswer*>(GetWindowLongPtrA(dialog, DWLP_USER));
            if (answer != nullptr) {
                GetDlgItemTextA(dialog, CONTROL_NAME_FIELD, answer->text, answer->capacity);
            }
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void SysErrorBox(const char* text)
{
    MessageBoxA(nullptr, text, "Error", MB_OK | MB_ICONEXCLAMATION);
}

int SysAskHighScoreName(char* answer, int capacity)
{
    if (answer == nullptr || capacity <= 0) {
        return 1;
    }
    answer[0] = '\0';
    NameAnswer named = {answer, capacity};
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(DIALOG_NAME_ENTRY), g_mainWindow, NameEntryDialogProc,
                    reinterpret_cast<LPARAM>(&named));
    answer[capacity - 1] = '\0';
    return 1;
}

void SysPostQuit()
{
    // To the main window's queue, or the thread's once the window is gone;
    // the loop takes WM_QUIT either way.
    PostMessageA(g_mainWindow, WM_QUIT, 0, 0);
}

void SysExitProcess(int code)
{
    std::fflush(stdout);
    std::fflush(stderr);
    ExitProcess(static_cast<UINT>(code));
}
