#include "win32/player_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "win32/platform/win32_platform.h"

namespace {

constexpr const char* PLAYER_FOLDER = "Tarvik Solitaire";
// The installer's record in the system's list of installed programs; its
// InstallLocation names the folder of the installed copy.
constexpr const char* UNINSTALL_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvik Solitaire";

std::string WithoutTrailingSlash(std::string path)
{
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) {
        path.pop_back();
    }
    return path;
}

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? WithoutTrailingSlash(full) : WithoutTrailingSlash(path);
}

std::string ProgramFolder()
{
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    std::string folder(program, length);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

// Whether the installer registered a copy in `folder`. The installer writes
// the machine's 64-bit view of the registry; a 32-bit program reads it too.
bool IsInstalledCopy(const std::string& folder)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UNINSTALL_KEY, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) {
        return false;
    }
    char location[MAX_PATH] = "";
    DWORD size = sizeof location - 1;
    DWORD type = 0;
    const LONG read =
        RegQueryValueExA(key, "InstallLocation", nullptr, &type, reinterpret_cast<BYTE*>(location), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || type != REG_SZ) {
        return false;
    }
    location[size < sizeof location ? size : sizeof location - 1] = '\0';
    return _stricmp(FullPath(location).c_str(), FullPath(folder).c_str()) == 0;
}

bool Enter(const std::string& folder)
{
    return !folder.empty() && SetCurrentDirectoryA(folder.c_str());
}

// The player's folder for this program, made when missing; empty when it
// cannot be made.
std::string MakePlayerFolder(int where)
{
    char base[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, where | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, base))) {
        return {};
    }
    const std::string folder = std::string(base) + "\\" + PLAYER_FOLDER;
    if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return {};
    }
    return folder;
}

}  // namespace

int EnterWorkingFolder()
{
    const std::string program = ProgramFolder();
    if (!IsInstalledCopy(program)) {
        // Everything lies beside the program, wherever it was started from.
        Win32SetShippedFolder({});
        return Enter(program) ? 1 : 0;
    }
    // The shortcut starts the program in its own folder, which belongs to
    // the machine: the player's files go to the player's own folder, or, when
    // that cannot be had, to the local temporary one.
    Win32SetShippedFolder(program);
    if (Enter(MakePlayerFolder(CSIDL_APPDATA))) {
        return 1;
    }
    char temporary[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temporary);
    if (length == 0 || length >= MAX_PATH) {
        return 0;
    }
    const std::string folder = std::string(temporary) + PLAYER_FOLDER;
    CreateDirectoryA(folder.c_str(), nullptr);
    return Enter(folder) ? 1 : 0;
}
