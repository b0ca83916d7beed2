#pragma once
// The menu bar built from one table of command numbers and texts, and what
// each command does.

#include <cstdint>

class QMainWindow;

enum MenuCommand : int32_t {
    COMMAND_ABOUT = 104,
    COMMAND_EXIT = 105,
    COMMAND_MAIN_MENU_ITEM = 32773,  // same number as COMMAND_MAIN_MENU of the rules
    COMMAND_STATISTICS = 32774,
    COMMAND_REDEAL_ITEM = 32776,     // same number as COMMAND_REDEAL of the rules
    COMMAND_SOUND_ON = 32777,
    COMMAND_ALTERNATE_BACKGROUNDS = 32778,
    COMMAND_HIGH_SCORES = 32779,
    COMMAND_INSTRUCTIONS = 32783,
};

// Fills the window's menu bar; each item's QAction carries its command number
// and triggers HandleMenuCommand. Both options start checked.
void BuildMenu(QMainWindow* window);
// Carries out one menu command; unknown numbers do nothing.
void HandleMenuCommand(int32_t command);
// Counts one loss of game [1, 5] in its session counter and lifetime record.
void RecordUnfinishedGame(int32_t game);
