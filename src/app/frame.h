#pragma once
// The frame step: the scene advanced by the milliseconds since the last
// frame, drawn, and shown; and the picture shown again unchanged while a
// modal dialog holds the loop. The shell only says whether its window can be
// seen, makes its GL context current and swaps the buffers.

#include <cstdint>

// What the frame step needs of the shell's window. Each returns 1 for yes.
struct FrameSurface {
    int (*canBeSeen)();    // the window is shown, not minimised, not hidden or covered
    int (*makeCurrent)();  // its GL context is current on its drawing area
    void (*swapBuffers)();
};

// One frame: UpdateFrame with the ticks since the last frame (an unsigned
// difference, so a wrapped counter still gives the right time), then, unless
// the update ended the run or left the window unseen (a dialog it opened ran
// its own loop meanwhile), DrawFrame and the swap. 1 when a picture was shown.
int MakeFrame(const FrameSurface& surface);
// The scene as it stands drawn once more and shown, without UpdateFrame:
// nothing moves, no elapsed time is used and the background does not switch.
// For an expose while no frames are made (a modal dialog is open); does
// nothing before the first frame. 1 when a picture was shown.
int RepresentLastFrame(const FrameSurface& surface);
