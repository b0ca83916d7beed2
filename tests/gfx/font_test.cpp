#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

#include "gfx/font.h"
#include "gfx/font_geometry.h"
#include "support/gl_context.h"

namespace {
constexpr int PIXELS_PER_EM = 40;
constexpr int WIDTH = 400;
constexpr int HEIGHT = 80;

// White text on black, one em = 40 pixels, the base line 20 pixels up.
class Text : public testing::Test {
protected:
    void SetUp() override
    {
        gl = &GlTestContext::Get(WIDTH, HEIGHT);
        ASSERT_TRUE(gl->Valid()) << "no GL context";
        if (g_fontListBase == 0) {
            ASSERT_EQ(BuildFont(), 1);
        }
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_ALPHA_TEST);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0.0, double(WIDTH) / PIXELS_PER_EM, 0.0, double(HEIGHT) / PIXELS_PER_EM, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0.0f, 0.5f, 0.0f);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(1.0f, 1.0f, 1.0f);
    }

    int LitPixels()
    {
        int lit = 0;
        for (int y = 0; y < HEIGHT; y += 2) {
            for (int x = 0; x < WIDTH; x += 2) {
                lit += gl->ReadPixel(x, y).r > 128 ? 1 : 0;
            }
        }
        return lit;
    }

    // How far the glyph lists moved the pen, in ems.
    static float PenX()
    {
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        return m[12];
    }

    static float Advance(const std::string& text)
    {
        float sum = 0.0f;
        for (unsigned char c : text) {
            sum += (*FontGeometry())[c].advance;
        }
        return sum;
    }

    GlTestContext* gl = nullptr;
};
}  // namespace

TEST_F(Text, GlyphsDrawFilledOnTheBaseLine)
{
    PrintText("O");
    EXPECT_GT(LitPixels(), 50);
    const float width = Advance("O");
    const int middleX = static_cast<int>(width / 2 * PIXELS_PER_EM);
    const int middleY = 20 + static_cast<int>(0.36f * PIXELS_PER_EM);
    EXPECT_LT(gl->ReadPixel(middleX, middleY).r, 128) << "the hole of the O";
    EXPECT_GT(gl->ReadPixel(middleX, 21).r, 128) << "the bottom of its ring";
    EXPECT_NEAR(PenX(), width, 1e-5);
}

TEST_F(Text, NullFormatDrawsNothingAndLeavesThePen)
{
    PrintText(nullptr);
    EXPECT_EQ(LitPixels(), 0);
    EXPECT_EQ(PenX(), 0.0f);
}

TEST_F(Text, CodeTwoFiftyFiveDrawsNothingAndDoesNotAdvance)
{
    PrintText("\xFF\xFF");
    EXPECT_EQ(LitPixels(), 0);
    EXPECT_EQ(PenX(), 0.0f);
}

TEST_F(Text, PerCentSignPassedAsAnArgumentPrintsLiterally)
{
    PrintText("%s", "5%d%");
    EXPECT_NEAR(PenX(), Advance("5%d%"), 1e-4);
    EXPECT_GT(LitPixels(), 0);
}

TEST_F(Text, LongTextIsCutTo255Characters)
{
    PrintText("%s", std::string(400, 'i').c_str());
    EXPECT_NEAR(PenX(), 255 * Advance("i"), 1e-3);
}

TEST_F(Text, GlyphsLieFlatAtDepthZero)
{
    GLfloat feedback[4096];
    glFeedbackBuffer(4096, GL_3D, feedback);
    glRenderMode(GL_FEEDBACK);
    PrintText("H");
    const GLint count = glRenderMode(GL_RENDER);
    ASSERT_GT(count, 0);
    // Window depth of z = 0 under this projection is 0.5.
    for (GLint i = 0; i < count;) {
        ASSERT_EQ(feedback[i], GL_POLYGON_TOKEN);
        const int corners = static_cast<int>(feedback[i + 1]);
        for (int k = 0; k < corners; ++k) {
            EXPECT_NEAR(feedback[i + 2 + 3 * k + 2], 0.5f, 1e-5);
        }
        i += 2 + 3 * corners;
    }
}

TEST_F(Text, LeavesListBaseAndTextureCoordinateAsTheyWere)
{
    // The caller's texture coordinate decides the text's colour; the glyphs
    // must not set one of their own.
    glListBase(5);
    glTexCoord2f(0.25f, 0.75f);
    PrintText("Moves:  %d", 12);
    GLint base = 0;
    glGetIntegerv(GL_LIST_BASE, &base);
    EXPECT_EQ(base, 5);
    GLfloat coordinate[4] = {};
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coordinate);
    EXPECT_EQ(coordinate[0], 0.25f);
    EXPECT_EQ(coordinate[1], 0.75f);
    glListBase(0);
}
