#pragma once
// Test control of the headless platform: what the code under test asked for,
// the clocks the tests drive, and where its pictures and glyphs come from.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

struct HeadlessRecord {
    std::map<int, int> menuEnabled;   // command -> 1 enabled, 0 greyed (last set)
    std::map<int, int> menuChecked;   // command -> 1 checked, 0 not (last set)
    std::vector<std::string> sounds;  // paths asked to play, in order
    std::vector<std::string> errorBoxes;
    std::vector<std::string> opened;  // documents and addresses opened
    std::vector<SysCursor> cursorsSet;
    int quitPosts = 0;                // times the loop was asked to end
    int exitRequests = 0;
    int exitCode = 0;                 // of the last exit request
    int nameRequests = 0;             // times the name was asked for
    std::string nameAnswer;           // what the name dialog answers
};

extern HeadlessRecord g_headless;

// Forgets every record and puts both clocks back to 0 (tick 0, time 0).
void HeadlessReset();
void HeadlessSetTick(uint32_t ms);
void HeadlessAdvanceTick(uint32_t ms);
void HeadlessSetTime(int64_t seconds);  // calendar time; second of minute = seconds % 60
void HeadlessSetTimeMs(int64_t ms);     // the same to the millisecond (ms >= 0)

// The folder of "<id>.pam" pictures that SysOpenPictureStore opens, relative
// to the working directory ("pictures" until set; null sets that again).
// Pictures are binary PAM (depth 3 or 4) or PPM, whatever the file's name.
void HeadlessSetPictureStore(const char* folder);
// The TrueType file the glyph outlines come from (Debian's Liberation Sans
// Bold until set; null sets that again). Read on the next glyph asked for.
void HeadlessSetFontFile(const char* path);
