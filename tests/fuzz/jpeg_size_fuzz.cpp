// libFuzzer target: the JPEG size scan of the Windows background loader reads
// nothing outside the file, and a size it gives stands in a start-of-frame
// header that really lies inside the file (looked for here without the
// scan's own code).

#include <cstdint>
#include <cstdlib>

#include "platform/common/jpeg_size.h"

namespace {
uint32_t Big16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }

bool FrameHeaderSays(const uint8_t* data, size_t size, int32_t width, int32_t height)
{
    for (size_t at = 2; at + 9 <= size; ++at) {
        const uint8_t marker = data[at + 1];
        if (data[at] == 0xFF && (marker & 0xF0) == 0xC0 && marker != 0xC4 && marker != 0xC8 && marker != 0xCC &&
            Big16(data + at + 2) >= 7 && int32_t(Big16(data + at + 5)) == height &&
            int32_t(Big16(data + at + 7)) == width) {
            return true;
        }
    }
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int32_t width = -1, height = -1;
    if (JpegFrameSize(data, size, &width, &height) &&
        (data[0] != 0xFF || data[1] != 0xD8 || width < 1 || width > 0xFFFF || height < 1 || height > 0xFFFF ||
         !FrameHeaderSays(data, size, width, height))) {
        std::abort();
    }
    return 0;
}
