#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "game/table.h"
#include "gfx/font.h"
#include "gfx/gl_state.h"
#include "gfx/texture_build.h"
#include "gfx/textures.h"
#include "picture_files.h"
#include "platform/platform.h"
#include "support/gl_context.h"
#include "support/scratch_folder.h"

namespace {
struct Size {
    int width, height;
};

Size TextureSize(TextureSlot name)
{
    Size size = {0, 0};
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size.height);
    return size;
}

// Texels of level 0, bottom row first, RGBA.
std::vector<uint8_t> Texels(TextureSlot name)
{
    const Size size = TextureSize(name);
    std::vector<uint8_t> texels(static_cast<size_t>(size.width * size.height * 4));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

// Which of red, green and blue a texture mostly shows.
char MainColour(TextureSlot name)
{
    const std::vector<uint8_t> t = Texels(name);
    if (t.empty()) {
        return '?';
    }
    if (t[0] > 200 && t[1] < 60 && t[2] < 60) {
        return 'R';
    }
    if (t[1] > 200 && t[0] < 60 && t[2] < 60) {
        return 'G';
    }
    if (t[2] > 200 && t[0] < 60 && t[1] < 60) {
        return 'B';
    }
    return '?';
}

void ClearSlots()
{
    std::fill(std::begin(g_cardTextures), std::end(g_cardTextures), 0u);
    std::fill(std::begin(g_pileMarkerTextures), std::end(g_pileMarkerTextures), 0u);
    std::fill(std::begin(g_gamePreviewTextures), std::end(g_gamePreviewTextures), 0u);
    std::fill(std::begin(g_menuButtonTextures), std::end(g_menuButtonTextures), 0u);
    g_backgroundTexture = g_textTexture = g_menuTileTexture = g_menuBackdropTexture = 0;
    g_backgroundSearch = BackgroundSearch();
}

class Textures : public testing::Test {
protected:
    void SetUp() override
    {
        gl = &GlTestContext::Get();
        ASSERT_TRUE(gl->Valid()) << "no GL context";
        ClearSlots();
        g_textureSizeLimitOverride = 0;
    }
    void TearDown() override { g_textureSizeLimitOverride = 0; }

    GlTestContext* gl = nullptr;
    ScratchFolder folder{"tarvik-gfx"};
};

using Backgrounds = Textures;
using StartUp = Textures;
}  // namespace

TEST_F(Textures, PictureSidesRoundToTheNearestPowerOfTwo)
{
    ASSERT_TRUE(SavePicture(FilledPicture(71, 96, WHITE), "card.png"));
    ASSERT_TRUE(SavePicture(FilledPicture(800, 600, GREY), "photo.jpg"));
    TextureSlot card = 0;
    TextureSlot photo = 0;
    ASSERT_EQ(BuildTextureFromFile("card.png", &card, 1, 0, 0, 255), 1);
    ASSERT_EQ(BuildTextureFromFile("photo.jpg", &photo, 0, 0, 0, 0), 1);
    EXPECT_EQ(TextureSize(card).width, 64);
    EXPECT_EQ(TextureSize(card).height, 128);
    EXPECT_EQ(TextureSize(photo).width, 1024);
    EXPECT_EQ(TextureSize(photo).height, 512);
}

TEST_F(Textures, LargestTextureSideCapsBothSides)
{
    g_textureSizeLimitOverride = 512;
    ASSERT_TRUE(SavePicture(FilledPicture(800, 600, GREY), "photo.jpg"));
    TextureSlot photo = 0;
    ASSERT_EQ(BuildTextureFromFile("photo.jpg", &photo, 0, 0, 0, 0), 1);
    EXPECT_EQ(TextureSize(photo).width, 512);
    EXPECT_EQ(TextureSize(photo).height, 512);
}

TEST_F(Textures, NoTextureSideExceeds2048)
{
    // Rounding alone would make this 4096 wide wherever GL allows it.
    ASSERT_TRUE(SavePicture(FilledPicture(3100, 40, GREY), "wide.jpg"));
    TextureSlot wide = 0;
    ASSERT_EQ(BuildTextureFromFile("wide.jpg", &wide, 0, 0, 0, 0), 1);
    EXPECT_EQ(TextureSize(wide).width, 2048);
    EXPECT_EQ(TextureSize(wide).height, 32);
}

TEST_F(Textures, PictureBottomRowIsTheFirstTextureRow)
{
    TestPicture picture = FilledPicture(4, 4, WHITE);
    picture.SetPixel(0, 0, Colour{255, 0, 0});  // top left
    picture.SetPixel(0, 3, Colour{0, 255, 0});  // bottom left
    ASSERT_TRUE(SavePicture(picture, "rows.png"));
    TextureSlot slot = 0;
    ASSERT_EQ(BuildTextureFromFile("rows.png", &slot, 0, 0, 0, 0), 1);
    const std::vector<uint8_t> t = Texels(slot);
    EXPECT_EQ(t[1], 255);               // texel (0, 0): green
    EXPECT_EQ(t[3 * 16 + 0], 255);      // texel (0, 3): red
}

TEST_F(Textures, OnlyTheExactKeyColourIsSeeThrough)
{
    TestPicture picture = FilledPicture(4, 4, Colour{0, 0, 254});
    picture.SetPixel(1, 3, Colour{0, 0, 255});  // bottom row, second texel
    ASSERT_TRUE(SavePicture(picture, "key.png"));
    TextureSlot slot = 0;
    ASSERT_EQ(BuildTextureFromFile("key.png", &slot, 1, 0, 0, 255), 1);
    const std::vector<uint8_t> t = Texels(slot);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(t[4 * i + 3], i == 1 ? 0 : 255) << "texel " << i;
    }
}

TEST_F(Textures, KeyedEdgeShowsNoKeyColourUnderLinearFiltering)
{
    // Two keyed columns, then two red ones; drawn 8 pixels wide, so every
    // other pixel samples halfway between a keyed and a red texel.
    TestPicture picture = FilledPicture(4, 4, Colour{255, 0, 0});
    for (int y = 0; y < 4; ++y) {
        picture.SetPixel(0, y, Colour{0, 0, 255});
        picture.SetPixel(1, y, Colour{0, 0, 255});
    }
    ASSERT_TRUE(SavePicture(picture, "edge.png"));
    TextureSlot slot = 0;
    ASSERT_EQ(BuildTextureFromFile("edge.png", &slot, 1, 0, 0, 255), 1);

    gl = &GlTestContext::Get(8, 8);
    SetFixedGlState();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, slot);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0), glVertex2f(-1, -1);
    glTexCoord2f(1, 0), glVertex2f(1, -1);
    glTexCoord2f(1, 1), glVertex2f(1, 1);
    glTexCoord2f(0, 1), glVertex2f(-1, 1);
    glEnd();
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_DEPTH_TEST);

    // Pixel 3 is a quarter red, three quarters keyed: it passes the alpha
    // test, and must be red, not a blend with the key's blue. Pixel 0 wraps
    // round to the red last column in the same way.
    for (int x : {0, 3, 4, 7}) {
        const GlPixel p = gl->ReadPixel(x, 4);
        EXPECT_GE(int(p.r), 250) << "pixel " << x;
        EXPECT_LE(int(p.b), 5) << "pixel " << x;
    }
    // Pixels 1 and 2 sample keyed texels only: the alpha test drops them.
    for (int x : {1, 2}) {
        const GlPixel p = gl->ReadPixel(x, 4);
        EXPECT_EQ(int(p.g), 255) << "pixel " << x;
        EXPECT_EQ(int(p.r), 0) << "pixel " << x;
    }
}

TEST_F(Textures, FailedLoadLeavesTheSlotAsItWas)
{
    ASSERT_TRUE(SaveDamagedPicture("broken.jpg"));
    TextureSlot slot = 77;
    EXPECT_EQ(BuildTextureFromFile("missing.png", &slot, 0, 0, 0, 0), 0);
    EXPECT_EQ(BuildTextureFromFile("broken.jpg", &slot, 0, 0, 0, 0), 0);
    EXPECT_EQ(BuildTextureFromFile(nullptr, &slot, 0, 0, 0, 0), 0);
    EXPECT_EQ(slot, 77u);
}

TEST_F(Backgrounds, DamagedPictureKeepsThePreviousBackground)
{
    ASSERT_TRUE(SavePicture(FilledPicture(64, 64, RED), "Backgrounds/a.jpg"));
    ASSERT_TRUE(SaveDamagedPicture("Backgrounds/b.jpg"));
    AdvanceBackground();  // nothing open yet: the first picture
    const TextureSlot first = g_backgroundTexture;
    ASSERT_NE(first, 0u);
    AdvanceBackground();  // b.jpg fails
    EXPECT_EQ(g_backgroundTexture, first);
    EXPECT_TRUE(glIsTexture(first));
    EXPECT_EQ(MainColour(g_backgroundTexture), 'R');
}

TEST_F(Backgrounds, ThreePicturesComeInNameOrderAndWrapRound)
{
    // Written out of order: the folder listing must not decide the order.
    ASSERT_TRUE(SavePicture(FilledPicture(32, 32, BLUE), "Backgrounds/c.jpg"));
    ASSERT_TRUE(SavePicture(FilledPicture(32, 32, RED), "Backgrounds/a.jpg"));
    ASSERT_TRUE(SavePicture(FilledPicture(32, 32, GREEN), "Backgrounds/b.jpg"));
    ASSERT_TRUE(SavePicture(FilledPicture(32, 32, WHITE), "Backgrounds/d.png"));  // not a .jpg
    ASSERT_TRUE(MakePictureStore({{4000, FilledPicture(8, 8, WHITE)}}));
    ASSERT_EQ(InitializeGraphics(), 1);
    std::string shown(1, MainColour(g_backgroundTexture));
    for (int i = 0; i < 4; ++i) {
        const TextureSlot before = g_backgroundTexture;
        AdvanceBackground();
        shown += MainColour(g_backgroundTexture);
        EXPECT_FALSE(glIsTexture(before)) << "the replaced picture is freed";
    }
    EXPECT_EQ(shown, "RGBRG");
}

TEST_F(Backgrounds, EmptyFolderIsSearchedAgainOnEveryAdvance)
{
    ASSERT_TRUE(MakePictureStore({{4000, FilledPicture(8, 8, WHITE)}}));
    ASSERT_EQ(InitializeGraphics(), 1);
    EXPECT_EQ(g_backgroundTexture, 0u);
    AdvanceBackground();
    EXPECT_EQ(g_backgroundTexture, 0u);
    ASSERT_TRUE(SavePicture(FilledPicture(32, 32, GREEN), "Backgrounds/late.jpg"));
    AdvanceBackground();
    EXPECT_EQ(MainColour(g_backgroundTexture), 'G');
}

TEST_F(StartUp, MissingStoreReturnsZeroAndTouchesNoGlState)
{
    ASSERT_TRUE(SavePicture(FilledPicture(32, 32, RED), "Backgrounds/a.jpg"));
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
    const uint32_t listBase = g_fontListBase;
    EXPECT_EQ(InitializeGraphics(), 0);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(g_fontListBase, listBase);
    EXPECT_EQ(g_backgroundTexture, 0u);
    EXPECT_EQ(g_cardTextures[1], 0u);
}

TEST_F(StartUp, StoreMissingSomePicturesLeavesOnlyThoseSlotsEmpty)
{
    g_cards[5].textureIndex = 0;
    g_cards[5].z = -25.0f;
    g_dealOrder[0] = 17;
    const TestPicture face = FilledPicture(71, 96, Colour{0, 0, 255});
    ASSERT_TRUE(MakePictureStore({{4000, FilledPicture(71, 96, WHITE)},
                                  {4051, face},
                                  {4056, FilledPicture(71, 96, DARK_RED)},
                                  {4068, FilledPicture(16, 16, YELLOW)},
                                  {4071, FilledPicture(128, 32, GREY)}}));
    ASSERT_EQ(InitializeGraphics(), 1);

    const TextureSlot made[] = {g_cardTextures[1], g_cardTextures[52], g_cardTextures[0], g_textTexture,
                                g_menuButtonTextures[0]};
    for (TextureSlot slot : made) {
        EXPECT_TRUE(glIsTexture(slot)) << slot;
    }
    EXPECT_EQ(std::count(std::begin(made), std::end(made), made[0]), 1);
    EXPECT_EQ(g_cardTextures[2], 0u);
    EXPECT_EQ(g_cardTextures[51], 0u);
    EXPECT_EQ(g_menuTileTexture, 0u);
    EXPECT_EQ(g_gamePreviewTextures[1], 0u);
    EXPECT_EQ(g_pileMarkerTextures[2], 0u);
    // The last card's face is all key colour: wholly see-through.
    EXPECT_EQ(Texels(g_cardTextures[52])[3], 0);
    EXPECT_EQ(Texels(g_cardTextures[1])[3], 255);

    EXPECT_EQ(g_cards[5].textureIndex, 6);
    EXPECT_EQ(g_cards[5].z, 0.0f);
    EXPECT_EQ(g_dealOrder[0], 0);
    EXPECT_EQ(g_dealOrder[51], 51);
    int width = 0;
    int height = 0;
    EXPECT_EQ(SysStorePictureSize(4000, &width, &height), 0) << "the store is closed after start-up";
}

TEST_F(StartUp, FixedGlStateHoldsAfterStartUp)
{
    ASSERT_TRUE(MakePictureStore({{4000, FilledPicture(8, 8, WHITE)}}));
    ASSERT_EQ(InitializeGraphics(), 1);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLint value = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &value);
    EXPECT_EQ(value, GL_LEQUAL);
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &value);
    EXPECT_EQ(value, GL_GREATER);
    glGetIntegerv(GL_SHADE_MODEL, &value);
    EXPECT_EQ(value, GL_SMOOTH);
    glGetIntegerv(GL_PERSPECTIVE_CORRECTION_HINT, &value);
    EXPECT_EQ(value, GL_NICEST);
    GLfloat reference = 0.0f;
    glGetFloatv(GL_ALPHA_TEST_REF, &reference);
    EXPECT_FLOAT_EQ(reference, 0.1f);
    GLfloat clear[4] = {};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_FLOAT_EQ(clear[0], 1.0f);
    EXPECT_FLOAT_EQ(clear[3], 0.5f);
    EXPECT_NE(g_fontListBase, 0u);
    EXPECT_TRUE(glIsList(g_fontListBase + 'A'));
}

// The program decodes the store's pictures on a second thread while its window
// is made: what it then uploads must be exactly what decoding at start-up
// gives, slot by slot, with the same pictures missing, keyed and scaled.
TEST_F(StartUp, PicturesDecodedAheadMakeTheSameTextures)
{
    ASSERT_TRUE(SavePicture(FilledPicture(64, 32, RED), "Backgrounds/a.jpg"));
    TestPicture keyedEdge = FilledPicture(100, 60, Colour{0, 0, 255});
    for (int y = 10; y < 50; ++y) {
        for (int x = 20; x < 70; ++x) {
            keyedEdge.SetPixel(x, y, Colour{x * 3, y * 4, 90});
        }
    }
    ASSERT_TRUE(MakePictureStore({{4000, keyedEdge},
                                  {4051, FilledPicture(71, 96, WHITE)},
                                  {4056, FilledPicture(71, 96, DARK_RED)},
                                  {4052, FilledPicture(300, 200, WHITE)},
                                  {4059, keyedEdge},
                                  {4071, FilledPicture(128, 32, GREY)}}));
    auto allSlots = [] {
        std::vector<TextureSlot> all(std::begin(g_cardTextures), std::end(g_cardTextures));
        all.insert(all.end(), std::begin(g_pileMarkerTextures), std::end(g_pileMarkerTextures));
        all.insert(all.end(), std::begin(g_gamePreviewTextures), std::end(g_gamePreviewTextures));
        all.insert(all.end(), std::begin(g_menuButtonTextures), std::end(g_menuButtonTextures));
        all.insert(all.end(), {g_backgroundTexture, g_textTexture, g_menuTileTexture, g_menuBackdropTexture});
        return all;
    };
    auto contents = [&] {
        std::vector<std::vector<uint8_t>> texels;
        for (TextureSlot slot : allSlots()) {
            texels.push_back(slot ? Texels(slot) : std::vector<uint8_t>());
        }
        return texels;
    };
    ASSERT_EQ(InitializeGraphics(), 1);
    const auto atStartUp = contents();
    ClearSlots();
    StartDecodingPicturesAhead();
    ASSERT_EQ(InitializeGraphics(), 1);
    EXPECT_EQ(contents(), atStartUp);
    int width = 0;
    int height = 0;
    EXPECT_EQ(SysStorePictureSize(4000, &width, &height), 0) << "the store is closed after start-up";

    // Without a store the start fails as it does without decoding ahead, and a
    // start that stops before the graphics leaves the store closed.
    ClearSlots();
    RemovePictureStore();
    StartDecodingPicturesAhead();
    EXPECT_EQ(InitializeGraphics(), 0);
    EXPECT_EQ(g_cardTextures[1], 0u);
    ASSERT_TRUE(MakePictureStore({{4000, keyedEdge}}));
    StartDecodingPicturesAhead();
    StopDecodingPicturesAhead();
    EXPECT_EQ(SysStorePictureSize(4000, &width, &height), 0);
}
