#pragma once
// The two pointer shapes: the arrow and the move cursor shown while cards are
// held, loaded once from cursor files beside the program.

#include <cstdint>
#include "platform/platform.h"

extern SysCursor g_arrowCursor;  // "harrow.cur"; 0 when it could not be loaded
extern SysCursor g_moveCursor;   // "hnwse.cur"; 0 when it could not be loaded

// Loads "harrow.cur", then "hnwse.cur". Called once before the window exists.
void LoadPointerCursors();
// Kind 0 shows the arrow, 1 the move cursor; any other kind changes nothing.
// Returns 1 in every case.
int32_t SetPointerCursor(int32_t kind);
