// libFuzzer target: the wave check reads nothing outside the file, and what
// it accepts really has a RIFF wave header, a format chunk before a data
// chunk, and every chunk up to the data inside the file (walked again here
// without the check's own code).

#include <cstdint>
#include <cstring>

#include "platform/common/wave_check.h"

namespace {
uint32_t Little32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

bool DataChunkInside(const uint8_t* data, size_t size)
{
    bool format = false;
    for (size_t at = 12; at + 8 <= size;) {
        const uint64_t end = at + 8 + uint64_t(Little32(data + at + 4));
        if (end > size) {
            return false;
        }
        if (std::memcmp(data + at, "fmt ", 4) == 0) {
            format = true;
        } else if (std::memcmp(data + at, "data", 4) == 0) {
            return format;
        }
        at = static_cast<size_t>(end + (end - at) % 2);
    }
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (IsPlayableWave(data, size) && (size < 12 || std::memcmp(data, "RIFF", 4) != 0 ||
                                       std::memcmp(data + 8, "WAVE", 4) != 0 || !DataChunkInside(data, size))) {
        __builtin_trap();
    }
    return 0;
}
