// Picking: the nearest card whatever its id, cards where
// they are drawn, and the main menu's buttons and backdrop.

#include <GL/gl.h>

#include "game/lifting.h"
#include "game/table.h"
#include "platform/headless/headless.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "scene/update.h"
#include "scene_fixture.h"

namespace {

constexpr float BUTTON_X = 11.3f;
constexpr float BUTTON_Y[5] = {5.0f, 2.75f, 0.5f, -1.75f, -4.0f};
constexpr float MENU_Z = -28.0f;  // -25 and the starting depth offset of 3

class Picking : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        g_gameMode = GAME_KLONDIKE;  // empty layout: a press lifts nothing
        ParkAllCards();
    }

    static void Place(int id, float x, float y, float z)
    {
        g_cards[id].x = x;
        g_cards[id].y = y;
        g_cards[id].z = z;
    }

    static int32_t Press()
    {
        g_pickedName = -7;
        g_pressPending = 1;
        PickAtPointer();
        return g_pickedName;
    }
};

TEST_F(Picking, NearerOfTwoOverlappingCardsWinsWhateverTheirIds)
{
    Place(5, 0.0f, 0.0f, -24.0f);
    Place(40, 0.5f, 0.3f, -24.5f);
    PointAt(0.2f, 0.1f, -24.0f);
    EXPECT_EQ(Press(), 5);
    EXPECT_EQ(g_pressPending, 0);

    Place(5, 0.0f, 0.0f, -24.5f);
    Place(40, 0.5f, 0.3f, -24.0f);
    EXPECT_EQ(Press(), 40);

    // Stacked as a pile stacks them: 0.02 apart.
    Place(40, 0.0f, 0.0f, -24.98f);
    Place(5, 0.0f, 0.0f, -24.96f);
    EXPECT_EQ(Press(), 5);
}

TEST_F(Picking, CardInFlightOrTurningIsPickedWhereItIsDrawn)
{
    Card& card = g_cards[23];
    Place(23, 6.0f, -4.0f, -22.0f);
    card.FlyTo(-8.0f, 3.0f, -24.99f);
    card.TurnOver();
    card.rotY = 240.0f;
    PointAt(6.3f, -3.5f, -22.0f);
    EXPECT_EQ(Press(), 23);
    PointAt(-8.0f, 3.0f, -24.99f);
    EXPECT_EQ(Press(), -7) << "nothing lies at the flight's end yet";
}

TEST_F(Picking, NoHitClearsThePressAndKeepsTheLastName)
{
    Place(3, 0.0f, 0.0f, -24.0f);
    PointAt(0.0f, 0.0f, -24.0f);
    EXPECT_EQ(Press(), 3);
    PointAt(5.0f, 5.0f, -25.0f);
    g_pressPending = 1;
    PickAtPointer();
    EXPECT_EQ(g_pressPending, 0);
    EXPECT_EQ(g_pickedName, 3);
}

TEST_F(Picking, LeavesTheProjectionAndTheModelViewModeAsItFoundThem)
{
    GLdouble before[16], after[16];
    glGetDoublev(GL_PROJECTION_MATRIX, before);
    Place(3, 0.0f, 0.0f, -24.0f);
    PointAt(0.0f, 0.0f, -24.0f);
    Press();
    glGetDoublev(GL_PROJECTION_MATRIX, after);
    for (int i = 0; i < 16; ++i) {
        EXPECT_DOUBLE_EQ(after[i], before[i]) << i;
    }
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLint renderMode = 0;
    glGetIntegerv(GL_RENDER_MODE, &renderMode);
    EXPECT_EQ(renderMode, GL_RENDER);
}

class MenuPicking : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        g_gameMode = MODE_MAIN_MENU;
    }
};

TEST_F(MenuPicking, HoverPreviewsEachButtonsGame)
{
    for (int k = 0; k < 5; ++k) {
        PointAt(BUTTON_X + 1.5f, BUTTON_Y[k] - 0.3f, MENU_Z);
        UpdateFrame(16);
        EXPECT_EQ(g_pickedName, 101 + k);
        EXPECT_EQ(g_previewGame, k + 1);
        EXPECT_EQ(g_gameMode, MODE_MAIN_MENU);
        EXPECT_EQ(g_newGameRequested, 0);
    }
    // Leaving the buttons keeps the last preview.
    PointAt(BUTTON_X, 7.5f, MENU_Z);
    UpdateFrame(16);
    EXPECT_EQ(g_previewGame, 5);
}

TEST_F(MenuPicking, PressOnAButtonStartsItsGameOnce)
{
    PointAt(BUTTON_X, BUTTON_Y[2], MENU_Z);
    g_pressPending = 1;
    PickAtPointer();
    EXPECT_EQ(g_gameMode, GAME_SCORPION);
    EXPECT_EQ(g_newGameRequested, 1);
    EXPECT_EQ(g_pressPending, 0);
    UpdateFrame(0);
    EXPECT_EQ(g_newGameRequested, 0);
    EXPECT_EQ(g_layouts[GAME_SCORPION].pileCount, 11) << "the deal ran";

    // Back in the menu with the pointer resting on a button: only a preview.
    g_gameMode = MODE_MAIN_MENU;
    UpdateFrame(16);
    EXPECT_EQ(g_gameMode, MODE_MAIN_MENU);
    EXPECT_EQ(g_newGameRequested, 0);
    EXPECT_EQ(g_previewGame, GAME_SCORPION);
}

TEST_F(MenuPicking, BackdropAndPreviewGiveNameZeroAndChangeNothing)
{
    g_previewGame = 2;
    struct Point {
        float x, y, z;
    };
    // The preview picture, then the backdrop at the lower left.
    for (const Point point : {Point{-3.9f, 0.45f, -28.0f}, Point{-20.0f, -15.0f, -39.0f}}) {
        PointAt(point.x, point.y, point.z);
        g_pickedName = 77;
        g_pressPending = 1;
        PickAtPointer();
        EXPECT_EQ(g_pickedName, 0);
        EXPECT_EQ(g_pressPending, 0);
        EXPECT_EQ(g_gameMode, MODE_MAIN_MENU);
        EXPECT_EQ(g_newGameRequested, 0);
        EXPECT_EQ(g_previewGame, 2);
        EXPECT_EQ(g_holding, 0);
    }
}

TEST_F(MenuPicking, NearerMenuAfterTheOffsetIsDroppedStillHitsItsButtons)
{
    g_menuDepthOffset = 0.0f;
    PointAt(BUTTON_X, BUTTON_Y[0], -25.0f);
    UpdateFrame(16);
    EXPECT_EQ(g_previewGame, 1);
    EXPECT_EQ(g_pickedName, 101);
}

}  // namespace
