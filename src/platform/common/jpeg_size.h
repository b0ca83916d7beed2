#pragma once
// The size a JPEG file's frame header gives, read before anything decodes the
// file: plain C++ on its bytes.

#include <cstddef>
#include <cstdint>

// 1 with `width` and `height` (1 to 65535 each) when the `size` bytes at
// `bytes` start a JPEG (FF D8) whose segments, walked by their lengths, reach
// a whole start-of-frame header inside the bytes. 0 otherwise: no JPEG, a
// broken segment, no frame, or a frame of no area.
int JpegFrameSize(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height);
