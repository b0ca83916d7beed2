// The program run as a whole in a temporary copy of its folder: the ways it
// starts and ends, and what it leaves in stats.hsf.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* GAME_FILES[] = {"Backgrounds", "tick.wav", "harrow.cur", "hnwse.cur", "instructions.htm"};

class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tarvik-process-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        fs::copy_file(TARVIK_PROGRAM, dir_ / "tarvik-solitaire");
    }
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(dir_, error);
    }

    void AddGameFiles(bool withStore)
    {
        for (const char* name : GAME_FILES) {
            fs::create_symlink(fs::path(TARVIK_GAME_DIR) / name, dir_ / name);
        }
        if (withStore) {
            fs::create_symlink(fs::path(TARVIK_GAME_DIR) / "resources.rcc", dir_ / "resources.rcc");
        }
    }

    // Starts the copy from another working directory, as play.sh would.
    pid_t Start(bool withDisplay, const std::string& errorFile, bool withGl = true)
    {
        const pid_t pid = fork();
        if (pid == 0) {
            if (!withGl) {
                // Qt's X11 plugin then offers no GL contexts at all.
                setenv("QT_XCB_GL_INTEGRATION", "none", 1);
            }
            if (chdir("/") != 0) {
                _exit(120);
            }
            if (!withDisplay) {
                unsetenv("DISPLAY");
                unsetenv("WAYLAND_DISPLAY");
                unsetenv("QT_QPA_PLATFORM");
            }
            if (std::freopen(errorFile.c_str(), "w", stderr) == nullptr) {
                _exit(121);
            }
            const std::string program = (dir_ / "tarvik-solitaire").string();
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(122);
        }
        return pid;
    }

    // Exit code, or -1000 when the program did not end within the time.
    static int WaitFor(pid_t pid, int seconds)
    {
        for (int i = 0; i < seconds * 20; ++i) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                return WIFEXITED(status) ? WEXITSTATUS(status) : -2000;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return -1000;
    }

    // The virtual display of the test machines now and then refuses a
    // connection: the program then ends at once without its window, by its
    // own message or by Qt's abort. Such a start is made again (three times
    // at most); whatever else happens is the program's outcome.
    bool RefusedByDisplay(int outcome) const
    {
        const std::string errors = Read(dir_ / "stderr.txt");
        return (outcome == 255 && errors.find("RegisterClassEx Failed!") != std::string::npos) ||
               (outcome == -2000 && errors.find("could not connect to display") != std::string::npos);
    }

    // Runs the program with a display until it ends; its exit code.
    int RunToEnd()
    {
        int outcome = 0;
        for (int attempt = 0; attempt < 3; ++attempt) {
            outcome = WaitFor(Start(true, (dir_ / "stderr.txt").string()), 30);
            if (!RefusedByDisplay(outcome)) {
                break;
            }
        }
        return outcome;
    }

    std::string Read(const fs::path& path) const
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    static std::string DefaultRecords()
    {
        std::string records(961, '\0');
        for (int i = 0; i < 31; ++i) {
            const char* text = i <= 10 ? "0" : i <= 20 ? "-" : "10000";
            std::memcpy(&records[static_cast<size_t>(31 * i)], text, std::strlen(text));
        }
        return records;
    }

    fs::path dir_;
};

// The virtual display of the test machines now and then refuses a connection.
Display* OpenDisplay()
{
    for (int i = 0; i < 20; ++i) {
        if (Display* display = XOpenDisplay(nullptr)) {
            return display;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

// Whether the window has this title and belongs to process `pid` (other
// tests may show the same window on the same display).
bool IsProgramWindow(Display* display, Window window, pid_t pid, const char* title)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || name == nullptr) {
        return false;
    }
    const bool titled = std::strcmp(name, title) == 0;
    XFree(name);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    bool owned = false;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr) {
        owned = count == 1 && format == 32 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
        XFree(data);
    }
    return titled && owned;
}

// The close box as a window manager reports it: WM_DELETE_WINDOW to the
// program's window with this title.
bool AskToClose(Display* display, Window window, pid_t pid, const char* title = "Tarvik Solitaire")
{
    if (IsProgramWindow(display, window, pid, title)) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
        return true;
    }
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    bool sent = false;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !sent; ++i) {
            sent = AskToClose(display, children[i], pid, title);
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
    return sent;
}

}  // namespace

TEST_F(ProgramRun, MissingPictureStoreEndsWithZeroAndSavesTheDefaults)
{
    AddGameFiles(false);
    EXPECT_EQ(RunToEnd(), 0);
    EXPECT_EQ(Read(dir_ / "stats.hsf"), DefaultRecords());
}

TEST_F(ProgramRun, MissingPictureStoreSavesWhatWasLoaded)
{
    AddGameFiles(false);
    std::string records = DefaultRecords();
    std::memcpy(&records[0], "42", 2);
    std::ofstream(dir_ / "stats.hsf", std::ios::binary) << records;
    EXPECT_EQ(RunToEnd(), 0);
    EXPECT_EQ(Read(dir_ / "stats.hsf"), records);
}

TEST_F(ProgramRun, NoDisplayReportsBothMessagesAndEndsWithMinusOne)
{
    AddGameFiles(true);
    const pid_t pid = Start(false, (dir_ / "stderr.txt").string());
    EXPECT_EQ(WaitFor(pid, 30), 255);
    const std::string errors = Read(dir_ / "stderr.txt");
    const size_t first = errors.find("RegisterClassEx Failed!");
    const size_t second = errors.find("Error Registering Window Class!");
    ASSERT_NE(first, std::string::npos) << errors;
    ASSERT_NE(second, std::string::npos) << errors;
    EXPECT_LT(first, second);
    EXPECT_FALSE(fs::exists(dir_ / "stats.hsf"));
}

TEST_F(ProgramRun, CloseBoxEndsWithZeroAndSaves)
{
    AddGameFiles(true);
    Display* display = OpenDisplay();
    ASSERT_NE(display, nullptr);
    bool sent = false;
    int outcome = -1;
    for (int attempt = 0; attempt < 3 && !sent; ++attempt) {
        const pid_t pid = Start(true, (dir_ / "stderr.txt").string());
        bool ended = false;
        for (int i = 0; i < 200 && !sent && !ended; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            sent = AskToClose(display, DefaultRootWindow(display), pid);
            int status = 0;
            ended = !sent && waitpid(pid, &status, WNOHANG) == pid;
            if (ended) {
                outcome = WIFEXITED(status) ? WEXITSTATUS(status) : -2000;
            }
        }
        if (!ended) {
            outcome = WaitFor(pid, 30);
        }
        if (!RefusedByDisplay(outcome)) {
            break;
        }
    }
    XCloseDisplay(display);
    EXPECT_TRUE(sent) << "the window never appeared";
    EXPECT_EQ(outcome, 0);
    EXPECT_EQ(Read(dir_ / "stats.hsf"), DefaultRecords());
}

TEST_F(ProgramRun, NoGlContextReportsTheWindowAndEndsWithZero)
{
    AddGameFiles(true);
    Display* display = OpenDisplay();
    ASSERT_NE(display, nullptr);
    bool answered = false;
    int outcome = -1;
    for (int attempt = 0; attempt < 3 && !answered; ++attempt) {
        const pid_t pid = Start(true, (dir_ / "stderr.txt").string(), false);
        for (int i = 0; i < 200 && !answered; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            answered = AskToClose(display, DefaultRootWindow(display), pid, "Error");
        }
        outcome = WaitFor(pid, 30);
        if (!RefusedByDisplay(outcome)) {
            break;
        }
    }
    XCloseDisplay(display);
    EXPECT_TRUE(answered) << "no error box";
    EXPECT_EQ(outcome, 0);
    EXPECT_FALSE(fs::exists(dir_ / "stats.hsf"));
}
