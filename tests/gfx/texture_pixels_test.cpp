#include <gtest/gtest.h>

#include <initializer_list>

#include "gfx/texture_pixels.h"

namespace {
struct Texel {
    int r, g, b;
};

SysImage Picture(int width, int height, std::initializer_list<Texel> texels)
{
    SysImage image;
    image.width = width;
    image.height = height;
    for (const Texel& t : texels) {
        image.rgba.insert(image.rgba.end(), {uint8_t(t.r), uint8_t(t.g), uint8_t(t.b), 0});
    }
    return image;
}

Texel ColourAt(const SysImage& image, int index)
{
    const uint8_t* t = image.rgba.data() + 4 * index;
    return {t[0], t[1], t[2]};
}

int AlphaAt(const SysImage& image, int index)
{
    return image.rgba[4 * static_cast<size_t>(index) + 3];
}

constexpr Texel KEY = {0, 0, 255};
constexpr Texel RED = {255, 0, 0};
constexpr Texel GREEN = {0, 255, 0};
}  // namespace

TEST(TextureSize, NearestPowerOfTwoOnALogScale)
{
    const int cases[][2] = {{71, 64}, {91, 128}, {181, 128}, {182, 256}, {640, 512}, {725, 1024},
                            {96, 128}, {800, 1024}, {600, 512}, {1, 1}, {3, 4}, {256, 256}};
    for (const auto& c : cases) {
        EXPECT_EQ(TextureDimension(c[0], 4096), c[1]) << "side " << c[0];
    }
}

TEST(TextureSize, SideBeyondTheLimitTakesTheLimit)
{
    EXPECT_EQ(TextureDimension(800, 512), 512);
    EXPECT_EQ(TextureDimension(600, 512), 512);
    EXPECT_EQ(TextureDimension(12000, 2048), 2048);
    // At or under the limit the usual rounding applies.
    EXPECT_EQ(TextureDimension(512, 512), 512);
    EXPECT_EQ(TextureDimension(400, 512), 512);
}

TEST(ColourKey, OnlyTheExactKeyColourTurnsSeeThrough)
{
    SysImage image = Picture(4, 1, {KEY, {0, 0, 254}, {1, 0, 255}, {0, 1, 255}});
    ApplyColourKey(&image, 1, 0, 0, 255);
    EXPECT_EQ(AlphaAt(image, 0), 0);
    EXPECT_EQ(AlphaAt(image, 1), 255);
    EXPECT_EQ(AlphaAt(image, 2), 255);
    EXPECT_EQ(AlphaAt(image, 3), 255);
}

TEST(ColourKey, KeyOffLeavesEveryTexelOpaqueAndUnchanged)
{
    SysImage image = Picture(2, 1, {KEY, {0, 0, 0}});
    ApplyColourKey(&image, 0, 0, 0, 255);
    EXPECT_EQ(AlphaAt(image, 0), 255);
    EXPECT_EQ(AlphaAt(image, 1), 255);
    EXPECT_EQ(ColourAt(image, 0).b, 255);
}

TEST(ColourKey, KeyedTexelsTakeTheColourOfTheirNearestOpaqueNeighbours)
{
    // Red | four keyed | green, twice over; the two keyed columns next to each
    // colour take it, two passes deep.
    SysImage image = Picture(8, 2, {RED, RED, KEY, KEY, KEY, KEY, GREEN, GREEN,
                                    RED, RED, KEY, KEY, KEY, KEY, GREEN, GREEN});
    ApplyColourKey(&image, 1, 0, 0, 255);
    for (int row = 0; row < 2; ++row) {
        for (int column : {2, 3}) {
            const Texel t = ColourAt(image, row * 8 + column);
            EXPECT_EQ(t.r, 255) << column;
            EXPECT_EQ(t.b, 0) << column;
            EXPECT_EQ(AlphaAt(image, row * 8 + column), 0);
        }
        for (int column : {4, 5}) {
            const Texel t = ColourAt(image, row * 8 + column);
            EXPECT_EQ(t.g, 255) << column;
            EXPECT_EQ(t.b, 0) << column;
        }
    }
}

TEST(ColourKey, FillingWrapsRoundTheEdgesAsTheTextureRepeats)
{
    SysImage image = Picture(4, 1, {KEY, KEY, KEY, RED});
    ApplyColourKey(&image, 1, 0, 0, 255);
    EXPECT_EQ(ColourAt(image, 0).r, 255);  // its left neighbour is the last column
    EXPECT_EQ(ColourAt(image, 0).b, 0);
    EXPECT_EQ(AlphaAt(image, 0), 0);
}

TEST(ColourKey, FarKeyedTexelsTakeTheMeanOpaqueColour)
{
    SysImage image = Picture(16, 1, {{200, 0, 0}, {0, 0, 100}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}});
    ApplyColourKey(&image, 1, 0, 0, 0);  // black key
    const Texel far = ColourAt(image, 8);
    EXPECT_EQ(far.r, 100);
    EXPECT_EQ(far.g, 0);
    EXPECT_EQ(far.b, 50);
    EXPECT_EQ(AlphaAt(image, 8), 0);
}

TEST(ColourKey, AllKeyedPictureStaysWhollySeeThrough)
{
    SysImage image = Picture(2, 2, {KEY, KEY, KEY, KEY});
    ApplyColourKey(&image, 1, 0, 0, 255);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(AlphaAt(image, i), 0);
    }
}
