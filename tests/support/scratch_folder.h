#pragma once
// A fresh temporary folder for a test, removed with everything in it when the
// object goes, whether the test passed or failed. A death test's child,
// which runs the test program again from the start and ends without
// unwinding, makes its folder inside its parent's, so the parent's removal
// takes it too.

#include <filesystem>
#include <string>

class ScratchFolder {
public:
    // Makes PREFIX-NUMBER in the system's temporary folder (TMPDIR, else
    // /tmp) and, with `enter`, makes it the working directory while it lives.
    explicit ScratchFolder(const char* prefix = "tarvik-test", bool enter = true);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    // The folder; empty when none could be made.
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_previous;  // the working directory before, when entered
    std::filesystem::path m_path;
    std::string m_outer;               // the folder the next ones were made in before this one
    bool m_hadOuter = false;
};
