#pragma once
// Picture-to-texel rules of the texture loaders, kept apart from GL so they
// can be checked without a context.

#include <cstdint>

#include "platform/platform.h"

// Texture side for a picture side of n pixels: maxSize when n > maxSize, else
// the power of two nearest n on a log scale, ties up (71 -> 64, 182 -> 256).
// 0 when n <= 0.
int TextureDimension(int n, int maxSize);

// Sets every texel's alpha: 0 where keyOn and the colour is exactly
// (keyR, keyG, keyB), else 255. Keyed texels then take the colour of their
// nearest opaque texels (wrapping round at the edges, as the textures repeat),
// so linear filtering blends no key colour into the edge of a shape.
void ApplyColourKey(SysImage* image, uint8_t keyOn, int keyR, int keyG, int keyB);
