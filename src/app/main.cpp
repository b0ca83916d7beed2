#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

#include "app/main_loop.h"

namespace {

// The program finds its files beside itself, wherever it is started from.
void EnterProgramFolder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        std::filesystem::current_path(program.parent_path(), error);
    }
}

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
    EnterProgramFolder();
    EnsureRuntimeFolder();
    return RunApplication(argc, argv);
}
