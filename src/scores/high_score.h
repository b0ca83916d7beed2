#pragma once
// Entering a won game's move count into the high-score table.

#include <cstdint>

constexpr int HIGH_SCORE_NAME_SIZE = 30;  // 29 characters and a NUL

extern char g_highScoreName[HIGH_SCORE_NAME_SIZE];  // the name entered last

// 1 when a score of `moves` is lower than at least one of the ten scores, else -1.
int IsHighScore(int32_t moves);
// Asks the player for a name into g_highScoreName (modal); 1 when answered.
// Defined by the name-entry dialog in the program, by the headless platform in tests.
int AskHighScoreName();
// Enters g_moveCount into the table if it qualifies, asking for a name; among
// equal scores the newest ranks first; the old tenth entry drops out.
void CheckHighScore();
