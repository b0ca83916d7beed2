// Frames never allocate and never raise a GL error: the update, the drawing
// and the pick of every screen run with the C++ allocator watched.

#include <GL/gl.h>

#include <cstdlib>
#include <new>

#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/headless/headless.h"
#include "scene/draw.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "scene/update.h"
#include "scene_fixture.h"
#include "scores/high_score.h"
#include "store/stats_store.h"

namespace {
bool s_watching = false;
int s_allocations = 0;
int* volatile s_probe = nullptr;  // kept, so the probe's allocation is not elided
}  // namespace

// The sanitizers bring their own allocator, which libraries loaded by the
// GL driver bind to; a second one here would mix the two up.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool WATCH_AVAILABLE = false;
#else
constexpr bool WATCH_AVAILABLE = true;
void* operator new(std::size_t size)
{
    if (s_watching) {
        ++s_allocations;
    }
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#endif

namespace {

class Frames : public SceneTest {
protected:
    static void Frame()
    {
        UpdateFrame(16);
        DrawFrame();
        g_pressPending = 1;
        PickAtPointer();
    }

    // Allocations made by `frames` frames of update, drawing and a press,
    // after two unwatched ones: the software renderer compiles its shaders
    // (with a C++ compiler library) the first time it meets a state.
    static int AllocationsOver(int frames)
    {
        Frame();
        Frame();
        while (glGetError() != GL_NO_ERROR) {
        }
        s_allocations = 0;
        s_watching = true;
        for (int i = 0; i < frames; ++i) {
            Frame();
        }
        s_watching = false;
        return WATCH_AVAILABLE ? s_allocations : 0;
    }
};

TEST_F(Frames, NoScreenAllocatesOrFailsPerFrame)
{
    HeadlessSetTime(1700000007);
    g_gameMode = MODE_MAIN_MENU;
    PointAt(11.3f, 0.5f, -28.0f);
    EXPECT_EQ(AllocationsOver(20), 0) << "main menu";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    g_gameMode = GAME_FREECELL;
    g_newGameRequested = 1;
    UpdateFrame(0);  // the deal itself may set things up
    PointAt(-11.0f, -4.0f, -25.0f);
    EXPECT_EQ(AllocationsOver(200), 0) << "cards flying in";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    SetDefaultStats();
    g_moveCount = 10001;  // no high score: the name dialog is not part of a frame
    g_gameMode = MODE_WIN;
    EXPECT_EQ(AllocationsOver(400), 0) << "win sequence";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // The watch itself works: a plain allocation is seen.
    if (!WATCH_AVAILABLE) {
        return;
    }
    s_allocations = 0;
    s_watching = true;
    s_probe = new int(3);
    s_watching = false;
    delete s_probe;
    EXPECT_EQ(s_allocations, 1);
}

}  // namespace
