// Renders what a player sees, off the real window, into PNG files at
// 640 x 480 (or the size given): the main menu, each game just dealt, a drag,
// the win screen. Run from the game folder: tarvik-screenshots OUTDIR [W H]

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "gfx/textures.h"
#include "platform/headless/headless.h"
#include "scene/draw.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "scene/update.h"
#include "scene/view.h"
#include "store/stats_store.h"
#include "support/gui_application.h"

namespace {

int WIDTH = 640;
int HEIGHT = 480;

std::string g_outDir;
int g_failures = 0;

void PointAt(int px, int py)
{
    g_pointerX = px;
    g_pointerY = py;
    g_pointerWorldX = (px - WIDTH / 2.0f) / (WIDTH / 2.0f) * static_cast<float>(TABLE_HALF_WIDTH);
    g_pointerWorldY = -(py - HEIGHT / 2.0f) / (HEIGHT / 2.0f) * static_cast<float>(TABLE_HALF_HEIGHT);
}

void Save(const char* name)
{
    // Twice: the first sets the screen's clear colour for the second.
    DrawFrame();
    DrawFrame();
    const std::string path = g_outDir + "/" + name;
    if (!SaveGlImage(GlTestContext::Get(WIDTH, HEIGHT), path.c_str())) {
        std::fprintf(stderr, "could not write %s\n", path.c_str());
        ++g_failures;
    }
}

bool Settle()
{
    for (int frame = 0; frame < 3000; ++frame) {
        UpdateFrame(16);
        bool moving = false;
        for (const Card& card : g_cards) {
            moving = moving || card.moving || card.flipping;
        }
        if (!moving) {
            return true;
        }
    }
    std::fprintf(stderr, "the cards never came to rest\n");
    ++g_failures;
    return false;
}

void Deal(int game)
{
    HeadlessSetTime(1700000000 + game);
    g_gameMode = game;
    g_newGameRequested = 1;
    UpdateFrame(0);
    Settle();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s OUTDIR [WIDTH HEIGHT] (run from the game folder)\n", argv[0]);
        return 2;
    }
    if (argc == 4) {
        WIDTH = std::atoi(argv[2]);
        HEIGHT = std::atoi(argv[3]);
        if (WIDTH < 64 || HEIGHT < 48 || WIDTH > 4096 || HEIGHT > 4096) {
            std::fprintf(stderr, "a size from 64 x 48 to 4096 x 4096\n");
            return 2;
        }
    }
    g_outDir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(g_outDir, error);
    EnsureGuiApplication();  // the build's own pictures and face come through Qt
    GlTestContext& gl = GlTestContext::Get(WIDTH, HEIGHT);
    if (!gl.Valid()) {
        std::fprintf(stderr, "no GL context\n");
        return 1;
    }
    SetDefaultStats();
    g_windowWidth = WIDTH;
    g_windowHeight = HEIGHT;
    if (InitializeGraphics() != 1) {
        std::fprintf(stderr, "no picture store in the working directory\n");
        return 1;
    }
    // What the window's ReshapeGL sets.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(WIDTH) / HEIGHT, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    // The main menu with the pointer resting on the third button.
    PointAt(575, 240);
    UpdateFrame(16);
    Save("main_menu.png");

    static const char* const dealt[] = {"", "klondike.png", "freecell.png", "scorpion.png", "mount_sunflower.png",
                                        "bakers_dozen.png"};
    for (int game = GAME_KLONDIKE; game <= GAME_BAKERS_DOZEN; ++game) {
        Deal(game);
        Save(dealt[game]);
    }

    // Klondike: the top card of the fourth tableau pile lifted and dragged.
    Deal(GAME_KLONDIKE);
    const Card& top = g_cards[TopCard(6)];
    GLdouble model[16], projection[16], wx, wy, wz;
    GLint viewport[4];
    glLoadIdentity();
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(top.x, top.y, top.z, model, projection, viewport, &wx, &wy, &wz);
    PointAt(static_cast<int>(wx), HEIGHT - static_cast<int>(wy));
    g_pressPending = 1;
    PickAtPointer();
    if (!g_holding) {
        std::fprintf(stderr, "the drag did not lift a card\n");
        ++g_failures;
    }
    PointAt(static_cast<int>(wx) + 60, HEIGHT - static_cast<int>(wy) + 90);
    UpdateFrame(16);
    Save("drag.png");
    DropHeldCards();
    Settle();

    // The win screen, spinning, with a name that holds a per-cent sign.
    g_moveCount = 87;
    g_headless.nameAnswer = "Pat 100%d";
    g_gameMode = MODE_WIN;
    int64_t elapsed = 0;
    auto winFrame = [&elapsed]() {
        elapsed += 16;
        HeadlessSetTime(1800000000 + elapsed / 1000);
        UpdateFrame(16);
    };
    for (int frame = 0; frame < 5000 && g_winPhase < 3; ++frame) {
        winFrame();
    }
    for (int frame = 0; frame < 40; ++frame) {
        winFrame();  // a little of the spin
    }
    if (g_winPhase != 3) {
        std::fprintf(stderr, "the win sequence did not reach its last phase\n");
        ++g_failures;
    }
    Save("win.png");
    return g_failures == 0 ? 0 : 1;
}
