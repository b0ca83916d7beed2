#include "qt/player_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* PROGRAM_NAME = "tarvik-solitaire";
// Where an installed copy lies: PREFIX/games/tarvik-solitaire with its data in
// PREFIX/share/games/tarvik-solitaire (the packaging's install rules).
constexpr const char* PROGRAM_FOLDER = "games";
constexpr const char* DATA_FOLDER = "share/games/tarvik-solitaire";
constexpr const char* BACKGROUNDS = "Backgrounds";
constexpr const char* SHIPPED_FILES[] = {"resources.rcc", "tick.wav", "harrow.cur", "hnwse.cur", "instructions.htm"};
constexpr const char* STORE_FILE = "resources.rcc";
constexpr const char* STATS_FILE = "stats.hsf";

bool ReadableFile(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error) && access(path.c_str(), R_OK) == 0;
}

// A link at `at` to `target`, unless something of the player's own is there.
void Link(const fs::path& target, const fs::path& at)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(at, error);
    if (fs::is_symlink(status)) {
        if (fs::read_symlink(at, error) == target) {
            return;
        }
        fs::remove(at, error);
    } else if (fs::exists(status)) {
        return;
    }
    fs::create_symlink(target, at, error);
}

// A link this program made to a shipped background: it points into some
// copy's .../tarvik-solitaire/Backgrounds.
bool IsShippedBackgroundLink(const fs::path& at)
{
    std::error_code error;
    const fs::path target = fs::read_symlink(at, error);
    return !error && target.parent_path().filename() == BACKGROUNDS &&
           target.parent_path().parent_path().filename() == PROGRAM_NAME;
}

// Makes or repairs, in `folder`, the links to the data of `dataFolder` and
// drops links to shipped backgrounds that are gone. 1 when the picture store
// can then be read through `folder`, else 0.
int LinkInstalledData(const fs::path& dataFolder, const fs::path& folder)
{
    for (const char* name : SHIPPED_FILES) {
        Link(dataFolder / name, folder / name);
    }
    const fs::path backgrounds = folder / BACKGROUNDS;
    mkdir(backgrounds.c_str(), 0755);
    std::error_code error;
    for (fs::directory_iterator it(dataFolder / BACKGROUNDS, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == ".jpg") {
            Link(it->path(), backgrounds / it->path().filename());
        }
    }
    std::vector<fs::path> stale;
    std::error_code listError;
    for (fs::directory_iterator it(backgrounds, listError), end; !listError && it != end; it.increment(listError)) {
        std::error_code statusError;
        if (it->is_symlink(statusError) && !fs::exists(it->path(), statusError) &&
            IsShippedBackgroundLink(it->path())) {
            stale.push_back(it->path());
        }
    }
    for (const fs::path& link : stale) {
        fs::remove(link, listError);
    }
    return ReadableFile(folder / STORE_FILE) ? 1 : 0;
}

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
fs::path DataHome()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') {
        return dataHome;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
        const passwd* entry = getpwuid(getuid());
        home = entry != nullptr ? entry->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] != '/') {
        return {};
    }
    return fs::path(home) / ".local" / "share";
}

// The installed data of a program in PREFIX/games, or empty when this copy is
// not installed (its data lies beside it, or there is none to find).
fs::path InstalledDataFolder(const fs::path& programFolder)
{
    if (programFolder.filename() != PROGRAM_FOLDER || ReadableFile(programFolder / STORE_FILE)) {
        return {};
    }
    const fs::path data = programFolder.parent_path() / DATA_FOLDER;
    return ReadableFile(data / STORE_FILE) ? data : fs::path();
}

// The player's folder, made with mode 0700 when missing; empty when it cannot
// be made or entered.
fs::path EnterPlayerFolder(const fs::path& data)
{
    const fs::path home = DataHome();
    if (home.empty()) {
        return {};
    }
    const fs::path folder = home / PROGRAM_NAME;
    std::error_code error;
    fs::create_directories(home, error);
    mkdir(folder.c_str(), 0700);
    if (!LinkInstalledData(data, folder)) {
        return {};
    }
    fs::current_path(folder, error);
    return error ? fs::path() : folder;
}

// A private folder for a run whose player's folder cannot be used: the data
// is linked in, and so are the player's statistics when they can be read.
// The save at the end replaces the link with a file of the scratch folder.
fs::path EnterScratchFolder(const fs::path& data)
{
    std::string pattern = TemporaryFolder() + "/tarvik-solitaire-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    const fs::path folder = pattern;
    LinkInstalledData(data, folder);
    const fs::path home = DataHome();
    if (!home.empty() && ReadableFile(home / PROGRAM_NAME / STATS_FILE)) {
        std::error_code error;
        fs::create_symlink(home / PROGRAM_NAME / STATS_FILE, folder / STATS_FILE, error);
    }
    std::error_code error;
    fs::current_path(folder, error);
    return folder;
}

}  // namespace

std::string TemporaryFolder()
{
    const char* temporary = std::getenv("TMPDIR");
    return temporary != nullptr && *temporary != '\0' ? temporary : "/tmp";
}

fs::path EnterWorkingFolder()
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    const fs::path data = InstalledDataFolder(program.parent_path());
    if (data.empty()) {
        // The build folder: everything lies beside the program.
        fs::current_path(program.parent_path(), error);
        return {};
    }
    if (!EnterPlayerFolder(data).empty()) {
        return {};
    }
    return EnterScratchFolder(data);
}
