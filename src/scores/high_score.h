#pragma once
// Entering a won game's move count into the high-score table.

#include <cstdint>

#include "store/score_tables.h"

// 1 when a score of `moves` is lower than at least one of the ten scores, else -1.
int IsHighScore(int32_t moves);
// Asks the player for a name (the platform's modal question) and takes it
// into g_highScoreName, cut to 29 characters; 1 when answered.
int AskHighScoreName();
// Enters g_moveCount into the table if it qualifies, asking for a name; among
// equal scores the newest ranks first; the old tenth entry drops out.
void CheckHighScore();
