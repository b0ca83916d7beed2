#pragma once
// The platform boundary: every service the game takes from its surroundings.
// Rules, scoring, drawing and the window all reach the outside world through
// these free functions only. Each program chooses one implementation at link
// time (see src/platform/CMakeLists.txt):
//   qt/platform/        the Linux program's (Qt 6)
//   win32/platform/     the Windows program's (the Win32 API)
//   web/platform/       the web page's (the browser)
//   platform/headless/  for tests: records what was asked, clocks are settable,
//                       pictures from plain files, glyphs from a TrueType file
// Each implementation names its files after the sections below and itself:
// sound_qt.cpp, sound_win32.cpp, glyphs_headless.cpp. platform/common/ holds
// what every one shares (cursors, the wave check, the code page);
// platform/files/ reading and replacing files, POSIX or Win32, and the folder
// listing of every implementation but Win32's.
// Nothing here throws; results are 1 for success and 0 for failure.

#include <cstdint>
#include <string>
#include <vector>

// ---- menu items, by the command numbers of the menu table ------------------

// Enables (1) or greys and disables (0) the menu item with that command number.
void SysEnableMenuItem(int command, int enabled);
// Puts (1) or removes (0) the check mark of the menu item with that command number.
void SysCheckMenuItem(int command, int checked);

// ---- sound ----------------------------------------------------------------

// Starts playing a sound file relative to the working directory and returns at
// once; a missing or unplayable file, or no audio device, plays nothing.
void SysPlaySoundAsync(const char* path);

// ---- messages and exit ----------------------------------------------------

// Error box with the caption "Error", the exclamation icon, an OK button and
// no owner window; returns when the player has closed it.
void SysErrorBox(const char* text);
// The modal question for a high-score name: returns when the player has
// answered with "OK". The answer as Windows-1252 bytes, NUL-terminated, cut
// to capacity - 1 bytes; an empty answer is an empty text. Returns 1.
int SysAskHighScoreName(char* answer, int capacity);
// Wakes the loop so that it sees the end the program has asked for (the
// loop then ends once it has handled what was queued before). Returns at once.
void SysPostQuit();
// Ends the process with this exit code. The headless build only records the
// request and returns, so callers must return right after calling it.
void SysExitProcess(int code);

// ---- clocks ---------------------------------------------------------------

// Millisecond tick counter; unsigned 32-bit, wraps after about 49.7 days.
uint32_t SysTickCount();
// Calendar time in whole seconds (as the C library's time()).
int64_t SysTimeSeconds();
// Second of the minute of the local wall clock, [0, 59] (60 on a leap second).
int SysSecondOfMinute();
// Milliseconds into the minute of the local wall clock, [0, 60999]; its whole
// seconds are SysSecondOfMinute's. For a timer to the next full second.
int32_t SysMillisecondOfMinute();

// ---- pictures -------------------------------------------------------------

// A decoded picture: 8-bit RGBA, rows bottom-up (row 0 is the picture's
// bottom row, as GL textures expect).
struct SysImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgba;
};

// Opens the platform's own picture store: the one the program ships (Qt:
// "resources.rcc" in the working directory; Win32: "resources.dll"; headless:
// a folder of "<id>.pam" files). 1 when opened, 0 when missing or not a store.
int SysOpenPictureStore();
// Closes the store; its pictures are no longer reachable. Safe when closed.
void SysClosePictureStore();
// Natural size in pixels of picture `id` of the open store, read without
// decoding it. 0 when the store is closed or has no such picture.
int SysStorePictureSize(int id, int* width, int* height);
// Decodes picture `id` of the open store stretched to exactly width x height
// (both > 0), texel by texel (an exact key colour stays exact). 1 on success;
// 0 leaves *out untouched.
int SysDecodeStorePicture(int id, int width, int height, SysImage* out);

// Natural size in pixels of a picture file (a background, relative to the
// working directory), read from its header without decoding it.
int SysPictureFileSize(const char* path, int* width, int* height);
// Decodes a picture file stretched to exactly width x height (both > 0),
// decoding large pictures straight at the smaller size, never at full size
// first. 1 on success; 0 leaves *out untouched.
int SysDecodePictureFile(const char* path, int width, int height, SysImage* out);

// ---- glyph outlines for the scene's text ------------------------------------

// The outline of one glyph of the bold sans-serif face, flattened to polygons.
// Units are ems (1.0 = one em), x right, y up, origin on the base line.
struct SysGlyphOutline {
    std::vector<std::vector<float>> contours;  // each: x0, y0, x1, y1, ... (closed)
    float advance = 0.0f;                      // pen advance in ems
};

// Outline of Windows-1252 character `code` in [0, 254], curves flattened with
// at most `deviation` ems of error. A code without a glyph gives no contours and
// the advance of whatever the face maps it to (0 when nothing). 1 on success,
// 0 when no suitable face is available at all.
int SysGetGlyphOutline(int code, float deviation, SysGlyphOutline* out);

// ---- files ----------------------------------------------------------------

// Reads at most `capacity` bytes from the start of a regular file (relative to
// the working directory): the count read, or -1 when it cannot be opened or is
// no regular file (a folder, a pipe: never waits for a writer).
int64_t SysReadFile(const char* path, void* buffer, int64_t capacity);
// Replaces a file whole with `size` bytes: written beside it as "<path>.tmp",
// flushed to disk, then put in its place, also over a read-only file. 1 saved;
// 0 failed, and then the old file is as it was and no "<path>.tmp" is left.
int SysReplaceFile(const char* path, const void* bytes, int64_t size);

// Names (not paths) of the regular files in `folder` (relative to the working
// directory) whose names end in `suffix` (case-sensitive), sorted by name.
// An unreadable or missing folder gives an empty list.
std::vector<std::string> SysListFiles(const char* folder, const char* suffix);

// Opens a file (relative to the working directory) or an address with the
// desktop's associated program. Never blocks; the outcome is not reported.
void SysOpenDocument(const char* pathOrAddress);

// ---- the heap ---------------------------------------------------------------

// Gives freed memory at the top of the heap and in free pages back to the
// system. Nothing where the C library cannot.
void SysTrimHeap();
// Blocks of at least `bytes` are mapped on their own from now on, so each goes
// back to the system when freed. Nothing where the C library has no such knob.
void SysSetLargeBlockThreshold(int bytes);

// ---- pointer cursors --------------------------------------------------------

// Opaque cursor handle; 0 is the null cursor (a blank pointer).
using SysCursor = intptr_t;
// Loads a Windows .cur file relative to the working directory, with its hot
// spot. 0 when the file is missing or not a cursor.
SysCursor SysLoadCursorFile(const char* path);
// Shows this cursor over the game's window; 0 blanks the pointer.
void SysSetCursor(SysCursor cursor);
