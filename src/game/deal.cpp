#include "game/deal.h"

#include <cmath>

#include "game/end_of_game.h"
#include "game/layouts.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/platform.h"

namespace {

uint32_t g_randomState = RANDOM_START_SEED;

// Whether the deal's face rule turns card number n + 1 of a pile face up, n
// being the cards the pile already holds and `pass` the round of the deal.
bool DealsFaceUp(const Pile& pile, int32_t pass, int32_t n)
{
    const int32_t left = pile.dealCount - n;  // cards still to come, this one included
    switch (pile.dealFaceRule) {
    case DEAL_TOP_FACE_UP: return pass + 1 == pile.dealCount;
    case DEAL_FACE_UP: return true;
    case DEAL_LAST4_FACE_UP: return left <= 4;
    case DEAL_LAST3_FACE_UP: return left <= 3;
    case DEAL_LAST2_FACE_UP: return left <= 2;
    default: return false;
    }
}

// Rejection sampling: redraw until the id is not yet in the order, so every
// permutation is equally likely.
void Shuffle()
{
    for (int32_t& entry : g_dealOrder) {
        entry = -1;
    }
    for (int k = 0; k < CARD_COUNT; ++k) {
        int32_t x = RandomInRange(0, CARD_COUNT - 1);
        for (int j = 0; j < CARD_COUNT; ++j) {
            if (g_dealOrder[j] == x) {
                x = RandomInRange(0, CARD_COUNT - 1);
                j = -1;
            }
        }
        g_dealOrder[k] = x;
    }
}

// Every card face down and at rest on the deck, the first to be dealt on top.
// A turn still running from the previous game is stopped too, or a card dealt
// face down would finish that turn face up.
void StackDeck(const Pile& deck)
{
    for (Card& card : g_cards) {
        card.rotY = 180.0f;
        card.rotX = 0.0f;
        card.rotZ = 0.0f;
        card.flipping = 0;
        card.targetRotY = card.rotY;
    }
    for (int i = 0; i < CARD_COUNT; ++i) {
        Card& card = g_cards[g_dealOrder[CARD_COUNT - 1 - i]];
        card.x = deck.slots[i].x;
        card.y = deck.slots[i].y;
        card.z = deck.slots[i].z;
        card.pile = 0;
        card.slot = i;
        card.above = -1;
    }
}

bool SetUpCurrentGame()
{
    switch (g_gameMode) {
    case GAME_KLONDIKE: SetUpKlondike(); return true;
    case GAME_FREECELL: SetUpFreecell(); return true;
    case GAME_SCORPION: SetUpScorpion(); return true;
    case GAME_MOUNT_SUNFLOWER: SetUpMountSunflower(); return true;
    case GAME_BAKERS_DOZEN: SetUpBakersDozen(); return true;
    default: return false;
    }
}

}  // namespace

void SeedRandom(uint32_t seed) { g_randomState = seed; }

int32_t NextRandom()
{
    g_randomState = g_randomState * 214013u + 2531011u;
    return static_cast<int32_t>((g_randomState >> 16) & 32767u);
}

int32_t RandomInRange(int32_t lo, int32_t hi)
{
    const double r = NextRandom();
    const double span = static_cast<double>(hi) - lo + 1.0;
    return lo + static_cast<int32_t>(std::floor(r * span / 32768.0));
}

void DealNewGame()
{
    // A release after a won game can leave the win screen as the game to deal.
    if (g_gameMode == MODE_WIN) {
        g_gameMode = GAME_KLONDIKE;
    }
    // The main menu has no layout to deal; leave it alone rather than fail the
    // layout check below.
    if (g_gameMode < GAME_KLONDIKE || g_gameMode > GAME_BAKERS_DOZEN) {
        return;
    }
    EnableGameMenu();
    g_moveCount = 0;
    g_winDetected = 0;
    g_gameFinished = 0;
    // Armed by the previous game's empty stock, it would turn this game's
    // waste over at the first release that empties the stock.
    g_stockEmptyArmed = 0;
    // Every card goes back to the deck: nothing stays in the pointer's hand.
    // (A card still held would otherwise be dropped out of the middle of its
    // new pile at the next release.)
    g_holding = 0;
    SetUpCurrentGame();
    const GameLayout& layout = CurrentLayout();

    // Seeded with whole seconds, so two deals within one second match.
    SeedRandom(static_cast<uint32_t>(SysTimeSeconds()));
    Shuffle();
    StackDeck(layout.piles[0]);

    int32_t total = 0;
    for (int p = 0; p < layout.pileCount; ++p) {
        total += layout.piles[p].dealCount;
    }
    if (total != CARD_COUNT) {
        SysErrorBox("Error in Rules: Too many cards");
        SysExitProcess(1);
        return;
    }

    // A row at a time across every pile that still needs cards.
    int k = 0;
    for (int pass = 0; pass < CARD_COUNT; ++pass) {
        for (int p = 0; p < layout.pileCount; ++p) {
            const Pile& pile = layout.piles[p];
            if (pile.dealCount <= pass) {
                continue;
            }
            const int32_t card = g_dealOrder[k++];
            if (DealsFaceUp(pile, pass, CardCount(p))) {
                g_cards[card].TurnOver();  // it turns while it flies
            }
            MoveCardToPile(card, p);
            if (layout.liftAnyStack) {
                LinkToCardBelow(card);
            }
        }
    }
}
