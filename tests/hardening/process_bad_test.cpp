// The whole program started on a damaged copy of its folder: it starts, shows
// its main menu and ends with 0 when closed, and stats.hsf is either saved
// byte for byte or left whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "bad_files.h"
#include "support/program_process.h"

namespace fs = std::filesystem;

namespace {

const fs::path GAME_DIR = TARVIK_GAME_DIR;

// What the program holds after loading these bytes: their first 961 over a
// store of zeros.
std::string LoadedFrom(const std::string& file)
{
    std::string records(961, '\0');
    std::memcpy(records.data(), file.data(), std::min<size_t>(file.size(), 961));
    return records;
}

std::string DefaultRecords()
{
    std::string records(961, '\0');
    for (int i = 0; i < 31; ++i) {
        const char* text = i <= 10 ? "0" : i <= 20 ? "-" : "10000";
        std::memcpy(&records[static_cast<size_t>(31 * i)], text, std::strlen(text));
    }
    return records;
}

class BadFolder : public testing::Test {
protected:
    fs::path File(const char* name) const { return program.Path() / name; }

    void ExpectStartedAndClosed(const RunOutcome& run) const
    {
        EXPECT_TRUE(run.windowShown) << program.Errors();
        EXPECT_TRUE(run.stayedUp) << "the graphics start failed\n" << program.Errors();
        EXPECT_EQ(run.exitCode, 0) << program.Errors();
    }

    ProgramFolder program;
};

}  // namespace

TEST_F(BadFolder, StatsFilesOfEveryShapeAreSavedAsLoaded)
{
    program.AddGameFiles();
    const std::pair<const char*, std::string> files[] = {
        {"empty", ""},
        {"962 random bytes", RandomBytes(962, 41)},
        {"1 MiB without a NUL", BytesWithoutNul(1 << 20, 42)},
    };
    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(WriteBytes(File("stats.hsf"), bytes));
        ExpectStartedAndClosed(program.RunAndClose());
        EXPECT_EQ(ReadBytes(File("stats.hsf")), LoadedFrom(bytes));
        EXPECT_FALSE(fs::exists(File("stats.hsf.tmp")));
    }
}

TEST_F(BadFolder, StatsFolderStaysAndReadOnlyFileIsReplaced)
{
    program.AddGameFiles();
    fs::create_directory(File("stats.hsf"));
    ExpectStartedAndClosed(program.RunAndClose());
    EXPECT_TRUE(fs::is_directory(File("stats.hsf")));
    EXPECT_FALSE(fs::exists(File("stats.hsf.tmp")));

    fs::remove(File("stats.hsf"));
    const std::string old = RandomBytes(961, 43);
    WriteBytes(File("stats.hsf"), old);
    fs::permissions(File("stats.hsf"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ExpectStartedAndClosed(program.RunAndClose());
    EXPECT_EQ(ReadBytes(File("stats.hsf")), old);
    EXPECT_TRUE((fs::status(File("stats.hsf")).permissions() & fs::perms::owner_write) != fs::perms::none);
}

TEST_F(BadFolder, SaveThatFailsLeavesTheOldFileWhole)
{
    program.AddGameFiles();
    const std::string old = RandomBytes(961, 44);
    WriteBytes(File("stats.hsf"), old);
    fs::create_directory(File("stats.hsf.tmp"));
    ExpectStartedAndClosed(program.RunAndClose());
    EXPECT_EQ(ReadBytes(File("stats.hsf")), old);
    EXPECT_TRUE(fs::is_directory(File("stats.hsf.tmp")));

    fs::remove(File("stats.hsf.tmp"));
    ExpectStartedAndClosed(program.RunAndClose(500));  // no file may grow past 500 bytes
    EXPECT_EQ(ReadBytes(File("stats.hsf")), old);
    EXPECT_FALSE(fs::exists(File("stats.hsf.tmp")));
}

TEST_F(BadFolder, StoreCutOrGarbageEndsTheStartWithTheStatsSaved)
{
    program.AddGameFiles({"resources.rcc"});
    const std::string store = ReadBytes(GAME_DIR / "resources.rcc");
    // The tree offset (big-endian at byte 8) moved 160 bytes on, as a last
    // byte of 0x15 changed to 0xb5: the root then reads from inside a file node.
    std::string moved = store;
    uint32_t tree = 0;
    for (int i = 0; i < 4; ++i) {
        tree = tree << 8 | static_cast<uint8_t>(store[8 + i]);
    }
    for (int i = 0; i < 4; ++i) {
        moved[8 + i] = static_cast<char>((tree + 160) >> (24 - 8 * i));
    }
    const std::pair<const char*, std::string> stores[] = {
        {"empty", ""},
        {"cut in the tree", store.substr(0, store.size() - 100)},
        {"garbage", RandomBytes(store.size(), 45)},
        {"tree offset 160 bytes on", moved},
    };
    for (const auto& [what, bytes] : stores) {
        SCOPED_TRACE(what);
        fs::remove(File("stats.hsf"));
        WriteBytes(File("resources.rcc"), bytes);
        const RunOutcome run = program.RunToEnd();
        EXPECT_EQ(run.exitCode, 0) << program.Errors();
        EXPECT_EQ(ReadBytes(File("stats.hsf")), DefaultRecords());
    }
}

TEST_F(BadFolder, StoreWithBadAndMissingPicturesStartsUntextured)
{
    program.AddGameFiles({"resources.rcc"});
    fs::create_directory(File("store"));
    std::string qrc = "<RCC><qresource prefix=\"/pictures\">\n";
    const std::map<int, std::string> pictures = {
        {4000, GreyJpeg(64, 128)}, {4056, RandomBytes(2000, 46)}, {4062, GreyJpeg(64, 64)}, {4071, ""}};
    for (const auto& [id, bytes] : pictures) {
        WriteBytes(File("store") / (std::to_string(id) + ".png"), bytes);
        qrc += "<file>" + std::to_string(id) + ".png</file>\n";
    }
    WriteBytes(File("store/pictures.qrc"), qrc + "</qresource></RCC>\n");
    const std::string command = std::string(TARVIK_RCC) + " --binary -o " + File("resources.rcc").string() + " " +
                                File("store/pictures.qrc").string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    ExpectStartedAndClosed(program.RunAndClose());
    EXPECT_EQ(ReadBytes(File("stats.hsf")), DefaultRecords());
}

TEST_F(BadFolder, BackgroundsMissingOrDamagedLeaveTheTableBare)
{
    program.AddGameFiles({"Backgrounds"});
    ExpectStartedAndClosed(program.RunAndClose());  // no folder

    fs::create_directory(File("Backgrounds"));
    const std::string good = ReadBytes(GAME_DIR / "Backgrounds" / "1-green-felt.jpg");
    WriteBytes(File("Backgrounds/a-cut.jpg"), good.substr(0, good.size() / 3));
    WriteBytes(File("Backgrounds/b-page.jpg"), "<html><body>not a picture</body></html>");
    WriteBytes(File("Backgrounds/c-empty.jpg"), "");
    WriteBytes(File("Backgrounds/d-garbage.jpg"), RandomBytes(50000, 47));
    ExpectStartedAndClosed(program.RunAndClose());
    EXPECT_EQ(ReadBytes(File("stats.hsf")), DefaultRecords());
}

TEST_F(BadFolder, HugeBackgroundNeverNeedsAFullSizeBuffer)
{
    program.AddGameFiles({"Backgrounds"});
    fs::create_directory(File("Backgrounds"));
    fs::copy_file(GAME_DIR / "Backgrounds" / "1-green-felt.jpg", File("Backgrounds/1-felt.jpg"));
    const RunOutcome usual = program.RunAndClose();
    ExpectStartedAndClosed(usual);

    WriteBytes(File("Backgrounds/0-huge.jpg"), GreyJpeg(12000, 12000));  // first by name: loaded at start
    const RunOutcome huge = program.RunAndClose();
    ExpectStartedAndClosed(huge);
    std::printf("peak memory of the program: %ld KiB with its own background, %ld KiB with a 12000 x 12000 one\n",
                usual.peakMemoryKiB, huge.peakMemoryKiB);
    // A full-size decode alone needs 549 MiB (432 MiB at 24 bits).
    EXPECT_LT(huge.peakMemoryKiB - usual.peakMemoryKiB, 300 * 1024);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(huge.peakMemoryKiB, 400 * 1024);
#endif
}

TEST_F(BadFolder, SideFilesMissing)
{
    program.AddGameFiles({"tick.wav", "harrow.cur", "hnwse.cur", "instructions.htm"});
    ExpectStartedAndClosed(program.RunAndClose());
    EXPECT_EQ(ReadBytes(File("stats.hsf")), DefaultRecords());
}

TEST_F(BadFolder, SideFilesOfGarbage)
{
    program.AddGameFiles({"tick.wav", "harrow.cur", "hnwse.cur", "instructions.htm"});
    const std::string cursor = ReadBytes(GAME_DIR / "harrow.cur");
    WriteBytes(File("tick.wav"), RandomBytes(1366, 48));
    WriteBytes(File("harrow.cur"), CursorHeader(0xFFFFFFFFu, 22, cursor.substr(22)));
    WriteBytes(File("hnwse.cur"), cursor.substr(0, 13));
    WriteBytes(File("instructions.htm"), RandomBytes(9445, 49));
    ExpectStartedAndClosed(program.RunAndClose());
    EXPECT_EQ(ReadBytes(File("stats.hsf")), DefaultRecords());
}
