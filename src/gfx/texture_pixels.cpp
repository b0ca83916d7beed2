#include "gfx/texture_pixels.h"

#include <cmath>
#include <vector>

namespace {
// Linear filtering reads only the texels next to a sample point, so two rings
// of neighbour colour around every shape are more than it can ever reach.
constexpr int KEY_FILL_PASSES = 2;
// While filling, a keyed texel coloured by an earlier pass carries
// ALPHA_FILLED, so the next pass may take colour from it; one coloured in the
// running pass carries ALPHA_FILLING and is no source yet, so the result does
// not depend on the scan order. Both go back to 0 at the end.
constexpr uint8_t ALPHA_FILLED = 1;
constexpr uint8_t ALPHA_FILLING = 2;
// A row whose bare texels are more than 1/NEAR_TEST_SHARE of it is first
// searched for columns near a source, so its inside is passed over quickly.
constexpr uint32_t NEAR_TEST_SHARE = 8;

bool IsSource(uint8_t alpha)
{
    return alpha == 255 || alpha == ALPHA_FILLED;
}

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

// Per-row counts kept while keying: the rows with keyed texels, those with
// texels still bare, and those coloured in the running pass. Rows without
// keyed texels, the bulk of a card face, are never looked at again.
struct KeyRows {
    std::vector<uint32_t> keyed;
    std::vector<uint32_t> bare;
    std::vector<uint8_t> filling;
    std::vector<uint8_t> nearSource;  // one flag a column, see below
};

// Gives each bare keyed texel (alpha 0) that touches a source texel
// (8-connected, wrapping round) the mean colour of those neighbours, row by
// row. In rows with many bare texels nearSource first tells for the three
// rows around the current one which columns hold a source, so the inside of
// a large keyed area is passed over at the cost of that test. Returns how
// many texels it coloured.
size_t FillFromNeighbours(SysImage* image, KeyRows* rowsOf)
{
    const uint32_t w = static_cast<uint32_t>(image->width);
    const uint32_t h = static_cast<uint32_t>(image->height);
    uint8_t* texels = image->rgba.data();
    const size_t rowBytes = 4 * static_cast<size_t>(w);
    uint8_t* near = rowsOf->nearSource.data();
    size_t coloured = 0;
    for (uint32_t y = 0; y < h; ++y) {
        rowsOf->filling[y] = 0;
        if (rowsOf->bare[y] == 0) {
            continue;
        }
        uint8_t* const rows[3] = {texels + rowBytes * (y == 0 ? h - 1 : y - 1), texels + rowBytes * y,
                                  texels + rowBytes * (y + 1 == h ? 0 : y + 1)};
        // Worth its cost only where bare texels are many, as inside a large keyed area.
        const bool useNear = rowsOf->bare[y] > w / NEAR_TEST_SHARE;
        bool any = !useNear;
        for (uint32_t x = 0; useNear && x < w; ++x) {
            const size_t a = 4 * static_cast<size_t>(x) + 3;
            near[x] = IsSource(rows[0][a]) || IsSource(rows[1][a]) || IsSource(rows[2][a]);
            any = any || near[x];
        }
        if (!any) {
            continue;
        }
        for (uint32_t x = 0; x < w; ++x) {
            uint8_t* texel = rows[1] + 4 * static_cast<size_t>(x);
            const uint32_t columns[3] = {x == 0 ? w - 1 : x - 1, x, x + 1 == w ? 0 : x + 1};
            if (texel[3] != 0 || (useNear && !(near[columns[0]] || near[columns[1]] || near[columns[2]]))) {
                continue;
            }
            Rgb sum;
            for (const uint8_t* row : rows) {
                for (uint32_t column : columns) {
                    const uint8_t* n = row + 4 * static_cast<size_t>(column);
                    if (IsSource(n[3])) {
                        sum.Add(n);
                    }
                }
            }
            if (sum.count == 0) {
                continue;
            }
            sum.StoreMean(texel);
            texel[3] = ALPHA_FILLING;
            --rowsOf->bare[y];
            rowsOf->filling[y] = 1;
            ++coloured;
        }
    }
    for (uint32_t y = 0; y < h; ++y) {
        uint8_t* row = texels + rowBytes * y;
        for (uint32_t x = 0; rowsOf->filling[y] && x < w; ++x) {
            if (row[4 * x + 3] == ALPHA_FILLING) {
                row[4 * x + 3] = ALPHA_FILLED;
            }
        }
    }
    return coloured;
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
    const uint32_t w = static_cast<uint32_t>(image->width);
    const uint32_t h = static_cast<uint32_t>(image->height);
    KeyRows rows;
    rows.keyed.assign(h, 0);
    size_t keyed = 0;
    // The opaque texels never change, so their mean is taken on the way.
    Rgb opaque;
    for (uint32_t y = 0; y < h; ++y) {
        uint8_t* t = texels + 4 * static_cast<size_t>(w) * y;
        uint32_t inRow = 0;
        for (uint32_t x = 0; x < w; ++x, t += 4) {
            const bool key = t[0] == keyR && t[1] == keyG && t[2] == keyB;
            t[3] = key ? 0 : 255;
            inRow += key ? 1 : 0;
            if (!key) {
                opaque.Add(t);
            }
        }
        rows.keyed[y] = inRow;
        keyed += inRow;
    }
    if (keyed == 0 || keyed == count) {
        return;
    }
    rows.bare = rows.keyed;
    rows.filling.assign(h, 0);
    rows.nearSource.assign(w, 0);
    size_t bare = keyed;
    for (int pass = 0; pass < KEY_FILL_PASSES && bare > 0; ++pass) {
        bare -= FillFromNeighbours(image, &rows);
    }
    if (bare > 0) {
        // Far from every shape no filter reaches them; a neutral colour all the same.
        uint8_t mean[4] = {};
        opaque.StoreMean(mean);
        for (uint32_t y = 0; y < h; ++y) {
            uint8_t* t = texels + 4 * static_cast<size_t>(w) * y;
            for (uint32_t x = 0; rows.bare[y] && x < w; ++x, t += 4) {
                if (t[3] == 0) {
                    t[0] = mean[0];
                    t[1] = mean[1];
                    t[2] = mean[2];
                }
            }
        }
    }
    for (uint32_t y = 0; y < h; ++y) {
        uint8_t* t = texels + 4 * static_cast<size_t>(w) * y;
        for (uint32_t x = 0; rows.keyed[y] && x < w; ++x, t += 4) {
            if (t[3] == ALPHA_FILLED) {
                t[3] = 0;
            }
        }
    }
}
