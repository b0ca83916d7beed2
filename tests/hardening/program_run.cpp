#include "program_run.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "bad_files.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* GAME_FILES[] = {"resources.rcc", "Backgrounds", "tick.wav",
                                      "harrow.cur",    "hnwse.cur",   "instructions.htm"};

void Sleep(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// Windows of other programs on the same display may vanish between listing
// and asking for their names; Xlib's own handler would end the test for it.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// The virtual display of the test machines now and then refuses a connection.
Display* OpenDisplay()
{
    XSetErrorHandler(IgnoreXError);
    for (int i = 0; i < 20; ++i) {
        if (Display* display = XOpenDisplay(nullptr)) {
            return display;
        }
        Sleep(50);
    }
    return nullptr;
}

// Whether the window is the program's main window of process `pid` (other
// tests may show the same window on the same display).
bool IsProgramWindow(Display* display, Window window, pid_t pid)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || name == nullptr) {
        return false;
    }
    const bool titled = std::strcmp(name, "Tarvik Solitaire") == 0;
    XFree(name);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool owned = false;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), 0, 1, False, XA_CARDINAL,
                           &type, &format, &count, &after, &data) == Success &&
        data != nullptr) {
        owned = count == 1 && format == 32 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
        XFree(data);
    }
    return titled && owned;
}

Window FindProgramWindow(Display* display, Window window, pid_t pid)
{
    if (IsProgramWindow(display, window, pid)) {
        return window;
    }
    Window root = 0, parent = 0, found = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            found = FindProgramWindow(display, children[i], pid);
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
    return found;
}

// The close box as a window manager reports it.
void AskToClose(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// True when the process has ended; fills its exit code and peak memory.
bool Ended(pid_t pid, RunOutcome* outcome)
{
    int status = 0;
    rusage usage {};
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
        if (Ended(pid, outcome)) {
            return;
        }
        Sleep(50);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    outcome->exitCode = -1000;
}

}  // namespace

ProgramFolder::ProgramFolder()
{
    char pattern[] = "/tmp/tarvik-bad-run-XXXXXX";
    if (mkdtemp(pattern) != nullptr) {
        m_dir = pattern;
        fs::copy_file(TARVIK_PROGRAM, m_dir / "tarvik-solitaire");
    }
}

ProgramFolder::~ProgramFolder()
{
    std::error_code error;
    fs::remove_all(m_dir, error);
}

void ProgramFolder::AddGameFiles(const std::set<std::string>& except)
{
    for (const char* name : GAME_FILES) {
        if (except.count(name) == 0) {
            fs::create_symlink(fs::path(TARVIK_GAME_DIR) / name, m_dir / name);
        }
    }
}

// Started from another working directory, as play.sh does.
pid_t ProgramFolder::Start(long fileSizeLimit)
{
    const pid_t pid = fork();
    if (pid == 0) {
        // Never outlives a test that ended early.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (fileSizeLimit > 0) {
            // A write past the limit then fails instead of ending the process.
            signal(SIGXFSZ, SIG_IGN);
            rlimit limit {};
            limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(fileSizeLimit);
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (chdir("/") != 0 || std::freopen((m_dir / "stderr.txt").c_str(), "w", stderr) == nullptr) {
            _exit(120);
        }
        const std::string program = (m_dir / "tarvik-solitaire").string();
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(122);
    }
    return pid;
}

// A start the display refused ends at once, by the program's own message or
// by Qt's abort; such a start is made again.
bool ProgramFolder::RefusedByDisplay(const RunOutcome& outcome) const
{
    const std::string errors = ReadBytes(m_dir / "stderr.txt");
    return !outcome.windowShown &&
           ((outcome.exitCode == 255 && errors.find("RegisterClassEx Failed!") != std::string::npos) ||
            (outcome.exitCode == -2000 && errors.find("could not connect to display") != std::string::npos));
}

RunOutcome ProgramFolder::RunOnce(bool close, long fileSizeLimit)
{
    RunOutcome outcome;
    Display* display = OpenDisplay();
    if (display == nullptr) {
        return outcome;
    }
    const pid_t pid = Start(fileSizeLimit);
    bool ended = false;
    Window window = 0;
    for (int i = 0; i < 300 && window == 0 && !ended; ++i) {
        Sleep(100);
        window = FindProgramWindow(display, DefaultRootWindow(display), pid);
        ended = Ended(pid, &outcome);
    }
    outcome.windowShown = window != 0;
    if (!ended && window != 0) {
        for (int i = 0; i < 15 && !ended; ++i) {
            Sleep(100);
            ended = Ended(pid, &outcome);
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
    return ReadBytes(m_dir / "stderr.txt");
}
