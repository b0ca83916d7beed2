#include "store/stats_store.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/platform.h"

StatsStore g_stats;

namespace {

constexpr int TEXT_LIMIT = STATS_RECORD_SIZE - 1;  // a record's last byte ends its text

bool IsRecord(int index) { return index >= 0 && index < STATS_RECORD_COUNT; }
bool IsSessionIndex(int index) { return index >= 0 && index < STATS_SESSION_COUNT; }

// Length of the record's text: up to its NUL, at most 30 characters, so a
// record loaded without a NUL ends at its last byte.
int RecordLength(const StatsRecord& record)
{
    int length = 0;
    while (length < TEXT_LIMIT && record.text[length] != '\0') {
        ++length;
    }
    return length;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Leading blanks, an optional sign, then decimal digits; clamped to 32 bits.
int32_t ParseCount(const StatsRecord& record)
{
    const int length = RecordLength(record);
    int i = 0;
    while (i < length && IsBlank(record.text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < length && (record.text[i] == '+' || record.text[i] == '-')) {
        negative = record.text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    for (; i < length && record.text[i] >= '0' && record.text[i] <= '9'; ++i) {
        value = value * 10 + (record.text[i] - '0');
        if (value > static_cast<int64_t>(INT32_MAX) + 1) {
            value = static_cast<int64_t>(INT32_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT32_MAX) {
        value = INT32_MAX;
    }
    return static_cast<int32_t>(value);
}

int32_t Increment(int32_t value) { return value < INT32_MAX ? value + 1 : value; }

}  // namespace

int32_t GetSessionCount(int index) { return IsSessionIndex(index) ? g_stats.sessionCounts[index] : 0; }

int SetSessionCount(int index, int32_t value)
{
    if (IsSessionIndex(index)) {
        g_stats.sessionCounts[index] = value;
    }
    return 1;
}

int32_t GetLifetimeCount(int index) { return IsRecord(index) ? ParseCount(g_stats.records[index]) : 0; }

int SetLifetimeCount(int index, int32_t value)
{
    if (IsRecord(index)) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
        SetRecordText(index, text);
    }
    return 1;
}

void CountStatsEvent(int index)
{
    SetSessionCount(index, Increment(GetSessionCount(index)));
    SetLifetimeCount(index, Increment(GetLifetimeCount(index)));
}

void CopyRecordText(int index, char out[STATS_RECORD_SIZE])
{
    if (!IsRecord(index)) {
        out[0] = '\0';
        return;
    }
    const StatsRecord& record = g_stats.records[index];
    const int length = RecordLength(record);
    std::memcpy(out, record.text, static_cast<size_t>(length));
    out[length] = '\0';
}

void SetRecordText(int index, const char* text)
{
    if (!IsRecord(index) || text == nullptr) {
        return;
    }
    StatsRecord& record = g_stats.records[index];
    int length = 0;
    while (length < TEXT_LIMIT && text[length] != '\0') {
        record.text[length] = text[length];
        ++length;
    }
    record.text[length] = '\0';
}

void SetDefaultStats()
{
    for (int i = 0; i < STATS_RECORD_COUNT; ++i) {
        SetRecordText(i, i < STATS_FIRST_NAME ? "0" : i < STATS_FIRST_SCORE ? "-" : "10000");
    }
}

int LoadStats()
{
    // Only a regular file counts, and a pipe of that name is not waited on.
    // A short file fills only what it holds; bytes past 961 are never read.
    char bytes[STATS_FILE_SIZE];
    const int64_t got = SysReadFile(STATS_FILE_NAME, bytes, sizeof bytes);
    if (got < 0) {
        SetDefaultStats();
        return 0;
    }
    std::memcpy(g_stats.records, bytes, static_cast<size_t>(got));
    return 1;
}

int SaveStats()
{
    // Written whole beside the old file and put in its place, so the old file
    // stays as it was until the new one is complete on disk.
    return SysReplaceFile(STATS_FILE_NAME, g_stats.records, STATS_FILE_SIZE);
}
