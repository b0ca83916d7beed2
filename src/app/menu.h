#pragma once
// What each menu command does that is the program's own. Each shell builds
// its menu from the shared menu table (ui/menu_table.h) and hands every
// command to HandleMenuCommand; what needs the window system (a dialog, the
// window's end) comes back as a ShellAction for the shell to carry out.

#include <cstdint>

#include "ui/menu_table.h"

// What the shell still has to do for a command.
enum ShellAction : int32_t {
    SHELL_NOTHING = 0,      // done, or not a command of the menu
    SHELL_HIGH_SCORES,      // the modal high-score dialog
    SHELL_STATISTICS,       // the modal statistics dialog
    SHELL_ABOUT,            // the modal About box
    SHELL_EXIT,             // destroy the window, then TerminateApplication
};

// Carries out the program's part of a menu command: "&Redeal" and "&Main Menu"
// (a loss for a game left unfinished), the two options, "&Instructions".
ShellAction HandleMenuCommand(int32_t command);
// Counts one loss of game [1, 5] in its session counter and lifetime record.
void RecordUnfinishedGame(int32_t game);
