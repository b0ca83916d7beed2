#include "platform/headless/truetype.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace {

constexpr uint64_t LARGEST_FONT_FILE = 32u << 20;
constexpr int MAX_COMPONENT_DEPTH = 8;  // composite glyphs nest a level or two
constexpr int MAX_CURVE_SEGMENTS = 64;

// Simple glyph flags.
constexpr uint8_t ON_CURVE = 0x01;
constexpr uint8_t X_SHORT = 0x02;
constexpr uint8_t Y_SHORT = 0x04;
constexpr uint8_t REPEAT = 0x08;
constexpr uint8_t X_SAME_OR_POSITIVE = 0x10;
constexpr uint8_t Y_SAME_OR_POSITIVE = 0x20;
// Composite glyph component flags.
constexpr uint16_t ARGS_ARE_WORDS = 0x0001;
constexpr uint16_t ARGS_ARE_XY = 0x0002;
constexpr uint16_t HAS_SCALE = 0x0008;
constexpr uint16_t MORE_COMPONENTS = 0x0020;
constexpr uint16_t HAS_XY_SCALE = 0x0040;
constexpr uint16_t HAS_TWO_BY_TWO = 0x0080;

// Reads big-endian values at an offset; every read is checked against the
// file's length by Has first, and a read past the end gives 0.
struct Reader {
    const std::vector<uint8_t>& b;
    bool Has(uint64_t at, uint64_t length) const { return at <= b.size() && length <= b.size() - at; }
    uint16_t U16(uint64_t at) const { return Has(at, 2) ? static_cast<uint16_t>(b[at] << 8 | b[at + 1]) : 0; }
    int16_t S16(uint64_t at) const { return static_cast<int16_t>(U16(at)); }
    uint32_t U32(uint64_t at) const { return uint32_t(U16(at)) << 16 | U16(at + 2); }
    uint8_t U8(uint64_t at) const { return Has(at, 1) ? b[at] : 0; }
};

// An affine map of font units: x' = a x + c y + dx, y' = b x + d y + dy.
struct Transform {
    double a = 1, b = 0, c = 0, d = 1, dx = 0, dy = 0;
    Transform Then(const Transform& outer) const
    {
        Transform t;
        t.a = outer.a * a + outer.c * b;
        t.b = outer.b * a + outer.d * b;
        t.c = outer.a * c + outer.c * d;
        t.d = outer.b * c + outer.d * d;
        t.dx = outer.a * dx + outer.c * dy + outer.dx;
        t.dy = outer.b * dx + outer.d * dy + outer.dy;
        return t;
    }
};

struct Point {
    double x, y;
    bool on;
};

struct Flattener {
    double scale;      // ems per font unit
    double deviation;  // in font units
    std::vector<float> contour;
    void Add(double x, double y)
    {
        contour.push_back(static_cast<float>(x * scale));
        contour.push_back(static_cast<float>(y * scale));
    }
    // Quadratic from p0 over control c to p2, p0 already added. The chord
    // error of n uniform segments is at most |p0 - 2c + p2| / (4 n^2).
    void AddQuadratic(const Point& p0, const Point& c, const Point& p2)
    {
        const double bend = std::hypot(p0.x - 2 * c.x + p2.x, p0.y - 2 * c.y + p2.y);
        int segments = static_cast<int>(std::ceil(std::sqrt(bend / (4.0 * std::max(deviation, 1e-6)))));
        segments = std::clamp(segments, 1, MAX_CURVE_SEGMENTS);
        for (int i = 1; i <= segments; ++i) {
            const double t = static_cast<double>(i) / segments;
            const double u = 1.0 - t;
            Add(u * u * p0.x + 2 * u * t * c.x + t * t * p2.x, u * u * p0.y + 2 * u * t * c.y + t * t * p2.y);
        }
    }
};

Point Midpoint(const Point& p, const Point& q) { return {(p.x + q.x) / 2, (p.y + q.y) / 2, true}; }

// One contour of on- and off-curve points: two off-curve points in a row
// imply an on-curve point halfway between them.
void FlattenContour(const std::vector<Point>& points, Flattener* flat, std::vector<std::vector<float>>* contours)
{
    const size_t n = points.size();
    if (n < 2) {
        return;
    }
    // Start on a point on the curve; when there is none, halfway between the
    // first two points.
    size_t first = 0;
    while (first < n && !points[first].on) {
        ++first;
    }
    Point start = first < n ? points[first] : Midpoint(points[0], points[1]);
    const size_t begin = first < n ? first + 1 : 1;
    flat->contour.clear();
    flat->Add(start.x, start.y);
    Point last = start;
    const Point* control = nullptr;
    for (size_t k = 0; k < n; ++k) {
        const Point& p = points[(begin + k) % n];
        const bool closing = k + 1 == n && first < n;  // back at the start point
        if (p.on) {
            if (control) {
                flat->AddQuadratic(last, *control, p);
                control = nullptr;
            } else if (!closing) {
                flat->Add(p.x, p.y);
            }
            last = p;
        } else if (control) {
            const Point mid = Midpoint(*control, p);
            flat->AddQuadratic(last, *control, mid);
            last = mid;
            control = &p;
        } else {
            control = &p;
        }
    }
    if (control) {
        flat->AddQuadratic(last, *control, start);
    }
    // The last point repeats the first when the contour closed with a curve.
    std::vector<float>& c = flat->contour;
    const size_t m = c.size();
    if (m >= 4 && c[0] == c[m - 2] && c[1] == c[m - 1]) {
        c.resize(m - 2);
    }
    if (c.size() >= 6) {
        contours->push_back(std::move(c));
    }
    c.clear();
}

// The glyph's bytes in 'glyf': offset and length, 0 length when it is empty.
bool GlyphRange(const TrueTypeFace& face, int glyph, uint32_t* at, uint32_t* length)
{
    if (glyph < 0 || glyph >= face.glyphCount) {
        return false;
    }
    const Reader r{face.bytes};
    uint32_t start, end;
    if (face.longLoca) {
        start = r.U32(face.loca + 4u * glyph);
        end = r.U32(face.loca + 4u * glyph + 4);
    } else {
        start = 2u * r.U16(face.loca + 2u * glyph);
        end = 2u * r.U16(face.loca + 2u * glyph + 2);
    }
    if (end < start || end > face.glyfLength) {
        return false;
    }
    *at = face.glyf + start;
    *length = end - start;
    return true;
}

void SimpleGlyph(const Reader& r, uint32_t at, uint32_t end, int contourCount, const Transform& t, Flattener* flat,
                 std::vector<std::vector<float>>* contours)
{
    const uint64_t endsAt = at + 10;
    if (!r.Has(endsAt, 2u * contourCount + 2) || endsAt + 2u * contourCount + 2 > end) {
        return;
    }
    std::vector<int> contourEnds(static_cast<size_t>(contourCount));
    int pointCount = 0;
    for (int i = 0; i < contourCount; ++i) {
        contourEnds[i] = r.U16(endsAt + 2u * i);
        if (contourEnds[i] < pointCount - 1 || (i > 0 && contourEnds[i] < contourEnds[i - 1])) {
            return;
        }
        pointCount = contourEnds[i] + 1;
    }
    uint64_t p = endsAt + 2u * contourCount;
    p += 2 + r.U16(p);  // the hinting instructions are not used
    std::vector<uint8_t> flags;
    flags.reserve(static_cast<size_t>(pointCount));
    while (static_cast<int>(flags.size()) < pointCount) {
        if (p >= end) {
            return;
        }
        const uint8_t f = r.U8(p++);
        int count = 1;
        if (f & REPEAT) {
            if (p >= end) {
                return;
            }
            count += r.U8(p++);
        }
        for (int i = 0; i < count && static_cast<int>(flags.size()) < pointCount; ++i) {
            flags.push_back(f);
        }
    }
    // x deltas then y deltas, each a byte with its sign in the flags or a
    // 16-bit value, or nothing when the flags say "the same".
    std::vector<Point> points(static_cast<size_t>(pointCount));
    for (int axis = 0; axis < 2; ++axis) {
        const uint8_t shortBit = axis == 0 ? X_SHORT : Y_SHORT;
        const uint8_t sameBit = axis == 0 ? X_SAME_OR_POSITIVE : Y_SAME_OR_POSITIVE;
        int value = 0;
        for (int i = 0; i < pointCount; ++i) {
            const uint8_t f = flags[i];
            if (f & shortBit) {
                if (p + 1 > end) {
                    return;
                }
                const int delta = r.U8(p++);
                value += (f & sameBit) ? delta : -delta;
            } else if (!(f & sameBit)) {
                if (p + 2 > end) {
                    return;
                }
                value += r.S16(p);
                p += 2;
            }
            (axis == 0 ? points[i].x : points[i].y) = value;
            points[i].on = (f & ON_CURVE) != 0;
        }
    }
    for (Point& point : points) {
        const double x = point.x;
        const double y = point.y;
        point.x = t.a * x + t.c * y + t.dx;
        point.y = t.b * x + t.d * y + t.dy;
    }
    int from = 0;
    for (int i = 0; i < contourCount; ++i) {
        const std::vector<Point> contour(points.begin() + from, points.begin() + contourEnds[i] + 1);
        FlattenContour(contour, flat, contours);
        from = contourEnds[i] + 1;
    }
}

double F2Dot14(int16_t v) { return v / 16384.0; }

void Glyph(const TrueTypeFace& face, int glyph, const Transform& t, int depth, Flattener* flat,
           std::vector<std::vector<float>>* contours)
{
    uint32_t at = 0, length = 0;
    if (depth > MAX_COMPONENT_DEPTH || !GlyphRange(face, glyph, &at, &length) || length < 10) {
        return;
    }
    const Reader r{face.bytes};
    const uint32_t end = at + length;
    const int contourCount = r.S16(at);
    if (contourCount >= 0) {
        SimpleGlyph(r, at, end, contourCount, t, flat, contours);
        return;
    }
    // A composite: other glyphs, each moved (and perhaps scaled) into place.
    uint64_t p = at + 10;
    uint16_t flags = MORE_COMPONENTS;
    while ((flags & MORE_COMPONENTS) && p + 4 <= end) {
        flags = r.U16(p);
        const int component = r.U16(p + 2);
        p += 4;
        Transform own;
        if (flags & ARGS_ARE_WORDS) {
            own.dx = r.S16(p);
            own.dy = r.S16(p + 2);
            p += 4;
        } else {
            own.dx = static_cast<int8_t>(r.U8(p));
            own.dy = static_cast<int8_t>(r.U8(p + 1));
            p += 2;
        }
        if (!(flags & ARGS_ARE_XY)) {
            own.dx = own.dy = 0;  // aligned by matching points: rare, placed unmoved
        }
        if (flags & HAS_SCALE) {
            own.a = own.d = F2Dot14(r.S16(p));
            p += 2;
        } else if (flags & HAS_XY_SCALE) {
            own.a = F2Dot14(r.S16(p));
            own.d = F2Dot14(r.S16(p + 2));
            p += 4;
        } else if (flags & HAS_TWO_BY_TWO) {
            own.a = F2Dot14(r.S16(p));
            own.b = F2Dot14(r.S16(p + 2));
            own.c = F2Dot14(r.S16(p + 4));
            own.d = F2Dot14(r.S16(p + 6));
            p += 8;
        }
        if (p > end) {
            return;
        }
        Glyph(face, component, own.Then(t), depth + 1, flat, contours);
    }
}

// The offset and length of a table, 0 when it is missing or outside the file.
bool FindTable(const Reader& r, const char* tag, uint32_t* at, uint32_t* length)
{
    const int count = r.U16(4);
    for (int i = 0; i < count; ++i) {
        const uint64_t entry = 12 + 16u * i;
        if (!r.Has(entry, 16)) {
            return false;
        }
        if (std::memcmp(&r.b[entry], tag, 4) == 0) {
            *at = r.U32(entry + 8);
            *length = r.U32(entry + 12);
            return r.Has(*at, *length);
        }
    }
    return false;
}

}  // namespace

int ParseTrueTypeFace(std::vector<uint8_t> bytes, TrueTypeFace* face)
{
    if (!face) {
        return 0;
    }
    *face = TrueTypeFace();
    TrueTypeFace f;
    f.bytes = std::move(bytes);
    const Reader r{f.bytes};
    // TrueType outlines only ('true' or 1.0), not the cubic CFF kind.
    const uint32_t version = r.U32(0);
    if (version != 0x00010000 && version != 0x74727565) {
        return 0;
    }
    uint32_t head, headLength, maxp, maxpLength, hhea, hheaLength, cmap, cmapLength, hmtxLength, locaLength;
    if (!FindTable(r, "head", &head, &headLength) || headLength < 54 || !FindTable(r, "maxp", &maxp, &maxpLength) ||
        maxpLength < 6 || !FindTable(r, "hhea", &hhea, &hheaLength) || hheaLength < 36 ||
        !FindTable(r, "cmap", &cmap, &cmapLength) || !FindTable(r, "hmtx", &f.hmtx, &hmtxLength) ||
        !FindTable(r, "loca", &f.loca, &locaLength) || !FindTable(r, "glyf", &f.glyf, &f.glyfLength)) {
        return 0;
    }
    f.unitsPerEm = r.U16(head + 18);
    f.longLoca = r.S16(head + 50) == 1 ? 1 : 0;
    f.glyphCount = r.U16(maxp + 4);
    f.metricCount = r.U16(hhea + 34);
    if (f.unitsPerEm < 16 || f.glyphCount == 0 || f.metricCount == 0 ||
        uint64_t(f.metricCount) * 4 > hmtxLength ||
        uint64_t(f.glyphCount + 1) * (f.longLoca ? 4 : 2) > locaLength) {
        return 0;
    }
    // The Unicode subtable of the Basic Multilingual Plane: Windows (3, 1) or
    // Unicode (0, *), in format 4.
    const int tableCount = r.U16(cmap + 2);
    for (int i = 0; i < tableCount && f.cmap == 0; ++i) {
        const uint64_t record = cmap + 4 + 8u * i;
        const int platform = r.U16(record);
        const int encoding = r.U16(record + 2);
        const uint64_t sub = cmap + uint64_t(r.U32(record + 4));
        if (((platform == 3 && encoding == 1) || platform == 0) && r.U16(sub) == 4 && r.Has(sub, 14) &&
            r.Has(sub, r.U16(sub + 2))) {
            f.cmap = static_cast<uint32_t>(sub);
        }
    }
    if (f.cmap == 0) {
        return 0;
    }
    *face = std::move(f);
    return 1;
}

int LoadTrueTypeFace(const char* path, TrueTypeFace* face)
{
    if (!path || !face) {
        return 0;
    }
    *face = TrueTypeFace();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return 0;
    }
    const uint64_t size = std::filesystem::file_size(path, error);
    if (error || size > LARGEST_FONT_FILE) {
        return 0;
    }
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        return 0;
    }
    return ParseTrueTypeFace(std::move(bytes), face);
}

int TrueTypeGlyphIndex(const TrueTypeFace& face, int unicode)
{
    if (face.cmap == 0 || unicode < 0 || unicode > 0xFFFF) {
        return 0;
    }
    const Reader r{face.bytes};
    const uint64_t sub = face.cmap;
    const uint64_t end = sub + r.U16(sub + 2);
    const int segments = r.U16(sub + 6) / 2;
    const uint64_t ends = sub + 14;
    const uint64_t starts = ends + 2u * segments + 2;
    const uint64_t deltas = starts + 2u * segments;
    const uint64_t rangeOffsets = deltas + 2u * segments;
    if (rangeOffsets + 2u * segments > end) {
        return 0;
    }
    for (int i = 0; i < segments; ++i) {
        if (unicode > r.U16(ends + 2u * i)) {
            continue;
        }
        const int start = r.U16(starts + 2u * i);
        if (unicode < start) {
            return 0;
        }
        const int delta = r.U16(deltas + 2u * i);
        const int rangeOffset = r.U16(rangeOffsets + 2u * i);
        if (rangeOffset == 0) {
            return (unicode + delta) & 0xFFFF;
        }
        // The offset counts from its own place in the table into the glyph ids.
        const uint64_t at = rangeOffsets + 2u * i + rangeOffset + 2u * (unicode - start);
        if (at + 2 > end) {
            return 0;
        }
        const int glyph = r.U16(at);
        const int mapped = glyph == 0 ? 0 : (glyph + delta) & 0xFFFF;
        return mapped < face.glyphCount ? mapped : 0;
    }
    return 0;
}

float TrueTypeAdvance(const TrueTypeFace& face, int glyph)
{
    if (glyph < 0 || glyph >= face.glyphCount || face.unitsPerEm <= 0) {
        return 0.0f;
    }
    // Glyphs past the last metric share its advance (monospaced tails).
    const Reader r{face.bytes};
    const int metric = std::min(glyph, face.metricCount - 1);
    return static_cast<float>(static_cast<double>(r.U16(face.hmtx + 4u * metric)) / face.unitsPerEm);
}

void TrueTypeOutline(const TrueTypeFace& face, int glyph, float deviation, std::vector<std::vector<float>>* contours)
{
    if (!contours || face.unitsPerEm <= 0) {
        return;
    }
    Flattener flat{1.0 / face.unitsPerEm, static_cast<double>(deviation) * face.unitsPerEm, {}};
    Glyph(face, glyph, Transform(), 0, &flat, contours);
}
