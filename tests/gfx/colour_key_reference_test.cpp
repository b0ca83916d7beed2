// The colour key's edge fill checked against the rule written out plainly:
// every keyed texel gets, pass by pass, the mean colour of its already
// coloured 8-neighbours (wrapping round); after two passes the ones still
// bare get the mean of all opaque texels. Random pictures of many shapes.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "gfx/texture_pixels.h"

namespace {

struct Mean {
    uint32_t r = 0, g = 0, b = 0, n = 0;
    void Add(const uint8_t* t)
    {
        r += t[0];
        g += t[1];
        b += t[2];
        ++n;
    }
    void Store(uint8_t* t) const
    {
        t[0] = static_cast<uint8_t>((r + n / 2) / n);
        t[1] = static_cast<uint8_t>((g + n / 2) / n);
        t[2] = static_cast<uint8_t>((b + n / 2) / n);
    }
};

// The plain rule on a copy; `coloured` marks texels that are opaque or were
// given a colour by an earlier pass.
void ReferenceKey(SysImage* image, int keyR, int keyG, int keyB)
{
    const int w = image->width;
    const int h = image->height;
    uint8_t* t = image->rgba.data();
    std::vector<bool> keyed(static_cast<size_t>(w) * h);
    std::vector<bool> coloured(keyed.size());
    size_t keyedCount = 0;
    for (size_t i = 0; i < keyed.size(); ++i) {
        keyed[i] = t[4 * i] == keyR && t[4 * i + 1] == keyG && t[4 * i + 2] == keyB;
        coloured[i] = !keyed[i];
        t[4 * i + 3] = keyed[i] ? 0 : 255;
        keyedCount += keyed[i] ? 1 : 0;
    }
    if (keyedCount == 0 || keyedCount == keyed.size()) {
        return;
    }
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<bool> next = coloured;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const size_t i = static_cast<size_t>(y) * w + x;
                if (coloured[i]) {
                    continue;
                }
                Mean mean;
                for (int dy : {-1, 0, 1}) {
                    for (int dx : {-1, 0, 1}) {
                        const size_t j = static_cast<size_t>((y + dy + h) % h) * w + (x + dx + w) % w;
                        if (coloured[j]) {  // the texel itself is bare: never counted
                            mean.Add(t + 4 * j);
                        }
                    }
                }
                if (mean.n) {
                    mean.Store(t + 4 * i);
                    next[i] = true;
                }
            }
        }
        coloured = next;
    }
    Mean opaque;
    for (size_t i = 0; i < keyed.size(); ++i) {
        if (!keyed[i]) {
            opaque.Add(t + 4 * i);
        }
    }
    for (size_t i = 0; i < keyed.size(); ++i) {
        if (!coloured[i]) {
            opaque.Store(t + 4 * i);
        }
    }
}

// Blobs of colour on key blue, some touching the edges; `keyShare` of the
// picture left as key.
SysImage RandomPicture(std::mt19937& random, int w, int h, double keyShare)
{
    SysImage image;
    image.width = w;
    image.height = h;
    image.rgba.resize(4 * static_cast<size_t>(w) * h);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> byte(0, 255);
    for (size_t i = 0; i < image.rgba.size(); i += 4) {
        const bool key = unit(random) < keyShare;
        image.rgba[i] = key ? 0 : static_cast<uint8_t>(byte(random));
        image.rgba[i + 1] = key ? 0 : static_cast<uint8_t>(byte(random));
        image.rgba[i + 2] = key ? 255 : static_cast<uint8_t>(byte(random) & 0xFE);
        image.rgba[i + 3] = static_cast<uint8_t>(byte(random));  // whatever the decoder left
    }
    return image;
}

}  // namespace

TEST(ColourKeyFill, MatchesThePlainRuleOnRandomPictures)
{
    std::mt19937 random(20240611);
    const int sizes[][2] = {{1, 1}, {1, 7}, {9, 1}, {2, 2}, {3, 5}, {16, 16}, {33, 17}, {64, 128}};
    for (const auto& size : sizes) {
        for (double keyShare : {0.0, 0.3, 0.9, 0.995, 1.0}) {
            SysImage image = RandomPicture(random, size[0], size[1], keyShare);
            SysImage expected = image;
            ReferenceKey(&expected, 0, 0, 255);
            ApplyColourKey(&image, 1, 0, 0, 255);
            ASSERT_EQ(image.rgba, expected.rgba) << size[0] << " x " << size[1] << ", key share " << keyShare;
        }
    }
}

TEST(ColourKeyFill, LargeKeyedAreaAroundOneShapeMatchesThePlainRule)
{
    // A picture of mostly key with one small square: rows far from it are
    // passed over, the two rings round it are filled, the rest takes the mean.
    SysImage image;
    image.width = 96;
    image.height = 80;
    image.rgba.assign(4 * 96 * 80, 0);
    for (size_t i = 0; i < image.rgba.size(); i += 4) {
        image.rgba[i + 2] = 255;
    }
    for (int y = 40; y < 44; ++y) {
        for (int x = 0; x < 4; ++x) {  // on the left edge, so the fill wraps to the right one
            uint8_t* t = image.rgba.data() + 4 * (static_cast<size_t>(y) * 96 + x);
            t[0] = static_cast<uint8_t>(10 * x + y);
            t[1] = 200;
            t[2] = 7;
        }
    }
    SysImage expected = image;
    ReferenceKey(&expected, 0, 0, 255);
    ApplyColourKey(&image, 1, 0, 0, 255);
    EXPECT_EQ(image.rgba, expected.rgba);
    // A texel two columns round the wrap from the square took its colour.
    const uint8_t* wrapped = image.rgba.data() + 4 * (static_cast<size_t>(41) * 96 + 94);
    EXPECT_EQ(wrapped[1], 200);
    EXPECT_EQ(wrapped[3], 0);
}
