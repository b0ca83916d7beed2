#include "gfx/texture_pixels.h"

#include <cmath>
#include <vector>

namespace {
// Linear filtering reads only the texels next to a sample point, so two rings
// of neighbour colour around every shape are more than it can ever reach.
constexpr int KEY_FILL_PASSES = 2;
// While filling, a keyed texel that has been given a colour carries this
// alpha, so the next pass may take colour from it; it goes back to 0 after.
constexpr uint8_t ALPHA_FILLED = 1;

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

// Gives each bare keyed texel that touches a coloured one (8-connected,
// wrapping round) the mean colour of those neighbours. *bare keeps the texels
// still bare; *filled receives the ones coloured in this pass.
void FillFromNeighbours(SysImage* image, std::vector<uint32_t>* bare, std::vector<uint32_t>* filled)
{
    const uint32_t w = static_cast<uint32_t>(image->width);
    const uint32_t h = static_cast<uint32_t>(image->height);
    uint8_t* texels = image->rgba.data();
    size_t kept = 0;
    filled->clear();
    for (uint32_t index : *bare) {
        const uint32_t x = index % w;
        const uint32_t y = index / w;
        const uint32_t columns[3] = {x == 0 ? w - 1 : x - 1, x, x + 1 == w ? 0 : x + 1};
        const uint32_t rows[3] = {y == 0 ? h - 1 : y - 1, y, y + 1 == h ? 0 : y + 1};
        Rgb sum;
        for (uint32_t row : rows) {
            for (uint32_t column : columns) {
                const uint8_t* n = texels + 4 * (static_cast<size_t>(row) * w + column);
                if (n[3] != 0) {
                    sum.Add(n);
                }
            }
        }
        if (sum.count) {
            sum.StoreMean(texels + 4 * static_cast<size_t>(index));
            filled->push_back(index);
        } else {
            (*bare)[kept++] = index;
        }
    }
    bare->resize(kept);
    // Marked only after the pass, so the result does not depend on scan order.
    for (uint32_t index : *filled) {
        texels[4 * static_cast<size_t>(index) + 3] = ALPHA_FILLED;
    }
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
    if (!keyOn) {
        for (size_t i = 0; i < count; ++i) {
            texels[4 * i + 3] = 255;
        }
        return;
    }
    std::vector<uint32_t> keyed;
    for (size_t i = 0; i < count; ++i) {
        uint8_t* t = texels + 4 * i;
        const bool key = t[0] == keyR && t[1] == keyG && t[2] == keyB;
        t[3] = key ? 0 : 255;
        if (key) {
            keyed.push_back(static_cast<uint32_t>(i));
        }
    }
    if (keyed.empty() || keyed.size() == count) {
        return;
    }
    std::vector<uint32_t> allFilled;
    std::vector<uint32_t> filled;
    for (int pass = 0; pass < KEY_FILL_PASSES && !keyed.empty(); ++pass) {
        FillFromNeighbours(image, &keyed, &filled);
        allFilled.insert(allFilled.end(), filled.begin(), filled.end());
    }
    for (uint32_t index : allFilled) {
        texels[4 * static_cast<size_t>(index) + 3] = 0;
    }
    if (keyed.empty()) {
        return;
    }
    // Far from every shape no filter reaches them; a neutral colour all the same.
    Rgb opaque;
    for (size_t i = 0; i < count; ++i) {
        if (texels[4 * i + 3] == 255) {
            opaque.Add(texels + 4 * i);
        }
    }
    for (uint32_t index : keyed) {
        opaque.StoreMean(texels + 4 * static_cast<size_t>(index));
    }
}
