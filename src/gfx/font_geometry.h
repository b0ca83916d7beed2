#pragma once
// The font's glyphs as triangle lists, built apart from GL so they can be
// checked without a window (it needs the Gui application's fonts only).

#include <vector>

constexpr int FONT_LIST_COUNT = 256;  // lists reserved; code 255 stays empty
constexpr int FONT_GLYPH_COUNT = 255; // codes 0..254 get geometry
constexpr float GLYPH_DEVIATION = 0.01f;  // chordal error of flattened curves, ems

// One character code: filled triangles flat in the x-y plane, em units, origin
// on the base line at the pen position, x right, y up; and the pen advance.
struct GlyphGeometry {
    std::vector<float> triangles;  // x, y per corner, three corners per triangle
    float advance = 0.0f;
};

// Triangles of closed contours (x0, y0, x1, y1, ... each) filled by the
// nonzero winding rule, appended to *triangles.
void TessellateContours(const std::vector<std::vector<float>>& contours, std::vector<float>* triangles);
// The glyph of one code 0..254, made on the first ask and kept; nullptr for
// other codes and when no face is available (then a later ask tries again).
const GlyphGeometry* GlyphOf(int code);
// All the glyphs of codes 0..254, made as GlyphOf makes them; nullptr when no
// face is available.
const std::vector<GlyphGeometry>* FontGeometry();
