#pragma once
// Turns a static text control of a dialog into a link: dark blue text, a hand
// pointer, underlined only while the pointer is over it, and a click reported
// to the dialog as a command with the control's id. The control's and its
// parent's window procedures are replaced, their state kept in named window
// properties; everything is put back when they are destroyed.

#include <windows.h>

#include "ui/dialog_tables.h"

constexpr COLORREF HYPERLINK_COLOUR = RGB(LINK_RED, LINK_GREEN, LINK_BLUE);

// Converts the control; returns 1.
int ConvertStaticToHyperlink(HWND control);
// The same for the dialog's item with that id.
int ConvertDlgItemToHyperlink(HWND dialog, int controlId);
LRESULT CALLBACK HyperlinkProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HyperlinkParentProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);
