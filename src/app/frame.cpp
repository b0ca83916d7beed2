#include "app/frame.h"

#include <cmath>

#include "app/gl_window.h"
#include "game/lifting.h"
#include "game/table.h"
#include "platform/platform.h"
#include "scene/draw.h"
#include "scene/scene_state.h"
#include "scene/update.h"

namespace {

constexpr double UNKNOWN_REFRESH_RATE = 60.0;
constexpr int32_t SECONDS_PER_SWITCH = 30;  // the table's background switches on :00 and :30

double s_framePeriodMs = 1000.0 / UNKNOWN_REFRESH_RATE;
bool s_pictureChanged = true;  // the first frame is always drawn
bool s_resting = false;        // the last wait was a rest, not a pause for the pace
uint32_t s_lastFrameTick = 0;  // tick count when the last frame was made
bool s_framed = false;         // a frame was made since the start

bool AnyCardInMotion()
{
    for (const Card& card : g_cards) {
        if (card.moving || card.flipping) {
            return true;
        }
    }
    return false;
}

bool TableShown()
{
    return g_gameMode >= GAME_KLONDIKE && g_gameMode <= GAME_BAKERS_DOZEN;
}

bool BackgroundSwitchDue()
{
    const int32_t second = SysSecondOfMinute();
    return TableShown() && g_alternateBackgrounds && second % SECONDS_PER_SWITCH == 0 &&
           second != g_lastBackgroundSecond;
}

// Milliseconds until the next full or half minute, at which the background
// switches.
int32_t MsUntilBackgroundSwitch()
{
    constexpr int32_t SWITCH_MS = SECONDS_PER_SWITCH * 1000;
    return SWITCH_MS - SysMillisecondOfMinute() % SWITCH_MS;
}

bool Ready(const FrameSurface& surface)
{
    return !g_glWindow.quitPosted && surface.canBeSeen() && surface.makeCurrent();
}

void Present(const FrameSurface& surface)
{
    surface.swapBuffers();
    ++g_glWindow.framesPresented;
}

}  // namespace

void ResetFrameSchedule()
{
    s_pictureChanged = true;
    s_resting = false;
    s_lastFrameTick = 0;
    s_framed = false;
}

void SetDisplayRefreshRate(double framesPerSecond)
{
    s_framePeriodMs = 1000.0 / (framesPerSecond > 0.0 ? framesPerSecond : UNKNOWN_REFRESH_RATE);
}

void PictureChanged()
{
    s_pictureChanged = true;
}

bool FrameNeeded()
{
    // Input, a menu command or the window system changed what is drawn.
    if (s_pictureChanged) {
        return true;
    }
    // The next frame deals.
    if (g_newGameRequested) {
        return true;
    }
    // The win screen: its texts fly, its phases follow the clock, the spin never ends.
    if (g_gameMode == MODE_WIN) {
        return true;
    }
    // A card flies or turns (the deal, a card sent home or back, the stock).
    if (TableShown() && AnyCardInMotion()) {
        return true;
    }
    // The table's background switches on the full and the half minute.
    return BackgroundSwitchDue();
}

int32_t FrameWait(bool seen)
{
    // Minimised, hidden or covered: nothing is drawn until the window system
    // reports a change.
    if (!seen) {
        s_resting = false;
        return -1;
    }
    if (!FrameNeeded()) {
        s_resting = true;
        return TableShown() && g_alternateBackgrounds ? MsUntilBackgroundSwitch() : -1;
    }
    s_resting = false;
    // No more frames a second than the display shows, where the swap does
    // not wait for the display itself.
    // The tick count has whole milliseconds: the period is rounded up.
    if (s_framed) {
        const uint32_t period = static_cast<uint32_t>(std::ceil(s_framePeriodMs));
        const uint32_t sinceLast = SysTickCount() - s_lastFrameTick;
        if (sinceLast < period) {
            return static_cast<int32_t>(period - sinceLast);
        }
    }
    return 0;
}

void LoopWoke()
{
    if (s_resting) {
        s_resting = false;
        g_glWindow.lastTickCount = SysTickCount();
    }
}

int MakeFrame(const FrameSurface& surface)
{
    if (!surface.makeCurrent()) {
        return 0;
    }
    const uint32_t now = SysTickCount();
    s_pictureChanged = false;
    s_lastFrameTick = now;
    s_framed = true;
    UpdateFrame(now - g_glWindow.lastTickCount);
    g_glWindow.lastTickCount = now;
    if (!Ready(surface)) {
        return 0;
    }
    DrawFrame();
    Present(surface);
    return 1;
}

int RepresentLastFrame(const FrameSurface& surface)
{
    if (g_glWindow.framesPresented == 0 || !Ready(surface)) {
        return 0;
    }
    // The table's background changes only in a frame: the redraw must not be
    // the one that switches it on the full or half minute.
    const int32_t lastBackgroundSecond = g_lastBackgroundSecond;
    g_lastBackgroundSecond = SysSecondOfMinute();
    DrawFrame();
    g_lastBackgroundSecond = lastBackgroundSecond;
    Present(surface);
    return 1;
}
