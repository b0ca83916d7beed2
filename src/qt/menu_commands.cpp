#include "qt/menu_commands.h"

#include <cstring>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "qt/about_box.h"
#include "qt/gl_window.h"
#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/platform.h"
#include "qt/platform/qt_platform.h"
#include "scene/scene_state.h"
#include "qt/score_dialogs.h"
#include "store/stats_store.h"

namespace {

constexpr const char* INSTRUCTIONS_FILE = "instructions.htm";
constexpr int32_t LOSSES_FIRST = 5;  // the losses of statistics slot s are at 5 + s

// The menu bar, item by item in order. A row without text is a separator; a
// row with a submenu goes into that submenu of its menu. Checkable items start
// checked: both options are on at every start.
struct MenuRow {
    const char* menu;
    const char* submenu;
    const char* text;
    int32_t command;
    uint8_t checkable;
};

constexpr MenuRow MENU_ROWS[] = {
    // menu      submenu      text                      command                        checkable
    {"&Game",   nullptr,     "&Redeal",                COMMAND_REDEAL,           0},
    {"&Game",   nullptr,     "&Main Menu",             COMMAND_MAIN_MENU,        0},
    {"&Game",   nullptr,     nullptr,                  0,                             0},
    {"&Game",   nullptr,     "&High Scores",           COMMAND_HIGH_SCORES,           0},
    {"&Game",   nullptr,     "&Statistics",            COMMAND_STATISTICS,            0},
    {"&Game",   "&Options",  "Sound On",               COMMAND_SOUND_ON,              1},
    {"&Game",   "&Options",  "Alternate Backgrounds",  COMMAND_ALTERNATE_BACKGROUNDS, 1},
    {"&Game",   nullptr,     nullptr,                  0,                             0},
    {"&Game",   nullptr,     "E&xit",                  COMMAND_EXIT,                  0},
    {"&Help",   nullptr,     "&Instructions",          COMMAND_INSTRUCTIONS,          0},
    {"&Help",   nullptr,     "&About...",              COMMAND_ABOUT,                 0},
};
static_assert(sizeof MENU_ROWS / sizeof MENU_ROWS[0] == 11);

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

void BuildMenu(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();
    QMenu* menu = nullptr;
    QMenu* submenu = nullptr;
    const char* menuName = nullptr;
    const char* submenuName = nullptr;
    for (const MenuRow& row : MENU_ROWS) {
        if (menuName == nullptr || std::strcmp(menuName, row.menu) != 0) {
            menu = bar->addMenu(QString::fromLatin1(row.menu));
            menuName = row.menu;
            submenuName = nullptr;
        }
        QMenu* target = menu;
        if (row.submenu != nullptr) {
            if (submenuName == nullptr || std::strcmp(submenuName, row.submenu) != 0) {
                submenu = menu->addMenu(QString::fromLatin1(row.submenu));
                submenuName = row.submenu;
            }
            target = submenu;
        }
        if (row.text == nullptr) {
            target->addSeparator();
            continue;
        }
        QAction* action = target->addAction(QString::fromLatin1(row.text));
        action->setProperty(MENU_COMMAND_PROPERTY, row.command);
        action->setCheckable(row.checkable != 0);
        action->setChecked(row.checkable != 0);
        const int32_t command = row.command;
        QObject::connect(action, &QAction::triggered, [command] { HandleMenuCommand(command); });
    }
}

void RecordUnfinishedGame(int32_t game)
{
    const int32_t index = LOSSES_FIRST + StatsSlot(game);
    SetSessionCount(index, GetSessionCount(index) + 1);
    SetLifetimeCount(index, GetLifetimeCount(index) + 1);
}

void HandleMenuCommand(int32_t command)
{
    switch (command) {
    case COMMAND_REDEAL:
        if (g_winCounted == 0 && IsGame(g_gameMode)) {
            RecordUnfinishedGame(g_gameMode);
        }
        g_winCounted = 0;
        g_newGameRequested = 1;
        break;
    case COMMAND_MAIN_MENU:
        SysEnableMenuItem(COMMAND_REDEAL, 0);
        if (g_winCounted == 0 && IsGame(g_gameMode)) {
            RecordUnfinishedGame(g_gameMode);
        }
        SysEnableMenuItem(COMMAND_MAIN_MENU, 0);
        g_gameMode = MODE_MAIN_MENU;
        g_winCounted = 0;
        break;
    case COMMAND_HIGH_SCORES:
        ShowHighScoresDialog(g_mainWindow);
        break;
    case COMMAND_STATISTICS:
        ShowStatisticsDialog(g_mainWindow);
        break;
    case COMMAND_SOUND_ON:
        ToggleOption(g_soundOn, COMMAND_SOUND_ON);
        break;
    case COMMAND_ALTERNATE_BACKGROUNDS:
        ToggleOption(g_alternateBackgrounds, COMMAND_ALTERNATE_BACKGROUNDS);
        break;
    case COMMAND_EXIT:
        DestroyWindowGL(g_glWindow);
        TerminateApplication(g_glWindow);
        break;
    case COMMAND_INSTRUCTIONS:
        SysOpenDocument(INSTRUCTIONS_FILE);
        break;
    case COMMAND_ABOUT:
        ShowAboutBox(g_mainWindow);
        break;
    default:
        break;
    }
}
