#pragma once
// A small reader of TrueType outlines: enough of a font file to draw the
// scene's text without a font library. It reads the character map (format 4,
// the Basic Multilingual Plane), the simple and composite glyphs of 'glyf'
// through 'loca', and the advances of 'hmtx'. Quadratic curves are flattened
// into straight segments. Nothing here throws; a damaged file gives no face
// or empty glyphs, never a read outside the file's bytes.

#include <cstdint>
#include <vector>

#include "platform/platform.h"

struct TrueTypeFace {
    std::vector<uint8_t> bytes;  // the whole file
    uint32_t cmap = 0;           // offset of the format 4 subtable; 0 when none
    uint32_t loca = 0, glyf = 0, glyfLength = 0, hmtx = 0;
    int unitsPerEm = 0;
    int longLoca = 0;            // 1: 32-bit 'loca' offsets, 0: 16-bit halves
    int glyphCount = 0;
    int metricCount = 0;         // glyphs with their own advance in 'hmtx'
};

// Reads the font file at `path` (at most 32 MiB). 1 when it is a TrueType
// face with the tables above, 0 otherwise (then *face is empty).
int LoadTrueTypeFace(const char* path, TrueTypeFace* face);
// The same from bytes already in memory.
int ParseTrueTypeFace(std::vector<uint8_t> bytes, TrueTypeFace* face);
// Glyph index of Unicode character `unicode` [0, 0xFFFF]; 0 (the missing
// glyph) when the face does not map it.
int TrueTypeGlyphIndex(const TrueTypeFace& face, int unicode);
// Advance of glyph `glyph` in ems; 0 for an index outside the face.
float TrueTypeAdvance(const TrueTypeFace& face, int glyph);
// Closed contours of glyph `glyph` in ems (x right, y up, origin on the base
// line), curves flattened with at most `deviation` ems of error; appended to
// *contours, each contour x0, y0, x1, y1, ... without repeating its first point.
void TrueTypeOutline(const TrueTypeFace& face, int glyph, float deviation, std::vector<std::vector<float>>* contours);
