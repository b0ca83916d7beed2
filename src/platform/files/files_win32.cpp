// Reading and replacing a file whole, on Windows.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

#include "platform/platform.h"

namespace {

bool WriteAll(HANDLE file, const char* bytes, int64_t size)
{
    while (size > 0) {
        const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes += written;
        size -= written;
    }
    return true;
}

// MoveFileExA onto an existing file replaces it, but not a read-only one: its
// attribute is taken off for the move and put back when the move fails.
bool MoveOver(const char* from, const char* to)
{
    const DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (MoveFileExA(from, to, flags)) {
        return true;
    }
    const DWORD attributes = GetFileAttributesA(to);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        !(attributes & FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    if (!SetFileAttributesA(to, attributes & ~DWORD(FILE_ATTRIBUTE_READONLY))) {
        return false;
    }
    if (MoveFileExA(from, to, flags)) {
        return true;
    }
    SetFileAttributesA(to, attributes);
    return false;
}

}  // namespace

int64_t SysReadFile(const char* path, void* buffer, int64_t capacity)
{
    if (!path || (!buffer && capacity > 0) || capacity < 0) {
        return -1;
    }
    // A folder does not open without backup semantics; a pipe or a device
    // opens but is no disk file.
    const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return -1;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return -1;
    }
    char* at = static_cast<char*>(buffer);
    int64_t got = 0;
    while (got < capacity) {
        const int64_t left = capacity - got;
        const DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
        DWORD n = 0;
        if (!ReadFile(file, at + got, chunk, &n, nullptr) || n == 0) {
            break;
        }
        got += n;
    }
    CloseHandle(file);
    return got;
}

int SysReplaceFile(const char* path, const void* bytes, int64_t size)
{
    if (!path || !*path || (!bytes && size > 0) || size < 0) {
        return 0;
    }
    const std::string temp = std::string(path) + ".tmp";
    // A stale temporary file from an interrupted save is replaced; anything
    // else of that name (a folder) stands in the way.
    if (!DeleteFileA(temp.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
        return 0;
    }
    const HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    const bool written = WriteAll(file, static_cast<const char*>(bytes), size) && FlushFileBuffers(file);
    const bool closed = CloseHandle(file) != 0;
    // std::rename onto an existing file fails here, so every save after the
    // first would be lost: the move replaces it.
    if (!written || !closed || !MoveOver(temp.c_str(), path)) {
        DeleteFileA(temp.c_str());
        return 0;
    }
    return 1;
}
