// Processor time and frames of the program's own window and loop on each
// screen, over real time with the pointer still (the same start-up, window
// and loop as the program, started from here so each screen can be reached
// without input): the main menu, a dealt Klondike at rest, a deal, the win
// screen. CPU is user and system time of all threads.
//   app_idle [SECONDS_PER_SCREEN]


#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/frame.h"
#include "app/gl_window.h"
#include "program_here.h"
#include "game/lifting.h"
#include "game/table.h"
#include "qt/gl_window.h"
#include "qt/main_loop.h"
#include "store/stats_store.h"

namespace fs = std::filesystem;

namespace {

// CPU seconds per 10 s of wall time and frames per second over `seconds`.
void Measure(const char* screen, double seconds)
{
    const double cpu = CpuSeconds();
    const uint64_t frames = g_glWindow.framesPresented;
    RunLoopFor(static_cast<int>(seconds * 1000.0));
    const double cpuPer10 = (CpuSeconds() - cpu) * 10.0 / seconds;
    const double fps = static_cast<double>(g_glWindow.framesPresented - frames) / seconds;
    std::printf("| %s | %.3f s | %.1f |\n", screen, cpuPer10, fps);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    Application application;
    fs::path folder;
    if (!StartProgramHere(application, argv, &folder)) {
        return 1;
    }
    RunLoopFor(2000);  // the first frames and the textures' upload behind
    std::printf("| screen | CPU per 10 s | frames per second |\n|---|---|---|\n");
    Measure("main menu, pointer still", seconds);

    // What a press on the Klondike button does; the deal is measured while it
    // runs (about 4 s of flights), then the table at rest.
    g_gameMode = GAME_KLONDIKE;
    g_newGameRequested = 1;
    PictureChanged();  // as the press does: the loop wakes for the deal
    Measure("a Klondike deal", 2.0);
    while (CardsInMotion() && RunLoopOnce() != 0) {
    }
    Measure("a dealt Klondike at rest", seconds);

    // The win sequence of the dealt cards; no result enters the table, so no
    // name is asked for.
    for (int record = STATS_FIRST_SCORE; record < STATS_RECORD_COUNT; ++record) {
        SetLifetimeCount(record, 0);
    }
    g_gameMode = MODE_WIN;
    Measure("the win screen", seconds);

    EndProgramHere(application, folder);
    return 0;
}
