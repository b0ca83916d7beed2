#pragma once
// The scene's text: one display list per character code, filled glyph
// polygons flat at z = 0 in em units, each list advancing by the glyph's width.

#include <cstdint>

extern uint32_t g_fontListBase;  // first of 256 lists; list + c draws code c (0..254)

// Reserves the 256 lists (code 255 stays empty); each code's list is compiled
// the first time a text uses it. Needs a current GL context. 1 when a face is
// there; 0 leaves the lists empty.
int BuildFont();
// Formats printf-style into 256 bytes and draws it at the current model-view
// position with whatever texture is bound. A null format draws nothing.
void PrintText(const char* format, ...);
