#include "scene_fixture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game/table.h"
#include "gfx/textures.h"
#include "platform/headless/headless.h"
#include "scene/scene_state.h"
#include "scene/view.h"
#include "support/reset.h"
#include "support/reset_scene.h"
#include "support/scratch_folder.h"

namespace {

bool s_graphicsReady = false;
TextureSlot s_cardTextures[53];
TextureSlot s_backgroundTexture = 0;
TextureSlot s_textTexture = 0;
TextureSlot s_pileMarkerTextures[4];
std::vector<GLuint> s_testTextures;

void ApplyWindowProjection()
{
    glViewport(0, 0, VIEW_WIDTH, VIEW_HEIGHT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(VIEW_WIDTH) / VIEW_HEIGHT, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// A plain picture of one colour for the headless platform (binary PPM).
void WriteFilledPicture(const std::string& path, int width, int height, Rgb colour)
{
    std::ofstream file(path, std::ios::binary);
    file << "P6\n" << width << " " << height << "\n255\n";
    const char pixel[3] = {static_cast<char>(colour.r), static_cast<char>(colour.g), static_cast<char>(colour.b)};
    for (int i = 0; i < width * height; ++i) {
        file.write(pixel, 3);
    }
}

// The suite's own folder for the rest of the process: a small headless picture
// store with every picture the start-up loads, and two background pictures.
// The tests draw with textures of their own colours; the start-up only has to
// succeed and fill every slot.
class SceneFolder {
public:
    SceneFolder()
    {
        std::filesystem::create_directories("pictures");
        std::filesystem::create_directories("Backgrounds");
        for (int id = 4000; id <= 4072; ++id) {
            WriteFilledPicture("pictures/" + std::to_string(id) + ".pam", 16, 16, {200, 200, 200});
        }
        WriteFilledPicture("Backgrounds/a.jpg", 32, 32, CLOTH);
        WriteFilledPicture("Backgrounds/b.jpg", 32, 32, {90, 60, 60});
    }

private:
    ScratchFolder m_folder{"tarvik-scene"};  // made and entered first
};

uint32_t UploadTexture(const uint8_t* rgba)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    s_testTextures.push_back(name);
    return name;
}

}  // namespace

bool Near(Rgb a, Rgb b)
{
    return std::abs(a.r - b.r) <= 12 && std::abs(a.g - b.g) <= 12 && std::abs(a.b - b.b) <= 12;
}

::testing::AssertionResult ShowsColour(Rgb seen, Rgb wanted)
{
    if (Near(seen, wanted)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "saw (" << seen.r << ", " << seen.g << ", " << seen.b << "), wanted ("
                                         << wanted.r << ", " << wanted.g << ", " << wanted.b << ")";
}

void SceneTest::SetUp()
{
    GlTestContext& gl = GlTestContext::Get(VIEW_WIDTH, VIEW_HEIGHT);
    ASSERT_TRUE(gl.Valid()) << "no GL context: run under a display (xvfb-run)";
    ResetGameState();
    HeadlessReset();
    ResetSceneState();
    if (!s_graphicsReady) {
        static SceneFolder folder;
        ASSERT_EQ(InitializeGraphics(), 1) << "the suite's own picture store did not open";
        s_graphicsReady = true;
        std::copy(std::begin(g_cardTextures), std::end(g_cardTextures), s_cardTextures);
        std::copy(std::begin(g_pileMarkerTextures), std::end(g_pileMarkerTextures), s_pileMarkerTextures);
        s_backgroundTexture = g_backgroundTexture;
        s_textTexture = g_textTexture;
    }
    std::copy(std::begin(s_cardTextures), std::end(s_cardTextures), g_cardTextures);
    std::copy(std::begin(s_pileMarkerTextures), std::end(s_pileMarkerTextures), g_pileMarkerTextures);
    g_backgroundTexture = s_backgroundTexture;
    g_textTexture = s_textTexture;
    // What start-up leaves in the card records.
    for (int i = 0; i < CARD_COUNT; ++i) {
        g_cards[i].textureIndex = i + 1;
        g_dealOrder[i] = i;
    }
    ApplyWindowProjection();
}

void SceneTest::TearDown()
{
    if (!s_testTextures.empty()) {
        glDeleteTextures(static_cast<GLsizei>(s_testTextures.size()), s_testTextures.data());
        s_testTextures.clear();
    }
}

void SceneTest::ProjectToWindow(float x, float y, float z, int* wx, int* wy)
{
    GLdouble model[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    GLdouble projection[16];
    GLint viewport[4] = {0, 0, VIEW_WIDTH, VIEW_HEIGHT};
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(VIEW_WIDTH) / VIEW_HEIGHT, 1.0, 100.0);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    GLdouble sx = 0, sy = 0, sz = 0;
    gluProject(x, y, z, model, projection, viewport, &sx, &sy, &sz);
    *wx = static_cast<int>(sx);
    *wy = static_cast<int>(sy);
}

Rgb SceneTest::PixelAt(int wx, int wy)
{
    const GlPixel p = GlTestContext::Get(VIEW_WIDTH, VIEW_HEIGHT).ReadPixel(wx, wy);
    return {p.r, p.g, p.b};
}

Rgb SceneTest::PixelOf(float x, float y, float z)
{
    int wx = 0, wy = 0;
    ProjectToWindow(x, y, z, &wx, &wy);
    return PixelAt(wx, wy);
}

void SceneTest::PointAtWindow(int wx, int wy)
{
    g_pointerX = wx;
    g_pointerY = g_windowHeight - wy;
    const float halfWidth = static_cast<float>(g_windowWidth) / 2.0f;
    const float halfHeight = static_cast<float>(g_windowHeight) / 2.0f;
    g_pointerWorldX = (static_cast<float>(g_pointerX) - halfWidth) / halfWidth * static_cast<float>(TABLE_HALF_WIDTH);
    g_pointerWorldY = -(static_cast<float>(g_pointerY) - halfHeight) / halfHeight * static_cast<float>(TABLE_HALF_HEIGHT);
}

void SceneTest::PointAt(float x, float y, float z)
{
    int wx = 0, wy = 0;
    ProjectToWindow(x, y, z, &wx, &wy);
    PointAtWindow(wx, wy);
}

void SceneTest::ParkAllCards()
{
    for (int i = 0; i < CARD_COUNT; ++i) {
        g_cards[i].x = 200.0f + static_cast<float>(i) * 3.0f;
        g_cards[i].y = 0.0f;
        g_cards[i].z = -25.0f;
    }
}

uint32_t SceneTest::MakeTexture(Rgb left, Rgb right, int keyedTexel)
{
    auto byte = [](int v) { return static_cast<uint8_t>(v); };
    const uint8_t rgba[16] = {
        byte(left.r), byte(left.g), byte(left.b), byte(keyedTexel == 0 ? 0 : 255),  // lower left
        byte(right.r), byte(right.g), byte(right.b), byte(keyedTexel == 1 ? 0 : 255),  // lower right
        byte(left.r), byte(left.g), byte(left.b), 255,                        // upper left
        byte(right.r), byte(right.g), byte(right.b), 255,                     // upper right
    };
    return UploadTexture(rgba);
}

uint32_t SceneTest::MakeCornerTexture(Rgb corner, Rgb rest)
{
    auto byte = [](int v) { return static_cast<uint8_t>(v); };
    const uint8_t rgba[16] = {
        byte(corner.r), byte(corner.g), byte(corner.b), 255,
        byte(rest.r), byte(rest.g), byte(rest.b), 255,
        byte(rest.r), byte(rest.g), byte(rest.b), 255,
        byte(rest.r), byte(rest.g), byte(rest.b), 255,
    };
    return UploadTexture(rgba);
}
