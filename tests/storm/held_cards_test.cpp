// A press that arrives while cards are still held (their release fell outside
// the window, where it is not seen) and that picks a card which cannot be
// lifted. Run it on its own (the storm leaves the window in any state):
//   storm_test --gtest_filter=HeldCards.*
#include <QPoint>

#include "qt/app_fixture.h"
#include "game/lifting.h"
#include "game/table.h"

using namespace app_test;

namespace {

constexpr int32_t KLONDIKE_COLUMN_WITH_SIX = 8;  // six cards: five face down under one face up
constexpr int32_t KLONDIKE_LAST_COLUMN = 9;
constexpr float FAN_STRIP = 1.3f;                 // from a card's middle to the strip the card above leaves free

class HeldCards : public AppTest {};

void ExpectAtRest(int32_t card)
{
    const Card& c = g_cards[card];
    const PileSlot& rest = CurrentLayout().piles[c.pile].slots[c.slot];
    EXPECT_FLOAT_EQ(c.x, rest.x) << "card " << card;
    EXPECT_FLOAT_EQ(c.y, rest.y) << "card " << card;
    EXPECT_FLOAT_EQ(c.z, rest.z) << "card " << card;
}

}  // namespace

TEST_F(HeldCards, PressOnAnotherCardLeavesNoCardOffItsSlot)
{
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    const int32_t held = TopCard(KLONDIKE_LAST_COLUMN);
    const Card& h = g_cards[held];
    const QPoint onHeld = AreaPointOfScene(h.x, h.y, h.z);
    MoveTo(onHeld);
    PressAt(onHeld);
    Frames(1);
    ASSERT_EQ(g_holding, 1);
    ReleaseAt(QPoint(-40, -40));  // outside the window: not seen
    ASSERT_EQ(g_holding, 1);

    // The strip of a face-down card under others shows above the next card;
    // the pointer comes back and presses there before the next frame.
    const int32_t buried = CurrentLayout().piles[KLONDIKE_COLUMN_WITH_SIX].slots[0].card;
    const Card& b = g_cards[buried];
    const QPoint onBuried = AreaPointOfScene(b.x, b.y + FAN_STRIP, b.z);
    MoveTo(onBuried);
    PressAt(onBuried);
    Frames(2);
    ReleaseAt(onBuried);
    ASSERT_EQ(g_holding, 0);
    ASSERT_TRUE(SettleCards());
    ExpectAtRest(held);
    ExpectAtRest(buried);
}
