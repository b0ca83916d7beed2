// Times the real program's start-up from outside: takes the monotonic clock,
// starts the program with its start-up report switched on, watches the root
// window for the program's top-level window being mapped, and reads the
// program's own report of its first exposure, of the cleared window shown
// while the pictures are made (-1 when there is none) and of its first frame.
//   startup_probe PROGRAM RUNS [SETTLE_MS]
// With SETTLE_MS the program is left running that long after its first frame
// (on the main menu), its resident memory read from /proc and then it is
// ended; without, it ends itself after the first frame. The settled reading
// also gives the private memory, Private_Clean + Private_Dirty of
// /proc/PID/smaps_rollup: the pages no other process shares.
// Prints one line per run and the medians; the CPU time is the whole run's
// (all threads, the renderer's included), which the machine's load hardly moves.

#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "qt/resident_memory.h"

namespace {

double MonotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Run {
    double entry = -1, mapped = -1, exposed = -1, cleared = -1, firstFrame = -1;
    long rssAtFirstFrame = -1, rssSettled = -1, privateSettled = -1;
    double cpu = -1;  // user + system time of the whole run, all threads
};

long PrivateKilobytesOf(pid_t pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    long total = -1;
    while (std::getline(rollup, line)) {
        if (line.rfind("Private_Clean:", 0) == 0 || line.rfind("Private_Dirty:", 0) == 0) {
            total = std::max(total, 0L) + std::strtol(line.c_str() + 14, nullptr, 10);
        }
    }
    return total;
}

// "startup: WHAT at T ms (monotonic), ..., VmRSS N kB": T relative to launch.
void ReadReportLine(const std::string& line, double launched, Run* run)
{
    const size_t at = line.find(" at ");
    if (line.rfind("startup: ", 0) != 0 || at == std::string::npos) {
        return;
    }
    const double ms = std::strtod(line.c_str() + at + 4, nullptr) - launched;
    const size_t rss = line.find("VmRSS ");
    if (line.rfind("startup: entry at", 0) == 0) {
        run->entry = ms;
    } else if (line.rfind("startup: window exposed at", 0) == 0) {
        run->exposed = ms;
    } else if (line.rfind("startup: cleared window swapped at", 0) == 0) {
        run->cleared = ms;
    } else if (line.rfind("startup: first frame swapped at", 0) == 0) {
        run->firstFrame = ms;
        if (rss != std::string::npos) {
            run->rssAtFirstFrame = std::strtol(line.c_str() + rss + 6, nullptr, 10);
        }
    }
}

bool StartRun(Display* display, const char* program, int settleMs, Run* run)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return false;
    }
    XSync(display, True);  // no old map events
    const double launched = MonotonicMs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        setenv("TARVIK_REPORT_STARTUP", "1", 1);
        if (settleMs <= 0) {
            setenv("TARVIK_EXIT_AFTER_FIRST_FRAME", "1", 1);
        }
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string pending;
    double settleUntil = -1;
    bool open = true;
    while (open || (settleUntil > 0 && MonotonicMs() < settleUntil)) {
        pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {pipeEnds[0], POLLIN, 0}};
        poll(fds, open ? 2 : 1, 20);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && run->mapped < 0 && !event.xmap.override_redirect) {
                run->mapped = MonotonicMs() - launched;
            }
        }
        if (open && (fds[1].revents & (POLLIN | POLLHUP))) {
            char buffer[512];
            const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
            if (n <= 0) {
                open = false;
            } else {
                pending.append(buffer, static_cast<size_t>(n));
            }
            for (size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
                ReadReportLine(pending.substr(0, end), launched, run);
            }
        }
        if (settleMs > 0 && run->firstFrame >= 0 && settleUntil < 0 && run->rssSettled < 0) {
            settleUntil = MonotonicMs() + settleMs;
        }
        if (settleUntil > 0 && MonotonicMs() >= settleUntil) {
            run->rssSettled = ResidentKilobytes(child);
            run->privateSettled = PrivateKilobytesOf(child);
            kill(child, SIGTERM);
            settleUntil = -1;
        }
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run->cpu = (static_cast<double>(usage.ru_utime.tv_sec) + static_cast<double>(usage.ru_stime.tv_sec)) * 1000.0 +
               (static_cast<double>(usage.ru_utime.tv_usec) + static_cast<double>(usage.ru_stime.tv_usec)) / 1000.0;
    return run->firstFrame >= 0;
}

double Median(std::vector<double> values)
{
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM RUNS [SETTLE_MS]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[2]));
    const int settleMs = argc > 3 ? std::atoi(argv[3]) : 0;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    std::vector<double> entry, mapped, exposed, cleared, frame, rssFrame, rssSettled, privateSettled, cpu;
    for (int i = 0; i < runs; ++i) {
        Run run;
        if (!StartRun(display, argv[1], settleMs, &run)) {
            std::fprintf(stderr, "run %d: no first frame reported\n", i + 1);
            return 1;
        }
        std::printf("run %d: main %.1f ms, mapped %.1f ms, exposed %.1f ms, cleared %.1f ms, first frame %.1f ms, "
                    "VmRSS %ld kB, CPU %.0f ms",
                    i + 1, run.entry, run.mapped, run.exposed, run.cleared, run.firstFrame, run.rssAtFirstFrame,
                    run.cpu);
        if (settleMs > 0) {
            std::printf(", VmRSS after %d ms %ld kB, private %ld kB", settleMs, run.rssSettled, run.privateSettled);
            rssSettled.push_back(static_cast<double>(run.rssSettled));
            privateSettled.push_back(static_cast<double>(run.privateSettled));
        }
        std::printf("\n");
        entry.push_back(run.entry);
        mapped.push_back(run.mapped);
        exposed.push_back(run.exposed);
        cleared.push_back(run.cleared);
        cpu.push_back(run.cpu);
        frame.push_back(run.firstFrame);
        rssFrame.push_back(static_cast<double>(run.rssAtFirstFrame));
    }
    std::printf("median: main %.1f ms, mapped %.1f ms, exposed %.1f ms, cleared %.1f ms, first frame %.1f ms, "
                "VmRSS %.0f kB, CPU %.0f ms",
                Median(entry), Median(mapped), Median(exposed), Median(cleared), Median(frame), Median(rssFrame),
                Median(cpu));
    if (settleMs > 0) {
        std::printf(", VmRSS settled %.0f kB, private settled %.0f kB", Median(rssSettled), Median(privateSettled));
    }
    std::printf("\n");
    XCloseDisplay(display);
    return 0;
}
