#pragma once
// The real program started as a player starts it (from another working
// directory) in a temporary copy of its folder, on the tests' display or a
// private one; its window found and pressed or asked to close; what it left.

#include <sys/types.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/program_window.h"
#include "support/scratch_folder.h"

struct _XDisplay;

struct RunOutcome {
    bool windowShown = false;  // its main window appeared
    bool stayedUp = false;     // still running 1.5 s after that (so the graphics started)
    int exitCode = -1;         // -1000 no end within the time, -2000 ended by a signal
    long peakMemoryKiB = 0;    // the process's peak resident memory
};

struct StartOptions {
    std::string display;     // DISPLAY for the program; empty for the tests' own
    bool withDisplay = true;  // false: no display at all
    bool withGl = true;       // false: Qt's X11 plug-in offers no GL contexts
    long fileSizeLimit = 0;   // bytes the program may write to a file; 0 for no limit
    bool reportStartup = false;  // the program reports its start-up (first frame) in stdout.txt
};

class ProgramFolder {
public:
    ProgramFolder();
    const std::filesystem::path& Path() const { return m_dir; }

    // Links the game's files into the folder, all but those named in `except`.
    void AddGameFiles(const std::set<std::string>& except = {});
    // Starts the program; its output goes to the folder's stdout.txt and
    // stderr.txt.
    pid_t Start(const StartOptions& options = {});
    // Starts the program, waits for its window, asks it to close (as the
    // close box does) once it has stayed up 1.5 s, and waits for its end.
    RunOutcome RunAndClose(long fileSizeLimit = 0);
    // Starts the program and waits for it to end by itself.
    RunOutcome RunToEnd();
    // A start the virtual display refused (it ends at once, by the program's
    // own message or by Qt's abort); the runs above make such a start again.
    bool RefusedByDisplay(const RunOutcome& outcome) const;
    // What the last run wrote to its error output (for failure messages).
    std::string Errors() const;
    // What the program wrote to its standard output.
    std::string Output() const;
    // The bytes of the folder's stats.hsf; empty when there is none.
    std::string SavedStats() const;

private:
    RunOutcome RunOnce(bool close, long fileSizeLimit);

    ScratchFolder m_folder;
    std::filesystem::path m_dir;
};

// True once the process has ended; fills its exit code and peak memory.
bool ProcessEnded(pid_t pid, RunOutcome* outcome);
// Waits up to `seconds` for the end; after that the process is killed (-1000).
void WaitForEnd(pid_t pid, int seconds, RunOutcome* outcome);

// A key pressed and released (an X key name: "F10", "s") in `window`, sent to
// the program that made the window.
void PressKey(_XDisplay* display, unsigned long window, const char* key);
// The innermost window under (x, y) of `window` and the point in its own
// coordinates.
unsigned long InnermostWindowAt(_XDisplay* display, unsigned long window, int* x, int* y);
// A left click (press and release) at (x, y) of `window`, sent to the program
// that made the window.
void ClickAt(_XDisplay* display, unsigned long window, int x, int y);
// The colour (0xRRGGBB) shown at (x, y) of `window`.
unsigned long PixelAt(_XDisplay* display, unsigned long window, int x, int y);

// The statistics file the program saves with the defaults (961 bytes).
std::string DefaultStatsRecords();

// An X server of its own for one test, on a display number it picks itself.
class PrivateDisplay {
public:
    PrivateDisplay();
    ~PrivateDisplay();
    // ":N", or empty when the server did not start.
    const std::string& Name() const { return m_name; }
    // Ends the server at once, as a crash or a lost remote display does.
    void Kill();

private:
    pid_t m_server = -1;
    std::string m_name;
};
