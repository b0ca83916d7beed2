#include "program_here.h"

#include <sys/resource.h>

#include <cstdlib>
#include <string>

#include "app/gl_window.h"
#include "game/table.h"
#include "qt/application.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* GAME_FILES[] = {"resources.rcc", "Backgrounds", "tick.wav", "harrow.cur", "hnwse.cur",
                                      "instructions.htm"};

}  // namespace

bool StartProgramHere(Application& application, char** argv, fs::path* folder)
{
    std::string pattern = (fs::temp_directory_path() / "tarvik-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return false;
    }
    *folder = pattern;
    for (const char* name : GAME_FILES) {
        fs::create_symlink(fs::path(TARVIK_GAME_DIR) / name, *folder / name);
    }
    fs::current_path(*folder);
    application.argc = 1;
    application.argv = argv;
    return StartApplication(application).runLoop;
}

void EndProgramHere(Application& application, const fs::path& folder)
{
    TerminateApplication(g_glWindow);
    FinishApplication(application);
    std::error_code error;
    fs::current_path(fs::temp_directory_path(), error);
    fs::remove_all(folder, error);
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool CardsInMotion()
{
    for (const Card& card : g_cards) {
        if (card.moving || card.flipping) {
            return true;
        }
    }
    return false;
}
