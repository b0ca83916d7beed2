#include "ui/menu_table.h"

const MenuItem MENU_ITEMS[MENU_ITEM_COUNT] = {
    // menu      submenu      text                      command                        checkable  greyed
    {"&Game",   nullptr,     "&Redeal",                COMMAND_REDEAL,                0,         1},
    {"&Game",   nullptr,     "&Main Menu",             COMMAND_MAIN_MENU,             0,         1},
    {"&Game",   nullptr,     nullptr,                  0,                             0,         0},
    {"&Game",   nullptr,     "&High Scores",           COMMAND_HIGH_SCORES,           0,         0},
    {"&Game",   nullptr,     "&Statistics",            COMMAND_STATISTICS,            0,         0},
    {"&Game",   "&Options",  "Sound On",               COMMAND_SOUND_ON,              1,         0},
    {"&Game",   "&Options",  "Alternate Backgrounds",  COMMAND_ALTERNATE_BACKGROUNDS, 1,         0},
    {"&Game",   nullptr,     nullptr,                  0,                             0,         0},
    {"&Game",   nullptr,     "E&xit",                  COMMAND_EXIT,                  0,         0},
    {"&Help",   nullptr,     "&Instructions",          COMMAND_INSTRUCTIONS,          0,         0},
    {"&Help",   nullptr,     "&About...",              COMMAND_ABOUT,                 0,         0},
};
