// One frame (update, draw, finish) of a dealt Klondike table at 640 x 480,
// one pick over it, and InitializeGraphics with the real picture store.

#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <GL/glu.h>
#include <unistd.h>

#include <cstdio>
#include <iterator>

#include "game/lifting.h"
#include "game/table.h"
#include "gfx/font.h"
#include "gfx/textures.h"
#include "platform/headless/headless.h"
#include "scene/draw.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "scene/update.h"
#include "scores/stats_store.h"
#include "support/gl_context.h"

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;

void ApplyWindowProjection()
{
    glViewport(0, 0, WIDTH, HEIGHT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(WIDTH) / HEIGHT, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
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

void BM_FrameOfDealtKlondike(benchmark::State& state)
{
    DealKlondikeAndSettle();
    for (auto _ : state) {
        UpdateFrame(16);
        DrawFrame();
        glFinish();
    }
}
BENCHMARK(BM_FrameOfDealtKlondike)->Unit(benchmark::kMillisecond);

void BM_PickOverDealtTable(benchmark::State& state)
{
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

}  // namespace

int main(int argc, char** argv)
{
    if (chdir(TARVIK_GAME_DIR) != 0) {
        std::fprintf(stderr, "no game folder at %s\n", TARVIK_GAME_DIR);
        return 1;
    }
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
    ApplyWindowProjection();
    std::printf("GL_RENDERER: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
