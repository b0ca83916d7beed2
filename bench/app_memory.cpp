// Resident memory of the program's own window and loop (the same start-up,
// window and frames as the program, started from here so a game can be
// begun without input): after the first frame, on the main menu and during a
// Klondike game, with the largest mappings behind the last figure.
//   app_memory [SECONDS_PER_SCREEN]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "program_here.h"
#include "qt/gl_window.h"
#include "qt/main_loop.h"
#include "qt/resident_memory.h"
#include "game/lifting.h"
#include "game/table.h"
#include "scene/scene_state.h"

namespace fs = std::filesystem;

namespace {

void RunFor(double seconds)
{
    RunLoopFor(static_cast<int>(seconds * 1000.0));
}

// Resident kilobytes by what is mapped: a library's file name, [heap], or
// "anonymous" for the nameless mappings (malloc's large blocks, the driver's).
void PrintLargestMappings(int count)
{
    std::ifstream smaps("/proc/self/smaps");
    std::map<std::string, long> byName;
    std::string line;
    std::string name;
    while (std::getline(smaps, line)) {
        if (line.empty()) {
            continue;
        }
        if (line.find('-') < line.find(' ') && line.find(':') > line.find(' ')) {
            const size_t slash = line.rfind('/');
            const size_t bracket = line.find('[');
            name = slash != std::string::npos ? line.substr(slash + 1)
                   : bracket != std::string::npos ? line.substr(bracket)
                                                  : "anonymous";
        } else if (line.rfind("Rss:", 0) == 0) {
            byName[name] += std::strtol(line.c_str() + 4, nullptr, 10);
        }
    }
    std::vector<std::pair<long, std::string>> sorted;
    for (const auto& [mapping, kb] : byName) {
        sorted.emplace_back(kb, mapping);
    }
    std::sort(sorted.rbegin(), sorted.rend());
    for (int i = 0; i < count && i < static_cast<int>(sorted.size()); ++i) {
        std::printf("  %8ld kB  %s\n", sorted[static_cast<size_t>(i)].first,
                    sorted[static_cast<size_t>(i)].second.c_str());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    Application application;
    fs::path folder;
    if (!StartProgramHere(application, argv, &folder)) {
        return 1;
    }
    const uint32_t createdTick = g_glWindow.lastTickCount;
    while (g_glWindow.lastTickCount == createdTick && RunLoopOnce() != 0) {
    }
    std::printf("VmRSS after the first frame: %ld kB\n", ResidentKilobytes());
    RunFor(seconds);
    std::printf("VmRSS on the main menu: %ld kB\n", ResidentKilobytes());
    // What a press on the Klondike button does.
    g_gameMode = GAME_KLONDIKE;
    g_newGameRequested = 1;
    RunFor(seconds);
    std::printf("VmRSS during a Klondike game: %ld kB\n", ResidentKilobytes());
    std::printf("largest resident mappings:\n");
    PrintLargestMappings(12);
    EndProgramHere(application, folder);
    return 0;
}
