#include "support/table_setup.h"

#include "game/layouts.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"

void StartLayout(int32_t game)
{
    g_gameMode = game;
    switch (game) {
    case GAME_KLONDIKE: SetUpKlondike(); break;
    case GAME_FREECELL: SetUpFreecell(); break;
    case GAME_SCORPION: SetUpScorpion(); break;
    case GAME_MOUNT_SUNFLOWER: SetUpMountSunflower(); break;
    case GAME_BAKERS_DOZEN: SetUpBakersDozen(); break;
    default: break;
    }
}

void PutCard(int32_t card, int32_t pile, bool faceUp)
{
    const int32_t slot = CardCount(pile);
    PileSlot& place = CurrentLayout().piles[pile].slots[slot];
    place.card = card;
    Card& c = g_cards[card];
    c.pile = pile;
    c.slot = slot;
    c.x = c.targetX = place.x;
    c.y = c.targetY = place.y;
    c.z = c.targetZ = place.z;
    c.rotY = c.targetRotY = faceUp ? 360.0f : 180.0f;
    c.above = -1;
}

void PutCards(int32_t pile, std::initializer_list<int32_t> cards, bool faceUp)
{
    for (const int32_t card : cards) {
        PutCard(card, pile, faceUp);
    }
}

void LinkPile(int32_t pile)
{
    const Pile& p = CurrentLayout().piles[pile];
    for (int32_t slot = 1; slot < CardCount(pile); ++slot) {
        LinkToCardBelow(p.slots[slot].card);
    }
}

void Press(int32_t card)
{
    g_pressPending = 1;
    HandlePick(card);
}

void ReleaseAt(float x, float y)
{
    g_cards[g_heldCard].x = x;
    g_cards[g_heldCard].y = y;
    DropHeldCards();
}

void ReleaseOver(int32_t pile)
{
    const Pile& p = CurrentLayout().piles[pile];
    const int32_t top = TopSlot(pile) < 0 ? 0 : TopSlot(pile);
    ReleaseAt(p.slots[0].x + 0.5f, p.slots[top].y);
}

void Drag(int32_t card, int32_t pile)
{
    Press(card);
    ReleaseOver(pile);
}

int32_t FaceUpCount(int32_t pile)
{
    int32_t count = 0;
    for (int32_t slot = 0; slot < CardCount(pile); ++slot) {
        const Card& c = g_cards[CurrentLayout().piles[pile].slots[slot].card];
        // A card dealt face up is still turning: it ends at targetRotY.
        const float restY = c.flipping ? c.targetRotY : c.rotY;
        count += (restY > 175.0f && restY < 185.0f) ? 0 : 1;
    }
    return count;
}
