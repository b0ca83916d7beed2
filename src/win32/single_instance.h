#pragma once
// One copy of the program per working folder. Two copies in one folder would
// each save the statistics they loaded, and the one that ends last would
// erase the games played in the other. The first copy holds a named mapping
// keyed on the folder (the system drops it when the process ends, however it
// ends) that names its window; a later start brings that window to the front
// and ends at once, without loading or saving.

#include <windows.h>

// Claims the working directory for this copy. 1 when no other copy runs in
// it; 0 when one does: its window was brought to the front, and this copy is
// to end at once, reading and writing nothing.
int ClaimWorkingFolder();
// Tells later copies which window to bring to the front.
void PublishMainWindow(HWND window);
