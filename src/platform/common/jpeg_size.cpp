#include "platform/common/jpeg_size.h"

namespace {

uint32_t Big16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }

// The start-of-frame markers of every coding: C0 to CF but the Huffman
// tables (C4), the reserved C8 and the arithmetic conditioning (CC).
bool IsFrameMarker(uint8_t marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

}  // namespace

int JpegFrameSize(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height)
{
    if (bytes == nullptr || width == nullptr || height == nullptr || size < 4 || bytes[0] != 0xFF ||
        bytes[1] != 0xD8) {
        return 0;
    }
    size_t at = 2;
    while (at + 4 <= size) {
        if (bytes[at] != 0xFF) {
            return 0;
        }
        const uint8_t marker = bytes[at + 1];
        if (marker == 0xFF) {
            ++at;  // fill byte
            continue;
        }
        const uint32_t length = Big16(&bytes[at + 2]);
        if (IsFrameMarker(marker)) {
            if (length < 7 || at + 9 > size) {
                return 0;
            }
            *height = static_cast<int32_t>(Big16(&bytes[at + 5]));
            *width = static_cast<int32_t>(Big16(&bytes[at + 7]));
            return *width > 0 && *height > 0 ? 1 : 0;
        }
        if (length < 2) {
            return 0;
        }
        at += 2 + length;
    }
    return 0;
}
