#pragma once
// One copy of the program per working folder. Two copies in one folder would
// each save the statistics they loaded, and the one that ends last would
// erase the games played in the other. The first copy holds a lock on a file
// in the folder (the system drops it when the process ends, however it ends)
// and listens for later starts; a later start asks the first copy to bring
// its window to the front and ends at once, without loading or saving.

// 1 when this copy may go on (it is the first, or the folder cannot be
// locked at all); 0 when another copy holds the folder and was asked to come
// forward. Needs the QApplication; call before the window is made.
int ClaimWorkingFolder();
