#include "support/program_process.h"

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr const char* GAME_FILES[] = {"resources.rcc", "Backgrounds", "tick.wav",
                                      "harrow.cur",    "hnwse.cur",   "instructions.htm"};
constexpr int END_SIGNALS[] = {SIGTERM, SIGHUP, SIGINT};

void Sleep(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

std::string ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void SendButton(Display* display, Window window, int type, int x, int y)
{
    XEvent event{};
    event.xbutton.type = type;
    event.xbutton.display = display;
    event.xbutton.window = window;
    event.xbutton.root = DefaultRootWindow(display);
    event.xbutton.subwindow = None;
    event.xbutton.time = CurrentTime;
    event.xbutton.x = x;
    event.xbutton.y = y;
    event.xbutton.same_screen = True;
    event.xbutton.button = Button1;
    event.xbutton.state = type == ButtonRelease ? Button1Mask : 0;
    // An empty event mask sends the event to the client that made the window.
    XSendEvent(display, window, True, NoEventMask, &event);
}

}  // namespace

ProgramFolder::ProgramFolder() : m_folder("tarvik-run", false), m_dir(m_folder.Path())
{
    if (!m_dir.empty()) {
        fs::copy_file(TARVIK_PROGRAM, m_dir / "tarvik-solitaire");
    }
}

void ProgramFolder::AddGameFiles(const std::set<std::string>& except)
{
    for (const char* name : GAME_FILES) {
        if (except.count(name) == 0) {
            fs::create_symlink(fs::path(TARVIK_GAME_DIR) / name, m_dir / name);
        }
    }
}

pid_t ProgramFolder::Start(const StartOptions& options)
{
    const pid_t pid = fork();
    if (pid == 0) {
        // Never outlives a test that ended early.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        // A test run in the background or under nohup ignores these; the
        // program must meet them as a player's session sends them.
        for (const int number : END_SIGNALS) {
            signal(number, SIG_DFL);
        }
        if (options.fileSizeLimit > 0) {
            // A write past the limit then fails instead of ending the process.
            signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(options.fileSizeLimit);
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (options.reportStartup) {
            setenv("TARVIK_REPORT_STARTUP", "1", 1);
        }
        if (!options.withGl) {
            setenv("QT_XCB_GL_INTEGRATION", "none", 1);
        }
        if (!options.withDisplay) {
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            unsetenv("QT_QPA_PLATFORM");
        } else if (!options.display.empty()) {
            setenv("DISPLAY", options.display.c_str(), 1);
        }
        if (chdir("/") != 0 || std::freopen((m_dir / "stderr.txt").c_str(), "w", stderr) == nullptr ||
            std::freopen((m_dir / "stdout.txt").c_str(), "w", stdout) == nullptr) {
            _exit(120);
        }
        const std::string program = (m_dir / "tarvik-solitaire").string();
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(122);
    }
    return pid;
}

bool ProgramFolder::RefusedByDisplay(const RunOutcome& outcome) const
{
    const std::string errors = Errors();
    return !outcome.windowShown &&
           ((outcome.exitCode == 255 && errors.find("RegisterClassEx Failed!") != std::string::npos) ||
            (outcome.exitCode == -2000 && errors.find("could not connect to display") != std::string::npos));
}

RunOutcome ProgramFolder::RunOnce(bool close, long fileSizeLimit)
{
    RunOutcome outcome;
    Display* display = OpenTestDisplay();
    if (display == nullptr) {
        return outcome;
    }
    StartOptions options;
    options.fileSizeLimit = fileSizeLimit;
    const pid_t pid = Start(options);
    bool ended = false;
    Window window = 0;
    for (int i = 0; i < 300 && window == 0 && !ended; ++i) {
        Sleep(100);
        window = FindProgramWindow(display, pid);
        ended = ProcessEnded(pid, &outcome);
    }
    outcome.windowShown = window != 0;
    if (!ended && window != 0) {
        for (int i = 0; i < 15 && !ended; ++i) {
            Sleep(100);
            ended = ProcessEnded(pid, &outcome);
        }
        outcome.stayedUp = !ended;
        if (close && !ended) {
            AskToClose(display, window);
        }
    }
    if (!ended) {
        WaitForEnd(pid, 30, &outcome);
    }
    XCloseDisplay(display);
    return outcome;
}

RunOutcome ProgramFolder::RunAndClose(long fileSizeLimit)
{
    RunOutcome outcome;
    for (int attempt = 0; attempt < 3; ++attempt) {
        outcome = RunOnce(true, fileSizeLimit);
        if (!RefusedByDisplay(outcome)) {
            break;
        }
    }
    return outcome;
}

RunOutcome ProgramFolder::RunToEnd()
{
    RunOutcome outcome;
    for (int attempt = 0; attempt < 3; ++attempt) {
        outcome = RunOnce(false, 0);
        if (!RefusedByDisplay(outcome)) {
            break;
        }
    }
    return outcome;
}

std::string ProgramFolder::Errors() const
{
    return ReadFile(m_dir / "stderr.txt");
}

std::string ProgramFolder::Output() const
{
    return ReadFile(m_dir / "stdout.txt");
}

std::string ProgramFolder::SavedStats() const
{
    return ReadFile(m_dir / "stats.hsf");
}

bool ProcessEnded(pid_t pid, RunOutcome* outcome)
{
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, WNOHANG, &usage) != pid) {
        return false;
    }
    outcome->exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -2000;
    outcome->peakMemoryKiB = usage.ru_maxrss;
    return true;
}

void WaitForEnd(pid_t pid, int seconds, RunOutcome* outcome)
{
    for (int i = 0; i < seconds * 20; ++i) {
        if (ProcessEnded(pid, outcome)) {
            return;
        }
        Sleep(50);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    outcome->exitCode = -1000;
}

void PressKey(_XDisplay* display, unsigned long window, const char* key)
{
    XEvent event{};
    event.xkey.type = KeyPress;
    event.xkey.display = display;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.time = CurrentTime;
    event.xkey.same_screen = True;
    event.xkey.keycode = XKeysymToKeycode(display, XStringToKeysym(key));
    XSendEvent(display, window, True, NoEventMask, &event);
    event.xkey.type = KeyRelease;
    XSendEvent(display, window, True, NoEventMask, &event);
    XFlush(display);
}

unsigned long InnermostWindowAt(_XDisplay* display, unsigned long window, int* x, int* y)
{
    Window at = window;
    for (int depth = 0; depth < 8; ++depth) {
        Window child = 0, ignored = 0;
        int childX = 0, childY = 0;
        if (!XTranslateCoordinates(display, at, at, *x, *y, &childX, &childY, &child) || child == 0) {
            break;
        }
        XTranslateCoordinates(display, at, child, *x, *y, &childX, &childY, &ignored);
        at = child;
        *x = childX;
        *y = childY;
    }
    return at;
}

void ClickAt(_XDisplay* display, unsigned long window, int x, int y)
{
    SendButton(display, window, ButtonPress, x, y);
    SendButton(display, window, ButtonRelease, x, y);
    XFlush(display);
}

unsigned long PixelAt(_XDisplay* display, unsigned long window, int x, int y)
{
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return 0xFFFFFFFFul;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFFul;
    XDestroyImage(image);
    return pixel;
}

std::string DefaultStatsRecords()
{
    std::string records(961, '\0');
    for (int i = 0; i < 31; ++i) {
        const char* text = i <= 10 ? "0" : i <= 20 ? "-" : "10000";
        std::memcpy(&records[static_cast<size_t>(31 * i)], text, std::strlen(text));
    }
    return records;
}

PrivateDisplay::PrivateDisplay()
{
    int ready[2];
    if (pipe(ready) != 0) {
        return;
    }
    m_server = fork();
    if (m_server == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        close(ready[0]);
        const std::string fd = std::to_string(ready[1]);
        std::freopen("/dev/null", "w", stderr);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    // The server writes its display number once it takes connections.
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    while (m_server > 0 && poll(&wait, 1, 10000) == 1) {
        char c = 0;
        if (read(ready[0], &c, 1) != 1 || c == '\n') {
            break;
        }
        number += c;
    }
    close(ready[0]);
    if (!number.empty()) {
        m_name = ":" + number;
    }
}

PrivateDisplay::~PrivateDisplay()
{
    Kill();
}

void PrivateDisplay::Kill()
{
    if (m_server > 0) {
        kill(m_server, SIGKILL);
        waitpid(m_server, nullptr, 0);
        m_server = -1;
    }
}
