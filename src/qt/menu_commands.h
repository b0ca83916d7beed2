#pragma once
// The menu bar on Qt, built from the core's menu table, and the window's
// handling of a menu command: the core's part first, then what it asks of
// the shell (a dialog, the window's end).

#include <cstdint>

#include "app/menu.h"

class QMainWindow;

// Fills the window's menu bar; each item's QAction carries its command number
// and triggers WindowCommand. Options start checked, "&Redeal" and "&Main Menu" greyed.
void BuildMenu(QMainWindow* window);
// Carries out one menu command; unknown numbers do nothing.
void WindowCommand(int32_t command);
