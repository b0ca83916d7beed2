#pragma once
#include <cstdint>
// Advances the current screen by `ms` elapsed milliseconds (may be 0): the
// requested deal first, then the main-menu hover pick, the win sequence, or
// held cards, flights and turn-overs in deal order.
void UpdateFrame(uint32_t ms);
