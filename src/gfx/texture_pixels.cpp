#include "gfx/texture_pixels.h"

#include <cmath>
#include <vector>

namespace {
// Linear filtering reads only the texels next to a sample point, so two rings
// of neighbour colour around every shape are more than it can ever reach.
constexpr int KEY_FILL_PASSES = 2;

struct Rgb {
    uint32_t r = 0, g = 0, b = 0, count = 0;
    void Add(const uint8_t* texel)
    {
        r += texel[0];
        g += texel[1];
        b += texel[2];
        ++count;
    }
    void StoreMean(uint8_t* texel) const
    {
        texel[0] = static_cast<uint8_t>((r + count / 2) / count);
        texel[1] = static_cast<uint8_t>((g + count / 2) / count);
        texel[2] = static_cast<uint8_t>((b + count / 2) / count);
    }
};

// Gives each keyed texel that touches a coloured one the mean colour of its
// coloured neighbours (8-connected, wrapping round); returns those still bare.
std::vector<uint32_t> FillFromNeighbours(SysImage* image, const std::vector<uint32_t>& bare, std::vector<uint8_t>* coloured)
{
    const int w = image->width;
    const int h = image->height;
    uint8_t* texels = image->rgba.data();
    std::vector<uint32_t> filled;
    std::vector<uint32_t> stillBare;
    for (uint32_t index : bare) {
        const int x = static_cast<int>(index % static_cast<uint32_t>(w));
        const int y = static_cast<int>(index / static_cast<uint32_t>(w));
        Rgb sum;
        for (int dy = -1; dy <= 1; ++dy) {
            const int ny = (y + dy + h) % h;
            for (int dx = -1; dx <= 1; ++dx) {
                const uint32_t n = static_cast<uint32_t>(ny * w + (x + dx + w) % w);
                if ((*coloured)[n]) {
                    sum.Add(texels + 4 * static_cast<size_t>(n));
                }
            }
        }
        if (sum.count) {
            sum.StoreMean(texels + 4 * static_cast<size_t>(index));
            filled.push_back(index);
        } else {
            stillBare.push_back(index);
        }
    }
    // Marked only after the pass, so the result does not depend on scan order.
    for (uint32_t index : filled) {
        (*coloured)[index] = 1;
    }
    return stillBare;
}
}  // namespace

int TextureDimension(int n, int maxSize)
{
    if (n <= 0) {
        return 0;
    }
    if (n > maxSize) {
        return maxSize;
    }
    const float log2n = logf(static_cast<float>(n)) / logf(2.0f);
    return 1 << static_cast<int>(floorf(log2n + 0.5f));
}

void ApplyColourKey(SysImage* image, uint8_t keyOn, int keyR, int keyG, int keyB)
{
    const size_t count = static_cast<size_t>(image->width) * static_cast<size_t>(image->height);
    if (image->width <= 0 || image->height <= 0 || image->rgba.size() < 4 * count) {
        return;
    }
    uint8_t* texels = image->rgba.data();
    std::vector<uint8_t> coloured(keyOn ? count : 0);
    std::vector<uint32_t> keyed;
    Rgb opaque;
    for (size_t i = 0; i < count; ++i) {
        uint8_t* t = texels + 4 * i;
        if (keyOn && t[0] == keyR && t[1] == keyG && t[2] == keyB) {
            t[3] = 0;
            keyed.push_back(static_cast<uint32_t>(i));
        } else {
            t[3] = 255;
            if (keyOn) {
                coloured[i] = 1;
                opaque.Add(t);
            }
        }
    }
    if (keyed.empty() || opaque.count == 0) {
        return;
    }
    for (int pass = 0; pass < KEY_FILL_PASSES && !keyed.empty(); ++pass) {
        keyed = FillFromNeighbours(image, keyed, &coloured);
    }
    // Far from every shape no filter reaches them; a neutral colour all the same.
    for (uint32_t index : keyed) {
        opaque.StoreMean(texels + 4 * static_cast<size_t>(index));
    }
}
