#pragma once
#include <cstdint>
struct Card;
// Draws one picture of the current screen (main menu, or table, markers,
// cards and text) and flushes. Needs a current GL context.
void DrawFrame();
void DrawMainMenu();
void DrawTable();
void DrawPileMarker(float x, float y, float z, int32_t markerIndex);
void DrawCards();
void DrawCard(Card card);
void DrawTextOverlay();
