#pragma once
// The page's one GL surface: the canvas below the HTML menu bar, sized in
// device pixels, its WebGL context made through emscripten's SDL (the
// legacy GL emulation starts only on a context made that way).

#include <cstdint>

#include "app/gl_window.h"

// The canvas's context at w x h device pixels, then the core's window steps
// (statistics loaded) with the first viewport filling the canvas. 1 when
// made; 0 when the browser gave no WebGL context.
int CreateWindowGL(GLWindow& window, int32_t width, int32_t height);
// The program draws no more; the canvas keeps its last picture under the
// page's word that the game has ended. Safe when nothing was made.
void DestroyWindowGL();
// The canvas's new size in device pixels: the viewport follows.
void ResizeWindowGL(int32_t width, int32_t height);
// 1 while the context is there; there is only ever the one, always current.
int MakeWindowCurrent();
