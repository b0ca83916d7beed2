// libFuzzer target: any stats.hsf of 0 to 4,096 bytes loads without a read or
// write outside the records, and every record read back as a number or as a
// name stays inside its 31 bytes. Built with AddressSanitizer, so an access
// past a record's end that leaves the store is reported; reads past a record
// but inside the store are caught by the canary check below.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

#include "fuzz_folder.h"
#include "scores/high_score.h"
#include "store/stats_store.h"

namespace {

// Each record is checked in a copy surrounded by bytes that differ from every
// digit and from NUL, then read through the same routines the game uses; the
// result must not depend on what lies beyond the record.
void CheckRecordIsBounded(int index)
{
    char text[STATS_RECORD_SIZE];
    CopyRecordText(index, text);
    if (std::memchr(text, 0, sizeof text) == nullptr) {
        __builtin_trap();  // the copy must always be terminated
    }
    if (std::strlen(text) > STATS_RECORD_SIZE - 1) {
        __builtin_trap();
    }
    const int32_t before = GetLifetimeCount(index);
    StatsRecord saved[STATS_RECORD_COUNT];
    std::memcpy(saved, g_stats.records, sizeof saved);
    // Change every other record to digits: a reader running past record
    // `index` would now see a different number.
    for (int i = 0; i < STATS_RECORD_COUNT; ++i) {
        if (i != index) {
            std::memset(g_stats.records[i].text, '7', STATS_RECORD_SIZE);
        }
    }
    const int32_t after = GetLifetimeCount(index);
    char again[STATS_RECORD_SIZE];
    CopyRecordText(index, again);
    std::memcpy(g_stats.records, saved, sizeof saved);
    if (before != after || std::strcmp(text, again) != 0) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 4096) {
        return 0;
    }
    if (!EnterFuzzFolder() || !WriteInput(STATS_FILE_NAME, data, size)) {
        return 0;
    }

    std::memset(&g_stats, 0, sizeof g_stats);
    LoadStats();
    for (int i = 0; i < STATS_RECORD_COUNT; ++i) {
        CheckRecordIsBounded(i);
    }
    IsHighScore(static_cast<int32_t>(size));
    return 0;
}
