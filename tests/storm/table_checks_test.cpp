// The storm's checks must see each kind of damage to the table and the
// statistics, and stay quiet on a dealt table.
#include <gtest/gtest.h>

#include "game/deal.h"
#include "game/table.h"
#include "platform/headless/headless.h"
#include "store/stats_store.h"
#include "storm/table_checks.h"
#include "support/reset.h"

using storm::CheckCardRecords;
using storm::CheckStatsGrew;
using storm::CheckTableHolds;

namespace {

class TableChecks : public ::testing::TestWithParam<int32_t> {
protected:
    void SetUp() override
    {
        ResetGameState();
        HeadlessSetTime(1700000000 + GetParam());
        g_gameMode = GetParam();
        DealNewGame();
    }

    // The slot where card lies now.
    PileSlot& SlotOf(int32_t card) { return CurrentLayout().piles[g_cards[card].pile].slots[g_cards[card].slot]; }
};

}  // namespace

TEST_P(TableChecks, DealtTableHolds)
{
    EXPECT_EQ(CheckTableHolds(CurrentLayout()), "");
    EXPECT_EQ(CheckCardRecords(CurrentLayout()), "");
    // Moves through the table's own primitive keep it whole.
    MoveCardToPile(TopCard(3), 0);
    EXPECT_EQ(CheckTableHolds(CurrentLayout()), "");
}

TEST_P(TableChecks, CardInTwoSlotsIsSeen)
{
    const int32_t card = TopCard(3);
    const int32_t other = TopCard(4);
    CurrentLayout().piles[4].slots[g_cards[other].slot].card = card;
    EXPECT_NE(CheckTableHolds(CurrentLayout()).find("more than one slot"), std::string::npos);
}

TEST_P(TableChecks, LostCardIsSeen)
{
    const int32_t card = TopCard(3);
    SlotOf(card).card = -1;
    EXPECT_NE(CheckTableHolds(CurrentLayout()).find("in no slot"), std::string::npos);
    EXPECT_NE(CheckCardRecords(CurrentLayout()).find("which holds -1"), std::string::npos);
}

TEST_P(TableChecks, GapInAPileIsSeen)
{
    // A pile of at least two: empty its lowest slot, leave the rest.
    int32_t pile = 3;
    while (CardCount(pile) < 2) {
        ++pile;
    }
    const int32_t bottom = CurrentLayout().piles[pile].slots[0].card;
    CurrentLayout().piles[pile].slots[0].card = -1;
    MoveCardToPile(bottom, 0);  // the card itself stays on the table
    EXPECT_NE(CheckTableHolds(CurrentLayout()).find("above an empty slot"), std::string::npos);
}

TEST_P(TableChecks, RecordNamingAnotherSlotIsSeen)
{
    const int32_t card = TopCard(3);
    ++g_cards[card].slot;
    EXPECT_NE(CheckTableHolds(CurrentLayout()).find("its record says"), std::string::npos);
    EXPECT_NE(CheckCardRecords(CurrentLayout()), "");
}

TEST_P(TableChecks, CardOnUnusedPileIsSeen)
{
    const int32_t card = TopCard(3);
    SlotOf(card).card = -1;
    CurrentLayout().piles[PILES_PER_LAYOUT - 1].slots[0].card = card;
    CurrentLayout().piles[PILES_PER_LAYOUT - 1].kind = PILE_NONE;
    g_cards[card].pile = PILES_PER_LAYOUT - 1;
    g_cards[card].slot = 0;
    EXPECT_NE(CheckTableHolds(CurrentLayout()).find("does not use"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EveryGame, TableChecks,
                         ::testing::Values(GAME_KLONDIKE, GAME_FREECELL, GAME_SCORPION, GAME_MOUNT_SUNFLOWER,
                                           GAME_BAKERS_DOZEN));

TEST(TableChecksRecords, PileOutsideTheLayoutIsSeen)
{
    ResetGameState();
    g_gameMode = GAME_KLONDIKE;
    DealNewGame();
    g_cards[7].pile = PILES_PER_LAYOUT;
    EXPECT_NE(CheckCardRecords(CurrentLayout()).find("outside the layout"), std::string::npos);
}

TEST(StatsChecks, GrowthPassesAndAnyFallIsSeen)
{
    ResetGameState();
    const storm::StatsCounts before = storm::ReadStatsCounts();
    CountStatsEvent(STATS_GAMES_DEALT);
    CountStatsEvent(3);
    const storm::StatsCounts grown = storm::ReadStatsCounts();
    EXPECT_EQ(CheckStatsGrew(before, grown), "");

    SetSessionCount(3, 0);
    EXPECT_NE(CheckStatsGrew(grown, storm::ReadStatsCounts()).find("session count 3"), std::string::npos);
    SetSessionCount(3, 1);
    SetLifetimeCount(STATS_GAMES_DEALT, 0);
    EXPECT_NE(CheckStatsGrew(grown, storm::ReadStatsCounts()).find("lifetime record 10"), std::string::npos);
}

TEST(RestChecks, OnlyAStillCardAwayFromItsSlotIsSeen)
{
    ResetGameState();
    g_gameMode = GAME_FREECELL;
    DealNewGame();
    // Right after the deal every card flies: none is still.
    EXPECT_EQ(storm::CheckCardsAtRest(CurrentLayout()), "");
    for (Card& card : g_cards) {
        const PileSlot& rest = CurrentLayout().piles[card.pile].slots[card.slot];
        card.x = rest.x;
        card.y = rest.y;
        card.z = rest.z;
        card.moving = card.movingX = card.movingY = card.movingZ = card.flipping = 0;
    }
    EXPECT_EQ(storm::CheckCardsAtRest(CurrentLayout()), "");
    g_cards[20].z += 1.0f;
    EXPECT_NE(storm::CheckCardsAtRest(CurrentLayout()).find("card 20 lies still away"), std::string::npos);
    g_cards[20].flipping = 1;
    EXPECT_EQ(storm::CheckCardsAtRest(CurrentLayout()), "");
}
