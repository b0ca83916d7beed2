// The three stacking tests of the tableau piles. Each looks the upper card
// (always g_heldCard) up in its AcceptTable: the ids of the cards it may lie
// on. A king's entries are all -1, which is also TopCard of an empty pile, so
// a king, and only a king, goes onto an empty pile and never inside a run.

#include <array>
#include <cstddef>

#include "game/lifting.h"
#include "game/table.h"

namespace {

template <std::size_t N>
using AcceptTable = std::array<std::array<int8_t, N>, CARD_COUNT>;

constexpr int8_t Id(int suit, int rank) { return static_cast<int8_t>(suit * RANKS_PER_SUIT + rank); }

// Rank r + 1 of the two suits of the other colour (suits 0 and 1 share one).
constexpr AcceptTable<2> BuildAlternateColour()
{
    AcceptTable<2> table{};
    for (int card = 0; card < CARD_COUNT; ++card) {
        const int next = RankOf(card) + 1;
        const int firstOther = SuitOf(card) < 2 ? 2 : 0;
        table[card] = IsKing(card) ? std::array<int8_t, 2>{-1, -1}
                                   : std::array<int8_t, 2>{Id(firstOther, next), Id(firstOther + 1, next)};
    }
    return table;
}

// Rank r + 1 of the same suit.
constexpr AcceptTable<1> BuildSameSuit()
{
    AcceptTable<1> table{};
    for (int card = 0; card < CARD_COUNT; ++card) {
        table[card][0] = IsKing(card) ? int8_t{-1} : static_cast<int8_t>(card + 1);
    }
    return table;
}

// Rank r + 1 of any suit.
constexpr AcceptTable<4> BuildNextRank()
{
    AcceptTable<4> table{};
    for (int card = 0; card < CARD_COUNT; ++card) {
        for (int suit = 0; suit < 4; ++suit) {
            table[card][suit] = IsKing(card) ? int8_t{-1} : Id(suit, RankOf(card) + 1);
        }
    }
    return table;
}

constexpr AcceptTable<2> ALTERNATE_COLOUR = BuildAlternateColour();
constexpr AcceptTable<1> SAME_SUIT = BuildSameSuit();
constexpr AcceptTable<4> NEXT_RANK = BuildNextRank();

// Spot checks of the rules the tables must encode.
static_assert(ALTERNATE_COLOUR[0][0] == 27 && ALTERNATE_COLOUR[0][1] == 40);   // ace of suit 0 on the twos of 2, 3
static_assert(ALTERNATE_COLOUR[37][0] == 12 && ALTERNATE_COLOUR[37][1] == 25); // queen of suit 2 on the kings of 0, 1
static_assert(ALTERNATE_COLOUR[51][0] == -1 && ALTERNATE_COLOUR[51][1] == -1);
static_assert(SAME_SUIT[13][0] == 14 && SAME_SUIT[25][0] == -1);
static_assert(NEXT_RANK[11][0] == 12 && NEXT_RANK[11][3] == 51 && NEXT_RANK[38][2] == -1);

template <std::size_t N>
bool Accepts(const AcceptTable<N>& table, int32_t arg)
{
    const int32_t upper = g_heldCard;
    if (upper < 0 || upper >= CARD_COUNT) {
        return false;
    }
    const int32_t lower = g_testAgainstPile ? TopCard(arg) : arg;
    for (const int8_t entry : table[upper]) {
        if (entry == lower) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool AlternateColourAccepts(int32_t arg) { return Accepts(ALTERNATE_COLOUR, arg); }
bool SameSuitAccepts(int32_t arg) { return Accepts(SAME_SUIT, arg); }
bool NextRankAccepts(int32_t arg) { return Accepts(NEXT_RANK, arg); }

bool FollowsInRun(int32_t lower)
{
    const int32_t pile = g_testAgainstPile ? lower : g_originPile;
    if (pile < 0 || pile >= PILES_PER_LAYOUT) {
        return false;
    }
    switch (CurrentLayout().piles[pile].kind) {
    case PILE_TABLEAU_ALTERNATE: return AlternateColourAccepts(lower);
    case PILE_TABLEAU_SUIT: return SameSuitAccepts(lower);
    case PILE_TABLEAU_RANK: return NextRankAccepts(lower);
    default: return false;  // foundations, free cells, stocks: no runs
    }
}
