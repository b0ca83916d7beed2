#include "store/stats_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

StatsStore g_stats;

namespace {

// A fixed, predictable name beside the file, so a failed save is easy to find
// and a stale one from an interrupted save is simply replaced.
constexpr const char* STATS_TEMP_NAME = "stats.hsf.tmp";
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

bool WriteAll(int fd, const char* bytes, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// The rename is only durable once the folder's entry is on disk; a failure
// here loses nothing that was on disk before, so it is not a failed save.
void SyncWorkingFolder()
{
    const int dir = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

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
    // Not waiting on open: a pipe of that name would block until a writer came.
    const int fd = ::open(STATS_FILE_NAME, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        SetDefaultStats();
        return 0;
    }
    // A folder or a pipe of that name opens on Linux but is no statistics file.
    struct stat info {};
    FILE* file = nullptr;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || (file = ::fdopen(fd, "rb")) == nullptr) {
        ::close(fd);
        SetDefaultStats();
        return 0;
    }
    // A short file fills only what it holds; bytes past 961 are never read.
    char bytes[STATS_FILE_SIZE];
    const size_t got = std::fread(bytes, 1, sizeof bytes, file);
    std::fclose(file);
    std::memcpy(g_stats.records, bytes, got);
    return 1;
}

int SaveStats()
{
    // Written whole beside the old file and renamed over it, so the old file
    // stays as it was until the new one is complete on disk.
    if (::unlink(STATS_TEMP_NAME) != 0 && errno != ENOENT) {
        return 0;  // something that is not ours stands in the way
    }
    const int fd = ::open(STATS_TEMP_NAME, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        return 0;
    }
    const bool written = WriteAll(fd, reinterpret_cast<const char*>(g_stats.records), STATS_FILE_SIZE) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(STATS_TEMP_NAME, STATS_FILE_NAME) != 0) {
        ::unlink(STATS_TEMP_NAME);
        return 0;
    }
    SyncWorkingFolder();
    return 1;
}
