#pragma once
// The statistics and high-score store: 31 text records saved byte for byte in
// stats.hsf, and 11 session counters that are never saved.

#include <cstdint>

constexpr int STATS_RECORD_COUNT = 31;
constexpr int STATS_RECORD_SIZE = 31;  // NUL-terminated text of at most 30 characters
constexpr int STATS_SESSION_COUNT = 11;
constexpr int STATS_FILE_SIZE = STATS_RECORD_COUNT * STATS_RECORD_SIZE;  // 961
constexpr int STATS_GAMES_DEALT = 10;     // index of the games-dealt count
constexpr int STATS_FIRST_NAME = 11;      // records 11..20: names, best first
constexpr int STATS_FIRST_SCORE = 21;     // records 21..30: move counts, best first
constexpr const char* STATS_FILE_NAME = "stats.hsf";

struct StatsRecord {
    char text[STATS_RECORD_SIZE];
};

struct StatsStore {
    StatsRecord records[STATS_RECORD_COUNT];   // exactly the file's bytes
    int32_t sessionCounts[STATS_SESSION_COUNT];
};
static_assert(sizeof(StatsRecord) * STATS_RECORD_COUNT == STATS_FILE_SIZE);

extern StatsStore g_stats;

int32_t GetSessionCount(int index);             // index [0, 10]
int SetSessionCount(int index, int32_t value);  // returns 1
// Record [0, 30] read as the number of its leading decimal digits (optional
// blanks and sign first); 0 when it starts with no digits. Never reads past
// the record's 31 bytes.
int32_t GetLifetimeCount(int index);
// Rewrites record [0, 30] as the decimal text of value; returns 1.
int SetLifetimeCount(int index, int32_t value);
// Adds 1 to session count and lifetime record [0, 10], as a counting event
// does (get, then set); a count at the largest 32-bit value stays there.
void CountStatsEvent(int index);
// Copies the text of record [0, 30] into out (31 bytes), at most 30 characters
// and a NUL, so a record without a NUL is cut at its last byte.
void CopyRecordText(int index, char out[STATS_RECORD_SIZE]);
// Writes text into record [0, 30]: at most 30 characters and a NUL; the bytes
// after the NUL keep what they held.
void SetRecordText(int index, const char* text);

// Fills the records from stats.hsf in the working directory (up to 961 bytes;
// bytes beyond a short file stay as they were), or with the defaults when the
// file cannot be opened: 1 read from the file, 0 defaults.
int LoadStats();
// Writes the 961 record bytes to stats.hsf through a temporary file renamed
// over it, so a failed save leaves the old file whole. 1 saved, 0 failed.
int SaveStats();
// The defaults of a fresh store: records 0..10 "0", 11..20 "-", 21..30 "10000".
void SetDefaultStats();
