#include "win32/single_instance.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "win32/trace.h"

namespace {

HANDLE g_claim = nullptr;
HWND* g_claimedWindow = nullptr;

// FNV-1a over the folder's full path in capitals: one name per folder,
// however its path is spelt.
uint64_t FolderKey(const std::string& folder)
{
    uint64_t hash = 14695981039346656037ull;
    for (const char c : folder) {
        const unsigned char upper = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c == '/' ? '\\' : c);
        hash = (hash ^ upper) * 1099511628211ull;
    }
    return hash;
}

void BringToFront(HWND window)
{
    if (window == nullptr || !IsWindow(window)) {
        return;  // the other copy is still making its window, or ending
    }
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    SetForegroundWindow(window);
}

}  // namespace

int ClaimWorkingFolder()
{
    char folder[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH) {
        return 1;  // nothing to key the claim on: the copy runs unguarded
    }
    // The current directory is a full path already, without a trailing separator.
    char name[64];
    std::snprintf(name, sizeof name, "Local\\TarvikSolitaire-%016llx",
                  static_cast<unsigned long long>(FolderKey(std::string(folder, length))));
    // A small named mapping is the claim and holds the first copy's window.
    g_claim = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(HWND), name);
    if (g_claim == nullptr) {
        return 1;
    }
    const bool taken = GetLastError() == ERROR_ALREADY_EXISTS;
    g_claimedWindow = static_cast<HWND*>(MapViewOfFile(g_claim, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(HWND)));
    if (!taken) {
        return 1;
    }
    Trace("another copy runs in this folder: brought to the front");
    BringToFront(g_claimedWindow != nullptr ? *g_claimedWindow : nullptr);
    return 0;
}

void PublishMainWindow(HWND window)
{
    if (g_claimedWindow != nullptr) {
        *g_claimedWindow = window;
    }
}
