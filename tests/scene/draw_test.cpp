// The frame read back pixel by pixel: card sides, keyed holes, pile markers,
// the three text lines, clear colours and the background switch.

#include <GL/gl.h>

#include <cstring>

#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "gfx/textures.h"
#include "platform/headless/headless.h"
#include "scene/draw.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "scene_fixture.h"
#include "scores/high_score.h"

namespace {

constexpr int CARD = 7;  // any card; its face is texture CARD + 1

void PlaceCard(int id, float x, float y, float z, float rotY)
{
    g_cards[id].x = x;
    g_cards[id].y = y;
    g_cards[id].z = z;
    g_cards[id].rotY = rotY;
}

struct TextPixels {
    int count = 0;
    int minX = VIEW_WIDTH, maxX = -1, minY = VIEW_HEIGHT, maxY = -1;
};

// Every pixel of the frame in the text's colour.
TextPixels FindColour(Rgb colour)
{
    static uint8_t frame[VIEW_WIDTH * VIEW_HEIGHT * 4];
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, VIEW_WIDTH, VIEW_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, frame);
    TextPixels found;
    for (int y = 0; y < VIEW_HEIGHT; ++y) {
        for (int x = 0; x < VIEW_WIDTH; ++x) {
            const uint8_t* p = frame + (y * VIEW_WIDTH + x) * 4;
            if (Near({p[0], p[1], p[2]}, colour)) {
                ++found.count;
                found.minX = std::min(found.minX, x);
                found.maxX = std::max(found.maxX, x);
                found.minY = std::min(found.minY, y);
                found.maxY = std::max(found.maxY, y);
            }
        }
    }
    return found;
}

class Drawing : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        g_gameMode = GAME_KLONDIKE;  // a game with an empty layout: cloth, cards and text only
        ParkAllCards();
        g_backgroundTexture = MakeTexture(CLOTH, CLOTH);
        g_cardTextures[0] = MakeTexture(BLUE, YELLOW);
        g_cardTextures[CARD + 1] = MakeTexture(RED, GREEN);
    }
};

TEST_F(Drawing, FaceUpCardShowsItsFaceUnmirrored)
{
    for (float rotY : {0.0f, 360.0f}) {
        PlaceCard(CARD, 2.0f, 1.0f, -20.0f, rotY);
        DrawFrame();
        EXPECT_TRUE(ShowsColour(PixelOf(1.5f, 1.0f, -20.0f), RED)) << "rotY " << rotY;
        EXPECT_TRUE(ShowsColour(PixelOf(2.5f, 1.0f, -20.0f), GREEN)) << "rotY " << rotY;
        EXPECT_TRUE(ShowsColour(PixelOf(-2.0f, 1.0f, -20.0f), CLOTH));
    }
}

TEST_F(Drawing, FaceDownCardShowsTheBackUnmirrored)
{
    PlaceCard(CARD, -3.0f, -2.0f, -20.0f, 180.0f);
    DrawFrame();
    EXPECT_TRUE(ShowsColour(PixelOf(-3.5f, -2.0f, -20.0f), BLUE));
    EXPECT_TRUE(ShowsColour(PixelOf(-2.5f, -2.0f, -20.0f), YELLOW));
}

TEST_F(Drawing, TurningCardIsALineEdgeOn)
{
    PlaceCard(CARD, 0.0f, 0.0f, -20.0f, 90.0f);
    DrawFrame();
    EXPECT_TRUE(ShowsColour(PixelOf(-0.6f, 0.0f, -20.0f), CLOTH));
    EXPECT_TRUE(ShowsColour(PixelOf(0.6f, 0.0f, -20.0f), CLOTH));
}

TEST_F(Drawing, TurnInTablePlaneAppliesToTheCardFirst)
{
    // A quarter turn about z lays the card on its side: its red half is then
    // below, its green half above, also when it is face up at 360.
    PlaceCard(CARD, 0.0f, 0.0f, -20.0f, 360.0f);
    g_cards[CARD].rotZ = 90.0f;
    DrawFrame();
    EXPECT_TRUE(ShowsColour(PixelOf(0.0f, -0.5f, -20.0f), RED));
    EXPECT_TRUE(ShowsColour(PixelOf(0.0f, 0.5f, -20.0f), GREEN));
    EXPECT_TRUE(ShowsColour(PixelOf(0.0f, 1.3f, -20.0f), CLOTH));
}

TEST_F(Drawing, KeyedCornerShowsWhatLiesBehind)
{
    g_cardTextures[CARD + 1] = MakeTexture(RED, GREEN, 0);
    g_cardTextures[9 + 1] = MakeTexture(CYAN, CYAN);
    PlaceCard(CARD, 0.0f, 0.0f, -20.0f, 0.0f);
    DrawFrame();
    // Through the face's hole: the inside of the card's own back, whose
    // picture is mirrored, so its right (yellow) half lies behind the hole.
    EXPECT_TRUE(ShowsColour(PixelOf(-0.5f, -0.75f, -20.0f), YELLOW));

    // With the back keyed at the same corner the card is open there.
    g_cardTextures[0] = MakeTexture(BLUE, YELLOW, 1);
    DrawFrame();
    EXPECT_TRUE(ShowsColour(PixelOf(-0.5f, -0.75f, -20.0f), CLOTH)) << "the hole shows the cloth";
    EXPECT_TRUE(ShowsColour(PixelOf(-0.5f, 0.75f, -20.0f), RED));

    // A card drawn after it but lying behind still shows through the hole,
    // so the hole wrote no depth.
    PlaceCard(9, 0.0f, 0.0f, -21.0f, 0.0f);
    DrawFrame();
    EXPECT_TRUE(ShowsColour(PixelOf(-0.5f, -0.75f, -20.0f), CYAN));
    EXPECT_TRUE(ShowsColour(PixelOf(-0.5f, 0.75f, -20.0f), RED));
}

TEST_F(Drawing, MarkerLiesUnderAnEmptyPileAndUnderItsCards)
{
    GameLayout& layout = g_layouts[GAME_KLONDIKE];
    layout.pileCount = 2;
    layout.piles[1].markerIndex = 2;
    layout.piles[1].slots[0] = {4.0f, 2.0f, -24.99f, -1};
    layout.piles[0].markerIndex = 0;  // the deck: no marker
    layout.piles[0].slots[0] = {-4.0f, 2.0f, -24.99f, -1};
    g_pileMarkerTextures[2] = MakeTexture(ORANGE, ORANGE);
    DrawFrame();
    EXPECT_TRUE(ShowsColour(PixelOf(4.0f, 2.0f, -24.99f), ORANGE));
    EXPECT_TRUE(ShowsColour(PixelOf(-4.0f, 2.0f, -24.99f), CLOTH));

    PlaceCard(CARD, 4.0f, 2.0f, -24.99f, 0.0f);
    DrawFrame();
    EXPECT_TRUE(ShowsColour(PixelOf(3.5f, 2.0f, -24.99f), RED));
}

TEST_F(Drawing, MoveCounterAtTopLeftAndNoCongratulationsDuringPlay)
{
    // The text takes the colour at the texture's (0, 0): the lower-left texel.
    g_textTexture = MakeCornerTexture(MAGENTA, GREEN);
    g_moveCount = 37;
    std::strcpy(g_highScoreName, "Somebody");
    DrawFrame();
    const TextPixels text = FindColour(MAGENTA);
    int startX = 0, baseY = 0;
    ProjectToWindow(MOVES_TEXT_REST.x, MOVES_TEXT_REST.y, MOVES_TEXT_REST.z, &startX, &baseY);
    EXPECT_GT(text.count, 150);
    EXPECT_GE(text.minX, startX - 2);
    EXPECT_LT(text.maxX, VIEW_WIDTH / 3);
    EXPECT_GE(text.minY, baseY - 8) << "descenders only a little below the base line";
    EXPECT_LT(text.maxY, VIEW_HEIGHT - 1);
    EXPECT_EQ(FindColour(GREEN).count, 0) << "glyphs show the (0, 0) texel only";
}

TEST_F(Drawing, WinScreenShowsCongratulationsAndTheName)
{
    g_textTexture = MakeCornerTexture(MAGENTA, GREEN);
    g_gameMode = MODE_WIN;
    g_movesTextPos = {-3.0f, 1.0f, -6.0f};
    g_congratsTextPos = {-3.7f, -1.5f, -7.5f};
    DrawFrame();
    const TextPixels withoutName = FindColour(MAGENTA);
    int nameX = 0, nameY = 0;
    ProjectToWindow(-3.7f, -2.5f, -7.5f, &nameX, &nameY);
    EXPECT_LT(withoutName.minY, VIEW_HEIGHT / 2) << "the congratulation is in the lower half";
    EXPECT_GT(withoutName.minY, nameY) << "no name drawn yet";

    std::strcpy(g_highScoreName, "Ann");
    DrawFrame();
    const TextPixels withName = FindColour(MAGENTA);
    EXPECT_LT(withName.minY, withoutName.minY - 10) << "a line below the congratulation";
    EXPECT_GE(withName.minY, nameY - 3) << "on its base line one unit lower";
    EXPECT_GT(withName.count, withoutName.count);
}

TEST_F(Drawing, NameIsDrawnLiterally)
{
    g_textTexture = MakeCornerTexture(MAGENTA, GREEN);
    g_gameMode = MODE_WIN;
    g_movesTextPos = {200.0f, 0.0f, -20.0f};  // only the name line in view
    g_congratsTextPos = {-3.0f, 3.0f, -10.0f};
    std::strcpy(g_highScoreName, "%");
    DrawFrame();
    const int one = FindColour(MAGENTA).count;
    std::strcpy(g_highScoreName, "%%");
    DrawFrame();
    const int two = FindColour(MAGENTA).count;
    std::strcpy(g_highScoreName, "");
    DrawFrame();
    const int none = FindColour(MAGENTA).count;
    // "%%" read as a format would show one sign, not two.
    const int oneSign = one - none;
    const int twoSigns = two - none;
    ASSERT_GT(oneSign, 20);
    EXPECT_NEAR(twoSigns, 2 * oneSign, oneSign / 5);
}

TEST_F(Drawing, ClearColourIsSetByEachScreen)
{
    GLfloat colour[4];
    g_gameMode = MODE_MAIN_MENU;
    DrawFrame();
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    EXPECT_FLOAT_EQ(colour[0], 1.0f);
    EXPECT_FLOAT_EQ(colour[3], 0.5f);
    g_gameMode = GAME_FREECELL;
    DrawFrame();
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    EXPECT_FLOAT_EQ(colour[0], 0.5f);
    EXPECT_FLOAT_EQ(colour[2], 0.5f);
    EXPECT_FLOAT_EQ(colour[3], 1.0f);
}

TEST_F(Drawing, MainMenuShowsThePreviewOfTheGamePointedAt)
{
    g_gameMode = MODE_MAIN_MENU;
    g_gamePreviewTextures[4] = MakeTexture(ORANGE, ORANGE);
    g_previewGame = 4;
    DrawFrame();
    EXPECT_TRUE(ShowsColour(PixelOf(-3.9f, 0.45f, -28.0f), ORANGE));
    g_previewGame = 2;
    DrawFrame();
    EXPECT_FALSE(ShowsColour(PixelOf(-3.9f, 0.45f, -28.0f), ORANGE));
}

class Background : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        g_gameMode = GAME_KLONDIKE;
        g_alternateBackgrounds = 1;
        ASSERT_GE(g_backgroundSearch.names.size(), 2u) << "the Backgrounds folder needs two pictures";
    }
};

TEST_F(Background, SwitchesOnceOnTheFullAndTheHalfMinute)
{
    const int start = g_backgroundSearch.current;
    HeadlessSetTime(1000 * 60 + 29);
    DrawFrame();
    EXPECT_EQ(g_backgroundSearch.current, start);
    HeadlessSetTime(1000 * 60 + 30);
    DrawFrame();
    DrawFrame();
    const int afterHalf = g_backgroundSearch.current;
    EXPECT_NE(afterHalf, start);
    HeadlessSetTime(1001 * 60);
    DrawFrame();
    EXPECT_NE(g_backgroundSearch.current, afterHalf);
    EXPECT_EQ(g_lastBackgroundSecond, 0);
}

TEST_F(Background, StaysInTheMenuWhenOffAndWhilePicking)
{
    const int start = g_backgroundSearch.current;
    HeadlessSetTime(30);
    g_gameMode = MODE_MAIN_MENU;
    DrawFrame();
    EXPECT_EQ(g_backgroundSearch.current, start);
    g_gameMode = GAME_KLONDIKE;
    PickAtPointer();
    EXPECT_EQ(g_backgroundSearch.current, start);
    g_alternateBackgrounds = 0;
    DrawFrame();
    EXPECT_EQ(g_backgroundSearch.current, start);
}

}  // namespace
