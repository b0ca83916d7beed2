#include "qt/menu_commands.h"

#include <cstring>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/gl_window.h"
#include "qt/about_box.h"
#include "qt/gl_window.h"
#include "qt/platform/qt_platform.h"
#include "qt/score_dialogs.h"

void BuildMenu(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();
    QMenu* menu = nullptr;
    QMenu* submenu = nullptr;
    const char* menuName = nullptr;
    const char* submenuName = nullptr;
    for (const MenuItem& row : MENU_ITEMS) {
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
        action->setEnabled(row.greyed == 0);
        const int32_t command = row.command;
        QObject::connect(action, &QAction::triggered, [command] { WindowCommand(command); });
    }
}

void WindowCommand(int32_t command)
{
    switch (HandleMenuCommand(command)) {
    case SHELL_HIGH_SCORES:
        ShowHighScoresDialog(g_mainWindow);
        break;
    case SHELL_STATISTICS:
        ShowStatisticsDialog(g_mainWindow);
        break;
    case SHELL_ABOUT:
        ShowAboutBox(g_mainWindow);
        break;
    case SHELL_EXIT:
        DestroyWindowGL(g_glWindow);
        TerminateApplication(g_glWindow);
        break;
    case SHELL_NOTHING:
        break;
    }
}
