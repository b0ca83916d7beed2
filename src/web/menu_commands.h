#pragma once
// The page's menu bar hands every command here by its number.

#include <cstdint>

extern "C" {
// A command of the menu table chosen on the page's menu bar.
void WebMenuCommand(int32_t command);
}
