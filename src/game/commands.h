#pragma once
// The menu's command numbers. The rules grey and enable "&Redeal" and
// "&Main Menu" by them; the menu table of the application core and each
// shell's menu carry all of them. Stable ids: never renumbered.

#include <cstdint>

enum MenuCommand : int32_t {
    COMMAND_ABOUT = 104,
    COMMAND_EXIT = 105,
    COMMAND_MAIN_MENU = 32773,
    COMMAND_STATISTICS = 32774,
    COMMAND_REDEAL = 32776,
    COMMAND_SOUND_ON = 32777,
    COMMAND_ALTERNATE_BACKGROUNDS = 32778,
    COMMAND_HIGH_SCORES = 32779,
    COMMAND_INSTRUCTIONS = 32783,
};
