// Pointer cursors from .cur files: LoadCursorFromFileA and SetCursor.

#include <cstdint>

#include "platform/platform.h"
#include "win32/platform/win32_platform.h"

namespace {

constexpr int64_t LARGEST_CURSOR_FILE = 1024 * 1024;
constexpr int DIRECTORY_BYTES = 6;
constexpr int ENTRY_BYTES = 16;

uint32_t Little16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t Little32(const uint8_t* p) { return Little16(p) | Little16(p + 2) << 16; }

// A cursor file's directory: reserved 0, type 2, at least one entry, and the
// first entry's picture inside the file. The system reads the rest.
bool IsCursorFile(const std::string& path)
{
    static uint8_t bytes[LARGEST_CURSOR_FILE + 1];
    const int64_t size = SysReadFile(path.c_str(), bytes, sizeof bytes);
    if (size < DIRECTORY_BYTES + ENTRY_BYTES || size > LARGEST_CURSOR_FILE) {
        return false;
    }
    if (Little16(bytes) != 0 || Little16(bytes + 2) != 2 || Little16(bytes + 4) == 0) {
        return false;
    }
    const uint8_t* entry = bytes + DIRECTORY_BYTES;
    const uint64_t length = Little32(entry + 8);
    const uint64_t offset = Little32(entry + 12);
    return length > 0 && offset >= DIRECTORY_BYTES + ENTRY_BYTES && offset + length <= static_cast<uint64_t>(size);
}

}  // namespace

SysCursor SysLoadCursorFile(const char* path)
{
    if (path == nullptr) {
        return 0;
    }
    const std::string file = Win32ShippedPath(path);
    if (!IsCursorFile(file)) {
        return 0;
    }
    // The hot spot comes from the file.
    return reinterpret_cast<SysCursor>(LoadCursorFromFileA(file.c_str()));
}

void SysSetCursor(SysCursor cursor)
{
    SetCursor(reinterpret_cast<HCURSOR>(cursor));
}
