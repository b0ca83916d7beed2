// The program run as a whole in a temporary copy of its folder: the ways it
// starts and ends, and what it leaves in stats.hsf.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <X11/Xlib.h>

#include "support/program_process.h"

namespace fs = std::filesystem;

namespace {

// Where the first main-menu button (Klondike) shows in the first 640 x 480
// viewport: at (11.3, 5.0) table units, 28 units away, under a 45-degree view.
constexpr int BUTTON_VIEWPORT_X = 554;
constexpr int BUTTON_VIEWPORT_Y = 136;
constexpr int FIRST_VIEWPORT_HEIGHT = 480;

void Sleep(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

std::string DealtOnce()
{
    std::string records = DefaultStatsRecords();
    records[31 * 10] = '1';  // games dealt
    return records;
}

// A program started on a display of its own, so no other test's window
// covers it (a covered window makes no frames).
class RunningProgram {
public:
    explicit RunningProgram(ProgramFolder& folder) : m_folder(folder) {}
    ~RunningProgram()
    {
        if (m_pid > 0 && !m_ended) {
            WaitForEnd(m_pid, 0, &m_outcome);
        }
        if (m_display != nullptr) {
            XCloseDisplay(m_display);
        }
    }

    // Starts the program, waits for its main menu and presses its Klondike
    // button; true once the table has replaced the menu under the button.
    bool StartAndDeal()
    {
        if (m_server.Name().empty() || (m_display = OpenTestDisplay(m_server.Name())) == nullptr) {
            ADD_FAILURE() << "no private display";
            return false;
        }
        StartOptions options;
        options.display = m_server.Name();
        options.reportStartup = true;
        m_pid = m_folder.Start(options);
        // The GL area is the window under the middle of the main window once
        // both are mapped.
        Window frame = 0;
        Window area = 0;
        for (int i = 0; i < 300 && (area == 0 || area == frame) && !Ended(); ++i) {
            Sleep(100);
            frame = FindProgramWindow(m_display, m_pid);
            int x = 320;
            int y = 240;
            area = frame == 0 ? 0 : InnermostWindowAt(m_display, frame, &x, &y);
        }
        if (area == 0 || area == frame) {
            ADD_FAILURE() << "the window never appeared\n" << m_folder.Errors();
            return false;
        }
        XWindowAttributes attributes{};
        XGetWindowAttributes(m_display, area, &attributes);
        const int buttonX = BUTTON_VIEWPORT_X;
        const int buttonY = BUTTON_VIEWPORT_Y - (FIRST_VIEWPORT_HEIGHT - attributes.height);
        // The first frame, a main menu, is reported once it is swapped.
        for (int i = 0; i < 300 && !Ended() && m_folder.Output().find("first frame swapped") == std::string::npos;
             ++i) {
            Sleep(100);
        }
        const unsigned long menu = PixelAt(m_display, area, buttonX, buttonY);
        m_frame = frame;
        m_area = area;
        ClickAt(m_display, area, buttonX, buttonY);
        for (int i = 0; i < 150 && !Ended(); ++i) {
            Sleep(100);
            if (PixelAt(m_display, area, buttonX, buttonY) != menu) {
                return true;
            }
        }
        ADD_FAILURE() << "the game was not dealt\n" << m_folder.Errors();
        return false;
    }

    pid_t Pid() const { return m_pid; }

    // Starts another copy in the same folder on the same display and waits up
    // to 30 s for it to end.
    RunOutcome RunSecondCopy()
    {
        StartOptions options;
        options.display = m_server.Name();
        RunOutcome outcome;
        WaitForEnd(m_folder.Start(options), 30, &outcome);
        return outcome;
    }

    // Opens the statistics dialog from the keyboard, as a player may: F10
    // opens the game menu, S picks "&Statistics". True once the dialog is up.
    bool OpenStatistics()
    {
        PressKey(m_display, m_area, "F10");
        Window menu = 0;
        for (int i = 0; i < 100 && menu == 0 && !Ended(); ++i) {
            Sleep(100);
            menu = FindProgramWindow(m_display, m_pid, nullptr, m_frame);
        }
        if (menu == 0) {
            ADD_FAILURE() << "the menu did not open";
            return false;
        }
        // The key counts once the menu has taken the keyboard; until then it
        // is pressed again.
        for (int i = 0; i < 100 && !Ended(); ++i) {
            if (i % 5 == 0) {
                PressKey(m_display, menu, "s");
            }
            Sleep(100);
            const Window dialog = FindProgramWindow(m_display, m_pid, nullptr, m_frame);
            if (dialog != 0 && dialog != menu) {
                return true;
            }
        }
        ADD_FAILURE() << "the dialog did not open";
        return false;
    }

    // Ends the X server under the program; the test's own connection to it
    // goes first, or Xlib would end the test.
    void KillServer()
    {
        if (m_display != nullptr) {
            XCloseDisplay(m_display);
            m_display = nullptr;
        }
        m_server.Kill();
    }

    // The exit code, after waiting up to 30 s.
    int WaitForExit()
    {
        if (!m_ended) {
            WaitForEnd(m_pid, 30, &m_outcome);
            m_ended = true;
        }
        return m_outcome.exitCode;
    }

private:
    bool Ended()
    {
        if (!m_ended && m_pid > 0) {
            m_ended = ProcessEnded(m_pid, &m_outcome);
        }
        return m_ended;
    }

    ProgramFolder& m_folder;
    PrivateDisplay m_server;
    Display* m_display = nullptr;
    Window m_frame = 0;
    Window m_area = 0;
    pid_t m_pid = -1;
    bool m_ended = false;
    RunOutcome m_outcome;
};

}  // namespace

TEST(ProgramRun, MissingPictureStoreEndsWithZeroAndSavesTheDefaults)
{
    ProgramFolder program;
    program.AddGameFiles({"resources.rcc"});
    EXPECT_EQ(program.RunToEnd().exitCode, 0) << program.Errors();
    EXPECT_EQ(program.SavedStats(), DefaultStatsRecords());
}

TEST(ProgramRun, MissingPictureStoreSavesWhatWasLoaded)
{
    ProgramFolder program;
    program.AddGameFiles({"resources.rcc"});
    std::string records = DefaultStatsRecords();
    std::memcpy(&records[0], "42", 2);
    std::ofstream(program.Path() / "stats.hsf", std::ios::binary) << records;
    EXPECT_EQ(program.RunToEnd().exitCode, 0) << program.Errors();
    EXPECT_EQ(program.SavedStats(), records);
}

TEST(ProgramRun, NoDisplayReportsBothMessagesAndEndsWithMinusOne)
{
    ProgramFolder program;
    program.AddGameFiles();
    StartOptions options;
    options.withDisplay = false;
    RunOutcome outcome;
    WaitForEnd(program.Start(options), 30, &outcome);
    EXPECT_EQ(outcome.exitCode, 255);
    const std::string errors = program.Errors();
    const size_t first = errors.find("RegisterClassEx Failed!");
    const size_t second = errors.find("Error Registering Window Class!");
    ASSERT_NE(first, std::string::npos) << errors;
    ASSERT_NE(second, std::string::npos) << errors;
    EXPECT_LT(first, second);
    EXPECT_FALSE(fs::exists(program.Path() / "stats.hsf"));
}

TEST(ProgramRun, CloseBoxEndsWithZeroAndSaves)
{
    ProgramFolder program;
    program.AddGameFiles();
    const RunOutcome outcome = program.RunAndClose();
    EXPECT_TRUE(outcome.windowShown) << program.Errors();
    EXPECT_EQ(outcome.exitCode, 0) << program.Errors();
    EXPECT_EQ(program.SavedStats(), DefaultStatsRecords());
}

TEST(ProgramRun, NoGlContextReportsTheWindowAndEndsWithZero)
{
    ProgramFolder program;
    program.AddGameFiles();
    Display* display = OpenTestDisplay();
    ASSERT_NE(display, nullptr);
    bool answered = false;
    RunOutcome outcome;
    for (int attempt = 0; attempt < 3 && !answered; ++attempt) {
        StartOptions options;
        options.withGl = false;
        const pid_t pid = program.Start(options);
        bool ended = false;
        for (int i = 0; i < 200 && !answered && !ended; ++i) {
            Sleep(100);
            if (const Window box = FindProgramWindow(display, pid, "Error")) {
                AskToClose(display, box);
                answered = true;
            }
            ended = !answered && ProcessEnded(pid, &outcome);
        }
        if (!ended) {
            WaitForEnd(pid, 30, &outcome);
        }
        if (!program.RefusedByDisplay(outcome)) {
            break;
        }
    }
    XCloseDisplay(display);
    EXPECT_TRUE(answered) << "no error box";
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_FALSE(fs::exists(program.Path() / "stats.hsf"));
}

// A second start in the same folder (a double click on the menu entry) ends at
// once without loading or saving, so the game played in the first copy stays
// in stats.hsf whichever copy the player closes last.
TEST(ProgramRun, SecondCopyInTheSameFolderEndsAtOnceAndTheFirstKeepsItsGame)
{
    ProgramFolder program;
    program.AddGameFiles();
    RunningProgram first(program);
    ASSERT_TRUE(first.StartAndDeal());
    const RunOutcome second = first.RunSecondCopy();
    EXPECT_EQ(second.exitCode, 0) << program.Errors();
    EXPECT_FALSE(fs::exists(program.Path() / "stats.hsf")) << "the second copy saved";
    RunOutcome firstSoFar;
    ASSERT_FALSE(ProcessEnded(first.Pid(), &firstSoFar)) << "the first copy ended";
    kill(first.Pid(), SIGTERM);
    EXPECT_EQ(first.WaitForExit(), 0) << program.Errors();
    EXPECT_EQ(program.SavedStats(), DealtOnce());
}

// The signals a logout, a shutdown or a terminal sends end the program as its
// close box does: the dealt game is in stats.hsf and the exit code is 0.
class EndingSignal : public ::testing::TestWithParam<int> {};

TEST_P(EndingSignal, SavesTheDealtGameAndEndsWithZero)
{
    ProgramFolder program;
    program.AddGameFiles();
    RunningProgram run(program);
    ASSERT_TRUE(run.StartAndDeal());
    ASSERT_FALSE(fs::exists(program.Path() / "stats.hsf")) << "saved before the end";
    kill(run.Pid(), GetParam());
    EXPECT_EQ(run.WaitForExit(), 0) << program.Errors();
    EXPECT_EQ(program.SavedStats(), DealtOnce());
}

INSTANTIATE_TEST_SUITE_P(TermHupInt, EndingSignal, ::testing::Values(SIGTERM, SIGHUP, SIGINT));

// The signal arrives inside the dialog's own loop: the dialog closes, then the
// program saves and ends as above.
TEST(EndingSignalWithADialogOpen, ClosesItSavesTheDealtGameAndEndsWithZero)
{
    ProgramFolder program;
    program.AddGameFiles();
    RunningProgram run(program);
    ASSERT_TRUE(run.StartAndDeal());
    ASSERT_TRUE(run.OpenStatistics());
    kill(run.Pid(), SIGTERM);
    EXPECT_EQ(run.WaitForExit(), 0) << program.Errors();
    EXPECT_EQ(program.SavedStats(), DealtOnce());
}

// Qt ends the process itself when the X connection breaks (exit code 1); the
// statistics are saved on the way out all the same.
TEST(EndingXServerGone, SavesTheDealtGame)
{
    ProgramFolder program;
    program.AddGameFiles();
    RunningProgram run(program);
    ASSERT_TRUE(run.StartAndDeal());
    run.KillServer();
    EXPECT_EQ(run.WaitForExit(), 1) << program.Errors();
    EXPECT_NE(program.Errors().find("The X11 connection broke"), std::string::npos) << program.Errors();
    EXPECT_EQ(program.SavedStats(), DealtOnce());
}
