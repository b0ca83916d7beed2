#include "game/table.h"

#include "game/lifting.h"

namespace {

bool IsPileIndex(int32_t pile) { return pile >= 0 && pile < PILES_PER_LAYOUT; }
bool IsCardId(int32_t card) { return card >= 0 && card < CARD_COUNT; }

}  // namespace

Card g_cards[CARD_COUNT];
// Until the first deal the cards animate in id order, one suit per row.
int32_t g_dealOrder[CARD_COUNT] = {
     0,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12,
    13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
    26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38,
    39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51,
};
GameLayout g_layouts[LAYOUT_COUNT];
int32_t g_gameMode = MODE_MAIN_MENU;

void Card::FlyTo(float toX, float toY, float toZ)
{
    moving = movingX = movingY = movingZ = 1;
    targetX = toX;
    targetY = toY;
    targetZ = toZ;
}

void Card::TurnOver()
{
    targetRotY = rotY + 180.0f;
    flipping = 1;
}

bool IsFaceDown(const Card& card) { return card.rotY > 175.0f && card.rotY < 185.0f; }

GameLayout& CurrentLayout()
{
    // Modes without a layout of their own read entry 0, which is never filled.
    const bool inRange = g_gameMode >= 0 && g_gameMode < LAYOUT_COUNT;
    return g_layouts[inRange ? g_gameMode : MODE_MAIN_MENU];
}

int32_t CardCount(int32_t pile)
{
    if (!IsPileIndex(pile)) {
        return 0;
    }
    const Pile& p = CurrentLayout().piles[pile];
    int32_t count = 0;
    while (count < SLOTS_PER_PILE && p.slots[count].card != -1) {
        ++count;
    }
    return count;
}

// The occupied slots run unbroken from slot 0, so the top is the last one
// before the first empty slot (also while a run is being moved card by card).
int32_t TopSlot(int32_t pile) { return CardCount(pile) - 1; }

int32_t TopCard(int32_t pile)
{
    const int32_t top = TopSlot(pile);
    return top < 0 ? -1 : CurrentLayout().piles[pile].slots[top].card;
}

void MoveCardToPile(int32_t card, int32_t pile)
{
    if (!IsCardId(card) || !IsPileIndex(pile)) {
        return;
    }
    GameLayout& layout = CurrentLayout();
    Card& moved = g_cards[card];
    if (IsPileIndex(moved.pile) && moved.slot >= 0 && moved.slot < SLOTS_PER_PILE) {
        Pile& old = layout.piles[moved.pile];
        if (old.slots[moved.slot].card == card) {
            old.slots[moved.slot].card = -1;
        }
        if (moved.slot >= 1) {
            const int32_t below = old.slots[moved.slot - 1].card;
            if (IsCardId(below)) {
                g_cards[below].above = -1;
            }
        }
    }
    const int32_t slot = TopSlot(pile) + 1;
    if (slot >= SLOTS_PER_PILE) {
        return;  // cannot happen with 52 cards: the card left its own slot first
    }
    PileSlot& target = layout.piles[pile].slots[slot];
    moved.pile = pile;
    moved.slot = slot;
    target.card = card;
    moved.FlyTo(target.x, target.y, target.z);
}

void LinkToCardBelow(int32_t card)
{
    if (!IsCardId(card)) {
        return;
    }
    const Card& upper = g_cards[card];
    if (upper.slot <= 0 || upper.slot >= SLOTS_PER_PILE || !IsPileIndex(upper.pile)) {
        return;
    }
    const int32_t below = CurrentLayout().piles[upper.pile].slots[upper.slot - 1].card;
    if (IsCardId(below)) {
        g_cards[below].above = card;
    }
}

bool FoundationAccepts(int32_t pile)
{
    const int32_t held = g_heldCard;
    if (!IsCardId(held)) {
        return false;
    }
    const int32_t top = TopCard(pile);
    if (top == -1) {
        return IsAce(held);
    }
    return !IsKing(top) && held == top + 1;
}
