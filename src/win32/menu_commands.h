#pragma once
// The window's handling of a menu command on Win32 (the menu itself is the
// resource's): the core's part first, then what it asks of the shell (a
// dialog, the window's end).

#include <cstdint>

#include "app/menu.h"

// Carries out one menu command; unknown numbers do nothing.
void WindowCommand(int32_t command);
