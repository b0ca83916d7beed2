#include <QAction>
#include <QVariant>
#include <QWidget>

#include "platform/platform.h"
#include "qt/platform/qt_platform.h"

QWidget* g_mainWindow = nullptr;

namespace {

// Menu items are QActions under the main window tagged with their command
// number; the menu is small, so a search on each change costs nothing.
QAction* FindMenuAction(int command)
{
    if (g_mainWindow == nullptr) {
        return nullptr;
    }
    const QList<QAction*> actions = g_mainWindow->findChildren<QAction*>();
    for (QAction* action : actions) {
        const QVariant value = action->property(MENU_COMMAND_PROPERTY);
        if (value.isValid() && value.toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

void SysEnableMenuItem(int command, int enabled)
{
    if (QAction* action = FindMenuAction(command)) {
        action->setEnabled(enabled != 0);
    }
}

void SysCheckMenuItem(int command, int checked)
{
    if (QAction* action = FindMenuAction(command)) {
        action->setChecked(checked != 0);
    }
}
