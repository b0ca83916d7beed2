#pragma once
// The scene's tests share one GL context (offscreen 640 x 480), textures and
// font made once on the headless platform (a small picture store and two
// backgrounds of the suite's own, in a folder of its own that is the working
// directory, and the real bold face), and a fresh game, store and scene state
// for every test.

#include <gtest/gtest.h>

#include <cstdint>

#include "support/gl_context.h"

struct Rgb {
    int r, g, b;
};

constexpr int VIEW_WIDTH = 640;
constexpr int VIEW_HEIGHT = 480;

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Window pixel (origin lower left) of a scene point under the window's
    // projection (45 degrees, 4:3, near 1, far 100), rounded to the pixel.
    static void ProjectToWindow(float x, float y, float z, int* wx, int* wy);
    static Rgb PixelAt(int wx, int wy);
    static Rgb PixelOf(float x, float y, float z);
    // Points the pointer at a window pixel as the window procedure records it:
    // pixels from the top left and table units.
    static void PointAtWindow(int wx, int wy);
    static void PointAt(float x, float y, float z);
    // Moves every card far to the side, out of view and out of every pick.
    static void ParkAllCards();
    // A 2 x 2 texture, sharp (nearest texel): left column `left`, right
    // column `right`. Texel `keyedTexel` (0 lower left, 1 lower right) has
    // alpha 0; -1 keys none.
    static uint32_t MakeTexture(Rgb left, Rgb right, int keyedTexel = -1);
    // A 2 x 2 texture whose lower-left texel is `corner` and the others `rest`.
    static uint32_t MakeCornerTexture(Rgb corner, Rgb rest);
};

// Colours that no generated picture is made of, matched with a small tolerance.
constexpr Rgb RED = {230, 20, 20};
constexpr Rgb GREEN = {20, 200, 40};
constexpr Rgb BLUE = {30, 40, 220};
constexpr Rgb YELLOW = {240, 220, 10};
constexpr Rgb CYAN = {10, 220, 230};
constexpr Rgb ORANGE = {250, 130, 0};
constexpr Rgb MAGENTA = {240, 0, 240};
constexpr Rgb CLOTH = {60, 90, 60};

bool Near(Rgb a, Rgb b);
::testing::AssertionResult ShowsColour(Rgb seen, Rgb wanted);
