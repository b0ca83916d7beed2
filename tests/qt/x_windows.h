#pragma once
// A second X client beside the program, doing to its window what other
// programs and a window manager do: covering it, unmapping and mapping it,
// and reading back what the screen shows.

namespace x_test {

// Maps a window of one colour (0xRRGGBB) over this screen rectangle, above
// every other; returns its id, 0 when there is no display.
unsigned long Cover(int x, int y, int width, int height, unsigned long colour);
// Takes that window away again.
void Uncover(unsigned long window);
// Unmaps or maps a window of the program, as a window manager hides and shows it.
void Unmap(unsigned long window);
void Map(unsigned long window);
// The colour (0xRRGGBB) the screen shows at (x, y).
unsigned long ScreenPixel(int x, int y);

}  // namespace x_test
