#pragma once
// The loop of messages and frames.

// Takes one waiting message at a time and dispatches it as it is (no
// keyboard translation, no accelerators); when none waits, makes a frame
// while the window is visible, else waits for the next message. Returns
// when it takes WM_QUIT.
void RunMessageLoop();
// The core's re-presented frame on this window, for a paint while a modal
// dialog holds the loop.
void RepresentWin32Frame();
