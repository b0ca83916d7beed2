#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

#include "qt/main_loop.h"
#include "qt/player_folder.h"

namespace {

// Qt wants a private runtime folder and warns on every start without one.
void EnsureRuntimeFolder()
{
    if (std::getenv("XDG_RUNTIME_DIR") != nullptr) {
        return;
    }
    const std::string folder = "/tmp/runtime-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv)
{
    // The build folder's copy runs beside its files, an installed one in the
    // player's folder, wherever either is started from.
    const std::filesystem::path scratch = EnterWorkingFolder();
    EnsureRuntimeFolder();
    const int result = RunApplication(argc, argv);
    if (!scratch.empty()) {
        std::error_code error;
        std::filesystem::remove_all(scratch, error);
    }
    return result;
}
