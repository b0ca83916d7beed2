// Where the shipped files are found, the background listing and documents.

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "platform/platform.h"
#include "win32/platform/win32_platform.h"

namespace {

std::string g_shippedFolder;

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool EndsWith(const std::string& name, const char* suffix)
{
    const size_t length = std::strlen(suffix);
    return name.size() >= length && name.compare(name.size() - length, length, suffix) == 0;
}

// The regular files of `folder` matching "*suffix", by FindFirstFileA. The
// system's match ignores case and also tries the short 8.3 names (so
// "*.jpg" finds "a.jpgx" by its short name): the suffix is checked again.
void AddFiles(const std::string& folder, const char* suffix, std::vector<std::string>* names)
{
    const std::string pattern = folder + "\\*" + suffix;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const DWORD notPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;
        if ((entry.dwFileAttributes & notPlain) == 0 && EndsWith(entry.cFileName, suffix)) {
            names->push_back(entry.cFileName);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

}  // namespace

void Win32SetShippedFolder(const std::string& folder)
{
    g_shippedFolder = folder;
}

std::string Win32ShippedPath(const char* path)
{
    if (path == nullptr) {
        return {};
    }
    if (g_shippedFolder.empty() || Exists(path)) {
        return path;
    }
    return g_shippedFolder + "\\" + path;
}

// Lists the working directory's folder and the shipped folder's, each name once.
std::vector<std::string> SysListFiles(const char* folder, const char* suffix)
{
    std::vector<std::string> names;
    if (folder == nullptr || suffix == nullptr) {
        return names;
    }
    AddFiles(folder, suffix, &names);
    if (!g_shippedFolder.empty()) {
        AddFiles(g_shippedFolder + "\\" + folder, suffix, &names);
    }
    // The system lists a folder in whatever order its file system keeps:
    // sorted, the backgrounds come in the same order everywhere.
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

void SysOpenDocument(const char* pathOrAddress)
{
    if (pathOrAddress == nullptr) {
        return;
    }
    // A file of the program's is looked for as every shipped file is; an
    // address ("scheme:...") goes to the shell as it is.
    const char* colon = std::strchr(pathOrAddress, ':');
    const bool address = colon != nullptr && colon - pathOrAddress > 1;
    const std::string target = address ? std::string(pathOrAddress) : Win32ShippedPath(pathOrAddress);
    // Asks the shell and returns: the associated program runs on its own.
    ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
