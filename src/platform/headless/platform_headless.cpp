#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/headless/headless.h"

HeadlessRecord g_headless;

namespace {
uint32_t s_tick = 0;
int64_t s_time = 0;
int32_t s_timeMs = 0;  // milliseconds into the second s_time
}  // namespace

void HeadlessReset()
{
    g_headless = HeadlessRecord();
    s_tick = 0;
    s_time = 0;
    s_timeMs = 0;
}

void HeadlessSetTick(uint32_t ms) { s_tick = ms; }
void HeadlessAdvanceTick(uint32_t ms) { s_tick += ms; }
void HeadlessSetTime(int64_t seconds)
{
    s_time = seconds;
    s_timeMs = 0;
}

void HeadlessSetTimeMs(int64_t ms)
{
    s_time = ms / 1000;
    s_timeMs = static_cast<int32_t>(ms % 1000);
}

void SysEnableMenuItem(int command, int enabled) { g_headless.menuEnabled[command] = enabled ? 1 : 0; }
void SysCheckMenuItem(int command, int checked) { g_headless.menuChecked[command] = checked ? 1 : 0; }
void SysPlaySoundAsync(const char* path) { g_headless.sounds.emplace_back(path ? path : ""); }
void SysErrorBox(const char* text) { g_headless.errorBoxes.emplace_back(text ? text : ""); }

int SysAskHighScoreName(char* answer, int capacity)
{
    ++g_headless.nameRequests;
    if (capacity > 0) {
        const size_t length = std::min(g_headless.nameAnswer.size(), static_cast<size_t>(capacity - 1));
        std::memcpy(answer, g_headless.nameAnswer.data(), length);
        answer[length] = '\0';
    }
    return 1;
}

void SysPostQuit() { ++g_headless.quitPosts; }

void SysExitProcess(int code)
{
    ++g_headless.exitRequests;
    g_headless.exitCode = code;
}

uint32_t SysTickCount() { return s_tick; }
int64_t SysTimeSeconds() { return s_time; }

int32_t SysMillisecondOfMinute() { return SysSecondOfMinute() * 1000 + s_timeMs; }

int SysSecondOfMinute()
{
    const int64_t s = s_time % 60;
    return static_cast<int>(s < 0 ? s + 60 : s);
}

void SysOpenDocument(const char* pathOrAddress) { g_headless.opened.emplace_back(pathOrAddress ? pathOrAddress : ""); }

SysCursor SysLoadCursorFile(const char* path)
{
    // A handle per file that exists, so tests see which shape was set.
    FILE* file = std::fopen(path, "rb");
    if (!file) {
        return 0;
    }
    std::fclose(file);
    return path[0] == 'h' && std::strcmp(path, "hnwse.cur") == 0 ? 2 : 1;
}

void SysSetCursor(SysCursor cursor) { g_headless.cursorsSet.push_back(cursor); }

// The heap is the C library's own business in tests.
void SysTrimHeap() {}
void SysSetLargeBlockThreshold(int) {}
