#pragma once
// The menu bar built from one table of command numbers and texts, and what
// each command does.

#include <cstdint>

#include "game/commands.h"

class QMainWindow;


// Fills the window's menu bar; each item's QAction carries its command number
// and triggers HandleMenuCommand. Both options start checked.
void BuildMenu(QMainWindow* window);
// Carries out one menu command; unknown numbers do nothing.
void HandleMenuCommand(int32_t command);
// Counts one loss of game [1, 5] in its session counter and lifetime record.
void RecordUnfinishedGame(int32_t game);
