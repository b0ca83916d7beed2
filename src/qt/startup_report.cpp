#include "qt/startup_report.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <GL/gl.h>

#include "qt/resident_memory.h"

namespace {

struct StartupReport {
    bool on = false;
    bool exitAfterFirstFrame = false;
    bool frameSeen = false;
    double startMs = 0.0;
};
StartupReport s_report;

double MonotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

bool EnvironmentFlag(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && std::strcmp(value, "1") == 0;
}

}  // namespace

void StartStartupReport()
{
    s_report.on = EnvironmentFlag("TARVIK_REPORT_STARTUP");
    s_report.exitAfterFirstFrame = s_report.on && EnvironmentFlag("TARVIK_EXIT_AFTER_FIRST_FRAME");
    s_report.startMs = MonotonicMs();
    if (s_report.on) {
        ReportStartupEvent("entry");
    }
}

bool StartupReportOn() { return s_report.on; }

// The clock is CLOCK_MONOTONIC, so a launcher can add the time before main.
void ReportStartupEvent(const char* what)
{
    if (!s_report.on) {
        return;
    }
    const double now = MonotonicMs();
    std::printf("startup: %s at %.3f ms (monotonic), %.3f ms after entry, VmRSS %ld kB\n", what, now,
                now - s_report.startMs, ResidentKilobytes());
    std::fflush(stdout);
}

bool ReportFirstFrame()
{
    if (!s_report.on || s_report.frameSeen) {
        return false;
    }
    s_report.frameSeen = true;
    glFinish();
    ReportStartupEvent("first frame swapped");
    return s_report.exitAfterFirstFrame;
}
