// The tick after every drag: PlaySoundA, given only a file that passed the
// wave check.

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/common/wave_check.h"
#include "platform/platform.h"
#include "win32/platform/win32_platform.h"

namespace {

// A tick is a few kilobytes; a larger file is not read at all.
constexpr int64_t LARGEST_SOUND_FILE = 16 * 1024 * 1024;

// The file is read and checked once, on its first play, and played from
// these bytes from then on: what the system's player gets is exactly what
// was checked, and a tick after every drag reads no file. The bytes stay
// while a sound may still be playing from them.
std::string g_soundPath;
std::vector<uint8_t> g_soundBytes;
bool g_soundPlayable = false;

bool ReadSound(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(LARGEST_SOUND_FILE) + 1);
    const int64_t got = SysReadFile(path.c_str(), bytes.data(), static_cast<int64_t>(bytes.size()));
    if (got <= 0 || got > LARGEST_SOUND_FILE || !IsPlayableWave(bytes.data(), static_cast<size_t>(got))) {
        return false;
    }
    bytes.resize(static_cast<size_t>(got));
    bytes.shrink_to_fit();
    PlaySoundA(nullptr, nullptr, 0);  // nothing plays from the old bytes any more
    g_soundBytes = std::move(bytes);
    return true;
}

}  // namespace

void SysPlaySoundAsync(const char* path)
{
    if (path == nullptr) {
        return;
    }
    if (g_soundPath != path) {
        const std::string file = Win32ShippedPath(path);
        const DWORD attributes = GetFileAttributesA(file.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return;  // looked for again on the next play
        }
        g_soundPath = path;
        g_soundPlayable = ReadSound(file);
    }
    if (g_soundPlayable) {
        // Returns at once; without a sound device nothing is heard.
        PlaySoundA(reinterpret_cast<LPCSTR>(g_soundBytes.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }
}
