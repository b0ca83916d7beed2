#include "qt/resident_memory.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

// The kilobytes of the status line that starts with `field` ("VmRSS:").
long StatusKilobytes(const char* field, pid_t pid)
{
    std::ifstream status(pid == 0 ? std::string("/proc/self/status") : "/proc/" + std::to_string(pid) + "/status");
    const size_t length = std::strlen(field);
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0) {
            return std::strtol(line.c_str() + length, nullptr, 10);
        }
    }
    return -1;
}

}  // namespace

long ResidentKilobytes(pid_t pid) { return StatusKilobytes("VmRSS:", pid); }

long PeakResidentKilobytes() { return StatusKilobytes("VmHWM:", 0); }

void ResetPeakResident()
{
    // Writing 5 to clear_refs sets the peak back to the resident size.
    std::ofstream("/proc/self/clear_refs") << "5";
}
