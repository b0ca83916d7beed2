// The names of a folder's files, through the standard library.

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/platform.h"

std::vector<std::string> SysListFiles(const char* folder, const char* suffix)
{
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error) {
        return names;
    }
    const std::string tail = suffix;
    for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (error) {
            break;
        }
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        std::string name = it->path().filename().string();
        if (name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0) {
            names.push_back(std::move(name));
        }
    }
    // Sorted, so the backgrounds come in the same order on every file system.
    std::sort(names.begin(), names.end());
    return names;
}
