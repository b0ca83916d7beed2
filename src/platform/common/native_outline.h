#pragma once
// The glyph outline buffer GDI's GetGlyphOutline gives in its native form
// (polygon headers, each followed by line, quadratic and cubic spline
// records of 16.16 fixed-point points), walked on its bytes and flattened:
// plain C++, no system calls, so it is checked the same on every system.

#include <cstddef>
#include <cstdint>
#include <vector>

// The byte layout of the records (TTPOLYGONHEADER, TTPOLYCURVE, POINTFX).
constexpr size_t NATIVE_POLYGON_HEADER_BYTES = 16;  // size, type, start point
constexpr size_t NATIVE_CURVE_HEADER_BYTES = 4;     // type, point count
constexpr size_t NATIVE_POINT_BYTES = 8;            // x, y
constexpr uint32_t NATIVE_POLYGON_TYPE = 24;        // TT_POLYGON_TYPE
constexpr uint16_t NATIVE_LINE = 1;                 // TT_PRIM_LINE
constexpr uint16_t NATIVE_QUADRATIC = 2;            // TT_PRIM_QSPLINE
constexpr uint16_t NATIVE_CUBIC = 3;                // TT_PRIM_CSPLINE

// Adds the polygons of the `size` bytes at `bytes` to `contours` as closed
// contours (x0, y0, x1, y1, ... in ems, `unitsPerEm` outline units to the
// em), curves cut into at most 64 chords each that stray at most `deviation`
// ems (a deviation that is not a positive number counts as the smallest).
// 1 when every record was whole and filled the bytes; 0 otherwise, keeping
// what was flattened: a bad curve record ends its polygon, a bad polygon
// header the walk.
int FlattenNativeOutline(const uint8_t* bytes, size_t size, int32_t unitsPerEm, float deviation,
                         std::vector<std::vector<float>>* contours);
