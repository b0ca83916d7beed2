// The per-frame update with a driven clock: flights and turn-overs in deal
// order, held cards, the requested deal, and the whole win sequence.

#include <cmath>
#include <cstring>

#include "game/deal.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/common/cursors.h"
#include "platform/headless/headless.h"
#include "scene/scene_state.h"
#include "scene/update.h"
#include "scene_fixture.h"
#include "scores/high_score.h"
#include "store/stats_store.h"

namespace {

class Update : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        g_gameMode = GAME_KLONDIKE;
        // Two piles whose slots the landing cards settle on.
        GameLayout& layout = g_layouts[GAME_KLONDIKE];
        layout.pileCount = 5;
        for (int s = 0; s < SLOTS_PER_PILE; ++s) {
            layout.piles[3].slots[s] = {4.0f, -3.0f - 0.5f * s, -20.0f + 0.02f * s, -1};
            layout.piles[4].slots[s] = {-6.0f, 2.0f, -24.99f + 0.02f * s, -1};
        }
        for (Card& card : g_cards) {
            card.x = card.y = 0.0f;
            card.z = -25.0f;
        }
    }

    static void Rest(int id, int pile, int slot)
    {
        Card& card = g_cards[id];
        card.pile = pile;
        card.slot = slot;
        const PileSlot& at = g_layouts[GAME_KLONDIKE].piles[pile].slots[slot];
        card.x = at.x;
        card.y = at.y;
        card.z = at.z;
    }
};

TEST_F(Update, FiveMillisecondsMoveAFlyingCardOneUnitPerAxis)
{
    Card& card = g_cards[0];
    card.pile = 3;
    card.FlyTo(4.0f, -3.0f, -20.0f);
    UpdateFrame(5);
    EXPECT_FLOAT_EQ(card.x, 1.0f);
    EXPECT_FLOAT_EQ(card.y, -1.0f);
    EXPECT_FLOAT_EQ(card.z, -24.0f);
    UpdateFrame(10);
    EXPECT_FLOAT_EQ(card.x, 3.0f);
    EXPECT_FLOAT_EQ(card.y, -3.0f) << "y has arrived and stays";
    EXPECT_EQ(card.movingY, 0);
    EXPECT_EQ(card.movingX, 1);
    UpdateFrame(0);
    EXPECT_FLOAT_EQ(card.x, 3.0f) << "a frame of 0 ms moves nothing";
    UpdateFrame(7);
    EXPECT_FLOAT_EQ(card.x, 4.0f) << "lands on the target, not beyond";
    EXPECT_FLOAT_EQ(card.z, -20.6f);
    EXPECT_EQ(card.moving, 1);
    UpdateFrame(20);
    EXPECT_EQ(card.moving, 0);
    EXPECT_FLOAT_EQ(card.z, -20.0f);
}

TEST_F(Update, LandedCardRestsOnItsSlot)
{
    Card& card = g_cards[0];
    card.pile = 3;
    card.slot = 2;
    card.x = 10.0f;
    card.FlyTo(3.9f, -4.0f, -19.0f);  // a target a little off the slot
    UpdateFrame(1000);
    EXPECT_EQ(card.moving, 0);
    EXPECT_FLOAT_EQ(card.x, 4.0f);
    EXPECT_FLOAT_EQ(card.y, -4.0f);
    EXPECT_FLOAT_EQ(card.z, -19.96f);
}

TEST_F(Update, LaterCardsInDealOrderWaitForEarlierOnes)
{
    g_dealOrder[0] = 10;
    g_dealOrder[1] = 20;
    g_dealOrder[10] = 0;
    g_dealOrder[20] = 1;
    g_cards[20].pile = 4;
    g_cards[20].FlyTo(-6.0f, 2.0f, -24.99f);  // started first, dealt later
    g_cards[10].pile = 3;
    g_cards[10].FlyTo(4.0f, -3.0f, -20.0f);
    UpdateFrame(5);
    EXPECT_FLOAT_EQ(g_cards[10].x, 1.0f);
    EXPECT_FLOAT_EQ(g_cards[20].x, 0.0f);
    UpdateFrame(15);
    EXPECT_FLOAT_EQ(g_cards[10].x, 4.0f);
    EXPECT_FLOAT_EQ(g_cards[20].x, 0.0f) << "10 is still rising in z";
    UpdateFrame(10);  // 10 lands in this frame, so 20 starts in it too
    EXPECT_EQ(g_cards[10].moving, 0);
    EXPECT_FLOAT_EQ(g_cards[20].x, -2.0f);
}

TEST_F(Update, LongFrameLandsEveryCardAtOnce)
{
    for (int i = 0; i < CARD_COUNT; ++i) {
        g_cards[i].pile = 4;
        g_cards[i].slot = i;
        g_cards[i].FlyTo(-6.0f, 2.0f, -24.99f + 0.02f * i);
    }
    UpdateFrame(60000);
    for (int i = 0; i < CARD_COUNT; ++i) {
        EXPECT_EQ(g_cards[i].moving, 0) << i;
        EXPECT_FLOAT_EQ(g_cards[i].z, -24.99f + 0.02f * i) << i;
    }
}

TEST_F(Update, CardTurnedTwiceEndsAtItsStartPlus360)
{
    Rest(0, 4, 0);
    Card& card = g_cards[0];
    card.TurnOver();
    UpdateFrame(10);
    EXPECT_FLOAT_EQ(card.rotY, 200.0f);
    EXPECT_FLOAT_EQ(card.z, -23.0f) << "lifted above every stack while turning";
    UpdateFrame(100);
    EXPECT_EQ(card.flipping, 0);
    EXPECT_FLOAT_EQ(card.rotY, 360.0f);
    EXPECT_FLOAT_EQ(card.z, -24.99f);
    card.TurnOver();
    UpdateFrame(91);
    EXPECT_EQ(card.flipping, 0);
    EXPECT_FLOAT_EQ(card.rotY, 540.0f);
    EXPECT_FLOAT_EQ(card.z, -24.99f);
}

TEST_F(Update, TurningCardHoldsBackTheCardsDealtAfterIt)
{
    Rest(0, 4, 0);
    g_cards[0].TurnOver();
    g_cards[1].pile = 3;
    g_cards[1].FlyTo(4.0f, -3.0f, -20.0f);
    UpdateFrame(50);
    EXPECT_FLOAT_EQ(g_cards[1].x, 0.0f);
    UpdateFrame(50);  // the turn ends; the flight starts in the same frame
    EXPECT_FLOAT_EQ(g_cards[1].x, 4.0f);
}

TEST_F(Update, HeldCardsHangFromThePointerEveryFrame)
{
    const SysCursor arrow = g_arrowCursor, move = g_moveCursor;
    g_arrowCursor = 11;
    g_moveCursor = 22;
    g_holding = 1;
    g_heldCard = 12;
    g_cards[12].above = 30;
    g_cards[30].above = 45;
    g_pointerWorldX = 3.0f;
    g_pointerWorldY = 2.0f;
    for (int frame = 1; frame <= 3; ++frame) {
        UpdateFrame(16);
        EXPECT_FLOAT_EQ(g_cards[12].x, 3.0f);
        EXPECT_FLOAT_EQ(g_cards[12].y, 2.0f);
        EXPECT_FLOAT_EQ(g_cards[12].z, -23.96f);
        EXPECT_FLOAT_EQ(g_cards[30].y, 1.5f);
        EXPECT_FLOAT_EQ(g_cards[30].z, -23.94f);
        EXPECT_FLOAT_EQ(g_cards[45].x, 3.0f);
        EXPECT_FLOAT_EQ(g_cards[45].y, 1.0f);
        EXPECT_FLOAT_EQ(g_cards[45].z, -23.92f);
        ASSERT_EQ(g_headless.cursorsSet.size(), static_cast<size_t>(frame));
        EXPECT_EQ(g_headless.cursorsSet.back(), 22);
    }
    EXPECT_FLOAT_EQ(g_cards[13].z, -25.0f) << "cards not in the chain stay";
    g_holding = 0;
    UpdateFrame(16);
    EXPECT_EQ(g_headless.cursorsSet.size(), 3u);
    g_arrowCursor = arrow;
    g_moveCursor = move;
}

TEST_F(Update, PlayPutsTheWinTextsBack)
{
    g_movesTextPos = {-3.0f, 1.0f, -6.0f};
    g_congratsTextPos = {-3.7f, -1.5f, -7.5f};
    g_winPhase = 3;
    UpdateFrame(0);
    EXPECT_FLOAT_EQ(g_movesTextPos.x, -10.5f);
    EXPECT_FLOAT_EQ(g_movesTextPos.y, 6.75f);
    EXPECT_FLOAT_EQ(g_congratsTextPos.y, -15.0f);
    EXPECT_FLOAT_EQ(g_congratsTextPos.z, -20.0f);
    EXPECT_EQ(g_winPhase, 0);
}

TEST_F(Update, DealRequestedWithAScreenChangeHappensFirst)
{
    // What the deal leaves, advanced by one 5 ms frame.
    HeadlessSetTime(4242);
    g_gameMode = GAME_FREECELL;
    DealNewGame();
    Card dealt[CARD_COUNT];
    std::memcpy(dealt, g_cards, sizeof dealt);
    UpdateFrame(5);
    Card expected[CARD_COUNT];
    std::memcpy(expected, g_cards, sizeof expected);
    const int first = g_dealOrder[0];
    ASSERT_NE(expected[first].x, dealt[first].x) << "the first card moved";

    // From the main menu, the request and the screen change in one frame.
    g_gameMode = MODE_MAIN_MENU;
    UpdateFrame(0);
    g_gameMode = GAME_FREECELL;
    g_newGameRequested = 1;
    UpdateFrame(5);
    EXPECT_EQ(g_newGameRequested, 0);
    EXPECT_EQ(g_dealOrder[0], first);
    for (int i = 0; i < CARD_COUNT; ++i) {
        EXPECT_FLOAT_EQ(g_cards[i].x, expected[i].x) << i;
        EXPECT_FLOAT_EQ(g_cards[i].z, expected[i].z) << i;
        EXPECT_EQ(g_cards[i].pile, expected[i].pile) << i;
    }
}

class WinSequence : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        SetDefaultStats();  // ten scores of 10000: any win qualifies
        g_headless.nameAnswer = "Winner";
        g_moveCount = 42;
        g_gameMode = MODE_WIN;
        for (int i = 0; i < CARD_COUNT; ++i) {
            g_cards[i].x = -10.0f + static_cast<float>(i % 8) * 3.0f;
            g_cards[i].y = 6.5f - static_cast<float>(i % 7) * 1.7f;
            g_cards[i].z = -24.99f + 0.02f * static_cast<float>(i % 5);
        }
        m_start = 1000000;
        HeadlessSetTime(m_start);
    }

    // One frame of `ms` on a clock that advances with the frames.
    void Frame(uint32_t ms)
    {
        m_elapsed += ms;
        HeadlessSetTime(m_start + m_elapsed / 1000);
        UpdateFrame(ms);
    }
    int64_t Now() const { return m_start + m_elapsed / 1000; }

    int64_t m_start = 0;
    int64_t m_elapsed = 0;
};

TEST_F(WinSequence, RunsPhaseZeroToThreeWithOneHighScoreCheck)
{
    int lastPhase = 0;
    int frames = 0;
    while (g_winPhase < 3 && frames < 100000) {
        Frame(16);
        ++frames;
        ASSERT_GE(g_winPhase, lastPhase);
        ASSERT_LE(g_winPhase, lastPhase + 1) << "no phase is skipped";
        EXPECT_EQ(g_headless.nameRequests, g_winPhase == 3 ? 1 : 0);
        lastPhase = g_winPhase;
    }
    ASSERT_EQ(g_winPhase, 3);
    for (int i = 0; i < CARD_COUNT; ++i) {
        EXPECT_NEAR(g_cards[i].x, static_cast<float>(i - 26), 0.1f) << i;
        EXPECT_NEAR(g_cards[i].y, 0.0f, 0.1f) << i;
        EXPECT_GT(g_cards[i].z, -15.5f) << i;
    }
    EXPECT_STREQ(g_highScoreName, "Winner");
    const float rotY = g_cards[5].rotY, rotZ = g_cards[5].rotZ;
    for (int i = 0; i < 500; ++i) {
        Frame(30);
    }
    EXPECT_EQ(g_winPhase, 3);
    EXPECT_EQ(g_headless.nameRequests, 1);
    EXPECT_FLOAT_EQ(g_cards[5].rotY, rotY + 1000.0f);
    EXPECT_NEAR(g_cards[5].rotZ, rotZ - 1000.0f, 0.01f);
    // The texts have flown in, each at most one frame's step past its goal.
    EXPECT_GE(g_movesTextPos.x, -3.0f);
    EXPECT_LT(g_movesTextPos.x, -3.0f + 0.31f);
    EXPECT_LE(g_movesTextPos.y, 1.0f);
    EXPECT_GE(g_movesTextPos.z, -6.0f);
    EXPECT_GE(g_congratsTextPos.x, -3.7f);
    EXPECT_GE(g_congratsTextPos.y, -1.5f);
    EXPECT_GE(g_congratsTextPos.z, -7.5f);
    EXPECT_LT(g_congratsTextPos.z, -7.5f + 0.16f);
}

TEST_F(WinSequence, FiveSecondLimitsEndPhasesThatCannotSettle)
{
    // Frames of 50 ms step 0.25 in y and 0.33 in x: across the whole band of
    // +-0.1, so these two cards swing round their goals for ever.
    for (int i = 0; i < CARD_COUNT; ++i) {
        g_cards[i].x = static_cast<float>(i - 26);
        g_cards[i].y = 0.0f;
    }
    g_cards[7].y = 5.13f;
    g_cards[9].x = static_cast<float>(9 - 26) + 5.13f;

    while (g_winPhase == 0) {
        Frame(50);
    }
    const int64_t phase1Start = g_winPhaseStartSecond;
    EXPECT_EQ(phase1Start, Now());
    while (g_winPhase == 1) {
        Frame(50);
        ASSERT_LE(Now(), phase1Start + 6);
    }
    EXPECT_EQ(Now(), phase1Start + 6) << "more than five whole seconds";
    EXPECT_EQ(g_winPhaseStartSecond, Now());
    EXPECT_GT(std::abs(g_cards[7].y), 0.1f) << "the gathering never settled";

    while (g_winPhase == 2) {
        const int64_t phase2Start = g_winPhaseStartSecond;
        Frame(50);
        if (g_winPhase == 2 && g_winPhaseStartSecond != phase2Start) {
            // The limit put every card on its goal; the next frame ends the phase.
            EXPECT_EQ(Now(), phase1Start + 12);
            EXPECT_FLOAT_EQ(g_cards[9].x, static_cast<float>(9 - 26));
            EXPECT_EQ(g_headless.nameRequests, 0);
            Frame(50);
            EXPECT_EQ(g_winPhase, 3);
        }
        ASSERT_LE(Now(), phase1Start + 13);
    }
    EXPECT_EQ(g_headless.nameRequests, 1);
    Frame(50);
    EXPECT_EQ(g_headless.nameRequests, 1);
}

TEST_F(WinSequence, PhaseTwoLimitCountsFromPhaseOneWhenTheGatheringSettles)
{
    g_winPhase = 1;
    g_winPhaseStartSecond = m_start;
    for (int i = 0; i < CARD_COUNT; ++i) {
        g_cards[i].y = 0.05f;
        g_cards[i].x = static_cast<float>(i - 26) + 30.0f;  // far from the row: 4.5 s of spreading
    }
    m_elapsed = 4000;
    Frame(16);
    EXPECT_EQ(g_winPhase, 2);
    EXPECT_EQ(g_winPhaseStartSecond, m_start) << "left as phase 1 started it";
    while (Now() <= m_start + 5) {
        Frame(16);
    }
    Frame(16);
    EXPECT_FLOAT_EQ(g_cards[0].x, -26.0f) << "the limit of phase 2 ended the spreading";
    EXPECT_EQ(g_winPhase, 3);
}

}  // namespace
