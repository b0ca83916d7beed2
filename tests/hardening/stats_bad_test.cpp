// stats.hsf in every bad shape, read and written by the store itself.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "bad_files.h"
#include "store/stats_store.h"
#include "support/game_test.h"

namespace fs = std::filesystem;

namespace {

class StatsBadFile : public GameTest {};

std::string RecordBytes() { return std::string(reinterpret_cast<const char*>(g_stats.records), STATS_FILE_SIZE); }

std::string DefaultBytes()
{
    std::memset(g_stats.records, 0, sizeof g_stats.records);
    SetDefaultStats();
    return RecordBytes();
}

struct BadStatsFile {
    const char* what;
    std::string bytes;
};

// What a file becomes in memory: its first 961 bytes over a store of zeros,
// as at start-up.
std::string LoadedFrom(const std::string& file)
{
    std::string records(STATS_FILE_SIZE, '\0');
    std::copy_n(file.begin(), std::min(file.size(), records.size()), records.begin());
    return records;
}

// A save with the file size limited to `limit` bytes: 1 saved, 0 failed.
int SaveWithSizeLimit(rlim_t limit)
{
    struct sigaction ignore {}, previous {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    const int result = SaveStats();
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &previous, nullptr);
    return result;
}

}  // namespace

TEST_F(StatsBadFile, EveryDamagedFileLoadsWithinItsRecordsAndSavesByteForByte)
{
    const BadStatsFile files[] = {
        {"empty", ""},
        {"1 byte", "7"},
        {"960 bytes", RandomBytes(960, 1)},
        {"961 bytes", RandomBytes(961, 2)},
        {"962 bytes", RandomBytes(962, 3)},
        {"1 MiB", RandomBytes(1 << 20, 4)},
        {"no NUL at all", BytesWithoutNul(961, 5)},
        {"no NUL, 1 MiB", BytesWithoutNul(1 << 20, 6)},
    };
    for (const BadStatsFile& file : files) {
        SCOPED_TRACE(file.what);
        std::memset(&g_stats, 0, sizeof g_stats);
        ASSERT_TRUE(WriteBytes(STATS_FILE_NAME, file.bytes));
        EXPECT_EQ(LoadStats(), 1);
        EXPECT_EQ(RecordBytes(), LoadedFrom(file.bytes));
        for (int i = 0; i < STATS_RECORD_COUNT; ++i) {
            char text[STATS_RECORD_SIZE + 8];
            std::memset(text, '#', sizeof text);
            CopyRecordText(i, text);
            EXPECT_LE(std::strlen(text), 30u) << "record " << i;
            EXPECT_EQ(text[STATS_RECORD_SIZE], '#') << "record " << i << " wrote past its 31 bytes";
            GetLifetimeCount(i);
        }
        ASSERT_EQ(SaveStats(), 1);
        EXPECT_EQ(ReadBytes(STATS_FILE_NAME), LoadedFrom(file.bytes));
        EXPECT_FALSE(fs::exists("stats.hsf.tmp"));
    }
}

TEST_F(StatsBadFile, CountsOfADamagedFileStillCount)
{
    ASSERT_TRUE(WriteBytes(STATS_FILE_NAME, BytesWithoutNul(961, 7)));
    ASSERT_EQ(LoadStats(), 1);
    const int32_t before = GetLifetimeCount(STATS_GAMES_DEALT);
    CountStatsEvent(STATS_GAMES_DEALT);
    EXPECT_EQ(GetLifetimeCount(STATS_GAMES_DEALT), before < INT32_MAX ? before + 1 : before);
    ASSERT_EQ(SaveStats(), 1);
    ASSERT_EQ(LoadStats(), 1);
    EXPECT_EQ(GetLifetimeCount(STATS_GAMES_DEALT), before < INT32_MAX ? before + 1 : before);
}

TEST_F(StatsBadFile, FolderNamedLikeTheFileGivesDefaultsAndStaysAFolder)
{
    ASSERT_TRUE(fs::create_directory(STATS_FILE_NAME));
    ASSERT_TRUE(WriteBytes(fs::path(STATS_FILE_NAME) / "inside", "kept"));
    EXPECT_EQ(LoadStats(), 0);
    EXPECT_EQ(RecordBytes(), DefaultBytes());
    EXPECT_EQ(SaveStats(), 0);
    EXPECT_TRUE(fs::is_directory(STATS_FILE_NAME));
    EXPECT_EQ(ReadBytes(fs::path(STATS_FILE_NAME) / "inside"), "kept");
    EXPECT_FALSE(fs::exists("stats.hsf.tmp"));
}

// The new file is renamed over the old one, which needs no write permission
// on the old file: the save succeeds, also for other users than root, and the
// new file has the ordinary mode.
TEST_F(StatsBadFile, ReadOnlyFileIsReplacedByTheSave)
{
    ASSERT_TRUE(WriteBytes(STATS_FILE_NAME, RandomBytes(961, 8)));
    ASSERT_EQ(::chmod(STATS_FILE_NAME, 0444), 0);
    ASSERT_EQ(LoadStats(), 1);
    SetLifetimeCount(0, 31);
    ASSERT_EQ(SaveStats(), 1);
    EXPECT_EQ(ReadBytes(STATS_FILE_NAME), RecordBytes());
    EXPECT_EQ(fs::status(STATS_FILE_NAME).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

// Root writes into a read-only folder anyway; anyone else cannot save there
// and keeps the old file.
TEST_F(StatsBadFile, ReadOnlyWorkingFolder)
{
    const std::string old = RandomBytes(961, 9);
    ASSERT_TRUE(WriteBytes(STATS_FILE_NAME, old));
    ASSERT_EQ(LoadStats(), 1);
    SetLifetimeCount(1, 5);
    ASSERT_EQ(::chmod(".", 0555), 0);
    const int saved = SaveStats();
    ::chmod(".", 0755);
    if (::geteuid() == 0) {
        EXPECT_EQ(saved, 1);
        EXPECT_EQ(ReadBytes(STATS_FILE_NAME), RecordBytes());
    } else {
        EXPECT_EQ(saved, 0);
        EXPECT_EQ(ReadBytes(STATS_FILE_NAME), old);
    }
    EXPECT_FALSE(fs::exists("stats.hsf.tmp"));
}

TEST_F(StatsBadFile, SaveThatCannotWriteLeavesTheOldFileWhole)
{
    const std::string old = RandomBytes(961, 10);
    for (rlim_t limit : {rlim_t(0), rlim_t(1), rlim_t(500), rlim_t(960)}) {
        SCOPED_TRACE(limit);
        ASSERT_TRUE(WriteBytes(STATS_FILE_NAME, old));
        ASSERT_EQ(LoadStats(), 1);
        SetLifetimeCount(2, 77);
        EXPECT_EQ(SaveWithSizeLimit(limit), 0);
        EXPECT_EQ(ReadBytes(STATS_FILE_NAME), old);
        EXPECT_FALSE(fs::exists("stats.hsf.tmp"));
    }
    // Exactly the file's size is enough.
    EXPECT_EQ(SaveWithSizeLimit(STATS_FILE_SIZE), 1);
    EXPECT_EQ(ReadBytes(STATS_FILE_NAME), RecordBytes());
}

TEST_F(StatsBadFile, FolderAtTheTemporaryNameBlocksTheSaveOnly)
{
    const std::string old = RandomBytes(961, 11);
    ASSERT_TRUE(WriteBytes(STATS_FILE_NAME, old));
    ASSERT_EQ(LoadStats(), 1);
    SetLifetimeCount(3, 9);
    ASSERT_TRUE(fs::create_directory("stats.hsf.tmp"));
    ASSERT_TRUE(WriteBytes("stats.hsf.tmp/inside", "kept"));
    EXPECT_EQ(SaveStats(), 0);
    EXPECT_EQ(ReadBytes(STATS_FILE_NAME), old);
    EXPECT_EQ(ReadBytes("stats.hsf.tmp/inside"), "kept");
}

// A pipe under the file's name has no writer: opening it for reading the
// ordinary way would wait for one forever.
TEST_F(StatsBadFile, PipeNamedLikeTheFileGivesDefaultsAtOnce)
{
    ASSERT_EQ(::mkfifo(STATS_FILE_NAME, 0644), 0);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ::alarm(10);
            const int loaded = LoadStats();
            std::_Exit(loaded == 0 && RecordBytes() == DefaultBytes() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(SaveStats(), 1);
    EXPECT_TRUE(fs::is_regular_file(STATS_FILE_NAME));
}
