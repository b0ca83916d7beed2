#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "scores/high_score.h"
#include "store/stats_store.h"
#include "stats_files.h"
#include "support/game_test.h"

namespace {

class StatsRecords : public GameTest {};

std::string RecordBytes() { return std::string(reinterpret_cast<const char*>(g_stats.records), STATS_FILE_SIZE); }

std::string Text(int index)
{
    char text[STATS_RECORD_SIZE];
    CopyRecordText(index, text);
    return text;
}

}  // namespace

TEST_F(StatsFile, DefaultsWithoutAFile)
{
    EXPECT_EQ(LoadStats(), 0);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(Text(i), "0");
        EXPECT_EQ(GetLifetimeCount(i), 0);
    }
    for (int i = 11; i <= 20; ++i) {
        EXPECT_EQ(Text(i), "-");
    }
    for (int i = 21; i <= 30; ++i) {
        EXPECT_EQ(Text(i), "10000");
        EXPECT_EQ(GetLifetimeCount(i), 10000);
    }
    EXPECT_FALSE(std::filesystem::exists(STATS_FILE_NAME));
}

TEST_F(StatsFile, ShortFileFillsOnlyWhatItHolds)
{
    std::memset(g_stats.records, 'x', sizeof g_stats.records);
    const std::string file = PatternBytes(100, 1);
    WriteFile(STATS_FILE_NAME, file);
    EXPECT_EQ(LoadStats(), 1);
    const std::string records = RecordBytes();
    EXPECT_EQ(records.substr(0, 100), file);  // records 0..2 and 7 bytes of record 3
    EXPECT_EQ(records.substr(100), std::string(STATS_FILE_SIZE - 100, 'x'));
}

TEST_F(StatsFile, EmptyFileChangesNothing)
{
    std::memset(g_stats.records, 'y', sizeof g_stats.records);
    WriteFile(STATS_FILE_NAME, "");
    EXPECT_EQ(LoadStats(), 1);
    EXPECT_EQ(RecordBytes(), std::string(STATS_FILE_SIZE, 'y'));
}

TEST_F(StatsFile, LongFileLoadsOnly961Bytes)
{
    for (int i = 0; i < STATS_SESSION_COUNT; ++i) {
        g_stats.sessionCounts[i] = 1000 + i;
    }
    const std::string file = PatternBytes(2000, 2);
    WriteFile(STATS_FILE_NAME, file);
    EXPECT_EQ(LoadStats(), 1);
    EXPECT_EQ(RecordBytes(), file.substr(0, STATS_FILE_SIZE));
    for (int i = 0; i < STATS_SESSION_COUNT; ++i) {
        EXPECT_EQ(g_stats.sessionCounts[i], 1000 + i);
    }
}

TEST_F(StatsFile, AFolderNamedLikeTheFileGivesTheDefaults)
{
    std::filesystem::create_directory(STATS_FILE_NAME);
    EXPECT_EQ(LoadStats(), 0);
    EXPECT_EQ(Text(21), "10000");
    EXPECT_EQ(SaveStats(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(STATS_FILE_NAME));
    EXPECT_FALSE(std::filesystem::exists("stats.hsf.tmp"));
}

TEST_F(StatsFile, RecordWithoutANulEndsAtItsLastByte)
{
    // Record 0: thirty blanks and a 4, no NUL; record 1 goes on with digits.
    std::string file(STATS_FILE_SIZE, '\0');
    std::memset(file.data(), ' ', 30);
    file[30] = '4';
    std::memcpy(file.data() + 31, "9\0", 2);
    std::memset(file.data() + 62, '7', 31);  // record 2: 31 sevens
    std::memcpy(file.data() + 21 * 31, "123456789012345678901234567890X", 31);
    WriteFile(STATS_FILE_NAME, file);
    ASSERT_EQ(LoadStats(), 1);
    EXPECT_EQ(GetLifetimeCount(0), 0);
    EXPECT_EQ(Text(0), std::string(30, ' '));
    EXPECT_EQ(Text(2), std::string(30, '7'));
    EXPECT_EQ(GetLifetimeCount(2), INT32_MAX);  // too large: held at the limit
    EXPECT_EQ(Text(21), "123456789012345678901234567890");
    EXPECT_EQ(IsHighScore(5000), 1);
    // Reading changed nothing: the file's bytes go back out as they came in.
    ASSERT_EQ(SaveStats(), 1);
    EXPECT_EQ(ReadFile(STATS_FILE_NAME), file);
}

TEST_F(StatsFile, RoundTripByteForByte)
{
    const std::string file = PatternBytes(STATS_FILE_SIZE, 3);
    WriteFile(STATS_FILE_NAME, file);
    ASSERT_EQ(LoadStats(), 1);
    std::filesystem::remove(STATS_FILE_NAME);
    ASSERT_EQ(SaveStats(), 1);
    EXPECT_EQ(ReadFile(STATS_FILE_NAME), file);
    EXPECT_FALSE(std::filesystem::exists("stats.hsf.tmp"));
}

TEST_F(StatsFile, FirstSaveWritesTheDefaults)
{
    LoadStats();
    ASSERT_EQ(SaveStats(), 1);
    const std::string saved = ReadFile(STATS_FILE_NAME);
    ASSERT_EQ(saved.size(), 961u);
    EXPECT_EQ(std::memcmp(saved.data(), "0\0", 2), 0);
    EXPECT_EQ(std::memcmp(saved.data() + 11 * 31, "-\0", 2), 0);
    EXPECT_EQ(std::memcmp(saved.data() + 30 * 31, "10000\0", 6), 0);
}

TEST_F(StatsFile, FailedSaveLeavesTheOldFileWhole)
{
    const std::string old = PatternBytes(STATS_FILE_SIZE, 4);
    WriteFile(STATS_FILE_NAME, old);
    LoadStats();
    SetLifetimeCount(0, 77);
    std::filesystem::create_directory("stats.hsf.tmp");  // where the new file must go
    EXPECT_EQ(SaveStats(), 0);
    EXPECT_EQ(ReadFile(STATS_FILE_NAME), old);
    EXPECT_TRUE(std::filesystem::is_directory("stats.hsf.tmp"));
}

TEST_F(StatsFile, StaleTemporaryIsReplaced)
{
    WriteFile("stats.hsf.tmp", "left over from an interrupted save, longer than nothing");
    SetDefaultStats();
    ASSERT_EQ(SaveStats(), 1);
    EXPECT_EQ(ReadFile(STATS_FILE_NAME), RecordBytes());
    EXPECT_FALSE(std::filesystem::exists("stats.hsf.tmp"));
}

TEST_F(StatsFile, SaveReplacesAnOldFile)
{
    WriteFile(STATS_FILE_NAME, PatternBytes(STATS_FILE_SIZE, 6));
    LoadStats();
    SetLifetimeCount(10, 4321);
    ASSERT_EQ(SaveStats(), 1);
    const std::string saved = ReadFile(STATS_FILE_NAME);
    EXPECT_EQ(saved, RecordBytes());
    EXPECT_EQ(std::memcmp(saved.data() + 310, "4321\0", 5), 0);
}

TEST_F(StatsRecords, CountsAreLeadingDecimalDigits)
{
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {{"0", 0}, {"17", 17}, {"  42", 42}, {"+8", 8}, {"-5", -5}, {"-", 0},
                 {"abc", 0}, {"12ab", 12}, {"", 0}, {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN}};
    for (const auto& c : cases) {
        SetRecordText(4, c.text);
        EXPECT_EQ(GetLifetimeCount(4), c.value) << '"' << c.text << '"';
    }
}

TEST_F(StatsRecords, ShorterTextKeepsTheBytesAfterItsNul)
{
    std::memset(&g_stats.records[6], 0, sizeof g_stats.records[6]);
    SetRecordText(6, "12345");
    SetLifetimeCount(6, 7);
    EXPECT_EQ(std::memcmp(g_stats.records[6].text, "7\0" "345\0", 6), 0);
    EXPECT_EQ(GetLifetimeCount(6), 7);
}

TEST_F(StatsRecords, TextIsCutToThirtyCharacters)
{
    SetRecordText(12, "a name far longer than thirty characters");
    EXPECT_EQ(g_stats.records[12].text[30], '\0');
    char text[STATS_RECORD_SIZE];
    CopyRecordText(12, text);
    EXPECT_EQ(std::string(text), std::string("a name far longer than thirty characters").substr(0, 30));
}

TEST_F(StatsRecords, CountingAddsToSessionAndLifetime)
{
    SetSessionCount(3, 4);
    SetLifetimeCount(3, 40);
    CountStatsEvent(3);
    EXPECT_EQ(GetSessionCount(3), 5);
    EXPECT_EQ(GetLifetimeCount(3), 41);
    SetLifetimeCount(3, INT32_MAX);
    SetSessionCount(3, INT32_MAX);
    CountStatsEvent(3);
    EXPECT_EQ(GetLifetimeCount(3), INT32_MAX);
    EXPECT_EQ(GetSessionCount(3), INT32_MAX);
}

TEST_F(StatsRecords, IndexesOutsideTheStoreAreIgnored)
{
    EXPECT_EQ(SetSessionCount(11, 5), 1);
    EXPECT_EQ(SetLifetimeCount(31, 5), 1);
    EXPECT_EQ(GetSessionCount(-1), 0);
    EXPECT_EQ(GetLifetimeCount(31), 0);
    const StatsStore zero{};
    EXPECT_EQ(std::memcmp(&g_stats, &zero, sizeof zero), 0);
}
