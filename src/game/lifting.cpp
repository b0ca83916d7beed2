#include "game/lifting.h"

#include "game/table.h"

uint8_t g_holding = 0;
int32_t g_heldCard = 0;
int32_t g_originPile = 0;
uint8_t g_testAgainstPile = 1;
uint8_t g_pressPending = 0;
uint8_t g_newGameRequested = 0;
int32_t g_previewGame = GAME_KLONDIKE;

namespace {

constexpr int32_t FIRST_TABLEAU = 3;
constexpr int32_t MENU_NAME_BASE = 100;  // names 101..105: the buttons of games 1..5

int32_t CardInSlot(const Pile& pile, int32_t slot)
{
    return slot >= 0 && slot < SLOTS_PER_PILE ? pile.slots[slot].card : -1;
}

// A press on the main menu starts the game of that button; the pointer merely
// resting on it (the menu picks every frame) shows its preview.
void HandleMenuPick(int32_t name)
{
    const int32_t game = name - MENU_NAME_BASE;
    if (game < GAME_KLONDIKE || game > GAME_BAKERS_DOZEN) {
        return;
    }
    if (g_pressPending) {
        g_gameMode = game;
        g_newGameRequested = 1;
        g_pressPending = 0;
    } else {
        g_previewGame = game;
    }
}

// Turns the stock's top card over onto each pile in [first, last] in turn,
// linking it to the card it lands on; stops when the stock runs out.
void DealStockOnto(int32_t first, int32_t last)
{
    for (int32_t pile = first; pile <= last; ++pile) {
        const int32_t card = TopCard(PILE_STOCK);
        if (card == -1) {
            return;
        }
        g_cards[card].TurnOver();
        MoveCardToPile(card, pile);
        LinkToCardBelow(TopCard(pile));
    }
}

void PressStock(int32_t card)
{
    switch (g_gameMode) {
    case GAME_KLONDIKE:
        g_holding = 0;
        g_cards[card].TurnOver();
        MoveCardToPile(card, PILE_WASTE);
        break;
    case GAME_SCORPION: DealStockOnto(FIRST_TABLEAU, FIRST_TABLEAU + 2); break;
    case GAME_MOUNT_SUNFLOWER: DealStockOnto(FIRST_TABLEAU, FIRST_TABLEAU + 6); break;
    default: break;  // no stock
    }
}

}  // namespace

bool CanLift(int32_t card)
{
    if (card < 0 || card >= CARD_COUNT) {
        return false;
    }
    const GameLayout& layout = CurrentLayout();
    const int32_t p = g_cards[card].pile;
    const int32_t s = g_cards[card].slot;
    if (p < 0 || p >= PILES_PER_LAYOUT) {
        return false;
    }
    const Pile& pile = layout.piles[p];
    if (CardInSlot(pile, s + 1) == -1) {
        return pile.canLift != 0;  // the top card: the pile decides
    }
    if (IsFaceDown(g_cards[card]) && p != PILE_DECK && p != PILE_STOCK && p != PILE_WASTE) {
        return false;
    }
    if (layout.liftAnyStack) {
        for (int32_t k = 1; CardInSlot(pile, s + k) != -1; ++k) {
            LinkToCardBelow(pile.slots[s + k].card);
        }
        return true;
    }
    // Each card of the run must fit the one under it by the pile's own rule.
    const int32_t savedHeld = g_heldCard;
    g_testAgainstPile = 0;
    bool isRun = true;
    for (int32_t k = 1; isRun && CardInSlot(pile, s + k) != -1; ++k) {
        const int32_t upper = pile.slots[s + k].card;
        LinkToCardBelow(upper);
        g_heldCard = upper;
        isRun = FollowsInRun(pile.slots[s + k - 1].card);
    }
    g_testAgainstPile = 1;
    g_heldCard = savedHeld;
    return isRun;
}

void HandlePick(int32_t name)
{
    if (name > MENU_NAME_BASE) {
        HandleMenuPick(name);
        return;
    }
    g_pressPending = 0;
    if (name < 0 || name >= CARD_COUNT) {
        return;  // the menu's backdrop or nothing at all
    }
    Card& card = g_cards[name];
    g_originPile = card.pile;
    if (!CanLift(name)) {
        return;
    }
    if (card.pile == PILE_STOCK) {
        PressStock(name);
        return;
    }
    if (IsFaceDown(card)) {
        card.TurnOver();  // turned face up, not lifted
        return;
    }
    g_holding = 1;
    g_heldCard = name;
    card.z = HELD_Z;
}
