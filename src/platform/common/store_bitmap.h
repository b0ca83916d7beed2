#pragma once
// A bitmap of the Windows picture store (resources.dll) as its resource holds
// it: an info header, a colour table, the rows. Checked on its bytes before
// any texel is read, then read texel by texel; plain C++, no system calls.

#include <cstddef>
#include <cstdint>

constexpr int32_t STORE_BITMAP_LARGEST_SIDE = 16384;  // texels

// A checked, uncompressed bitmap of 24 or 32 bits per texel.
struct StoreBitmap {
    const uint8_t* texels;  // the first stored row
    int32_t width;
    int32_t height;
    bool topDown;           // rows stored from the top (a negative height)
    uint32_t texelBytes;    // 3 or 4
    uint32_t rowBytes;      // each row padded to 4 bytes
};

// 1 when the `size` bytes at `bytes` start with an info header of 40 bytes or
// more that lies inside them, sides of 1 to 16384 texels, one plane, 24 or 32
// bits, no compression, at most 256 table colours, and a colour table and
// rows inside the bytes; `out` then points into `bytes`. 0 otherwise.
int CheckStoreBitmap(const uint8_t* bytes, size_t size, StoreBitmap* out);

// The checked bitmap at `width` x `height` texels (1 to 16384 each) by the
// nearest texel, so an exact key colour stays exact: 4 bytes (red, green,
// blue, 255) a texel into `rgba`, row 0 the picture's bottom row.
void ReadStoreBitmap(const StoreBitmap& bitmap, int32_t width, int32_t height, uint8_t* rgba);
