#pragma once
// Building positions for the rules tests: lay out a game's empty table, put
// chosen cards straight into piles, and drag a card onto a pile the way the
// pointer would.

#include <cstdint>
#include <initializer_list>

// Makes `game` [1, 5] current and runs its set-up routine: every pile empty,
// every card still in its start-up state.
void StartLayout(int32_t game);
// Puts the card on top of the pile at rest in its slot, face up or down, with
// no link and no flight.
void PutCard(int32_t card, int32_t pile, bool faceUp = true);
// PutCard for each card in order, bottom first.
void PutCards(int32_t pile, std::initializer_list<int32_t> cards, bool faceUp = true);
// Links every card of the pile to the card it lies on, as a deal of Scorpion does.
void LinkPile(int32_t pile);
// Presses the card (a press, not a hover) as the picking would hand it over.
void Press(int32_t card);
// Moves the held card over the pile's top card and releases it there.
void ReleaseOver(int32_t pile);
// Moves the held card to (x, y) in table units and releases it there.
void ReleaseAt(float x, float y);
// Press, then release over the pile.
void Drag(int32_t card, int32_t pile);
// Cards of the pile that count as face up.
int32_t FaceUpCount(int32_t pile);
