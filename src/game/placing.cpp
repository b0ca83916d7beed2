#include "game/placing.h"

#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/table.h"
#include "platform/platform.h"

int32_t g_moveCount = 0;
uint8_t g_stockEmptyArmed = 0;
uint8_t g_soundOn = 1;

namespace {

constexpr const char* TICK_SOUND = "tick.wav";

bool IsCardId(int32_t card) { return card >= 0 && card < CARD_COUNT; }

// Moves the held card onto the target, then the cards of its chain one by one,
// bottom first; their links stay, so the stack keeps its order.
void MoveHeldStack(int32_t target)
{
    MoveCardToPile(g_heldCard, target);
    LinkToCardBelow(g_heldCard);
    int32_t card = g_cards[g_heldCard].above;
    for (int guard = 0; IsCardId(card) && guard < CARD_COUNT; ++guard) {
        MoveCardToPile(card, target);
        card = g_cards[card].above;
    }
}

// Applies the target's placing rule; 1 placed, 0 refused (the cards fly back).
int PlaceHeldCards(int32_t target)
{
    const bool single = g_cards[g_heldCard].above == -1;
    switch (CurrentLayout().piles[target].kind) {
    case PILE_TABLEAU_ALTERNATE:
        if (!AlternateColourAccepts(target)) {
            return 0;
        }
        MoveHeldStack(target);
        return 1;
    case PILE_FOUNDATION:
        if (!single || !FoundationAccepts(target)) {
            return 0;
        }
        MoveCardToPile(g_heldCard, target);
        TestFoundationWin();
        return 1;
    case PILE_FREE_CELL:
        if (!single || TopCard(target) != -1) {
            return 0;
        }
        MoveCardToPile(g_heldCard, target);
        return 1;
    case PILE_TABLEAU_SUIT:
        if (!SameSuitAccepts(target)) {
            return 0;
        }
        MoveHeldStack(target);
        if (g_gameMode == GAME_SCORPION) {
            TestScorpionWin();
        }
        return 1;
    case PILE_TABLEAU_RANK:
        if (!NextRankAccepts(target)) {
            return 0;
        }
        MoveHeldStack(target);
        return 1;
    default:
        return 0;  // stocks, the waste, the deck
    }
}

// Only a real stock (pile 1 of Klondike, Scorpion, Mount Sunflower) runs empty.
bool StockIsEmpty()
{
    const GameLayout& layout = CurrentLayout();
    return layout.pileCount > PILE_STOCK && layout.piles[PILE_STOCK].kind == PILE_NO_DROP && layout.piles[PILE_STOCK].slots[0].card == -1;
}

// The whole waste goes back face down, so the stock again holds the cards in
// the order they were first dealt from it.
void TurnWasteOver()
{
    if (StockIsEmpty() && g_stockEmptyArmed && TopCard(PILE_WASTE) != -1) {
        Pile& stock = CurrentLayout().piles[PILE_STOCK];
        Pile& waste = CurrentLayout().piles[PILE_WASTE];
        const int32_t n = CardCount(PILE_WASTE);
        for (int32_t w = 0; w < n; ++w) {
            const int32_t card = waste.slots[w].card;
            const int32_t slot = n - 1 - w;
            Card& c = g_cards[card];
            c.FlyTo(stock.slots[slot].x, stock.slots[slot].y, stock.slots[slot].z);
            // Face down at once; a turn still running from the stock press
            // would otherwise finish face up in the stock.
            c.rotY = 180.0f;
            c.flipping = 0;
            c.targetRotY = c.rotY;
            // Links made while the cards lay in the waste would point down
            // once the order is reversed; stock and waste cards travel alone.
            c.above = -1;
            c.slot = slot;
            c.pile = PILE_STOCK;
            stock.slots[slot].card = card;
            waste.slots[w].card = -1;
        }
        g_stockEmptyArmed = 0;
    }
    if (StockIsEmpty()) {
        g_stockEmptyArmed = 1;
    }
}

}  // namespace

int32_t FindDropPile()
{
    if (!IsCardId(g_heldCard)) {
        return -1;
    }
    const float x = g_cards[g_heldCard].x;
    const float y = g_cards[g_heldCard].y;
    const GameLayout& layout = CurrentLayout();
    for (int32_t p = 1; p < layout.pileCount && p < PILES_PER_LAYOUT; ++p) {
        const Pile& pile = layout.piles[p];
        // Unused entries show nothing on the table; a drop there is a drop on the cloth.
        if (pile.kind == PILE_NONE) {
            continue;
        }
        const int32_t top = TopSlot(p) < 0 ? 0 : TopSlot(p);
        const PileSlot& base = pile.slots[0];
        if (base.x - 1.0f < x && x < base.x + 2.0f && y < base.y + 1.0f && pile.slots[top].y - 3.0f < y) {
            return p;
        }
    }
    return -1;
}

void ReturnHeldCards()
{
    const GameLayout& layout = CurrentLayout();
    int32_t card = g_heldCard;
    for (int guard = 0; IsCardId(card) && guard < CARD_COUNT; ++guard) {
        Card& c = g_cards[card];
        if (c.pile >= 0 && c.pile < PILES_PER_LAYOUT && c.slot >= 0 && c.slot < SLOTS_PER_PILE) {
            const PileSlot& home = layout.piles[c.pile].slots[c.slot];
            c.FlyTo(home.x, home.y, home.z);
        }
        card = c.above;
    }
}

int32_t GetMoveCount() { return g_moveCount; }

void DropHeldCards()
{
    const int32_t target = FindDropPile();
    g_testAgainstPile = 1;
    if (g_holding) {
        if (target == -1) {
            ReturnHeldCards();
        } else {
            ++g_moveCount;  // every drop over a pile, placed or refused
            if (!PlaceHeldCards(target)) {
                ReturnHeldCards();
            }
        }
        if (g_soundOn) {
            SysPlaySoundAsync(TICK_SOUND);
        }
        g_holding = 0;
    } else {
        TurnWasteOver();
    }
    EndOfGameStep();
}
