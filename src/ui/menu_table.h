#pragma once
// The menu bar as one table: every shell builds its menu from it (the Qt
// shell at run time, the Windows shell's .rc at build time, the web page from
// its JSON), and the core greys "&Redeal" and "&Main Menu" from its first
// states. Plain records, so another language can walk them.

#include <cstdint>

#include "ui/ids.h"

// One row of the menu bar, in order. A row without text is a separator; a
// row with a submenu goes into that submenu of its menu.
struct MenuItem {
    const char* menu;
    const char* submenu;  // nullptr: straight in the menu
    const char* text;     // nullptr: a separator; '&' marks the mnemonic
    int32_t command;
    uint8_t checkable;    // an option: starts checked, as both options are on at every start
    uint8_t greyed;       // greyed and disabled when the window is made
};

constexpr int MENU_ITEM_COUNT = 11;
extern const MenuItem MENU_ITEMS[MENU_ITEM_COUNT];

// The instructions page beside the program, which "&Instructions" opens.
constexpr const char* INSTRUCTIONS_PAGE = "instructions.htm";
