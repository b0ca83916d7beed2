// win_line GAME FIRST_SEED WIDTH HEIGHT [SECONDS_PER_SEED] [SEEDS]
//
// Deals GAME (1..5) as the program does for each seed (the time in seconds)
// from FIRST_SEED on, looks for a winning line with a bounded search that
// plays every move through the rules' own press and release routines, and
// prints the first line it finds as JSON: the pointer presses and releases
// that play it on a canvas of WIDTH x HEIGHT device pixels (origin at the top
// left, as the page hands the pointer over), each found with the scene's own
// pick, and how long the cards take to come to rest after each release.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "game/deal.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/end_of_game.h"
#include "game/table.h"
#include "platform/headless/headless.h"
#include "web/win_review/pointer_pixels.h"
#include "scene/pickables.h"
#include "scene/scene_state.h"
#include "scene/update.h"
#include "support/reset.h"
#include "support/reset_scene.h"

namespace {

using Clock = std::chrono::steady_clock;

// ---- positions of the search ----

struct Position {
    Card cards[CARD_COUNT];
    int32_t slots[PILES_PER_LAYOUT][SLOTS_PER_PILE];
    int32_t gameMode, moveCount;
    uint8_t stockArmed, finished;
};

void Save(Position& s)
{
    std::memcpy(s.cards, g_cards, sizeof s.cards);
    const GameLayout& layout = CurrentLayout();
    for (int p = 0; p < PILES_PER_LAYOUT; ++p) {
        for (int k = 0; k < SLOTS_PER_PILE; ++k) {
            s.slots[p][k] = layout.piles[p].slots[k].card;
        }
    }
    s.gameMode = g_gameMode;
    s.moveCount = g_moveCount;
    s.stockArmed = g_stockEmptyArmed;
    s.finished = g_gameFinished;
}

void Restore(const Position& s)
{
    std::memcpy(g_cards, s.cards, sizeof s.cards);
    g_gameMode = s.gameMode;
    GameLayout& layout = CurrentLayout();
    for (int p = 0; p < PILES_PER_LAYOUT; ++p) {
        for (int k = 0; k < SLOTS_PER_PILE; ++k) {
            layout.piles[p].slots[k].card = s.slots[p][k];
        }
    }
    g_moveCount = s.moveCount;
    g_stockEmptyArmed = s.stockArmed;
    g_gameFinished = s.finished;
    g_winDetected = 0;
    g_holding = 0;
}

// Every flight and turn finished at once, as waiting for the table to rest does.
void Settle()
{
    for (Card& c : g_cards) {
        if (c.moving) {
            c.moving = c.movingX = c.movingY = c.movingZ = 0;
        }
        if (c.flipping) {
            c.rotY = c.targetRotY;
            c.flipping = 0;
        }
        const PileSlot& rest = CurrentLayout().piles[c.pile].slots[c.slot];
        c.x = rest.x;
        c.y = rest.y;
        c.z = rest.z;
    }
}

uint64_t Hash()
{
    uint64_t h = 1469598103934665603ull ^ g_stockEmptyArmed;
    const GameLayout& layout = CurrentLayout();
    for (int p = 0; p < layout.pileCount; ++p) {
        for (int k = 0; k < SLOTS_PER_PILE && layout.piles[p].slots[k].card != -1; ++k) {
            const int32_t card = layout.piles[p].slots[k].card;
            h = (h ^ static_cast<uint64_t>(card * 2 + (IsFaceDown(g_cards[card]) ? 1 : 0) + 1)) * 1099511628211ull;
        }
        h = (h ^ 0xff) * 1099511628211ull;
    }
    return h;
}

bool IsTableau(int32_t kind)
{
    return kind == PILE_TABLEAU_ALTERNATE || kind == PILE_TABLEAU_SUIT || kind == PILE_TABLEAU_RANK;
}

// How promising a position looks: cards home, ordered runs, cards uncovered,
// room to move.
int Score()
{
    int score = 0;
    const GameLayout& layout = CurrentLayout();
    for (int p = 1; p < layout.pileCount; ++p) {
        const Pile& pile = layout.piles[p];
        const int32_t n = CardCount(p);
        if (pile.kind == PILE_FOUNDATION) {
            score += 100 * n;
        } else if (pile.kind == PILE_FREE_CELL) {
            score += n == 0 ? 8 : 0;
        } else if (IsTableau(pile.kind)) {
            score += n == 0 ? 15 : 0;
            bool built = n > 0 && IsKing(pile.slots[0].card);
            for (int32_t k = 0; k < n; ++k) {
                const int32_t card = pile.slots[k].card;
                score -= IsFaceDown(g_cards[card]) ? 30 : 0;
                if (k == 0) {
                    continue;
                }
                const int32_t lower = pile.slots[k - 1].card;
                bool ordered = RankOf(lower) == RankOf(card) + 1;
                if (pile.kind == PILE_TABLEAU_SUIT) {
                    ordered = ordered && SuitOf(lower) == SuitOf(card);
                } else if (pile.kind == PILE_TABLEAU_ALTERNATE) {
                    ordered = ordered && (SuitOf(lower) + SuitOf(card)) % 2 == 1;
                }
                built = built && ordered && !IsFaceDown(g_cards[card]);
                score += ordered ? (built ? 40 : 10) : -5 * (n - k);
            }
        }
    }
    return score;
}

struct Move {
    int32_t card;    // the card pressed; -1 the cloth
    int32_t target;  // the pile it is released over; -1 a release where it was pressed
};

// A press as the pick hands it over; -1 a press on the cloth.
void Press(int32_t card)
{
    g_pressPending = 1;
    if (card >= 0) {
        HandlePick(card);
    } else {
        g_pressPending = 0;
    }
}

// One press and its release, through the rules as the pointer plays them.
void Play(const Move& m)
{
    Press(m.card);
    if (g_holding && m.target >= 0) {
        // The pixel the page will use decides; with none the cards go back.
        const Pixel drop = CachedDropPixel(m.target);
        PointerWorld(drop.x >= 0 ? drop : Pixel{-100 * g_width, 0}, &g_cards[g_heldCard].x, &g_cards[g_heldCard].y);
    }
    DropHeldCards();
}

// The target's own placing test for the held cards, without placing them:
// only moves that pass it are played out.
bool MayPlace(int32_t pile)
{
    const bool single = g_cards[g_heldCard].above == -1;
    g_testAgainstPile = 1;
    switch (CurrentLayout().piles[pile].kind) {
    case PILE_TABLEAU_ALTERNATE: return AlternateColourAccepts(pile);
    case PILE_FOUNDATION: return single && FoundationAccepts(pile);
    case PILE_FREE_CELL: return single && TopCard(pile) == -1;
    case PILE_TABLEAU_SUIT: return SameSuitAccepts(pile);
    case PILE_TABLEAU_RANK: return NextRankAccepts(pile);
    default: return false;
    }
}

struct Search {
    std::unordered_set<uint64_t> seen;
    std::vector<Move> line;
    long nodes = 0;
    Clock::time_point end;

    bool Run(int depth)
    {
        if (++nodes % 256 == 0 && Clock::now() > end) {
            return false;
        }
        if (depth > 600) {
            return false;
        }
        // On the heap: a line can be hundreds of moves deep.
        const std::unique_ptr<Position> saved(new Position);
        Position& here = *saved;
        Save(here);
        struct Child {
            Move move;
            int score;
        };
        std::vector<Child> children;
        const GameLayout& layout = CurrentLayout();
        const int32_t pileCount = layout.pileCount;
        auto tryMove = [&](const Move& m) {
            Restore(here);
            Play(m);
            if (g_gameMode == MODE_WIN) {
                line.push_back(m);
                return true;
            }
            Settle();
            if (seen.insert(Hash()).second) {
                children.push_back({m, Score()});
            }
            return false;
        };
        for (int32_t p = 1; p < pileCount; ++p) {
            for (int32_t k = 0; k < SLOTS_PER_PILE; ++k) {
                Restore(here);
                const int32_t card = CurrentLayout().piles[p].slots[k].card;
                if (card == -1) {
                    break;
                }
                const bool top = k + 1 == SLOTS_PER_PILE || CurrentLayout().piles[p].slots[k + 1].card == -1;
                if (!top && IsFaceDown(g_cards[card])) {
                    continue;
                }
                Press(card);
                if (!g_holding) {
                    // A press on a covered card that lifts nothing is a press on the cloth.
                    if (top && tryMove({card, -1})) {
                        return true;
                    }
                    continue;
                }
                for (int32_t t = 1; t < pileCount; ++t) {
                    if (t != p && MayPlace(t) && tryMove({card, t})) {
                        return true;
                    }
                }
            }
        }
        if (tryMove({-1, -1})) {
            return true;
        }
        std::stable_sort(children.begin(), children.end(),
                         [](const Child& a, const Child& b) { return a.score > b.score; });
        for (const Child& c : children) {
            Restore(here);
            Play(c.move);
            Settle();
            line.push_back(c.move);
            if (Run(depth + 1)) {
                return true;
            }
            line.pop_back();
            if (Clock::now() > end) {
                return false;
            }
        }
        return false;
    }
};

// Runs frames of 16 ms until no card moves or turns; the milliseconds taken.
int RestTime()
{
    int ms = 0;
    for (; ms < 60000; ms += 16) {
        bool resting = true;
        for (const Card& c : g_cards) {
            resting = resting && !c.moving && !c.flipping;
        }
        if (resting) {
            break;
        }
        UpdateFrame(16);
    }
    return ms;
}

void Deal(int32_t game, int64_t seed)
{
    ResetGameState();
    ResetSceneState();
    g_soundOn = 0;
    g_windowWidth = g_width;
    g_windowHeight = g_height;
    HeadlessSetTime(seed);
    g_gameMode = game;
    DealNewGame();
}

// The line replayed from the deal with frames as the page runs them: each
// press at rest, found by the pick, and the time the cards need to rest.
bool PrintLine(int32_t game, int64_t seed, const std::vector<Move>& line)
{
    ResetGameState();
    ResetSceneState();
    g_gameMode = MODE_MAIN_MENU;
    const Pixel button = PixelPicking(MENU_BUTTON_FIRST_NAME + game - 1, MenuButtonPlacement(game - 1),
                                      MENU_BUTTON.halfWidth, MENU_BUTTON.halfHeight);
    Deal(game, seed);
    const int dealMs = RestTime();
    std::printf("{\"game\": %d, \"seed\": %lld, \"width\": %d, \"height\": %d,\n \"menuButton\": [%d, %d], "
                "\"dealMs\": %d,\n \"moves\": [",
                game, static_cast<long long>(seed), g_width, g_height, button.x, button.y, dealMs);
    for (size_t i = 0; i < line.size(); ++i) {
        const Move& m = line[i];
        const Pixel press = m.card >= 0 ? CardPixel(m.card) : ClothPixel();
        Pixel release = press;
        g_pressPending = 1;
        if (m.card >= 0) {
            HandlePick(PickAt(press.x, press.y));
        }
        g_pressPending = 0;
        if (g_holding && m.target >= 0) {
            release = DropPixel(m.target);
        }
        PointerWorld(release, &g_pointerWorldX, &g_pointerWorldY);
        if (g_holding) {
            g_cards[g_heldCard].x = g_pointerWorldX;
            g_cards[g_heldCard].y = g_pointerWorldY;
        }
        if (press.x < 0 || release.x < 0) {
            std::fprintf(stderr, "move %zu: no pixel for card %d (pile %d slot %d) to pile %d\n", i, m.card,
                         m.card >= 0 ? g_cards[m.card].pile : -1, m.card >= 0 ? g_cards[m.card].slot : -1, m.target);
            return false;
        }
        DropHeldCards();
        const int ms = g_gameMode == MODE_WIN ? 0 : RestTime();
        std::printf("%s\n  {\"card\": %d, \"pile\": %d, \"press\": [%d, %d], \"release\": [%d, %d], \"restMs\": %d}",
                    i ? "," : "", m.card, m.target, press.x, press.y, release.x, release.y, ms);
    }
    std::printf("],\n \"won\": %s}\n", g_gameMode == MODE_WIN ? "true" : "false");
    return g_gameMode == MODE_WIN;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: win_line GAME FIRST_SEED WIDTH HEIGHT [SECONDS_PER_SEED] [SEEDS]\n");
        return 2;
    }
    const int32_t game = std::atoi(argv[1]);
    const int64_t first = std::atoll(argv[2]);
    g_width = std::atoi(argv[3]);
    g_height = std::atoi(argv[4]);
    const double seconds = argc > 5 ? std::atof(argv[5]) : 5.0;
    const int seeds = argc > 6 ? std::atoi(argv[6]) : 40;
    if (game < GAME_KLONDIKE || game > GAME_BAKERS_DOZEN || g_width < 64 || g_height < 64) {
        std::fprintf(stderr, "win_line: no such game or canvas\n");
        return 2;
    }
    for (int64_t seed = first; seed < first + seeds; ++seed) {
        Deal(game, seed);
        Settle();
        Search search;
        search.end = Clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
        search.seen.insert(Hash());
        const bool won = search.Run(0);
        std::fprintf(stderr, "game %d seed %lld: %s after %ld positions, %zu moves\n", game,
                     static_cast<long long>(seed), won ? "won" : "not won", search.nodes, search.line.size());
        if (won) {
            return PrintLine(game, seed, search.line) ? 0 : 1;
        }
    }
    return 1;
}
