#pragma once
// The canvas's device pixels (origin at the top left, as the page hands the
// pointer over) where a press picks a given thing and where a release drops
// the held cards on a given pile, found with the scene's own pick and the
// pointer's own mapping onto the table.

#include <cstdint>

struct Placement;

extern int32_t g_width, g_height;  // the canvas, in device pixels

struct Pixel {
    int32_t x = -1, y = -1;  // -1: no such pixel
};

// The nearest pick at a pixel, as PickAtPointer chooses; -1 for none.
int32_t PickAt(int32_t x, int32_t y);
// A pixel that picks `name` (an object placed at `at`, of that half size),
// as do the pixels 2 away in every direction.
Pixel PixelPicking(int32_t name, const Placement& at, float halfWidth, float halfHeight);
// A pixel that picks the card as it lies now.
Pixel CardPixel(int32_t card);
// A pixel of the cloth: nothing there to pick.
Pixel ClothPixel();
// The pointer's place on the table at a pixel, as UpdatePointer maps it.
void PointerWorld(Pixel p, float* x, float* y);
// A pixel where the held card, hanging at the pointer, is over `pile`, as are
// the pixels next to it; CachedDropPixel remembers it by where the top cards lie.
Pixel DropPixel(int32_t pile);
Pixel CachedDropPixel(int32_t pile);
