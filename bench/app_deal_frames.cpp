// Frames of the program's own window and loop while the cards of a Klondike
// deal fly, with the table (the GL area under the menu bar) at a given size:
// frames a second and CPU time per frame (user and system time of all
// threads, the renderer's included) from the deal's start until its last card
// lands, the median of RUNS deals. A card flies by the milliseconds elapsed,
// so the deal is shorter in fewer, longer frames. The page's benchmark
// (bench/web_bench.mjs) measures the same.
//   app_deal_frames WIDTH HEIGHT [RUNS]
// The screen must hold the window: WIDTH x (HEIGHT + the menu bar).


#include <QMainWindow>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/frame.h"
#include "app/gl_window.h"
#include "game/lifting.h"
#include "game/table.h"
#include "program_here.h"
#include "qt/gl_window.h"
#include "qt/main_loop.h"

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT [RUNS]\n", argv[0]);
        return 2;
    }
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    Application application;
    std::filesystem::path folder;
    if (!StartProgramHere(application, argv, &folder)) {
        return 1;
    }
    QMainWindow* window = g_qtWindow.window;
    QWindow* area = g_qtWindow.area;
    window->resize(width, height + window->height() - area->height());
    RunLoopFor(2000);  // the first frames and the textures' upload behind
    if (area->width() != width || area->height() != height) {
        std::fprintf(stderr, "the table is %d x %d, not %d x %d: a screen too small?\n", area->width(),
                     area->height(), width, height);
        EndProgramHere(application, folder);
        return 1;
    }
    std::vector<double> fps, cpuMs, dealMs;
    for (int run = 0; run < runs; ++run) {
        // What a press on the Klondike button does, or "Redeal" in a game.
        g_gameMode = GAME_KLONDIKE;
        g_newGameRequested = 1;
        PictureChanged();
        const double cpu = CpuSeconds();
        const uint64_t frames = g_glWindow.framesPresented;
        const auto start = std::chrono::steady_clock::now();
        RunLoopOnce();  // the deal itself
        while (CardsInMotion() && RunLoopOnce() != 0) {
        }
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        const double made = static_cast<double>(g_glWindow.framesPresented - frames);
        dealMs.push_back(ms);
        fps.push_back(made * 1000.0 / ms);
        cpuMs.push_back((CpuSeconds() - cpu) * 1000.0 / std::max(1.0, made));
        RunLoopFor(500);
    }
    std::printf("deal at %d x %d: %.1f frames a second, %.1f ms CPU a frame, %.0f ms long (median of %d)\n", width,
                height, Median(fps), Median(cpuMs), Median(dealMs), runs);
    EndProgramHere(application, folder);
    return 0;
}
