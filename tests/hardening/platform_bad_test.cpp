// Cursor, sound and page files that are missing or damaged: nothing is
// loaded from them, and the pointer goes blank while cards are held.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QUrl>
#include <QWindow>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "bad_files.h"
#include "platform/common/cursors.h"
#include "platform/platform.h"
#include "qt/platform/qt_platform.h"
#include "support/gui_application.h"

namespace fs = std::filesystem;

namespace {

const fs::path GAME_DIR = TARVIK_GAME_DIR;

void PutLittle32(std::string* bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        (*bytes)[at + i] = static_cast<char>(value >> (8 * i));
    }
}

void RunEventsFor(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// The program's tick file in shapes a decoder may trip over.
std::vector<std::pair<std::string, std::string>> DamagedSounds()
{
    const std::string good = ReadBytes(GAME_DIR / "tick.wav");
    std::string hugeData = good;
    PutLittle32(&hugeData, 4, 0xFFFFFFF0u);   // the whole file
    PutLittle32(&hugeData, 40, 0xFFFFFFF0u);  // the samples
    std::string oddFormat = good;
    PutLittle32(&oddFormat, 16, 0x7FFFFFFFu);  // format chunk size
    oddFormat[22] = '\xFF';                    // 255 channels
    return {
        {"empty", ""},
        {"random bytes", RandomBytes(good.size(), 33)},
        {"cut in the header", good.substr(0, 30)},
        {"claims 4 GB of samples", hugeData},
        {"odd format chunk", oddFormat},
    };
}

// Writes tick.wav (unless `write` is false), asks for it three times with the
// events of 100 ms after each, then ends the process: 0 when `expected`
// plays were started, 1 otherwise; an alarm ends a hang.
[[noreturn]] void PlayTicksAndEnd(const std::string& bytes, int expected, bool write = true)
{
    alarm(30);
    if (write) {
        WriteBytes("tick.wav", bytes);
    }
    for (int i = 0; i < 3; ++i) {
        SysPlaySoundAsync("tick.wav");
        RunEventsFor(100);
    }
    std::_Exit(QtPlatformSoundsStarted() == expected ? 0 : 1);
}

class BadSideFiles : public testing::Test {
protected:
    void SetUp() override { EnsureGuiApplication(); }

    ScratchFolder folder{"tarvik-bad"};
};

// Damaged copies of a good cursor: cut, scrambled, or claiming sizes and
// offsets far beyond the file.
std::vector<std::pair<std::string, std::string>> DamagedCursors()
{
    const std::string good = ReadBytes(GAME_DIR / "harrow.cur");
    const std::string picture = good.substr(22);
    return {
        {"empty", ""},
        {"random bytes", RandomBytes(good.size(), 31)},
        {"cut in the header", good.substr(0, 13)},
        {"header only", good.substr(0, 22)},
        {"cut in the picture header", good.substr(0, 40)},
        {"claims 4 GB of picture", CursorHeader(0xFFFFFFFFu, 22, picture)},
        {"picture far past the end", CursorHeader(static_cast<uint32_t>(picture.size()), 0xFFFFFFF0u, picture)},
    };
}

}  // namespace

TEST_F(BadSideFiles, DamagedCursorsLoadNothing)
{
    EXPECT_EQ(SysLoadCursorFile("harrow.cur"), 0) << "missing";
    for (const auto& [what, bytes] : DamagedCursors()) {
        SCOPED_TRACE(what);
        WriteBytes("bad.cur", bytes);
        EXPECT_EQ(SysLoadCursorFile("bad.cur"), 0);
    }
    // A picture header claiming 2 billion pixels a side: the 32 x 32 of the
    // file's directory is what is read, so a small shape loads.
    std::string hugePicture = ReadBytes(GAME_DIR / "harrow.cur");
    PutLittle32(&hugePicture, 22 + 4, 0x7FFFFFFFu);
    PutLittle32(&hugePicture, 22 + 8, 0x7FFFFFFEu);
    WriteBytes("huge.cur", hugePicture);
    EXPECT_NE(SysLoadCursorFile("huge.cur"), 0);
    fs::copy_file(GAME_DIR / "harrow.cur", "good.cur");
    EXPECT_NE(SysLoadCursorFile("good.cur"), 0) << "the good file still loads";
}

TEST_F(BadSideFiles, PointerIsBlankWhileCardsAreHeldWithoutCursorFiles)
{
    WriteBytes("harrow.cur", RandomBytes(4286, 32));
    ASSERT_TRUE(WriteBytes("hnwse.cur", ReadBytes(GAME_DIR / "hnwse.cur").substr(0, 40)));
    LoadPointerCursors();
    EXPECT_EQ(g_arrowCursor, 0);
    EXPECT_EQ(g_moveCursor, 0);
    QWindow window;
    window.setCursor(Qt::PointingHandCursor);
    QtPlatformSetCursorWindow(&window);
    SetPointerCursor(1);
    EXPECT_EQ(window.cursor().shape(), Qt::BlankCursor);
    QtPlatformSetCursorWindow(nullptr);
}

TEST_F(BadSideFiles, DamagedSoundsPlayNothingAndNeverStopTheProgram)
{
    // Each file in a fresh process, as the program sets its one sound once:
    // Qt's sample cache can wait forever when an effect changes its file.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::vector<std::pair<std::string, std::string>> sounds = DamagedSounds();
    for (size_t i = 0; i < sounds.size(); ++i) {
        EXPECT_EXIT(PlayTicksAndEnd(sounds[i].second, 0), testing::ExitedWithCode(0), "") << sounds[i].first;
    }
    EXPECT_EXIT(PlayTicksAndEnd(ReadBytes(GAME_DIR / "tick.wav"), 3), testing::ExitedWithCode(0), "") << "the good tick";
    EXPECT_EXIT(PlayTicksAndEnd("", 0, false), testing::ExitedWithCode(0), "") << "missing";
}

// The page is only handed to the desktop; the program never reads it.
TEST_F(BadSideFiles, InstructionsPageIsHandedOverWhateverItHolds)
{
    QtPlatformSetDocumentsRecordedOnly(true);
    const QString expected = QUrl::fromLocalFile(QFileInfo("instructions.htm").absoluteFilePath()).toString();
    SysOpenDocument("instructions.htm");
    EXPECT_EQ(QtPlatformLastDocument(), expected) << "missing";
    WriteBytes("instructions.htm", RandomBytes(9445, 34));
    SysOpenDocument("instructions.htm");
    EXPECT_EQ(QtPlatformLastDocument(), expected) << "garbage";
    QtPlatformSetDocumentsRecordedOnly(false);
}

TEST_F(BadSideFiles, PipeNamedLikeACursorLoadsNothingAtOnce)
{
    ASSERT_EQ(::mkfifo("harrow.cur", 0644), 0);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ::alarm(10);
            std::_Exit(SysLoadCursorFile("harrow.cur") == 0 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}
