#pragma once
// The real program's windows on an X display, found by their title and the
// process that made them: for the suites that run the whole program and for
// the driver of the installed copy.

#include <sys/types.h>

#include <string>

struct _XDisplay;

// Opens the display (the tests' own for an empty name), a few tries, with an
// error handler that ignores errors about windows that went away meanwhile.
_XDisplay* OpenTestDisplay(const std::string& name = {});
// A mapped window of process `pid` with this title (any title for null),
// other than `except` and the windows inside it; 0 if there is none.
unsigned long FindProgramWindow(_XDisplay* display, pid_t pid, const char* title = "Tarvik Solitaire",
                                unsigned long except = 0);
// The close box as a window manager reports it: WM_DELETE_WINDOW.
void AskToClose(_XDisplay* display, unsigned long window);
