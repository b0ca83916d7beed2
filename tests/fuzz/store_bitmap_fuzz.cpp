// libFuzzer target: the check of a bitmap in the Windows picture store reads
// nothing outside the resource, and every bitmap it accepts is then read
// whole, at its own size and stretched, without a texel outside the rows it
// found (AddressSanitizer watches the resource's exact bytes).

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/common/store_bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StoreBitmap bitmap;
    if (!CheckStoreBitmap(data, size, &bitmap)) {
        return 0;
    }
    const uint64_t rows = uint64_t(bitmap.rowBytes) * uint64_t(bitmap.height);
    if (bitmap.width < 1 || bitmap.height < 1 || bitmap.width > STORE_BITMAP_LARGEST_SIDE ||
        bitmap.height > STORE_BITMAP_LARGEST_SIDE || (bitmap.texelBytes != 3 && bitmap.texelBytes != 4) ||
        bitmap.rowBytes % 4 != 0 || bitmap.rowBytes < uint64_t(bitmap.width) * bitmap.texelBytes ||
        bitmap.texels < data + 40 || bitmap.texels > data + size || rows > size_t(data + size - bitmap.texels)) {
        std::abort();
    }
    // The accepted rows fit in the input, so these are at most a few thousand texels.
    const int32_t sizes[][2] = {{bitmap.width, bitmap.height}, {1, 1}, {bitmap.width + 3, bitmap.height * 2 + 1}};
    for (const auto& side : sizes) {
        std::vector<uint8_t> rgba(size_t(side[0]) * size_t(side[1]) * 4);
        ReadStoreBitmap(bitmap, side[0], side[1], rgba.data());
        for (size_t i = 3; i < rgba.size(); i += 4) {
            if (rgba[i] != 255) {
                std::abort();
            }
        }
    }
    return 0;
}
