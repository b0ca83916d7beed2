// A game of Klondike played through the scene: the deal flies in, a card is
// pressed and dragged with the pointer as the window maps it, and released
// over a pile, where the placing rules take it or send it back.

#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/headless/headless.h"
#include "scene/draw.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "scene/update.h"
#include "scene_fixture.h"

namespace {

constexpr int FIRST_TABLEAU = 3;
constexpr int LAST_TABLEAU = 9;

int Rank(int card) { return card % 13; }
int Colour(int card) { return card / 26; }  // suits 0 and 1 share one colour

bool AnyCardInMotion()
{
    for (const Card& card : g_cards) {
        if (card.moving || card.flipping) {
            return true;
        }
    }
    return false;
}

class PlayThroughScene : public SceneTest {
protected:
    // Frames of 16 ms until every card rests; false if that never happens.
    static bool SettleFrames()
    {
        for (int frame = 0; frame < 2000; ++frame) {
            UpdateFrame(16);
            DrawFrame();
            if (!AnyCardInMotion()) {
                return true;
            }
        }
        return false;
    }

    static void DealKlondike(int64_t seconds)
    {
        HeadlessSetTime(seconds);
        g_gameMode = GAME_KLONDIKE;
        g_newGameRequested = 1;
        UpdateFrame(0);
    }

    // Finds tableau tops `upper` and `lower` where upper may go on lower.
    static bool FindTableauMove(int* fromPile, int* toPile)
    {
        for (int a = FIRST_TABLEAU; a <= LAST_TABLEAU; ++a) {
            for (int b = FIRST_TABLEAU; b <= LAST_TABLEAU; ++b) {
                const int upper = TopCard(a), lower = TopCard(b);
                if (a != b && upper >= 0 && lower >= 0 && Rank(upper) + 1 == Rank(lower) &&
                    Colour(upper) != Colour(lower) && Rank(upper) != 0) {
                    *fromPile = a;
                    *toPile = b;
                    return true;
                }
            }
        }
        return false;
    }

    // Press on a card, drag it over another card, release: as the window does.
    static void Drag(int card, int overCard)
    {
        const Card& from = g_cards[card];
        PointAt(from.x, from.y + 0.8f, from.z);  // the card's own visible top
        g_pressPending = 1;
        PickAtPointer();
        for (int frame = 0; frame < 3; ++frame) {
            UpdateFrame(16);
            DrawFrame();
        }
        const Card& to = g_cards[overCard];
        PointAt(to.x, to.y, to.z);
        UpdateFrame(16);
        DrawFrame();
        DropHeldCards();
    }
};

TEST_F(PlayThroughScene, LegalMoveLandsAndIllegalMoveFliesBack)
{
    int from = -1, to = -1;
    int64_t seed = 100;
    for (; seed < 400; ++seed) {
        DealKlondike(seed);
        if (FindTableauMove(&from, &to)) {
            break;
        }
    }
    ASSERT_LT(seed, 400) << "no deal with a tableau move";
    ASSERT_TRUE(SettleFrames()) << "the deal never came to rest";
    EXPECT_EQ(g_moveCount, 0);

    // The dealt table: every card on its slot, the tableau tops face up.
    for (int p = FIRST_TABLEAU; p <= LAST_TABLEAU; ++p) {
        const Card& top = g_cards[TopCard(p)];
        EXPECT_FALSE(IsFaceDown(top)) << "pile " << p;
        const PileSlot& slot = CurrentLayout().piles[p].slots[top.slot];
        EXPECT_FLOAT_EQ(top.x, slot.x);
        EXPECT_FLOAT_EQ(top.z, slot.z);
    }

    // A press lifts the top card, which then hangs under the pointer.
    const int card = TopCard(from);
    const int target = TopCard(to);
    const int targetSlot = TopSlot(to) + 1;
    PointAt(g_cards[card].x, g_cards[card].y, g_cards[card].z);
    g_pressPending = 1;
    PickAtPointer();
    EXPECT_EQ(g_pickedName, card);
    ASSERT_EQ(g_holding, 1);
    UpdateFrame(16);
    EXPECT_FLOAT_EQ(g_cards[card].x, g_pointerWorldX);
    EXPECT_FLOAT_EQ(g_cards[card].z, -23.96f);

    // Dragged over the lower card and released: it is placed there.
    PointAt(g_cards[target].x, g_cards[target].y, g_cards[target].z);
    UpdateFrame(16);
    DropHeldCards();
    EXPECT_EQ(g_holding, 0);
    EXPECT_EQ(g_moveCount, 1);
    ASSERT_TRUE(SettleFrames());
    EXPECT_EQ(g_cards[card].pile, to);
    EXPECT_EQ(g_cards[card].slot, targetSlot);
    EXPECT_EQ(TopCard(to), card);
    const PileSlot& placed = CurrentLayout().piles[to].slots[targetSlot];
    EXPECT_FLOAT_EQ(g_cards[card].x, placed.x);
    EXPECT_FLOAT_EQ(g_cards[card].y, placed.y);

    // The same card dragged onto a pile whose top it does not fit flies back.
    int refusing = -1;
    for (int p = FIRST_TABLEAU; p <= LAST_TABLEAU && refusing < 0; ++p) {
        const int top = TopCard(p);
        if (p != to && top >= 0 && !(Rank(card) + 1 == Rank(top) && Colour(card) != Colour(top))) {
            refusing = p;
        }
    }
    ASSERT_GE(refusing, 0);
    const float restX = g_cards[card].x, restY = g_cards[card].y;
    Drag(card, TopCard(refusing));
    EXPECT_EQ(g_moveCount, 2) << "a drop over a pile counts, placed or not";
    ASSERT_TRUE(SettleFrames());
    EXPECT_EQ(g_cards[card].pile, to);
    EXPECT_EQ(TopCard(to), card);
    EXPECT_FLOAT_EQ(g_cards[card].x, restX);
    EXPECT_FLOAT_EQ(g_cards[card].y, restY);
}

TEST_F(PlayThroughScene, PressOnTheStockTurnsACardOntoTheWaste)
{
    DealKlondike(123);
    ASSERT_TRUE(SettleFrames());
    const int stockTop = TopCard(1);
    ASSERT_GE(stockTop, 0);
    const Card& top = g_cards[stockTop];
    PointAt(top.x, top.y, top.z);
    g_pressPending = 1;
    PickAtPointer();
    EXPECT_EQ(g_pickedName, stockTop);
    EXPECT_EQ(g_holding, 0);
    DropHeldCards();
    ASSERT_TRUE(SettleFrames());
    EXPECT_EQ(TopCard(2), stockTop);
    EXPECT_FALSE(IsFaceDown(g_cards[stockTop]));
    EXPECT_FLOAT_EQ(g_cards[stockTop].rotY, 360.0f);
    EXPECT_FLOAT_EQ(g_cards[stockTop].x, -6.0f);
}

}  // namespace
