#pragma once
// What a press does: picks on main-menu buttons, deals from a stock, turns a
// face-down card, or lifts a card with the cards lying on it. Also the three
// table-driven stacking tests shared with the placing rules.

#include <cstdint>

extern uint8_t g_holding;          // 1 while cards are held by the pointer
extern int32_t g_heldCard;         // lowest card of the held stack
extern int32_t g_originPile;       // pile of the card last pressed
extern uint8_t g_testAgainstPile;  // 1: stacking tests take a pile; 0: a card id
extern uint8_t g_pressPending;     // 1 from a press until the press is used
extern uint8_t g_newGameRequested; // 1: the next frame deals a new game first
extern int32_t g_previewGame;      // game 1..5 whose preview the main menu shows

// Handles the selection name of the nearest hit: 0..51 a card, 101..105 the
// main-menu button of game 1..5 (a press starts it, hovering previews it).
void HandlePick(int32_t name);
// May card c be lifted; on success the chain from c upward is linked.
bool CanLift(int32_t card);
// The origin pile's stacking rule applied to g_heldCard lying on `lower`.
bool FollowsInRun(int32_t lower);
// The stacking tests: g_heldCard is the upper card; `arg` is a pile whose top
// card is the lower card when g_testAgainstPile is 1, else the lower card id.
bool AlternateColourAccepts(int32_t arg);
bool SameSuitAccepts(int32_t arg);
bool NextRankAccepts(int32_t arg);
