#include "platform/common/native_outline.h"

#include <algorithm>
#include <cmath>

#include "platform/common/glyph_contours.h"

namespace {

constexpr int MAX_CURVE_SEGMENTS = 64;
constexpr float SMALLEST_DEVIATION = 1e-5f;  // ems

struct Point {
    double x, y;
};

uint32_t Little16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t Little32(const uint8_t* p) { return Little16(p) | Little16(p + 2) << 16; }

// A point of two 16.16 fixed-point numbers (fraction first, then the signed
// whole part), in ems.
Point ReadPoint(const uint8_t* p, double unitsPerEm)
{
    return {static_cast<int32_t>(Little32(p)) / 65536.0 / unitsPerEm,
            static_cast<int32_t>(Little32(p + 4)) / 65536.0 / unitsPerEm};
}

void AddPoint(std::vector<float>* contour, Point p)
{
    contour->push_back(static_cast<float>(p.x));
    contour->push_back(static_cast<float>(p.y));
}

// Uniform segments whose chord error is at most `deviation`: a curve whose
// second differences are at most d strays at most d * k / n^2 from n chords
// (k = 1/4 for a quadratic, 3/4 for a cubic).
int SegmentsFor(double bend, double k, float deviation)
{
    const double segments = std::ceil(std::sqrt(k * bend / deviation));
    return segments < MAX_CURVE_SEGMENTS ? std::max(static_cast<int>(segments), 1) : MAX_CURVE_SEGMENTS;
}

void AddQuadratic(std::vector<float>* contour, Point p0, Point p1, Point p2, float deviation)
{
    const int n = SegmentsFor(std::hypot(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y), 0.25, deviation);
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        const double u = 1.0 - t;
        AddPoint(contour, {u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x, u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y});
    }
}

void AddCubic(std::vector<float>* contour, Point p0, Point p1, Point p2, Point p3, float deviation)
{
    const double bend = std::max(std::hypot(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y),
                                 std::hypot(p1.x - 2 * p2.x + p3.x, p1.y - 2 * p2.y + p3.y));
    const int n = SegmentsFor(bend, 0.75, deviation);
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        const double u = 1.0 - t;
        AddPoint(contour, {u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
                           u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y});
    }
}

// One record's points: lines, quadratic splines (consecutive off-curve
// points with on-curve points implied halfway) or cubic splines; a record
// of another type adds nothing. `last` is the pen's place before and after.
void AddCurve(std::vector<float>* contour, uint32_t type, const std::vector<Point>& points, Point* last,
              float deviation)
{
    const size_t count = points.size();
    if (type == NATIVE_LINE) {
        for (const Point& p : points) {
            AddPoint(contour, p);
        }
        *last = points.back();
    } else if (type == NATIVE_QUADRATIC) {
        for (size_t i = 0; i + 1 < count; ++i) {
            const Point next = i + 2 < count ? Point{(points[i].x + points[i + 1].x) / 2,
                                                     (points[i].y + points[i + 1].y) / 2}
                                             : points[i + 1];
            AddQuadratic(contour, *last, points[i], next, deviation);
            *last = next;
        }
    } else if (type == NATIVE_CUBIC) {
        for (size_t i = 0; i + 2 < count; i += 3) {
            AddCubic(contour, *last, points[i], points[i + 1], points[i + 2], deviation);
            *last = points[i + 2];
        }
    }
}

}  // namespace

int FlattenNativeOutline(const uint8_t* bytes, size_t size, int32_t unitsPerEm, float deviation,
                         std::vector<std::vector<float>>* contours)
{
    if (bytes == nullptr || contours == nullptr || unitsPerEm <= 0) {
        return 0;
    }
    // NaN, zero or less would make the chord count no number at all.
    if (!(deviation >= SMALLEST_DEVIATION)) {
        deviation = SMALLEST_DEVIATION;
    }
    // A cut or overlong curve record ends its polygon, and the walk goes on
    // with the next polygon; a bad polygon header ends the walk.
    bool whole = true;
    size_t at = 0;
    while (size - at >= NATIVE_POLYGON_HEADER_BYTES) {
        const uint32_t polygonBytes = Little32(bytes + at);
        if (Little32(bytes + at + 4) != NATIVE_POLYGON_TYPE || polygonBytes < NATIVE_POLYGON_HEADER_BYTES ||
            polygonBytes > size - at) {
            return 0;
        }
        std::vector<float> contour;
        Point last = ReadPoint(bytes + at + 8, unitsPerEm);
        AddPoint(&contour, last);
        const size_t end = at + polygonBytes;
        size_t curveAt = at + NATIVE_POLYGON_HEADER_BYTES;
        std::vector<Point> points;
        while (curveAt < end) {
            const uint32_t count = end - curveAt >= NATIVE_CURVE_HEADER_BYTES ? Little16(bytes + curveAt + 2) : 0;
            const size_t pointsAt = curveAt + NATIVE_CURVE_HEADER_BYTES;
            if (count == 0 || count > (end - pointsAt) / NATIVE_POINT_BYTES) {
                whole = false;
                break;
            }
            points.resize(count);
            for (uint32_t i = 0; i < count; ++i) {
                points[i] = ReadPoint(bytes + pointsAt + i * NATIVE_POINT_BYTES, unitsPerEm);
            }
            AddCurve(&contour, Little16(bytes + curveAt), points, &last, deviation);
            curveAt = pointsAt + count * NATIVE_POINT_BYTES;
        }
        CloseGlyphContour(contours, &contour);
        at = end;
    }
    return whole && at == size ? 1 : 0;
}
