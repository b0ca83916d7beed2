// The soak: random presses and releases in all five games, checking after
// every step that no card is lost, duplicated or misplaced.
//   game_soak [--actions=N] [--seed=S] [gtest options]
// N random actions across the five games (default 60000, a few seconds);
// the seed is printed so a failure can be replayed.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "game/deal.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/headless/headless.h"
#include "support/game_test.h"
#include "support/table_setup.h"

namespace {

int64_t g_soakActions = 60000;
uint64_t g_soakSeed = 0;
constexpr int ACTIONS_PER_DEAL_MAX = 600;

class Soak : public GameTest {};

// What the frame update does once every flight and turn has run its course.
void FinishAnimations()
{
    for (Card& c : g_cards) {
        if (c.flipping) {
            c.rotY = c.targetRotY;
            c.flipping = 0;
        }
        if (c.moving) {
            c.x = c.targetX;
            c.y = c.targetY;
            c.z = c.targetZ;
            c.moving = c.movingX = c.movingY = c.movingZ = 0;
        }
    }
}

// Every card in exactly one slot, its own fields naming that slot, every pile
// an unbroken run from slot 0, every link pointing at the card just above.
// Checked on the game's own layout, which the win screen leaves as it was.
::testing::AssertionResult TableIsWhole(int game)
{
    const GameLayout& layout = g_layouts[game];
    int seen[CARD_COUNT] = {};
    for (int p = 0; p < layout.pileCount; ++p) {
        bool gap = false;
        for (int s = 0; s < SLOTS_PER_PILE; ++s) {
            const int32_t card = layout.piles[p].slots[s].card;
            if (card == -1) {
                gap = true;
                continue;
            }
            if (gap) {
                return ::testing::AssertionFailure() << "pile " << p << " has card " << card << " above a gap at slot " << s;
            }
            if (card < 0 || card >= CARD_COUNT) {
                return ::testing::AssertionFailure() << "pile " << p << " slot " << s << " holds " << card;
            }
            if (++seen[card] > 1) {
                return ::testing::AssertionFailure() << "card " << card << " lies twice";
            }
            if (g_cards[card].pile != p || g_cards[card].slot != s) {
                return ::testing::AssertionFailure() << "card " << card << " in pile " << p << " slot " << s
                                                     << " says pile " << g_cards[card].pile << " slot " << g_cards[card].slot;
            }
        }
    }
    for (int card = 0; card < CARD_COUNT; ++card) {
        if (seen[card] != 1) {
            return ::testing::AssertionFailure() << "card " << card << " lies nowhere";
        }
        const int32_t above = g_cards[card].above;
        if (above != -1 && (g_cards[above].pile != g_cards[card].pile || g_cards[above].slot != g_cards[card].slot + 1)) {
            return ::testing::AssertionFailure() << "card " << card << " links to " << above << ", which does not lie on it";
        }
    }
    return ::testing::AssertionSuccess();
}

class Player {
public:
    explicit Player(uint64_t seed) : rng_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    float Between(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    // Moves the held card where a drag would leave it: mostly inside some
    // pile's drop area, otherwise anywhere over the table.
    void DragHeldCard()
    {
        Card& held = g_cards[g_heldCard];
        const GameLayout& layout = CurrentLayout();
        if (layout.pileCount > 1 && Chance(0.75)) {
            const int p = 1 + Below(layout.pileCount - 1);
            const Pile& pile = layout.piles[p];
            const int top = TopSlot(p) < 0 ? 0 : TopSlot(p);
            held.x = pile.slots[0].x + Between(-0.95f, 1.95f);
            held.y = Between(pile.slots[top].y - 2.95f, pile.slots[0].y + 0.95f);
        } else {
            held.x = Between(-16.0f, 16.0f);
            held.y = Between(-11.0f, 11.0f);
        }
    }

    // Presses a top card that goes home and holds it over its place, as a
    // player would: onto a foundation, or in Scorpion onto the next card of
    // its suit; false when no card fits.
    bool PressCardGoingHome()
    {
        const GameLayout& layout = CurrentLayout();
        const int homeKind = layout.liftAnyStack ? PILE_TABLEAU_SUIT : PILE_FOUNDATION;
        for (int from = 1; from < layout.pileCount; ++from) {
            const int32_t card = TopCard(from);
            if (card == -1 || layout.piles[from].kind == PILE_FOUNDATION) {
                continue;
            }
            for (int to = 1; to < layout.pileCount; ++to) {
                const int32_t top = TopCard(to);
                const bool fits = layout.liftAnyStack ? top != -1 && card % 13 != 12 && top == card + 1
                                  : top == -1    ? card % 13 == 0
                                                 : top % 13 != 12 && card == top + 1;
                if (layout.piles[to].kind != homeKind || !fits) {
                    continue;
                }
                g_pressPending = 1;
                HandlePick(card);
                if (g_holding && g_heldCard == card) {
                    g_cards[card].x = layout.piles[to].slots[0].x + 0.5f;
                    g_cards[card].y = layout.piles[to].slots[std::max(0, TopSlot(to))].y;
                }
                return true;
            }
        }
        return false;
    }

    // Rebuilds the dealt table as a game close to its end, so that random
    // play also wins: the low cards of each suit are home (on a foundation,
    // or in Scorpion a column from the king down), the rest lie face up on
    // the tableau in random order.
    void RigNearlyWon(int game)
    {
        GameLayout& layout = CurrentLayout();
        for (int p = 0; p < layout.pileCount; ++p) {
            for (PileSlot& slot : layout.piles[p].slots) {
                slot.card = -1;
            }
        }
        const bool scorpion = game == GAME_SCORPION;
        const int firstFoundation = game == GAME_FREECELL ? 11 : game == GAME_BAKERS_DOZEN ? 16 : 10;
        const int tableauCount = game == GAME_FREECELL ? 8 : game == GAME_BAKERS_DOZEN ? 13 : 7;
        int loose[CARD_COUNT];
        int looseCount = 0;
        for (int suit = 0; suit < 4; ++suit) {
            // Cards of the suit still out; in Scorpion only the ace, as stacks
            // lift with everything on them and would rarely come apart in order.
            const int left = scorpion ? 1 : 1 + Below(3);
            for (int rank = 0; rank < 13; ++rank) {
                const int card = suit * 13 + (scorpion ? 12 - rank : rank);
                if (rank < 13 - left) {
                    PutCard(card, scorpion ? 3 + suit : firstFoundation + suit);
                } else {
                    loose[looseCount++] = card;
                }
            }
        }
        std::shuffle(loose, loose + looseCount, rng_);
        for (int i = 0; i < looseCount; ++i) {
            const int pile = scorpion ? 7 + Below(3) : 3 + Below(tableauCount);
            PutCard(loose[i], pile);
        }
        if (scorpion) {
            for (int p = 3; p <= 9; ++p) {
                LinkPile(p);
            }
        }
    }

private:
    std::mt19937_64 rng_;
};

}  // namespace

TEST_F(Soak, RandomPlayKeepsEveryCardInOnePlace)
{
    std::printf("soak: %" PRId64 " actions, seed %" PRIu64 "\n", g_soakActions, g_soakSeed);
    Player player(g_soakSeed);
    int64_t done = 0;
    int64_t deals = 0;
    int64_t wins[MODE_WIN] = {};
    int64_t moves = 0;
    int64_t clock = 1700000000 + static_cast<int64_t>(g_soakSeed % 100000);
    const auto start = std::chrono::steady_clock::now();
    for (int game = GAME_KLONDIKE; done < g_soakActions; game = game % GAME_BAKERS_DOZEN + 1) {
        clock += 1 + player.Below(5000);
        HeadlessSetTime(clock);
        g_headless.sounds.clear();  // the headless record keeps every tick
        g_gameMode = game;
        DealNewGame();
        ++deals;
        if (player.Chance(0.1)) {
            player.RigNearlyWon(game);
        }
        FinishAnimations();
        ASSERT_TRUE(TableIsWhole(game)) << "after deal " << deals << " of game " << game;
        int32_t lastMoves = g_moveCount;
        bool heldOverHome = false;
        const int steps = 1 + player.Below(ACTIONS_PER_DEAL_MAX);
        for (int step = 0; step < steps && done < g_soakActions && g_gameMode == game; ++step, ++done) {
            if (player.Chance(0.8)) {
                FinishAnimations();  // most actions wait until the cards have settled
            }
            if (g_holding) {
                if (!heldOverHome) {
                    player.DragHeldCard();
                }
                heldOverHome = false;
                DropHeldCards();
                EXPECT_EQ(g_holding, 0);
            } else if (player.Chance(0.3) && player.PressCardGoingHome()) {
                heldOverHome = g_holding != 0;
            } else if (player.Chance(0.85)) {
                g_pressPending = 1;
                HandlePick(player.Below(CARD_COUNT));
            } else {
                DropHeldCards();  // a click that lifted nothing
            }
            ASSERT_TRUE(TableIsWhole(game)) << "game " << game << ", deal " << deals << ", step " << step;
            ASSERT_GE(g_moveCount, lastMoves);
            lastMoves = g_moveCount;
        }
        moves += g_moveCount;
        wins[game] += g_gameMode == MODE_WIN ? 1 : 0;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("soak: %" PRId64 " actions in %" PRId64 " deals, %" PRId64 " moves, %.2f s; wins by game 1..5:", done,
                deals, moves, seconds);
    for (int game = GAME_KLONDIKE; game <= GAME_BAKERS_DOZEN; ++game) {
        std::printf(" %" PRId64, wins[game]);
    }
    std::printf("\n");
}

int main(int argc, char** argv)
{
    g_soakSeed = std::random_device()();
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--actions=", 10) == 0) {
            g_soakActions = std::strtoll(argv[i] + 10, nullptr, 10);
        } else if (std::strncmp(argv[i], "--seed=", 7) == 0) {
            g_soakSeed = std::strtoull(argv[i] + 7, nullptr, 10);
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
