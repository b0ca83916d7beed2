#pragma once
// The real program started in a temporary copy of its folder, on the display
// the tests run under, and what it left behind.

#include <sys/types.h>

#include <filesystem>
#include <set>
#include <string>

struct RunOutcome {
    bool windowShown = false;  // its main window appeared
    bool stayedUp = false;     // still running 1.5 s after that (so the graphics started)
    int exitCode = -1;         // -1000 no end within the time, -2000 ended by a signal
    long peakMemoryKiB = 0;    // the process's peak resident memory
};

class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    const std::filesystem::path& Path() const { return m_dir; }

    // Links the game's files into the folder, all but those named in `except`.
    void AddGameFiles(const std::set<std::string>& except = {});
    // Starts the program, waits for its window, asks it to close (as the
    // close box does) once it has stayed up 1.5 s, and waits for its end.
    RunOutcome RunAndClose(long fileSizeLimit = 0);
    // Starts the program and waits for it to end by itself.
    RunOutcome RunToEnd();
    // What the last run wrote to its error output (for failure messages).
    std::string Errors() const;

private:
    RunOutcome RunOnce(bool close, long fileSizeLimit);
    bool RefusedByDisplay(const RunOutcome& outcome) const;
    pid_t Start(long fileSizeLimit);

    std::filesystem::path m_dir;
};
