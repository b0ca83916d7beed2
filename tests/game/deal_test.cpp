#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "ui/ids.h"
#include "game/deal.h"
#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/headless/headless.h"
#include "store/stats_store.h"
#include "support/game_test.h"
#include "support/table_setup.h"

namespace {

class Deal : public GameTest {};
class Random : public GameTest {};

void DealGame(int32_t game, int64_t seconds)
{
    HeadlessSetTime(seconds);
    g_gameMode = game;
    DealNewGame();
}

std::array<int32_t, 52> Order()
{
    std::array<int32_t, 52> order{};
    std::copy(std::begin(g_dealOrder), std::end(g_dealOrder), order.begin());
    return order;
}

bool IsPermutation()
{
    std::array<int32_t, 52> sorted = Order();
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 52; ++i) {
        if (sorted[i] != i) {
            return false;
        }
    }
    return true;
}

std::vector<int32_t> PileCards(int32_t pile)
{
    std::vector<int32_t> cards;
    for (int32_t slot = 0; slot < CardCount(pile); ++slot) {
        cards.push_back(CurrentLayout().piles[pile].slots[slot].card);
    }
    return cards;
}

}  // namespace

TEST_F(Random, SeedOneGivesTheClassicSequence)
{
    SeedRandom(1);
    EXPECT_EQ(NextRandom(), 41);
    EXPECT_EQ(NextRandom(), 18467);
    EXPECT_EQ(NextRandom(), 6334);
}

TEST_F(Random, StateWrapsModuloTwoToThe32)
{
    // 0xFFFFFFFF * 214013 + 2531011 mod 2^32 = 2317048, and 2317048 >> 16 = 35.
    SeedRandom(0xFFFFFFFFu);
    EXPECT_EQ(NextRandom(), 35);
}

TEST_F(Random, RangeNeverReachesPastItsTop)
{
    SeedRandom(12345);
    int seenTop = 0;
    for (int i = 0; i < 200000; ++i) {
        const int32_t x = RandomInRange(0, 51);
        ASSERT_GE(x, 0);
        ASSERT_LE(x, 51);
        seenTop += x == 51;
    }
    EXPECT_GT(seenTop, 0);
}

TEST_F(Random, RangeMapsTheLargestDrawToTheTop)
{
    // Find a seed whose first draw is 32767: floor(32767 * 52 / 32768) = 51.
    uint32_t seed = 0;
    for (;; ++seed) {
        SeedRandom(seed);
        if (NextRandom() == 32767) {
            break;
        }
    }
    SeedRandom(seed);
    EXPECT_EQ(RandomInRange(0, 51), 51);
    SeedRandom(seed);
    EXPECT_EQ(RandomInRange(10, 12), 12);
}

TEST_F(Deal, EveryDealIsAPermutation)
{
    for (int i = 0; i < 200; ++i) {
        DealGame(GAME_KLONDIKE + i % 5, 1000 + i);
        ASSERT_TRUE(IsPermutation()) << "deal " << i;
    }
}

TEST_F(Deal, SameSecondSameOrderWhateverTheGame)
{
    DealGame(GAME_FREECELL, 1700000000);
    const auto first = Order();
    DealGame(GAME_SCORPION, 1700000000);
    EXPECT_EQ(Order(), first);
    DealGame(GAME_SCORPION, 1700000001);
    EXPECT_NE(Order(), first);
}

TEST_F(Deal, OrderFollowsTheGeneratorSeededWithTheTime)
{
    // The first draws with seed 1 are 41, 18467, 6334: cards 0, 29, 10 lead.
    DealGame(GAME_KLONDIKE, 1);
    EXPECT_EQ(g_dealOrder[0], 0);
    EXPECT_EQ(g_dealOrder[1], 29);
    EXPECT_EQ(g_dealOrder[2], 10);
}

TEST_F(Deal, KlondikeStockGetsOneCardPerPassFirst)
{
    DealGame(GAME_KLONDIKE, 4242);
    std::vector<int32_t> expected = {g_dealOrder[0],  g_dealOrder[8],  g_dealOrder[15], g_dealOrder[21],
                                     g_dealOrder[26], g_dealOrder[30], g_dealOrder[33]};
    for (int k = 35; k <= 51; ++k) {
        expected.push_back(g_dealOrder[k]);
    }
    EXPECT_EQ(PileCards(1), expected);
    EXPECT_EQ(TopCard(1), g_dealOrder[51]);
    EXPECT_EQ(FaceUpCount(1), 0);
    for (int p = 3; p <= 9; ++p) {
        EXPECT_EQ(CardCount(p), p - 2);
        EXPECT_EQ(FaceUpCount(p), 1);
        EXPECT_EQ(g_cards[TopCard(p)].targetRotY, 360.0f);
    }
    // Pass 0 after the stock: tableau piles 1..7 take cards 1..7.
    EXPECT_EQ(CurrentLayout().piles[3].slots[0].card, g_dealOrder[1]);
    EXPECT_EQ(CurrentLayout().piles[9].slots[0].card, g_dealOrder[7]);
}

TEST_F(Deal, ScorpionFacesAndLinks)
{
    DealGame(GAME_SCORPION, 77);
    EXPECT_EQ(CardCount(1), 3);
    EXPECT_EQ(FaceUpCount(1), 0);
    for (int p = 3; p <= 9; ++p) {
        ASSERT_EQ(CardCount(p), 7);
        EXPECT_EQ(FaceUpCount(p), p <= 6 ? 4 : 7) << "pile " << p;
    }
    for (int p = 3; p <= 6; ++p) {
        for (int slot = 0; slot < 7; ++slot) {
            const Card& c = g_cards[CurrentLayout().piles[p].slots[slot].card];
            EXPECT_EQ(c.flipping, slot >= 3 ? 1 : 0) << "pile " << p << " slot " << slot;
        }
    }
    for (int p = 1; p <= 9; ++p) {
        if (p == 2) {
            continue;
        }
        const auto cards = PileCards(p);
        for (size_t i = 0; i + 1 < cards.size(); ++i) {
            EXPECT_EQ(g_cards[cards[i]].above, cards[i + 1]);
        }
        EXPECT_EQ(g_cards[cards.back()].above, -1);
    }
}

TEST_F(Deal, MountSunflowerFaces)
{
    DealGame(GAME_MOUNT_SUNFLOWER, 99);
    const int faceUp[7] = {1, 2, 3, 4, 3, 2, 1};
    for (int p = 3; p <= 9; ++p) {
        EXPECT_EQ(CardCount(p), 4);
        EXPECT_EQ(FaceUpCount(p), faceUp[p - 3]) << "pile " << p;
        // The face-up cards are the top ones.
        for (int slot = 0; slot < 4; ++slot) {
            const Card& c = g_cards[CurrentLayout().piles[p].slots[slot].card];
            EXPECT_EQ(c.flipping, slot >= 4 - faceUp[p - 3] ? 1 : 0);
        }
    }
    EXPECT_EQ(CardCount(1), 24);
}

TEST_F(Deal, FreecellAndBakersDozenCounts)
{
    DealGame(GAME_FREECELL, 5);
    for (int p = 3; p <= 10; ++p) {
        EXPECT_EQ(CardCount(p), p <= 6 ? 7 : 6);
        EXPECT_EQ(FaceUpCount(p), CardCount(p));
    }
    DealGame(GAME_BAKERS_DOZEN, 5);
    for (int p = 3; p <= 15; ++p) {
        EXPECT_EQ(CardCount(p), 4);
        EXPECT_EQ(FaceUpCount(p), 4);
    }
}

TEST_F(Deal, NoLinksOutsideScorpionAndEveryCardFliesToItsSlot)
{
    DealGame(GAME_SCORPION, 5);  // leaves links behind that the next deal must drop
    DealGame(GAME_KLONDIKE, 6);
    for (int id = 0; id < 52; ++id) {
        const Card& c = g_cards[id];
        EXPECT_EQ(c.above, -1);
        const PileSlot& slot = CurrentLayout().piles[c.pile].slots[c.slot];
        EXPECT_EQ(slot.card, id);
        EXPECT_EQ(c.moving, 1);
        EXPECT_EQ(c.targetX, slot.x);
        EXPECT_EQ(c.targetY, slot.y);
        EXPECT_EQ(c.targetZ, slot.z);
        EXPECT_EQ(c.rotY, 180.0f);
    }
}

TEST_F(Deal, CardsStartStackedOnTheDeckFirstDealtOnTop)
{
    DealGame(GAME_BAKERS_DOZEN, 31);
    const int32_t first = g_dealOrder[0];
    const int32_t last = g_dealOrder[51];
    // Positions before the flight: the first card dealt lies nearest the eye.
    EXPECT_FLOAT_EQ(g_cards[first].x, -4.0f);
    EXPECT_FLOAT_EQ(g_cards[first].y, -3.0f);
    EXPECT_NEAR(g_cards[first].z, -10.0f + 0.02f * 51, 1e-4);
    EXPECT_NEAR(g_cards[last].z, -10.0f, 1e-4);
}

TEST_F(Deal, ResetsCountersFlagsAndMenu)
{
    g_moveCount = 17;
    g_winDetected = 1;
    g_gameFinished = 1;
    g_stockEmptyArmed = 1;
    DealGame(GAME_MOUNT_SUNFLOWER, 3);
    EXPECT_EQ(g_moveCount, 0);
    EXPECT_EQ(g_winDetected, 0);
    EXPECT_EQ(g_gameFinished, 0);
    EXPECT_EQ(g_stockEmptyArmed, 0);
    EXPECT_EQ(g_headless.menuEnabled[COMMAND_REDEAL], 1);
    EXPECT_EQ(g_headless.menuEnabled[COMMAND_MAIN_MENU], 1);
    EXPECT_EQ(GetSessionCount(STATS_GAMES_DEALT), 1);
    EXPECT_EQ(GetLifetimeCount(STATS_GAMES_DEALT), 1);
}

TEST_F(Deal, WinScreenDealsKlondike)
{
    DealGame(MODE_WIN, 8);
    EXPECT_EQ(g_gameMode, GAME_KLONDIKE);
    EXPECT_EQ(CardCount(1), 24);
}

TEST_F(Deal, MainMenuDealsNothing)
{
    DealGame(MODE_MAIN_MENU, 8);
    EXPECT_EQ(g_gameMode, MODE_MAIN_MENU);
    EXPECT_TRUE(g_headless.errorBoxes.empty());
    EXPECT_EQ(g_headless.exitRequests, 0);
    EXPECT_EQ(GetSessionCount(STATS_GAMES_DEALT), 0);
}

TEST_F(Deal, ATurnStillRunningDoesNotTurnAFaceDownCardUp)
{
    DealGame(GAME_FREECELL, 8);  // every card dealt face up, turning
    DealGame(GAME_KLONDIKE, 9);
    const int32_t stockCard = TopCard(1);
    EXPECT_EQ(g_cards[stockCard].flipping, 0);
    EXPECT_EQ(FaceUpCount(1), 0);
}

TEST_F(Deal, NothingStaysHeldAcrossADeal)
{
    DealGame(GAME_FREECELL, 11);
    g_cards[TopCard(3)].rotY = 360.0f;
    g_pressPending = 1;
    HandlePick(TopCard(3));
    ASSERT_EQ(g_holding, 1);
    DealGame(GAME_FREECELL, 12);  // "Redeal" from the keyboard during a drag
    EXPECT_EQ(g_holding, 0);
    const int32_t before = g_moveCount;
    DropHeldCards();
    EXPECT_EQ(g_moveCount, before);
    for (int p = 3; p <= 10; ++p) {
        EXPECT_EQ(CardCount(p), p <= 6 ? 7 : 6);
    }
}

TEST_F(Deal, LayoutThatDoesNotAddUpTo52StopsTheProgram)
{
    // Scorpion's pile 10 is never written by its set-up, so a count left
    // there survives into the check.
    g_layouts[GAME_SCORPION].piles[10].dealCount = 1;
    DealGame(GAME_SCORPION, 8);
    ASSERT_EQ(g_headless.errorBoxes.size(), 1u);
    EXPECT_EQ(g_headless.errorBoxes[0], "Error in Rules: Too many cards");
    EXPECT_EQ(g_headless.exitRequests, 1);
    EXPECT_EQ(g_headless.exitCode, 1);
    EXPECT_EQ(CardCount(3), 0);  // nothing was dealt
}
