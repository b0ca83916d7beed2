#include "app/menu.h"

#include "app/frame.h"

#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/platform.h"
#include "scene/scene_state.h"
#include "store/stats_store.h"

namespace {

constexpr int32_t LOSSES_FIRST = 5;  // the losses of statistics slot s are at 5 + s

bool IsGame(int32_t mode)
{
    return mode >= GAME_KLONDIKE && mode <= GAME_BAKERS_DOZEN;
}

void ToggleOption(uint8_t& option, int32_t command)
{
    option = option == 1 ? 0 : 1;
    SysCheckMenuItem(command, option);
}

}  // namespace

void RecordUnfinishedGame(int32_t game)
{
    const int32_t index = LOSSES_FIRST + StatsSlot(game);
    SetSessionCount(index, GetSessionCount(index) + 1);
    SetLifetimeCount(index, GetLifetimeCount(index) + 1);
}

ShellAction HandleMenuCommand(int32_t command)
{
    // Whatever a command changes (a mode, an option, a dialog over the
    // table) is drawn by the next frame.
    PictureChanged();
    switch (command) {
    case COMMAND_REDEAL:
        if (g_winCounted == 0 && IsGame(g_gameMode)) {
            RecordUnfinishedGame(g_gameMode);
        }
        g_winCounted = 0;
        g_newGameRequested = 1;
        return SHELL_NOTHING;
    case COMMAND_MAIN_MENU:
        SysEnableMenuItem(COMMAND_REDEAL, 0);
        if (g_winCounted == 0 && IsGame(g_gameMode)) {
            RecordUnfinishedGame(g_gameMode);
        }
        SysEnableMenuItem(COMMAND_MAIN_MENU, 0);
        g_gameMode = MODE_MAIN_MENU;
        g_winCounted = 0;
        return SHELL_NOTHING;
    case COMMAND_SOUND_ON:
        ToggleOption(g_soundOn, COMMAND_SOUND_ON);
        return SHELL_NOTHING;
    case COMMAND_ALTERNATE_BACKGROUNDS:
        ToggleOption(g_alternateBackgrounds, COMMAND_ALTERNATE_BACKGROUNDS);
        return SHELL_NOTHING;
    case COMMAND_INSTRUCTIONS:
        SysOpenDocument(INSTRUCTIONS_PAGE);
        return SHELL_NOTHING;
    case COMMAND_HIGH_SCORES:
        return SHELL_HIGH_SCORES;
    case COMMAND_STATISTICS:
        return SHELL_STATISTICS;
    case COMMAND_ABOUT:
        return SHELL_ABOUT;
    case COMMAND_EXIT:
        return SHELL_EXIT;
    default:
        return SHELL_NOTHING;
    }
}
