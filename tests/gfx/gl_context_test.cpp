#include <gtest/gtest.h>

#include <GL/gl.h>

#include "support/gl_context.h"

// The fixture itself: what every drawing suite relies on.

TEST(GlFixture, ClearColourReadsBackAtEveryCorner)
{
    GlTestContext& gl = GlTestContext::Get(64, 32);
    ASSERT_TRUE(gl.Valid());
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    for (const auto& [x, y] : {std::pair{0, 0}, {63, 0}, {0, 31}, {63, 31}}) {
        const GlPixel p = gl.ReadPixel(x, y);
        EXPECT_EQ(p.r, 255);
        EXPECT_EQ(p.g, 0);
        EXPECT_EQ(p.b, 0);
    }
}

TEST(GlFixture, ResizeKeepsDrawingInTheNewSize)
{
    GlTestContext& gl = GlTestContext::Get(20, 10);
    ASSERT_TRUE(gl.Valid());
    EXPECT_EQ(gl.Width(), 20);
    gl.Resize(8, 40);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 8);
    EXPECT_EQ(viewport[3], 40);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(gl.ReadPixel(7, 39).b, 255);
}

TEST(GlFixture, DepthTestHidesTheFartherQuad)
{
    GlTestContext& gl = GlTestContext::Get(16, 16);
    ASSERT_TRUE(gl.Valid());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const float quads[2][4] = {{0.0f, 1.0f, 0.0f, -0.5f}, {1.0f, 0.0f, 0.0f, 0.5f}};  // green near, red far
    for (const auto& q : quads) {
        glColor3f(q[0], q[1], q[2]);
        glBegin(GL_QUADS);
        glVertex3f(-1, -1, q[3]);
        glVertex3f(1, -1, q[3]);
        glVertex3f(1, 1, q[3]);
        glVertex3f(-1, 1, q[3]);
        glEnd();
    }
    glColor3f(1, 1, 1);
    glDisable(GL_DEPTH_TEST);
    const GlPixel p = gl.ReadPixel(8, 8);
    EXPECT_EQ(p.g, 255);
    EXPECT_EQ(p.r, 0);
}

TEST(GlFixture, SelectionModeReportsTheNamedQuad)
{
    GlTestContext& gl = GlTestContext::Get();
    ASSERT_TRUE(gl.Valid());
    GLuint buffer[64] = {};
    glSelectBuffer(64, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLoadName(7);
    glBegin(GL_QUADS);
    glVertex2f(-0.5f, -0.5f);
    glVertex2f(0.5f, -0.5f);
    glVertex2f(0.5f, 0.5f);
    glVertex2f(-0.5f, 0.5f);
    glEnd();
    const GLint hits = glRenderMode(GL_RENDER);
    ASSERT_EQ(hits, 1);
    EXPECT_EQ(buffer[0], 1u);  // one name on the stack
    EXPECT_EQ(buffer[3], 7u);
}

TEST(GlFixture, ReadingAPixelLeavesTheStateForTheNextFrame)
{
    GlTestContext& gl = GlTestContext::Get(32, 32);
    ASSERT_TRUE(gl.Valid());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    for (const float green : {0.0f, 1.0f}) {
        glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(1.0f - green, green, 0.0f);
        glRectf(-1.0f, -1.0f, 1.0f, 1.0f);
        const GlPixel p = gl.ReadPixel(20, 20);
        EXPECT_EQ(int(p.g), green > 0 ? 255 : 0);
        EXPECT_EQ(int(p.r), green > 0 ? 0 : 255);
    }
    glColor3f(1.0f, 1.0f, 1.0f);
}
