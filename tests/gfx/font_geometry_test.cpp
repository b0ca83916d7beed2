#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "gfx/font_geometry.h"
#include "platform/platform.h"

namespace {
double TriangleArea(const std::vector<float>& t)
{
    double area = 0.0;
    for (size_t i = 0; i + 5 < t.size(); i += 6) {
        area += std::fabs((t[i + 2] - t[i]) * (t[i + 5] - t[i + 1]) - (t[i + 4] - t[i]) * (t[i + 3] - t[i + 1])) / 2.0;
    }
    return area;
}

double ContourArea(const std::vector<float>& c)
{
    double twice = 0.0;
    const size_t n = c.size() / 2;
    for (size_t i = 0; i < n; ++i) {
        const size_t j = (i + 1) % n;
        twice += static_cast<double>(c[2 * i]) * c[2 * j + 1] - static_cast<double>(c[2 * j]) * c[2 * i + 1];
    }
    return std::fabs(twice) / 2.0;
}

std::vector<float> Square(float x0, float y0, float side, bool clockwise)
{
    std::vector<float> c = {x0, y0, x0 + side, y0, x0 + side, y0 + side, x0, y0 + side};
    if (clockwise) {
        c = {x0, y0, x0, y0 + side, x0 + side, y0 + side, x0 + side, y0};
    }
    return c;
}

class Glyphs : public testing::Test {
protected:
    void SetUp() override
    {
        glyphs = FontGeometry();
        ASSERT_NE(glyphs, nullptr) << "no bold sans-serif face";
    }
    const GlyphGeometry& Of(int code) const { return (*glyphs)[static_cast<size_t>(code)]; }

    const std::vector<GlyphGeometry>* glyphs = nullptr;
};
}  // namespace

TEST(Tessellation, ReversedInnerContourCutsAHole)
{
    std::vector<float> triangles;
    TessellateContours({Square(0, 0, 4, false), Square(1, 1, 2, true)}, &triangles);
    EXPECT_EQ(triangles.size() % 6, 0u);
    EXPECT_NEAR(TriangleArea(triangles), 16.0 - 4.0, 1e-4);
}

TEST(Tessellation, OverlappingContoursOfOneTurnFillTheirUnion)
{
    std::vector<float> triangles;
    TessellateContours({Square(0, 0, 2, false), Square(1, 1, 2, false)}, &triangles);
    EXPECT_NEAR(TriangleArea(triangles), 4.0 + 4.0 - 1.0, 1e-4);
}

TEST_F(Glyphs, EveryPrintableAsciiGlyphHasTrianglesAndAdvances)
{
    ASSERT_EQ(glyphs->size(), 255u);  // codes 0..254; 255 has none
    for (int code = '!'; code <= '~'; ++code) {
        EXPECT_FALSE(Of(code).triangles.empty()) << char(code);
        EXPECT_EQ(Of(code).triangles.size() % 6, 0u) << char(code);
        EXPECT_GT(Of(code).advance, 0.1f) << char(code);
        EXPECT_LT(Of(code).advance, 1.2f) << char(code);
    }
}

TEST_F(Glyphs, SpaceAdvancesWithoutDrawing)
{
    EXPECT_TRUE(Of(' ').triangles.empty());
    EXPECT_GT(Of(' ').advance, 0.2f);
    EXPECT_LT(Of(' ').advance, 0.4f);
}

TEST_F(Glyphs, AdvancesAndShapesAreInEmsOnTheBaseLine)
{
    EXPECT_GT(Of('W').advance, 2.0f * Of('i').advance);
    float lowest = 1.0f;
    float highest = -1.0f;
    const std::vector<float>& h = Of('H').triangles;
    for (size_t i = 1; i < h.size(); i += 2) {
        lowest = std::min(lowest, h[i]);
        highest = std::max(highest, h[i]);
    }
    EXPECT_NEAR(lowest, 0.0f, 0.01f);   // sits on the base line, y up
    EXPECT_GT(highest, 0.6f);          // a capital is about 0.7 em tall
    EXPECT_LT(highest, 0.8f);
    const std::vector<float>& g = Of('g').triangles;
    float descent = 0.0f;
    for (size_t i = 1; i < g.size(); i += 2) {
        descent = std::min(descent, g[i]);
    }
    EXPECT_LT(descent, -0.1f);
}

TEST_F(Glyphs, LetterOHasAHole)
{
    SysGlyphOutline outline;
    ASSERT_EQ(SysGetGlyphOutline('O', GLYPH_DEVIATION, &outline), 1);
    ASSERT_EQ(outline.contours.size(), 2u);
    const double a = ContourArea(outline.contours[0]);
    const double b = ContourArea(outline.contours[1]);
    const double filled = TriangleArea(Of('O').triangles);
    EXPECT_LT(filled, std::max(a, b) * 0.8);
    EXPECT_NEAR(filled, std::fabs(a - b), 0.01 * filled);
}

TEST_F(Glyphs, CodesAreWindows1252)
{
    EXPECT_FALSE(Of(0x80).triangles.empty());  // euro sign
    EXPECT_FALSE(Of(0x99).triangles.empty());  // trade mark
    EXPECT_FALSE(Of(0xE9).triangles.empty());  // e acute
    EXPECT_GT(TriangleArea(Of(0xC9).triangles), TriangleArea(Of('E').triangles));  // the accent adds area
}

TEST_F(Glyphs, UnassignedAndControlCodesDrawNothing)
{
    for (int code : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_TRUE(Of(code).triangles.empty()) << code;
        EXPECT_EQ(Of(code).advance, 0.0f) << code;
    }
    for (int code = 0; code < 0x20; ++code) {
        EXPECT_TRUE(Of(code).triangles.empty()) << code;
        EXPECT_GE(Of(code).advance, 0.0f) << code;
    }
    EXPECT_TRUE(Of(0x7F).triangles.empty());
}
