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

// ---- when frames are made -----------------------------------------------
// A frame is made only when the picture can change; otherwise the loop waits
// for the next event (or the timed change below) and uses no processor. Where
// the buffer swap returns at once, frames are paced to the display's refresh.

// A new window: no frame made yet, the first one due at once.
void ResetFrameSchedule();
// The display's refresh rate in frames per second; 60 when unknown (<= 0).
void SetDisplayRefreshRate(double framesPerSecond);
// Input, a menu command or the window system changed what is drawn (a press,
// a release, a pointer move that the picture follows, an expose, a resize, a
// restore): the next turn of the loop makes a frame.
void PictureChanged();
// Whether the next frame can change the picture, from the state the update
// and the drawing read.
bool FrameNeeded();
// The loop's decision when no event waits; `seen` is the shell's canBeSeen.
// 0: make a frame now. Otherwise wait for events for at most that many
// milliseconds (-1: until an event comes), then handle them and ask again.
int32_t FrameWait(bool seen);
// The loop has come back from a wait: after a rest (nothing to draw while the
// window was seen) the tick count is taken afresh, so a flight started by the
// next click starts from its beginning. Time minimised or in a modal dialog
// is still handed to the next frame.
void LoopWoke();
