// Frames (update, draw, finish) of the main menu, a dealt Klondike table and
// the win screen at 640 x 480 and 1920 x 1080, one pick over the table, and
// InitializeGraphics with the real picture store, whole and in its parts.

#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <GL/glu.h>
#include <unistd.h>

#include <cstdio>
#include <iterator>
#include <vector>

#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "gfx/font.h"
#include "gfx/font_geometry.h"
#include "gfx/texture_pixels.h"
#include "gfx/textures.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "scene/draw.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "scene/update.h"
#include "store/stats_store.h"
#include "support/gui_application.h"

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;

void ApplyWindowProjection(int width, int height)
{
    GlTestContext::Get(width, height);
    g_windowWidth = width;
    g_windowHeight = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / height, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void DeleteGraphics()
{
    glDeleteTextures(static_cast<GLsizei>(std::size(g_cardTextures)), g_cardTextures);
    glDeleteTextures(1, &g_backgroundTexture);
    glDeleteTextures(1, &g_textTexture);
    glDeleteTextures(static_cast<GLsizei>(std::size(g_pileMarkerTextures)), g_pileMarkerTextures);
    glDeleteTextures(static_cast<GLsizei>(std::size(g_gamePreviewTextures)), g_gamePreviewTextures);
    glDeleteTextures(1, &g_menuTileTexture);
    glDeleteTextures(1, &g_menuBackdropTexture);
    glDeleteTextures(static_cast<GLsizei>(std::size(g_menuButtonTextures)), g_menuButtonTextures);
    if (g_fontListBase) {
        glDeleteLists(g_fontListBase, 256);
    }
}

void DealKlondikeAndSettle()
{
    HeadlessSetTime(1700000007);  // second 27: no background switch near
    g_gameMode = GAME_KLONDIKE;
    g_newGameRequested = 1;
    for (int frame = 0; frame < 5000; ++frame) {
        UpdateFrame(16);
    }
}

// The main menu with the pointer over the middle button, so each frame's
// hover pick finds it and its preview is drawn.
void ShowMainMenu(int width, int height)
{
    HeadlessSetTime(1700000007);
    g_gameMode = MODE_MAIN_MENU;
    g_pointerX = width / 2;
    g_pointerY = height / 2;
    for (int frame = 0; frame < 200; ++frame) {
        UpdateFrame(16);
    }
}

// The win screen in its last phase (the cards spinning); too many moves for
// a high score, so no name is asked for.
void ShowWinScreen()
{
    DealKlondikeAndSettle();
    SetDefaultStats();
    g_moveCount = 10001;
    g_gameMode = MODE_WIN;
    int64_t elapsed = 0;
    for (int frame = 0; frame < 5000 && g_winPhase < 3; ++frame) {
        elapsed += 16;
        HeadlessSetTime(1800000000 + elapsed / 1000);
        UpdateFrame(16);
    }
}

void TimeFrames(benchmark::State& state)
{
    for (auto _ : state) {
        UpdateFrame(16);
        DrawFrame();
        glFinish();
    }
    ApplyWindowProjection(WIDTH, HEIGHT);
}

void BM_FrameOfMainMenu(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    ApplyWindowProjection(width, height);
    ShowMainMenu(width, height);
    TimeFrames(state);
}
BENCHMARK(BM_FrameOfMainMenu)->Args({640, 480})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

void BM_FrameOfDealtKlondike(benchmark::State& state)
{
    ApplyWindowProjection(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    DealKlondikeAndSettle();
    TimeFrames(state);
}
BENCHMARK(BM_FrameOfDealtKlondike)->Args({640, 480})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

void BM_FrameOfWinScreen(benchmark::State& state)
{
    ApplyWindowProjection(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    ShowWinScreen();
    if (g_winPhase != 3) {
        state.SkipWithError("the win sequence did not reach its last phase");
    }
    TimeFrames(state);
}
BENCHMARK(BM_FrameOfWinScreen)->Args({640, 480})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

void BM_PickOverDealtTable(benchmark::State& state)
{
    ApplyWindowProjection(WIDTH, HEIGHT);
    DealKlondikeAndSettle();
    // The pointer on the lowest, face-down card of the last tableau pile: the
    // press finds it under six others and lifts nothing, so every pick is alike.
    const Card& covered = g_cards[CurrentLayout().piles[9].slots[0].card];
    GLdouble model[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, projection[16], wx, wy, wz;
    GLint viewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(covered.x, covered.y + 1.2, covered.z, model, projection, viewport, &wx, &wy, &wz);
    g_pointerX = static_cast<int32_t>(wx);
    g_pointerY = HEIGHT - static_cast<int32_t>(wy);
    for (auto _ : state) {
        g_pressPending = 1;
        PickAtPointer();
    }
    if (g_pickedName != CurrentLayout().piles[9].slots[0].card) {
        state.SkipWithError("the pick did not find the covered card");
    }
}
BENCHMARK(BM_PickOverDealtTable)->Unit(benchmark::kMicrosecond);

void BM_InitializeGraphics(benchmark::State& state)
{
    for (auto _ : state) {
        if (InitializeGraphics() != 1) {
            state.SkipWithError("no picture store");
            break;
        }
        glFinish();
        state.PauseTiming();
        DeleteGraphics();
        state.ResumeTiming();
    }
    InitializeGraphics();  // the other cases draw with the real textures
}
BENCHMARK(BM_InitializeGraphics)->Unit(benchmark::kMillisecond);

// The parts of start-up one by one. Decoding: the 52 faces and the back, each
// sized and decoded as the texture loader does.
void BM_DecodeCardPictures(benchmark::State& state)
{
    if (!SysOpenPictureStore()) {
        state.SkipWithError("no picture store");
        return;
    }
    SysImage image;
    for (auto _ : state) {
        for (int k = 4000; k <= 4051 + 1; ++k) {
            const int id = k == 4052 ? 4056 : k;
            int width = 0;
            int height = 0;
            if (!SysStorePictureSize(id, &width, &height) ||
                !SysDecodeStorePicture(id, TextureDimension(width, 2048), TextureDimension(height, 2048), &image)) {
                state.SkipWithError("a card picture did not decode");
                break;
            }
        }
    }
    SysClosePictureStore();
}
BENCHMARK(BM_DecodeCardPictures)->Unit(benchmark::kMillisecond);

// The colour key with its edge fill on one decoded picture (copying the
// decoded texels back in is outside the timing): a card face keyed blue, and
// the main menu's 1024 x 1024 backdrop picture keyed white, mostly key.
void BM_ColourKeyOfPicture(benchmark::State& state)
{
    const int id = static_cast<int>(state.range(0));
    const int keyed = static_cast<int>(state.range(1));
    SysImage decoded;
    int width = 0;
    int height = 0;
    if (!SysOpenPictureStore() || !SysStorePictureSize(id, &width, &height) ||
        !SysDecodeStorePicture(id, TextureDimension(width, 2048), TextureDimension(height, 2048), &decoded)) {
        state.SkipWithError("no such picture");
        return;
    }
    SysClosePictureStore();
    SysImage image = decoded;
    for (auto _ : state) {
        state.PauseTiming();
        image.rgba = decoded.rgba;
        state.ResumeTiming();
        ApplyColourKey(&image, 1, keyed, keyed, 255);
    }
}
BENCHMARK(BM_ColourKeyOfPicture)->Args({4000, 0})->Args({4052, 255})->Unit(benchmark::kMicrosecond);

// The font's 255 outlines taken from the face and tessellated, as the first
// BuildFont does (later ones reuse the kept geometry).
void BM_GlyphOutlinesAndTessellation(benchmark::State& state)
{
    SysGlyphOutline outline;
    std::vector<float> triangles;
    for (auto _ : state) {
        for (int code = 0; code < FONT_GLYPH_COUNT; ++code) {
            triangles.clear();
            if (SysGetGlyphOutline(code, GLYPH_DEVIATION, &outline)) {
                TessellateContours(outline.contours, &triangles);
            }
        }
        benchmark::DoNotOptimize(triangles.data());
    }
}
BENCHMARK(BM_GlyphOutlinesAndTessellation)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (chdir(TARVIK_GAME_DIR) != 0) {
        std::fprintf(stderr, "no game folder at %s\n", TARVIK_GAME_DIR);
        return 1;
    }
    EnsureGuiApplication();  // the build's own pictures and face come through Qt
    GlTestContext& gl = GlTestContext::Get(WIDTH, HEIGHT);
    if (!gl.Valid()) {
        std::fprintf(stderr, "no GL context\n");
        return 1;
    }
    SetDefaultStats();
    if (InitializeGraphics() != 1) {
        std::fprintf(stderr, "no picture store in %s\n", TARVIK_GAME_DIR);
        return 1;
    }
    ApplyWindowProjection(WIDTH, HEIGHT);
    std::printf("GL_RENDERER: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
