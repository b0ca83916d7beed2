#include "platform/common/store_bitmap.h"

namespace {

constexpr uint32_t INFO_HEADER_BYTES = 40;  // BITMAPINFOHEADER

uint32_t Little16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t Little32(const uint8_t* p) { return Little16(p) | Little16(p + 2) << 16; }

}  // namespace

int CheckStoreBitmap(const uint8_t* bytes, size_t size, StoreBitmap* out)
{
    if (bytes == nullptr || out == nullptr || size < INFO_HEADER_BYTES) {
        return 0;
    }
    const uint32_t headerBytes = Little32(bytes);
    const int32_t width = static_cast<int32_t>(Little32(bytes + 4));
    const int32_t storedHeight = static_cast<int32_t>(Little32(bytes + 8));
    const uint32_t planes = Little16(bytes + 12);
    const uint32_t bits = Little16(bytes + 14);
    const uint32_t compression = Little32(bytes + 16);
    const uint32_t coloursUsed = Little32(bytes + 32);
    if (headerBytes < INFO_HEADER_BYTES || headerBytes > size || planes != 1 || (bits != 24 && bits != 32) ||
        compression != 0 /* BI_RGB */ || coloursUsed > 256) {
        return 0;
    }
    if (width < 1 || width > STORE_BITMAP_LARGEST_SIDE || storedHeight == INT32_MIN || storedHeight == 0 ||
        (storedHeight < 0 ? -storedHeight : storedHeight) > STORE_BITMAP_LARGEST_SIDE) {
        return 0;
    }
    const int32_t height = storedHeight < 0 ? -storedHeight : storedHeight;
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    const uint64_t texelsAt = static_cast<uint64_t>(headerBytes) + 4ull * coloursUsed;
    if (texelsAt > size || rowBytes * static_cast<uint64_t>(height) > size - texelsAt) {
        return 0;
    }
    *out = {bytes + texelsAt, width, height, storedHeight < 0, bits / 8, static_cast<uint32_t>(rowBytes)};
    return 1;
}

void ReadStoreBitmap(const StoreBitmap& bitmap, int32_t width, int32_t height, uint8_t* rgba)
{
    uint8_t* to = rgba;
    for (int32_t y = 0; y < height; ++y) {
        const int32_t fromBottom = static_cast<int32_t>(static_cast<int64_t>(y) * bitmap.height / height);
        const int32_t stored = bitmap.topDown ? bitmap.height - 1 - fromBottom : fromBottom;
        const uint8_t* row = bitmap.texels + static_cast<size_t>(stored) * bitmap.rowBytes;
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t* texel = row + static_cast<size_t>(static_cast<int64_t>(x) * bitmap.width / width) *
                                             bitmap.texelBytes;
            // Stored blue, green, red.
            *to++ = texel[2];
            *to++ = texel[1];
            *to++ = texel[0];
            *to++ = 255;
        }
    }
}
