#include "game/layouts.h"

#include <cstddef>

#include "game/table.h"
#include "store/stats_store.h"

namespace {

// One pile of a layout as the set-up writes it. x, y, z place slot 0; each
// further slot lies g_stackStepZ nearer the eye and `fanY` lower (0: stacked).
struct PileRow {
    int32_t pile;
    int32_t kind;
    float x, y, z;
    float fanY;
    int32_t dealCount;
    int32_t dealFaceRule;
    int32_t markerIndex;
    uint8_t canLift;
};

constexpr float DECK_Z = -10.0f;   // the deck lies 14.99 units nearer the eye than the table
constexpr float TABLE_Z = -24.99f;
constexpr float AWAY = 50.0f;      // unused entries lie off the visible table
constexpr float FAN = -g_fanStepY;

// Marker pictures: 2 an ordinary place, 3 a foundation, 0 nothing.
constexpr int32_t PLACE = 2;
constexpr int32_t HOME = 3;

constexpr PileRow DECK = {0, PILE_NO_DROP, -4.0f, -3.0f, DECK_Z, 0.0f, 0, DEAL_FACE_DOWN, 0, 0};
#define UNUSED(p) {p, PILE_NONE, AWAY, AWAY, AWAY, 0.0f, 0, 0, 0, 0}

// pile  kind                     x      y      z        fan   deal  face rule            marker  lift
constexpr PileRow KLONDIKE[] = {
    DECK,
    {1,  PILE_NO_DROP,            -9.0f, 6.5f,  TABLE_Z, 0.0f, 24,   DEAL_FACE_DOWN,      PLACE,  1},  // stock
    {2,  PILE_NO_DROP,            -6.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_FACE_DOWN,      PLACE,  1},  // waste
    {3,  PILE_TABLEAU_ALTERNATE,  -8.0f, 3.0f,  TABLE_Z, FAN,  1,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {4,  PILE_TABLEAU_ALTERNATE,  -5.0f, 3.0f,  TABLE_Z, FAN,  2,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {5,  PILE_TABLEAU_ALTERNATE,  -2.0f, 3.0f,  TABLE_Z, FAN,  3,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {6,  PILE_TABLEAU_ALTERNATE,   1.0f, 3.0f,  TABLE_Z, FAN,  4,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {7,  PILE_TABLEAU_ALTERNATE,   4.0f, 3.0f,  TABLE_Z, FAN,  5,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {8,  PILE_TABLEAU_ALTERNATE,   7.0f, 3.0f,  TABLE_Z, FAN,  6,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {9,  PILE_TABLEAU_ALTERNATE,  10.0f, 3.0f,  TABLE_Z, FAN,  7,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {10, PILE_FOUNDATION,         -1.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {11, PILE_FOUNDATION,          2.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {12, PILE_FOUNDATION,          5.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {13, PILE_FOUNDATION,          8.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
};

constexpr PileRow FREECELL[] = {
    DECK,
    UNUSED(1),
    UNUSED(2),
    {3,  PILE_TABLEAU_ALTERNATE, -11.0f, 3.0f,  TABLE_Z, FAN,  7,    DEAL_FACE_UP,        PLACE,  1},
    {4,  PILE_TABLEAU_ALTERNATE,  -8.0f, 3.0f,  TABLE_Z, FAN,  7,    DEAL_FACE_UP,        PLACE,  1},
    {5,  PILE_TABLEAU_ALTERNATE,  -5.0f, 3.0f,  TABLE_Z, FAN,  7,    DEAL_FACE_UP,        PLACE,  1},
    {6,  PILE_TABLEAU_ALTERNATE,  -2.0f, 3.0f,  TABLE_Z, FAN,  7,    DEAL_FACE_UP,        PLACE,  1},
    {7,  PILE_TABLEAU_ALTERNATE,   1.0f, 3.0f,  TABLE_Z, FAN,  6,    DEAL_FACE_UP,        PLACE,  1},
    {8,  PILE_TABLEAU_ALTERNATE,   4.0f, 3.0f,  TABLE_Z, FAN,  6,    DEAL_FACE_UP,        PLACE,  1},
    {9,  PILE_TABLEAU_ALTERNATE,   7.0f, 3.0f,  TABLE_Z, FAN,  6,    DEAL_FACE_UP,        PLACE,  1},
    {10, PILE_TABLEAU_ALTERNATE,  10.0f, 3.0f,  TABLE_Z, FAN,  6,    DEAL_FACE_UP,        PLACE,  1},
    {11, PILE_FOUNDATION,          1.5f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {12, PILE_FOUNDATION,          4.5f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {13, PILE_FOUNDATION,          7.5f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {14, PILE_FOUNDATION,         10.5f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {15, PILE_FREE_CELL,         -11.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {16, PILE_FREE_CELL,          -8.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {17, PILE_FREE_CELL,          -5.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {18, PILE_FREE_CELL,          -2.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    PLACE,  1},
};

// Pile 10 lies inside pileCount but is never written: it keeps its start-up state.
constexpr PileRow SCORPION[] = {
    DECK,
    {1,  PILE_NO_DROP,            -9.0f, 6.5f,  TABLE_Z, 0.0f, 3,    DEAL_FACE_DOWN,      PLACE,  1},  // stock
    UNUSED(2),
    {3,  PILE_TABLEAU_SUIT,       -8.0f, 2.0f,  TABLE_Z, FAN,  7,    DEAL_LAST4_FACE_UP,  PLACE,  1},
    {4,  PILE_TABLEAU_SUIT,       -5.0f, 2.0f,  TABLE_Z, FAN,  7,    DEAL_LAST4_FACE_UP,  PLACE,  1},
    {5,  PILE_TABLEAU_SUIT,       -2.0f, 2.0f,  TABLE_Z, FAN,  7,    DEAL_LAST4_FACE_UP,  PLACE,  1},
    {6,  PILE_TABLEAU_SUIT,        1.0f, 2.0f,  TABLE_Z, FAN,  7,    DEAL_LAST4_FACE_UP,  PLACE,  1},
    {7,  PILE_TABLEAU_SUIT,        4.0f, 2.0f,  TABLE_Z, FAN,  7,    DEAL_FACE_UP,        PLACE,  1},
    {8,  PILE_TABLEAU_SUIT,        7.0f, 2.0f,  TABLE_Z, FAN,  7,    DEAL_FACE_UP,        PLACE,  1},
    {9,  PILE_TABLEAU_SUIT,       10.0f, 2.0f,  TABLE_Z, FAN,  7,    DEAL_FACE_UP,        PLACE,  1},
};

// Pile 14 lies inside pileCount but is never written: it keeps its start-up state.
constexpr PileRow MOUNT_SUNFLOWER[] = {
    DECK,
    {1,  PILE_NO_DROP,            -9.0f, 6.5f,  TABLE_Z, 0.0f, 24,   DEAL_FACE_DOWN,      PLACE,  1},  // stock
    UNUSED(2),
    {3,  PILE_TABLEAU_RANK,       -8.0f, 3.0f,  TABLE_Z, FAN,  4,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {4,  PILE_TABLEAU_RANK,       -5.0f, 3.0f,  TABLE_Z, FAN,  4,    DEAL_LAST2_FACE_UP,  PLACE,  1},
    {5,  PILE_TABLEAU_RANK,       -2.0f, 3.0f,  TABLE_Z, FAN,  4,    DEAL_LAST3_FACE_UP,  PLACE,  1},
    {6,  PILE_TABLEAU_RANK,        1.0f, 3.0f,  TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {7,  PILE_TABLEAU_RANK,        4.0f, 3.0f,  TABLE_Z, FAN,  4,    DEAL_LAST3_FACE_UP,  PLACE,  1},
    {8,  PILE_TABLEAU_RANK,        7.0f, 3.0f,  TABLE_Z, FAN,  4,    DEAL_LAST2_FACE_UP,  PLACE,  1},
    {9,  PILE_TABLEAU_RANK,       10.0f, 3.0f,  TABLE_Z, FAN,  4,    DEAL_TOP_FACE_UP,    PLACE,  1},
    {10, PILE_FOUNDATION,         -1.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {11, PILE_FOUNDATION,          2.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {12, PILE_FOUNDATION,          5.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {13, PILE_FOUNDATION,          8.0f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
};

// Thirteen tableau piles in two rows, the foundations in a column at the right.
constexpr PileRow BAKERS_DOZEN[] = {
    DECK,
    UNUSED(1),
    UNUSED(2),
    {3,  PILE_TABLEAU_RANK,      -11.0f, 7.0f,  TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {4,  PILE_TABLEAU_RANK,       -8.0f, 7.0f,  TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {5,  PILE_TABLEAU_RANK,       -5.0f, 7.0f,  TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {6,  PILE_TABLEAU_RANK,       -2.0f, 7.0f,  TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {7,  PILE_TABLEAU_RANK,        1.0f, 7.0f,  TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {8,  PILE_TABLEAU_RANK,        4.0f, 7.0f,  TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {9,  PILE_TABLEAU_RANK,        7.0f, 7.0f,  TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {10, PILE_TABLEAU_RANK,       -9.5f, -2.0f, TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {11, PILE_TABLEAU_RANK,       -6.5f, -2.0f, TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {12, PILE_TABLEAU_RANK,       -3.5f, -2.0f, TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {13, PILE_TABLEAU_RANK,       -0.5f, -2.0f, TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {14, PILE_TABLEAU_RANK,        2.5f, -2.0f, TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {15, PILE_TABLEAU_RANK,        5.5f, -2.0f, TABLE_Z, FAN,  4,    DEAL_FACE_UP,        PLACE,  1},
    {16, PILE_FOUNDATION,         10.5f, 6.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {17, PILE_FOUNDATION,         10.5f, 2.5f,  TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {18, PILE_FOUNDATION,         10.5f, -1.5f, TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
    {19, PILE_FOUNDATION,         10.5f, -5.5f, TABLE_Z, 0.0f, 0,    DEAL_TOP_FACE_UP,    HOME,   0},
};
#undef UNUSED

template <std::size_t N>
constexpr int32_t DealTotal(const PileRow (&rows)[N])
{
    int32_t total = 0;
    for (const PileRow& row : rows) {
        total += row.dealCount;
    }
    return total;
}

template <std::size_t N>
constexpr bool RowsInOrder(const PileRow (&rows)[N], int32_t pileCount)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].pile < 0 || rows[i].pile >= pileCount || (i > 0 && rows[i].pile <= rows[i - 1].pile)) {
            return false;
        }
    }
    return true;
}

static_assert(DealTotal(KLONDIKE) == CARD_COUNT && RowsInOrder(KLONDIKE, 14));
static_assert(DealTotal(FREECELL) == CARD_COUNT && RowsInOrder(FREECELL, 19));
static_assert(DealTotal(SCORPION) == CARD_COUNT && RowsInOrder(SCORPION, 11));
static_assert(DealTotal(MOUNT_SUNFLOWER) == CARD_COUNT && RowsInOrder(MOUNT_SUNFLOWER, 15));
static_assert(DealTotal(BAKERS_DOZEN) == CARD_COUNT && RowsInOrder(BAKERS_DOZEN, 20));

void WritePile(Pile& pile, const PileRow& row)
{
    pile.kind = row.kind;
    for (int k = 0; k < SLOTS_PER_PILE; ++k) {
        PileSlot& slot = pile.slots[k];
        slot.x = row.x;
        slot.y = row.y + static_cast<float>(k) * row.fanY;
        slot.z = row.z + static_cast<float>(k) * g_stackStepZ;
        slot.card = -1;
    }
    pile.dealCount = row.dealCount;
    pile.dealFaceRule = row.dealFaceRule;
    pile.markerIndex = row.markerIndex;
    pile.canLift = row.canLift;
}

template <std::size_t N>
void SetUpLayout(int32_t game, int32_t pileCount, uint8_t liftAnyStack, const PileRow (&rows)[N])
{
    GameLayout& layout = g_layouts[game];
    layout.pileCount = pileCount;
    layout.liftAnyStack = liftAnyStack;
    CountStatsEvent(STATS_GAMES_DEALT);
    for (const PileRow& row : rows) {
        WritePile(layout.piles[row.pile], row);
    }
}

}  // namespace

void SetUpKlondike() { SetUpLayout(GAME_KLONDIKE, 14, 0, KLONDIKE); }
void SetUpFreecell() { SetUpLayout(GAME_FREECELL, 19, 0, FREECELL); }
void SetUpScorpion() { SetUpLayout(GAME_SCORPION, 11, 1, SCORPION); }
void SetUpMountSunflower() { SetUpLayout(GAME_MOUNT_SUNFLOWER, 15, 0, MOUNT_SUNFLOWER); }
void SetUpBakersDozen() { SetUpLayout(GAME_BAKERS_DOZEN, 20, 0, BAKERS_DOZEN); }
