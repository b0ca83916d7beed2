// The statistics file where only a POSIX system can make the fault: a write
// cut short by the file-size limit. Left out of the Windows build by its name.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "stats_files.h"
#include "store/stats_store.h"

TEST_F(StatsFile, WriteErrorLeavesTheOldFileAndNoTemporary)
{
    // A file size limit makes the write itself fail, also for root.
    const std::string old = PatternBytes(STATS_FILE_SIZE, 5);
    WriteFile(STATS_FILE_NAME, old);
    LoadStats();
    SetLifetimeCount(1, 12);
    struct sigaction ignore {}, previous {};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(sigaction(SIGXFSZ, &ignore, &previous), 0);
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 500;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = SaveStats();
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &previous, nullptr);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadFile(STATS_FILE_NAME), old);
    EXPECT_FALSE(std::filesystem::exists("stats.hsf.tmp"));
}
