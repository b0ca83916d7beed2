#pragma once
// What the Win32 shell and its tests need from the Win32 platform beyond the
// shared platform boundary: the main window that owns the menu and the
// dialogs, and where the shipped files are found.

#include <windows.h>

#include <string>
#include <vector>

// The main window: holder of the menu whose items SysEnableMenuItem and
// SysCheckMenuItem change, and owner of the dialogs. Null when there is none.
extern HWND g_mainWindow;

// The folder of the program's shipped files when they do not lie in the
// working directory (an installed copy runs in the player's folder); empty
// when everything lies in the working directory. Set once at start-up.
void Win32SetShippedFolder(const std::string& folder);
// A shipped file's path: `path` (relative to the working directory) when
// there is a file or folder of that name there, so a player's own file comes
// first; else the same name in the shipped folder, when there is one.
std::string Win32ShippedPath(const char* path);

// The narrow bold face, loaded for this program alone from the font file
// shipped beside it. Safe to call again; 1 when the file was loaded.
int Win32LoadPrivateFont();
