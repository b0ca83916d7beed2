#pragma once
// Wins: detected by the placement that completes a game, counted at the end of
// the release, then the screen switches to the win sequence.

#include <cstdint>

extern uint8_t g_winDetected;   // the last placement completed the game
extern uint8_t g_gameFinished;  // the current deal has been won and counted
extern int32_t g_winCounted;    // a win of the current deal is counted

// Statistics slot of a game: Klondike 0, Freecell 1, Scorpion 2,
// Mount Sunflower 4, Baker's Dozen 3; -1 for anything that is not a game.
int32_t StatsSlot(int32_t game);
// Foundation win test: g_winDetected = all four foundations topped by kings.
void TestFoundationWin();
// Scorpion win test: every tableau pile empty or one whole suit, king at the bottom.
void TestScorpionWin();
// Counts a detected win and switches to MODE_WIN; run at the end of every release.
void EndOfGameStep();
void MarkWinCounted();
void DisableRedeal();    // greys "&Redeal"
void EnableGameMenu();   // enables "&Redeal", then "&Main Menu"
