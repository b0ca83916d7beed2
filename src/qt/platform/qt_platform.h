#pragma once
// What the program's window and its tests need from the Qt platform beyond the
// shared platform boundary: where menu commands and cursors go, and hooks that
// let tests drive the clocks and watch sounds and opened documents.

#include <cstdint>

#include <QString>

class QWidget;
class QWindow;

// The main window: owner of the dialogs and holder of the menu whose actions
// carry their command numbers (QAction property "command"). Null before the
// window exists and after it is destroyed.
extern QWidget* g_mainWindow;

// Name of the QAction property that holds a menu item's command number.
constexpr const char* MENU_COMMAND_PROPERTY = "command";

// The window whose pointer SysSetCursor changes (the GL area); null for none.
void QtPlatformSetCursorWindow(QWindow* window);
// The cursor handle last given to SysSetCursor on the current window.
intptr_t QtPlatformCurrentCursor();

// While on, SysTickCount, SysTimeSeconds and SysSecondOfMinute read the values
// set below instead of the real clocks.
void QtPlatformSetClockOverride(bool on);
void QtPlatformSetTick(uint32_t ms);
void QtPlatformSetTime(int64_t seconds);  // second of the minute = seconds % 60

// Sounds started by SysPlaySoundAsync since the program began (a play request
// whose file passed the wave check counts, whether or not an audio device exists).
int QtPlatformSoundsStarted();

// While on, SysOpenDocument only records the address instead of asking the
// desktop, so tests never start a browser.
void QtPlatformSetDocumentsRecordedOnly(bool on);
// The absolute address last given to the desktop (or recorded), empty if none.
QString QtPlatformLastDocument();

// Follows whether the top-level window is wholly covered by other windows
// (null stops). The window system says so only when asked, and Qt does not ask
// for its own windows; where it cannot tell (not X11, a compositing desktop)
// the window never counts as covered.
void QtPlatformWatchCovering(QWindow* topLevel);
// True while the watched window is wholly covered.
bool QtPlatformWindowCovered();

// 1 when a display can be reached, so Qt can start without aborting; else 0.
int QtPlatformDisplayAvailable();
