// The five layouts against the values of the game descriptions, written here
// as the descriptions state them (ranges and formulas), not copied from the
// layout tables.

#include <gtest/gtest.h>

#include <vector>

#include "game/layouts.h"
#include "game/table.h"
#include "store/stats_store.h"
#include "support/game_test.h"
#include "support/table_setup.h"

namespace {

struct Expected {
    int pile;
    int kind;
    float x, y, z, fan;
    int dealCount, faceRule, marker, canLift;
};

class Layouts : public GameTest {};

constexpr float T = -24.99f;

Expected Deck() { return {0, PILE_NO_DROP, -4, -3, -10, 0, 0, DEAL_FACE_DOWN, 0, 0}; }
Expected Unused(int p) { return {p, PILE_NONE, 50, 50, 50, 0, 0, 0, 0, 0}; }

void CheckLayout(int game, int pileCount, int liftAnyStack, const std::vector<Expected>& piles)
{
    StartLayout(game);
    const GameLayout& layout = g_layouts[game];
    EXPECT_EQ(layout.pileCount, pileCount);
    EXPECT_EQ(layout.liftAnyStack, liftAnyStack);
    int dealt = 0;
    for (const Expected& e : piles) {
        SCOPED_TRACE(testing::Message() << "game " << game << " pile " << e.pile);
        const Pile& p = layout.piles[e.pile];
        EXPECT_EQ(p.kind, e.kind);
        EXPECT_FLOAT_EQ(p.slots[0].x, e.x);
        EXPECT_FLOAT_EQ(p.slots[0].y, e.y);
        EXPECT_NEAR(p.slots[0].z, e.z, 1e-5);
        EXPECT_FLOAT_EQ(p.slots[1].y - p.slots[0].y, e.fan);
        EXPECT_FLOAT_EQ(p.slots[51].y, e.y + 51 * e.fan);
        EXPECT_FLOAT_EQ(p.slots[51].x, e.x);
        EXPECT_NEAR(p.slots[51].z, e.z + 51 * 0.02f, 1e-4);
        EXPECT_EQ(p.dealCount, e.dealCount);
        EXPECT_EQ(p.dealFaceRule, e.faceRule);
        EXPECT_EQ(p.markerIndex, e.marker);
        EXPECT_EQ(p.canLift, e.canLift);
        EXPECT_EQ(TopCard(e.pile), -1);
        dealt += p.dealCount;
    }
    EXPECT_EQ(dealt, 52);
}

void ExpectNeverSetUp(int game, int pile)
{
    const Pile& p = g_layouts[game].piles[pile];
    EXPECT_EQ(p.kind, PILE_NONE);
    EXPECT_EQ(p.slots[0].x, 0.0f);
    EXPECT_EQ(p.slots[0].y, 0.0f);
    EXPECT_EQ(p.slots[0].z, 0.0f);
    EXPECT_EQ(p.dealCount, 0);
    EXPECT_EQ(TopCard(pile), -1);
}

}  // namespace

TEST_F(Layouts, Klondike)
{
    std::vector<Expected> piles = {Deck(), {1, PILE_NO_DROP, -9, 6.5f, T, 0, 24, DEAL_FACE_DOWN, 2, 1},
                                   {2, PILE_NO_DROP, -6, 6.5f, T, 0, 0, DEAL_FACE_DOWN, 2, 1}};
    for (int p = 3; p <= 9; ++p) {
        piles.push_back({p, PILE_TABLEAU_ALTERNATE, -8.0f + 3 * (p - 3), 3, T, -0.5f, p - 2, DEAL_TOP_FACE_UP, 2, 1});
    }
    for (int p = 10; p <= 13; ++p) {
        piles.push_back({p, PILE_FOUNDATION, -1.0f + 3 * (p - 10), 6.5f, T, 0, 0, DEAL_TOP_FACE_UP, 3, 0});
    }
    CheckLayout(GAME_KLONDIKE, 14, 0, piles);
}

TEST_F(Layouts, Freecell)
{
    std::vector<Expected> piles = {Deck(), Unused(1), Unused(2)};
    for (int p = 3; p <= 10; ++p) {
        piles.push_back({p, PILE_TABLEAU_ALTERNATE, -11.0f + 3 * (p - 3), 3, T, -0.5f, p <= 6 ? 7 : 6, DEAL_FACE_UP, 2, 1});
    }
    for (int p = 11; p <= 14; ++p) {
        piles.push_back({p, PILE_FOUNDATION, 1.5f + 3 * (p - 11), 6.5f, T, 0, 0, DEAL_TOP_FACE_UP, 3, 0});
    }
    for (int p = 15; p <= 18; ++p) {
        piles.push_back({p, PILE_FREE_CELL, -11.0f + 3 * (p - 15), 6.5f, T, 0, 0, DEAL_TOP_FACE_UP, 2, 1});
    }
    CheckLayout(GAME_FREECELL, 19, 0, piles);
}

TEST_F(Layouts, Scorpion)
{
    std::vector<Expected> piles = {Deck(), {1, PILE_NO_DROP, -9, 6.5f, T, 0, 3, DEAL_FACE_DOWN, 2, 1}, Unused(2)};
    for (int p = 3; p <= 9; ++p) {
        piles.push_back({p, PILE_TABLEAU_SUIT, -8.0f + 3 * (p - 3), 2, T, -0.5f, 7,
                         p <= 6 ? DEAL_LAST4_FACE_UP : DEAL_FACE_UP, 2, 1});
    }
    CheckLayout(GAME_SCORPION, 11, 1, piles);
    ExpectNeverSetUp(GAME_SCORPION, 10);
}

TEST_F(Layouts, MountSunflower)
{
    const int faces[7] = {DEAL_TOP_FACE_UP, DEAL_LAST2_FACE_UP, DEAL_LAST3_FACE_UP, DEAL_FACE_UP,
                          DEAL_LAST3_FACE_UP, DEAL_LAST2_FACE_UP, DEAL_TOP_FACE_UP};
    std::vector<Expected> piles = {Deck(), {1, PILE_NO_DROP, -9, 6.5f, T, 0, 24, DEAL_FACE_DOWN, 2, 1}, Unused(2)};
    for (int p = 3; p <= 9; ++p) {
        piles.push_back({p, PILE_TABLEAU_RANK, -8.0f + 3 * (p - 3), 3, T, -0.5f, 4, faces[p - 3], 2, 1});
    }
    for (int p = 10; p <= 13; ++p) {
        piles.push_back({p, PILE_FOUNDATION, -1.0f + 3 * (p - 10), 6.5f, T, 0, 0, DEAL_TOP_FACE_UP, 3, 0});
    }
    CheckLayout(GAME_MOUNT_SUNFLOWER, 15, 0, piles);
    ExpectNeverSetUp(GAME_MOUNT_SUNFLOWER, 14);
}

TEST_F(Layouts, BakersDozen)
{
    std::vector<Expected> piles = {Deck(), Unused(1), Unused(2)};
    for (int p = 3; p <= 9; ++p) {
        piles.push_back({p, PILE_TABLEAU_RANK, -11.0f + 3 * (p - 3), 7, T, -0.5f, 4, DEAL_FACE_UP, 2, 1});
    }
    for (int p = 10; p <= 15; ++p) {
        piles.push_back({p, PILE_TABLEAU_RANK, -9.5f + 3 * (p - 10), -2, T, -0.5f, 4, DEAL_FACE_UP, 2, 1});
    }
    for (int p = 16; p <= 19; ++p) {
        piles.push_back({p, PILE_FOUNDATION, 10.5f, 6.5f - 4 * (p - 16), T, 0, 0, DEAL_TOP_FACE_UP, 3, 0});
    }
    CheckLayout(GAME_BAKERS_DOZEN, 20, 0, piles);
}

TEST_F(Layouts, SetUpEmptiesWhatThePreviousGameLeft)
{
    StartLayout(GAME_KLONDIKE);
    PutCards(5, {12, 24, 10});
    StartLayout(GAME_KLONDIKE);
    EXPECT_EQ(TopCard(5), -1);
    EXPECT_EQ(CardCount(5), 0);
}

TEST_F(Layouts, EverySetUpCountsOneGameDealt)
{
    for (int game = GAME_KLONDIKE; game <= GAME_BAKERS_DOZEN; ++game) {
        StartLayout(game);
        EXPECT_EQ(GetSessionCount(STATS_GAMES_DEALT), game);
        EXPECT_EQ(GetLifetimeCount(STATS_GAMES_DEALT), game);
    }
    EXPECT_EQ(GetLifetimeCount(0), 0);
}

TEST_F(Layouts, MenuAndWinScreenHaveNoPiles)
{
    StartLayout(GAME_FREECELL);
    for (const int mode : {MODE_MAIN_MENU, MODE_WIN}) {
        g_gameMode = mode;
        EXPECT_EQ(CurrentLayout().pileCount, 0);
        EXPECT_EQ(&CurrentLayout(), &g_layouts[mode]);
    }
}
