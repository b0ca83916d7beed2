// The loop that makes a frame only when the picture can change, compared with
// a loop that makes every frame: the same seeded script of input and clock
// goes through both, on the headless platform with an offscreen GL context.
// The suite makes a folder of its own with a small picture store.

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/frame.h"
#include "app/gl_window.h"
#include "app/menu.h"
#include "app/window_proc.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "gfx/textures.h"
#include "platform/headless/headless.h"
#include "scene/scene_state.h"
#include "store/stats_store.h"
#include "support/gl_context.h"
#include "support/reset.h"
#include "support/reset_scene.h"
#include "support/scratch_folder.h"

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;
constexpr uint32_t FRAME_MS = 17;            // one frame of a 60 Hz display, rounded up
constexpr int64_t CLOCK_START = 1'699'999'990;  // ten seconds past a full minute
constexpr float CARD_STEP = FRAME_MS / 5.0f;    // units a card flies in one frame
constexpr float TURN_STEP = FRAME_MS / 0.5f;    // degrees a card turns in one frame

// One input of the script at a moment of the driven clock.
enum class Input { MOVE, PRESS, RELEASE, REDEAL, MAIN_MENU, NONE };
struct Step {
    uint32_t at;  // ms since the start
    Input input;
    int x, y;     // pointer pixels from the top left
};

// What a run leaves after a step.
struct Seen {
    std::vector<Card> cards;
    int32_t mode, moves, holding, preview, background;
    int32_t counts[STATS_SESSION_COUNT];
    std::vector<uint8_t> picture;  // the last picture presented
    bool still;                    // nothing moves: no card in flight, no deal waiting, no win screen
};

uint64_t s_frames = 0;

int CanBeSeen() { return 1; }
int MakeCurrent() { return 1; }
// Nothing draws outside the frames, so the target holds the last picture
// presented until the next frame: it is read when a run is looked at.
void Present() { ++s_frames; }
constexpr FrameSurface SURFACE = {CanBeSeen, MakeCurrent, Present};

void SetClock(uint32_t ms)
{
    HeadlessSetTick(ms);
    HeadlessSetTimeMs(CLOCK_START * 1000 + ms);
}

// Pixel from the top left of a scene point under the window's projection.
void ScreenOf(float x, float y, float z, int* px, int* py)
{
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz);
    *px = static_cast<int>(std::lround(wx));
    *py = HEIGHT - 1 - static_cast<int>(std::lround(wy));
}

// Presses, releases and moves over the cards and the menu buttons, redeals and
// returns to the main menu; every input lands early in its second, so both
// loops deal in the same second (the deal is seeded by whole seconds).
std::vector<Step> MakeScript(uint32_t seed, int count)
{
    std::mt19937 random(seed);
    std::vector<Step> steps;
    uint32_t second = 0;
    for (int i = 0; i < count; ++i) {
        second += 1 + random() % 2;
        // Not in the first frame of a second: the loop that makes every
        // frame shows a new second (a background switch) only at its frame.
        const uint32_t at = second * 1000 + FRAME_MS + random() % 780;
        const int kind = static_cast<int>(random() % 20);
        Step step{at, Input::MOVE, static_cast<int>(random() % WIDTH), static_cast<int>(random() % HEIGHT)};
        if (kind < 6) {
            step.input = Input::PRESS;
        } else if (kind < 12) {
            step.input = Input::RELEASE;
        } else if (kind == 12) {
            step.input = Input::REDEAL;
        } else if (kind == 13) {
            step.input = Input::MAIN_MENU;
        } else if (kind == 14) {
            step.input = Input::NONE;
        }
        steps.push_back(step);
    }
    return steps;
}

// Aims a press or move at a card (one of the top cards) or a main-menu button
// half of the time, so the script plays rather than clicks the cloth.
void Aim(Step& step, std::mt19937& random)
{
    if (random() % 2 == 0) {
        return;
    }
    if (g_gameMode == MODE_MAIN_MENU) {
        // The five buttons, a column right of the preview.
        constexpr float BUTTON_X = 11.3f, BUTTON_Y[] = {5.0f, 2.75f, 0.5f, -1.75f, -4.0f};
        ScreenOf(BUTTON_X, BUTTON_Y[random() % 5], -25.0f - g_menuDepthOffset, &step.x, &step.y);
        return;
    }
    const Card& card = g_cards[random() % CARD_COUNT];
    ScreenOf(card.x, card.y, card.z, &step.x, &step.y);
    step.x = std::clamp(step.x, 0, WIDTH - 1);
    step.y = std::clamp(step.y, 0, HEIGHT - 1);
}

void Apply(const Step& step)
{
    switch (step.input) {
    case Input::MOVE: UpdatePointer(step.x, step.y, 0); break;
    case Input::PRESS:
        UpdatePointer(step.x, step.y, 0);
        PointerPressed();
        break;
    case Input::RELEASE:
        UpdatePointer(step.x, step.y, 0);
        PointerReleased();
        break;
    case Input::REDEAL: HandleMenuCommand(COMMAND_REDEAL); break;
    case Input::MAIN_MENU: HandleMenuCommand(COMMAND_MAIN_MENU); break;
    case Input::NONE: break;
    }
}

bool Still()
{
    if (g_newGameRequested || g_gameMode == MODE_WIN) {
        return false;
    }
    return std::none_of(std::begin(g_cards), std::end(g_cards), [](const Card& c) { return c.moving || c.flipping; });
}

Seen Look()
{
    Seen seen;
    seen.cards.assign(std::begin(g_cards), std::end(g_cards));
    seen.mode = g_gameMode;
    seen.moves = g_moveCount;
    seen.holding = g_holding;
    seen.preview = g_previewGame;
    seen.background = g_backgroundSearch.current;
    for (int i = 0; i < STATS_SESSION_COUNT; ++i) {
        seen.counts[i] = GetSessionCount(i);
    }
    seen.picture.resize(static_cast<size_t>(WIDTH) * HEIGHT * 4);
    glReadPixels(0, 0, WIDTH, HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, seen.picture.data());
    seen.still = Still();
    return seen;
}

// A picture of the headless store (binary PPM): two colours that tell every
// picture apart, split down the middle.
void WritePicture(const std::string& path, int seed)
{
    constexpr int SIDE = 16;
    std::ofstream file(path, std::ios::binary);
    file << "P6\n" << SIDE << " " << SIDE << "\n255\n";
    for (int y = 0; y < SIDE; ++y) {
        for (int x = 0; x < SIDE; ++x) {
            const int c = x < SIDE / 2 ? seed * 37 : seed * 91 + 50;
            const char rgb[3] = {static_cast<char>(c % 251), static_cast<char>((c / 3) % 241), static_cast<char>(c % 199)};
            file.write(rgb, 3);
        }
    }
}

// The suite's folder: a store with every picture the start-up loads and
// three cloths, so a switch of the background shows.
class LoopFolder {
public:
    LoopFolder()
    {
        std::filesystem::create_directories("pictures");
        std::filesystem::create_directories("Backgrounds");
        for (int id = 4000; id <= 4072; ++id) {
            WritePicture("pictures/" + std::to_string(id) + ".pam", id);
        }
        for (int k = 0; k < 3; ++k) {
            WritePicture("Backgrounds/" + std::to_string(k) + ".jpg", 1000 + k);
        }
    }

private:
    ScratchFolder m_folder{"tarvik-loop"};  // made and entered first
};

class Loop {
public:
    explicit Loop(bool everyFrame, uint32_t now = 0)
        : m_everyFrame(everyFrame), m_now(now), m_nextFrame(now + FRAME_MS)
    {
    }

    // Runs the loop from now until `until`, as the program's loop runs it
    // between two inputs: frames cost no time, waits end at the wait's end or
    // at the next input, whichever comes first.
    void RunUntil(uint32_t until)
    {
        // The loop that makes every frame: one on each frame of the display,
        // whatever the input.
        if (m_everyFrame) {
            while (m_nextFrame <= until) {
                SetClock(m_nextFrame);
                MakeFrame(SURFACE);
                m_nextFrame += FRAME_MS;
            }
            m_now = until;
            SetClock(m_now);
            return;
        }
        for (;;) {
            const int32_t wait = FrameWait(true);
            if (wait == 0) {
                MakeFrame(SURFACE);
                continue;
            }
            const uint32_t wake = wait < 0 ? until : std::min<uint32_t>(until, m_now + static_cast<uint32_t>(wait));
            m_now = wake;
            SetClock(m_now);
            LoopWoke();
            if (wake == until) {
                return;
            }
        }
    }

private:
    bool m_everyFrame;
    uint32_t m_now = 0;
    uint32_t m_nextFrame = 0;
};

class LoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlTestContext& gl = GlTestContext::Get(WIDTH, HEIGHT);
        ASSERT_TRUE(gl.Valid()) << "no GL context: run under a display (xvfb-run)";
        if (!s_graphicsReady) {
            static LoopFolder folder;
            HeadlessReset();
            ASSERT_EQ(InitializeGraphics(), 1) << "no picture store in the working directory";
            s_graphicsReady = true;
        }
    }

    // The program as it starts: main menu, defaults, both options on.
    static void Start()
    {
        ResetGameState();
        HeadlessReset();
        ResetSceneState();
        for (int i = 0; i < CARD_COUNT; ++i) {
            g_cards[i].textureIndex = i + 1;
            g_cards[i].x = g_cards[i].y = g_cards[i].z = 0.0f;
        }
        // The first cloth loaded afresh: a switch in an earlier run may have
        // deleted the texture it had.
        g_backgroundSearch = BackgroundSearch();
        AdvanceBackground();
        SetDefaultStats();
        g_alternateBackgrounds = 1;
        g_glWindow = GLWindow();
        g_glWindow.visible = true;
        SetClock(0);
        ResetFrameSchedule();
        ReshapeGL(WIDTH, HEIGHT);
        s_frames = 0;
    }

    // The script through one loop: what it left after every step (just
    // before the next input), and the inputs as aimed in this run.
    static std::vector<Seen> Run(bool everyFrame, std::vector<Step> script, uint32_t seed)
    {
        Start();
        std::mt19937 aim(seed);
        Loop loop(everyFrame);
        std::vector<Seen> seen;
        for (Step& step : script) {
            loop.RunUntil(step.at);
            seen.push_back(Look());
            Aim(step, aim);
            Apply(step);
        }
        loop.RunUntil(script.back().at + 10000);
        seen.push_back(Look());
        return seen;
    }

    static inline bool s_graphicsReady = false;
};

bool Within(float a, float b, float step) { return std::fabs(a - b) <= step + 0.001f; }

TEST_F(LoopTest, FramesOnlyWhenNeededLeaveWhatEveryFrameLeaves)
{
    const char* fixed = std::getenv("TARVIK_LOOP_SEED");
    const uint32_t seed = fixed != nullptr ? static_cast<uint32_t>(std::strtoul(fixed, nullptr, 10))
                                           : std::random_device()();
    std::printf("loop script seed %u (TARVIK_LOOP_SEED=%u repeats it)\n", seed, seed);
    const std::vector<Step> script = MakeScript(seed, 20);

    const std::vector<Seen> every = Run(true, script, seed);
    const uint64_t everyFrames = s_frames;
    const std::vector<Seen> needed = Run(false, script, seed);
    const uint64_t neededFrames = s_frames;

    ASSERT_EQ(every.size(), needed.size());
    int compared = 0;
    for (size_t i = 0; i < every.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", before step " << i);
        const Seen& a = every[i];
        const Seen& b = needed[i];
        ASSERT_EQ(a.mode, b.mode);
        ASSERT_EQ(a.moves, b.moves);
        ASSERT_EQ(a.holding, b.holding);
        for (int s = 0; s < STATS_SESSION_COUNT; ++s) {
            ASSERT_EQ(a.counts[s], b.counts[s]);
        }
        if (a.still && b.still) {
            ++compared;
            ASSERT_EQ(a.preview, b.preview);
            ASSERT_EQ(a.background, b.background);
            for (int c = 0; c < CARD_COUNT; ++c) {
                ASSERT_EQ(a.cards[c].x, b.cards[c].x) << "card " << c;
                ASSERT_EQ(a.cards[c].y, b.cards[c].y) << "card " << c;
                ASSERT_EQ(a.cards[c].z, b.cards[c].z) << "card " << c;
                ASSERT_EQ(a.cards[c].rotY, b.cards[c].rotY) << "card " << c;
                ASSERT_EQ(a.cards[c].pile, b.cards[c].pile) << "card " << c;
                ASSERT_EQ(a.cards[c].slot, b.cards[c].slot) << "card " << c;
            }
            ASSERT_TRUE(a.picture == b.picture) << "the pictures differ";
        } else {
            for (int c = 0; c < CARD_COUNT; ++c) {
                ASSERT_TRUE(Within(a.cards[c].x, b.cards[c].x, CARD_STEP)) << "card " << c;
                ASSERT_TRUE(Within(a.cards[c].y, b.cards[c].y, CARD_STEP)) << "card " << c;
                ASSERT_TRUE(Within(a.cards[c].rotY, b.cards[c].rotY, TURN_STEP)) << "card " << c;
            }
        }
    }
    std::printf("%d of %zu steps at rest compared; %llu frames against %llu\n", compared, every.size(),
                static_cast<unsigned long long>(neededFrames), static_cast<unsigned long long>(everyFrames));
    EXPECT_GT(compared, 0);
    EXPECT_LT(neededFrames, everyFrames);
}

// The table's background switches at the full and the half minute, woken by
// the loop's own timer while nothing else happens, and never on the main menu.
TEST_F(LoopTest, BackgroundSwitchesOnTheTableAtTheHalfMinuteOnly)
{
    Start();
    Loop loop(false);
    g_gameMode = GAME_KLONDIKE;  // an empty table: nothing moves
    loop.RunUntil(1000);
    const uint64_t framesAtRest = s_frames;
    const int first = g_backgroundSearch.current;
    // Ten seconds past the minute: at rest until the half minute.
    loop.RunUntil(19'000);
    EXPECT_EQ(s_frames, framesAtRest) << "frames while nothing changes";
    EXPECT_EQ(g_backgroundSearch.current, first);
    loop.RunUntil(21'000);
    EXPECT_EQ(s_frames, framesAtRest + 1) << "one frame at the half minute";
    EXPECT_NE(g_backgroundSearch.current, first);
    EXPECT_EQ(g_lastBackgroundSecond, 30);
    loop.RunUntil(51'000);
    EXPECT_EQ(s_frames, framesAtRest + 2) << "one frame at the full minute";
    EXPECT_EQ(g_lastBackgroundSecond, 0);

    // The main menu: no frame at the next half minute, and no switch either
    // when frames are made.
    HandleMenuCommand(COMMAND_MAIN_MENU);
    loop.RunUntil(52'000);
    const uint64_t framesOnMenu = s_frames;
    const int onMenu = g_backgroundSearch.current;
    loop.RunUntil(139'000);
    EXPECT_EQ(s_frames, framesOnMenu);
    Loop every(true, 139'000);
    every.RunUntil(141'000);
    EXPECT_GT(s_frames, framesOnMenu);
    EXPECT_EQ(g_backgroundSearch.current, onMenu);
}

}  // namespace
