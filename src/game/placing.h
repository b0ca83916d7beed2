#pragma once
// What a release does: place the held cards by the target pile's rule or send
// them back, count the move, play the tick; with nothing held, turn the
// Klondike waste back into the stock once the stock has run out.

#include <cstdint>

extern int32_t g_moveCount;        // drops over a pile this deal
extern uint8_t g_stockEmptyArmed;  // a release has seen the stock empty
extern uint8_t g_soundOn;          // the "Sound On" option

// Called once per left-button release, in every screen mode.
void DropHeldCards();
// Pile under the held card (lowest pile number wins), -1 for none.
int32_t FindDropPile();
// Every held card flies back to its own slot.
void ReturnHeldCards();
// The move count of the current deal.
int32_t GetMoveCount();
