// The pick against GL selection mode: over random pointer positions on the
// main menu, every game's deal in flight and at rest, drags, turn-overs,
// cards flying home, the win sequence and cards strewn at random, at three
// window shapes, both write the same records (names in order, depths on the
// selection buffer's 32-bit scale), choose the same name and leave the same
// state behind. Where two names' depths agree within the GL's rounding, the
// nearer is the rounding's choice, and the pick need only follow its rule.
//
// TARVIK_PICK_SEED=<n> repeats a run; the seed in use is printed.

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <string>

#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/headless/headless.h"
#include "scene/draw.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "scene/update.h"
#include "scene_fixture.h"
#include "store/stats_store.h"
#include "select_oracle.h"

namespace {

// Everything a pick may read or write.
struct PickState {
    Card cards[CARD_COUNT];
    GameLayout layout;  // of the screen the pick starts on
    int32_t layoutIndex;
    int32_t gameMode, heldCard, originPile, previewGame, moveCount, pickedName;
    uint8_t holding, testAgainstPile, pressPending, newGameRequested, stockEmptyArmed;
    uint8_t winDetected, gameFinished;
    int32_t winCounted;
    StatsStore stats;
};

PickState TakeState()
{
    PickState s;
    std::memcpy(s.cards, g_cards, sizeof g_cards);
    s.layoutIndex = g_gameMode;
    s.layout = g_layouts[g_gameMode];
    s.gameMode = g_gameMode;
    s.heldCard = g_heldCard;
    s.originPile = g_originPile;
    s.previewGame = g_previewGame;
    s.moveCount = g_moveCount;
    s.pickedName = g_pickedName;
    s.holding = g_holding;
    s.testAgainstPile = g_testAgainstPile;
    s.pressPending = g_pressPending;
    s.newGameRequested = g_newGameRequested;
    s.stockEmptyArmed = g_stockEmptyArmed;
    s.winDetected = g_winDetected;
    s.gameFinished = g_gameFinished;
    s.winCounted = g_winCounted;
    s.stats = g_stats;
    return s;
}

void RestoreState(const PickState& s)
{
    std::memcpy(g_cards, s.cards, sizeof g_cards);
    g_layouts[s.layoutIndex] = s.layout;
    g_gameMode = s.gameMode;
    g_heldCard = s.heldCard;
    g_originPile = s.originPile;
    g_previewGame = s.previewGame;
    g_moveCount = s.moveCount;
    g_pickedName = s.pickedName;
    g_holding = s.holding;
    g_testAgainstPile = s.testAgainstPile;
    g_pressPending = s.pressPending;
    g_newGameRequested = s.newGameRequested;
    g_stockEmptyArmed = s.stockEmptyArmed;
    g_winDetected = s.winDetected;
    g_gameFinished = s.gameFinished;
    g_winCounted = s.winCounted;
    g_stats = s.stats;
}

// The first difference between two states, empty when there is none.
std::string Difference(const PickState& a, const PickState& b)
{
    std::ostringstream why;
    for (int i = 0; i < CARD_COUNT && why.tellp() == 0; ++i) {
        const Card& p = a.cards[i];
        const Card& q = b.cards[i];
        if (p.flipping != q.flipping || p.moving != q.moving || p.movingX != q.movingX || p.movingY != q.movingY ||
            p.movingZ != q.movingZ || p.above != q.above || p.slot != q.slot || p.pile != q.pile || p.x != q.x ||
            p.y != q.y || p.z != q.z || p.rotX != q.rotX || p.rotY != q.rotY || p.rotZ != q.rotZ ||
            p.targetX != q.targetX || p.targetY != q.targetY || p.targetZ != q.targetZ ||
            p.targetRotY != q.targetRotY || p.textureIndex != q.textureIndex) {
            why << "card " << i;
        }
    }
    if (a.layout.pileCount != b.layout.pileCount) {
        why << " pile count";
    }
    for (int p = 0; p < PILES_PER_LAYOUT; ++p) {
        for (int k = 0; k < SLOTS_PER_PILE; ++k) {
            if (a.layout.piles[p].slots[k].card != b.layout.piles[p].slots[k].card) {
                why << " pile " << p << " slot " << k;
                p = PILES_PER_LAYOUT;
                break;
            }
        }
    }
    const int32_t ai[] = {a.gameMode, a.heldCard,    a.originPile,      a.previewGame,      a.moveCount,
                          a.pickedName, a.holding,   a.testAgainstPile, a.pressPending,     a.newGameRequested,
                          a.stockEmptyArmed, a.winDetected, a.gameFinished, a.winCounted};
    const int32_t bi[] = {b.gameMode, b.heldCard,    b.originPile,      b.previewGame,      b.moveCount,
                          b.pickedName, b.holding,   b.testAgainstPile, b.pressPending,     b.newGameRequested,
                          b.stockEmptyArmed, b.winDetected, b.gameFinished, b.winCounted};
    for (size_t i = 0; i < sizeof ai / sizeof ai[0]; ++i) {
        if (ai[i] != bi[i]) {
            why << " scalar " << i << ": " << ai[i] << " vs " << bi[i];
        }
    }
    if (std::memcmp(&a.stats, &b.stats, sizeof a.stats) != 0) {
        why << " statistics";
    }
    return why.str();
}

std::string Records(const PickHit* hits, int32_t count)
{
    std::ostringstream out;
    for (int32_t i = 0; i < count; ++i) {
        out << " " << hits[i].name << "@" << hits[i].minDepth;
    }
    return out.str();
}

// Distance from the eye, in table units, of a depth on the 32-bit scale under
// the pick's perspective (near 0.1, far 100).
double EyeDistance(uint32_t depth)
{
    const double ndc = 2.0 * static_cast<double>(depth) / 4294967296.0 - 1.0;
    return 2.0 * 100.0 * 0.1 / (100.1 - ndc * 99.9);
}

// Selection mode works in single precision: its depths are off by a few
// units in the last place of the float window depth (256 on this scale above
// one half), and near the eye, where depth changes fast with distance, by
// the rounding of single-precision eye coordinates (about 1e-6 units). Two
// depths closer than either are the same depth as far as the GL can tell.
bool DepthsAgree(uint32_t a, uint32_t b)
{
    const int64_t gap = static_cast<int64_t>(a) - static_cast<int64_t>(b);
    return (gap >= -4 * 256 && gap <= 4 * 256) || std::fabs(EyeDistance(a) - EyeDistance(b)) <= 1e-5;
}

int32_t Nearest(const PickHit* hits, int32_t count)
{
    int32_t best = 0;
    for (int32_t i = 1; i < count; ++i) {
        if (hits[i].minDepth < hits[best].minDepth) {
            best = i;
        }
    }
    return count > 0 ? hits[best].name : -1;
}

struct Tally {
    int states = 0;
    int positions = 0;
    int hits = 0;              // records compared
    int exactDepths = 0;       // of them, the same 32-bit depth
    int64_t largestFarGap = 0;    // depths above one half (most of the scene), on the 32-bit scale
    double largestNearGap = 0.0;  // depths below (under 0.2 units from the eye), in table units
    int closeDepths = 0;       // positions with two records whose depths agree
    int roundingChoices = 0;   // of them, a different nearest name
};

class PickAgainstSelectMode : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        const char* fixed = std::getenv("TARVIK_PICK_SEED");
        seed_ = fixed ? static_cast<uint32_t>(std::strtoul(fixed, nullptr, 10)) : std::random_device{}();
        std::printf("pick comparison seed: %u (TARVIK_PICK_SEED=%u repeats it)\n", seed_, seed_);
        random_.seed(seed_);
        HeadlessSetTime(1700000007);
    }

    void TearDown() override
    {
        GlTestContext::Get(VIEW_WIDTH, VIEW_HEIGHT);
        SceneTest::TearDown();
    }

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void UseWindow(int width, int height)
    {
        GlTestContext::Get(width, height);
        g_windowWidth = width;
        g_windowHeight = height;
    }

    // Points at the window pixel of a scene point, seen through the pick's
    // perspective without its pick matrix, give or take two pixels.
    void PointNear(float x, float y, float z)
    {
        const double f = 1.0 / std::tan(22.5 * 3.14159265358979323846 / 180.0);
        const double aspect = static_cast<double>(g_windowWidth) / g_windowHeight;
        const double depth = z < -1.0f ? -z : 1.0;
        const int wx = static_cast<int>((x * f / aspect / depth * 0.5 + 0.5) * g_windowWidth) + Uniform(-2, 2);
        const int wy = static_cast<int>((y * f / depth * 0.5 + 0.5) * g_windowHeight) + Uniform(-2, 2);
        PointAtWindow(wx, wy);
    }

    // A pointer position: anywhere in the window and a little beyond it, or
    // close to a corner of a random card or button, where edges are decided.
    void ChoosePointer()
    {
        if (Uniform(0, 1) == 0) {
            PointAtWindow(Uniform(-6, g_windowWidth + 5), Uniform(-6, g_windowHeight + 5));
        } else if (g_gameMode == MODE_MAIN_MENU) {
            PointNear(11.3f + (Uniform(0, 1) ? 2.5f : -2.5f),
                      static_cast<float>(Uniform(-2, 2)) * 2.25f + 0.5f + (Uniform(0, 1) ? 0.7f : -0.7f),
                      -25.0f - g_menuDepthOffset);
        } else {
            const Card& card = g_cards[Uniform(0, CARD_COUNT - 1)];
            PointNear(card.x + (Uniform(0, 1) ? 1.0f : -1.0f), card.y + (Uniform(0, 1) ? 1.5f : -1.5f), card.z);
        }
    }

    // Compares both picks at `positions` pointer positions over the present
    // state, which each comparison leaves as it found it.
    void CompareHere(int positions)
    {
        ++tally_.states;
        for (int n = 0; n < positions; ++n) {
            ChoosePointer();
            const uint8_t press = static_cast<uint8_t>(Uniform(0, 3) == 0);
            g_pressPending = press;
            ComparePickAtPointer();
            if (HasFailure()) {
                return;
            }
        }
    }

    void ComparePickAtPointer()
    {
        ++tally_.positions;
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        const int32_t view[4] = {viewport[0], viewport[1], viewport[2], viewport[3]};
        PickHit ours[PICK_HITS_MAX];
        PickHit theirs[PICK_HITS_MAX];
        const int32_t ourCount = FindPickHits(view, g_pointerX, viewport[3] - g_pointerY, ours);
        const int32_t theirCount = SelectModeHits(theirs);
        std::ostringstream where;
        where << "seed " << seed_ << ", screen " << g_gameMode << ", window " << viewport[2] << " x " << viewport[3]
              << ", pointer (" << g_pointerX << ", " << g_pointerY << "), state " << tally_.states
              << "\n  pick:" << Records(ours, ourCount) << "\n  selection mode:" << Records(theirs, theirCount);
        ASSERT_EQ(ourCount, theirCount) << where.str();
        for (int32_t i = 0; i < ourCount; ++i) {
            ASSERT_EQ(ours[i].name, theirs[i].name) << where.str();
            ASSERT_TRUE(DepthsAgree(ours[i].minDepth, theirs[i].minDepth)) << where.str();
            ++tally_.hits;
            tally_.exactDepths += ours[i].minDepth == theirs[i].minDepth;
            if (theirs[i].minDepth >= 0x80000000u) {
                const int64_t gap = std::llabs(static_cast<int64_t>(ours[i].minDepth) - theirs[i].minDepth);
                tally_.largestFarGap = gap > tally_.largestFarGap ? gap : tally_.largestFarGap;
            } else {
                const double gap = std::fabs(EyeDistance(ours[i].minDepth) - EyeDistance(theirs[i].minDepth));
                tally_.largestNearGap = gap > tally_.largestNearGap ? gap : tally_.largestNearGap;
            }
        }
        // Depths closer than the two sides' agreement: which name is nearer
        // is the rounding's choice, so a different choice there is no fault.
        bool close = false;
        for (int32_t i = 0; i + 1 < theirCount; ++i) {
            for (int32_t j = i + 1; j < theirCount; ++j) {
                close = close || DepthsAgree(theirs[i].minDepth, theirs[j].minDepth);
            }
        }
        tally_.closeDepths += close;
        const int32_t ourBest = Nearest(ours, ourCount);
        const int32_t theirBest = Nearest(theirs, theirCount);

        // The whole pick, then what selection mode's pick does with its records.
        const PickState before = TakeState();
        PickAtPointer();
        const PickState afterPick = TakeState();
        RestoreState(before);
        HandleNearestHit(theirs, theirCount);
        const PickState afterSelect = TakeState();
        RestoreState(before);
        if (ourBest == theirBest) {
            ASSERT_EQ(Difference(afterPick, afterSelect), "") << where.str();
            return;
        }
        uint32_t ourDepth = 0, theirDepth = 0;
        for (int32_t i = 0; i < theirCount; ++i) {
            ourDepth = theirs[i].name == ourBest ? theirs[i].minDepth : ourDepth;
            theirDepth = theirs[i].name == theirBest ? theirs[i].minDepth : theirDepth;
        }
        ASSERT_TRUE(DepthsAgree(ourDepth, theirDepth)) << "a different nearest name\n" << where.str();
        ++tally_.roundingChoices;
        // The choice still follows the rule, over the pick's own records.
        HandleNearestHit(ours, ourCount);
        const PickState afterRule = TakeState();
        RestoreState(before);
        ASSERT_EQ(Difference(afterPick, afterRule), "") << where.str();
    }

    // Frames of `ms` each (the update only: the pick needs no picture).
    static void Frames(int count, uint32_t ms)
    {
        for (int i = 0; i < count; ++i) {
            UpdateFrame(ms);
        }
    }

    static bool AnyCardInMotion()
    {
        for (const Card& card : g_cards) {
            if (card.moving || card.flipping) {
                return true;
            }
        }
        return false;
    }

    void MainMenuStates()
    {
        g_gameMode = MODE_MAIN_MENU;
        for (const float offset : {3.0f, 0.0f}) {
            g_menuDepthOffset = offset;
            g_previewGame = Uniform(1, 5);
            CompareHere(POSITIONS_PER_STATE * 2);
        }
        g_menuDepthOffset = 3.0f;
    }

    // A deal of `game` watched in flight and at rest, then played at random:
    // presses lift, deal from a stock or turn cards over; the lifted cards
    // are dragged and dropped anywhere, and fly home or to their new pile.
    void PlayedGameStates(int32_t game)
    {
        HeadlessSetTime(1700000000 + Uniform(0, 100000) * 60 + 7);  // a new deal, far from a background switch
        g_gameMode = game;
        g_newGameRequested = 1;
        UpdateFrame(0);
        for (int k = 0; k < DEAL_STATES && AnyCardInMotion(); ++k) {
            Frames(Uniform(1, 40), static_cast<uint32_t>(Uniform(5, 40)));
            CompareHere(POSITIONS_PER_STATE);
        }
        for (int frame = 0; frame < 20000 && AnyCardInMotion(); ++frame) {
            UpdateFrame(16);
        }
        CompareHere(POSITIONS_PER_STATE);
        for (int move = 0; move < MOVES_PER_GAME && !HasFailure(); ++move) {
            // A press aimed at a card, as a player aims.
            const Card& aim = g_cards[Uniform(0, CARD_COUNT - 1)];
            PointNear(aim.x + 0.1f * static_cast<float>(Uniform(-9, 9)),
                      aim.y + 0.15f * static_cast<float>(Uniform(-9, 9)), aim.z);
            g_pressPending = 1;
            PickAtPointer();
            Frames(Uniform(0, 3), 16);
            if (g_holding) {
                ChoosePointer();
                Frames(1, 16);
                CompareHere(POSITIONS_PER_STATE);  // a drag in progress
                DropHeldCards();
            }
            // Flights home, to a new pile, turn-overs: part of the way.
            Frames(Uniform(0, 6), static_cast<uint32_t>(Uniform(5, 60)));
            if (AnyCardInMotion() || move % 4 == 0) {
                CompareHere(POSITIONS_PER_STATE);
            }
        }
    }

    // Cards strewn anywhere, turned any way: across the near plane and
    // beyond the far one, edge-on, overlapping at odd angles.
    void ScatteredStates()
    {
        g_gameMode = GAME_FREECELL;
        for (int state = 0; state < SCATTERED_STATES && !HasFailure(); ++state) {
            for (Card& card : g_cards) {
                card.x = 0.25f * static_cast<float>(Uniform(-40, 40));
                card.y = 0.25f * static_cast<float>(Uniform(-30, 30));
                card.z = Uniform(0, 9) == 0 ? static_cast<float>(Uniform(-120, 4)) : -0.5f * Uniform(2, 60);
                const float quarterTurns[] = {0.0f, 90.0f, 180.0f, 270.0f};
                card.rotX = Uniform(0, 2) == 0 ? static_cast<float>(Uniform(0, 359)) : 0.0f;
                card.rotY = Uniform(0, 1) == 0 ? quarterTurns[Uniform(0, 3)] : static_cast<float>(Uniform(0, 719));
                card.rotZ = Uniform(0, 1) == 0 ? 0.0f : static_cast<float>(Uniform(-360, 360));
            }
            CompareHere(POSITIONS_PER_STATE);
        }
    }

    // The win sequence from the present table: risen, gathered, spread and
    // spinning, with the clock run on so each phase ends.
    void WinStates()
    {
        SetDefaultStats();
        g_moveCount = 10001;  // no high score, so no name is asked for
        g_gameMode = MODE_WIN;
        int64_t ms = 0;
        const int64_t start = 1800000000;
        HeadlessSetTime(start);
        int spins = 0;
        for (int frame = 0; frame < 20000 && spins < SPIN_STATES && !HasFailure(); ++frame) {
            const uint32_t step = static_cast<uint32_t>(Uniform(5, 60));
            ms += step;
            HeadlessSetTime(start + ms / 1000);
            UpdateFrame(step);
            if (Uniform(0, 40) == 0) {
                spins += g_winPhase == 3;
                CompareHere(POSITIONS_PER_STATE);
            }
        }
        EXPECT_EQ(spins, SPIN_STATES) << "the win sequence never reached its spin";
    }

    static constexpr int POSITIONS_PER_STATE = 24;
    static constexpr int DEAL_STATES = 6;
    static constexpr int MOVES_PER_GAME = 24;
    static constexpr int SPIN_STATES = 8;
    static constexpr int SCATTERED_STATES = 20;

    uint32_t seed_ = 0;
    std::mt19937 random_;
    Tally tally_;
};

TEST_F(PickAgainstSelectMode, SameRecordsNameAndStateEverywhere)
{
    struct Window {
        int width, height;
    };
    for (const Window window : {Window{640, 480}, Window{1280, 600}, Window{500, 700}}) {
        UseWindow(window.width, window.height);
        MainMenuStates();
        for (int32_t game = GAME_KLONDIKE; game <= GAME_BAKERS_DOZEN && !HasFailure(); ++game) {
            PlayedGameStates(game);
        }
        if (!HasFailure()) {
            WinStates();
        }
        if (!HasFailure()) {
            ScatteredStates();
        }
        g_gameMode = MODE_MAIN_MENU;
        g_holding = 0;
    }
    std::printf("compared %d positions over %d states: %d records, %d of them with the same depth; largest "
                "difference %lld on the 32-bit scale (depths above one half), %.2g table units (nearer); %d "
                "positions with two names at depths that agree, %d different choices among them\n",
                tally_.positions, tally_.states, tally_.hits, tally_.exactDepths,
                static_cast<long long>(tally_.largestFarGap), tally_.largestNearGap, tally_.closeDepths,
                tally_.roundingChoices);
    EXPECT_GT(tally_.hits, tally_.positions / 2) << "most positions should hit something";
    // Both sides round window depths to single precision, so most agree exactly.
    EXPECT_GT(tally_.exactDepths, tally_.hits / 4);
}

}  // namespace
