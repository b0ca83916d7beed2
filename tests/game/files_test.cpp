// Reading and replacing a file whole, as the statistics file is read and
// saved, on whichever system the suite is built for (also Windows, under
// Wine: there a plain rename onto an existing file fails, so every save after
// the first would be lost).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "stats_files.h"

namespace fs = std::filesystem;

using Files = GameTest;

TEST_F(Files, ReplaceTakesTheOldFilesPlaceAlsoWhenItIsReadOnly)
{
    WriteFile("saved.bin", PatternBytes(3000, 1));
    const std::string first = PatternBytes(961, 2);
    ASSERT_EQ(SysReplaceFile("saved.bin", first.data(), static_cast<int64_t>(first.size())), 1);
    EXPECT_EQ(ReadFile("saved.bin"), first) << "the longer old file is replaced whole";

    fs::permissions("saved.bin", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::string second = PatternBytes(961, 3);
    ASSERT_EQ(SysReplaceFile("saved.bin", second.data(), static_cast<int64_t>(second.size())), 1);
    EXPECT_EQ(ReadFile("saved.bin"), second) << "a read-only old file is replaced too";
    EXPECT_FALSE(fs::exists("saved.bin.tmp"));

    // In the way of the file beside it: the save fails and changes nothing.
    fs::create_directory("saved.bin.tmp");
    EXPECT_EQ(SysReplaceFile("saved.bin", first.data(), static_cast<int64_t>(first.size())), 0);
    EXPECT_EQ(ReadFile("saved.bin"), second);
    EXPECT_TRUE(fs::is_directory("saved.bin.tmp"));
}

TEST_F(Files, ReadTakesAtMostTheCapacityOfARegularFileOnly)
{
    const std::string bytes = PatternBytes(100, 4);
    WriteFile("some.bin", bytes);
    char buffer[64] = {};
    EXPECT_EQ(SysReadFile("some.bin", buffer, 64), 64);
    EXPECT_EQ(std::string(buffer, 64), bytes.substr(0, 64));
    char whole[200] = {};
    EXPECT_EQ(SysReadFile("some.bin", whole, 200), 100);
    EXPECT_EQ(std::string(whole, 100), bytes);
    EXPECT_EQ(SysReadFile("missing.bin", whole, 200), -1);
    fs::create_directory("folder.bin");
    EXPECT_EQ(SysReadFile("folder.bin", whole, 200), -1);
}
