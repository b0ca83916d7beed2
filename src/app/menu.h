#pragma once
// The menu bar as one table, and what each command does that is the
// program's own. Each shell builds its menu from the table and hands every
// command to HandleMenuCommand; what needs the window system (a dialog, the
// window's end) comes back as a ShellAction for the shell to carry out.

#include <cstdint>

#include "game/commands.h"

// One row of the menu bar, in order. A row without text is a separator; a
// row with a submenu goes into that submenu of its menu.
struct MenuItem {
    const char* menu;
    const char* submenu;
    const char* text;
    int32_t command;
    uint8_t checkable;  // an option: starts checked, as both options are on at every start
    uint8_t greyed;     // greyed and disabled when the window is made
};

constexpr int MENU_ITEM_COUNT = 11;
extern const MenuItem MENU_ITEMS[MENU_ITEM_COUNT];

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
