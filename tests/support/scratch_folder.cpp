#include "support/scratch_folder.h"

#include <cstdlib>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Where the folders made while one lives go, in this process and in the
// processes it starts (a death test's child among them).
constexpr const char* SCRATCH_VARIABLE = "TARVIK_SCRATCH_FOLDER";

// Sets the variable, or takes it away for null.
void SetScratchVariable(const char* value)
{
#ifdef _WIN32
    _putenv_s(SCRATCH_VARIABLE, value != nullptr ? value : "");
#else
    if (value != nullptr) {
        setenv(SCRATCH_VARIABLE, value, 1);
    } else {
        unsetenv(SCRATCH_VARIABLE);
    }
#endif
}

}  // namespace

ScratchFolder::ScratchFolder(const char* prefix, bool enter)
{
    std::error_code error;
    const char* outer = std::getenv(SCRATCH_VARIABLE);
    const fs::path base = outer != nullptr && *outer != '\0' ? fs::path(outer) : fs::temp_directory_path(error);
    // A name no folder had: the first that is new is taken.
    std::random_device random;
    for (int attempt = 0; attempt < 100 && !error && m_path.empty(); ++attempt) {
        const fs::path candidate = base / (std::string(prefix) + "-" + std::to_string(random()));
        if (fs::create_directory(candidate, error)) {
            m_path = candidate;
        }
    }
    if (m_path.empty()) {
        return;
    }
    m_hadOuter = outer != nullptr;
    m_outer = m_hadOuter ? outer : "";
    SetScratchVariable(m_path.string().c_str());
    if (enter) {
        m_previous = fs::current_path(error);
        fs::current_path(m_path, error);
    }
}

ScratchFolder::~ScratchFolder()
{
    if (m_path.empty()) {
        return;
    }
    std::error_code error;
    if (!m_previous.empty()) {
        fs::current_path(m_previous, error);
    }
    SetScratchVariable(m_hadOuter ? m_outer.c_str() : nullptr);
    // A test may have taken its own rights on the folder away.
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(m_path, error);
}
