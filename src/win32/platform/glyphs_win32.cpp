// Glyph outlines of the scene's text from GDI (GetGlyphOutlineW), for the
// shared outline-font code: the same em units, advances and tessellation as
// on Linux. The face is the narrow bold one the program ships and loads for
// itself alone; "Arial" bold when it cannot be loaded.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/common/windows_1252.h"
#include "platform/common/glyph_contours.h"
#include "platform/platform.h"
#include "win32/platform/win32_platform.h"
#include "win32/trace.h"

namespace {

// The font is made one em tall in this many logical units, its outline
// units: no hinting and no rounding play a part, and the result is scaled
// to ems.
constexpr int OUTLINE_UNITS = 2048;
constexpr int MAX_CURVE_SEGMENTS = 64;
constexpr const char* FONT_FILE = "LiberationSansNarrow-Bold.ttf";
constexpr const char* NARROW_FACE = "Liberation Sans Narrow";
constexpr const char* FALLBACK_FACE = "Arial";

struct Face {
    HDC dc = nullptr;
    HFONT font = nullptr;
};

bool g_fontFileLoaded = false;

HFONT MakeFont(const char* face)
{
    return CreateFontA(-OUTLINE_UNITS, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS,
                       CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, face);
}

// The memory device context with the face selected, made on the first ask
// and kept for the whole run. The narrow face counts only when the system
// gave that face, not its nearest match.
const Face* TheFace()
{
    static Face face;
    static bool tried = false;
    if (tried) {
        return face.font != nullptr ? &face : nullptr;
    }
    tried = true;
    Win32LoadPrivateFont();
    face.dc = CreateCompatibleDC(nullptr);
    if (face.dc == nullptr) {
        return nullptr;
    }
    face.font = MakeFont(NARROW_FACE);
    char selected[LF_FACESIZE] = "";
    if (face.font != nullptr) {
        SelectObject(face.dc, face.font);
        GetTextFaceA(face.dc, LF_FACESIZE, selected);
    }
    if (face.font == nullptr || _stricmp(selected, NARROW_FACE) != 0) {
        if (face.font != nullptr) {
            SelectObject(face.dc, GetStockObject(SYSTEM_FONT));
            DeleteObject(face.font);
        }
        face.font = MakeFont(FALLBACK_FACE);
        if (face.font == nullptr) {
            DeleteDC(face.dc);
            face.dc = nullptr;
            return nullptr;
        }
        SelectObject(face.dc, face.font);
        GetTextFaceA(face.dc, LF_FACESIZE, selected);
    }
    char line[128];
    std::snprintf(line, sizeof line, "text face: %s%s", selected,
                  g_fontFileLoaded ? " (its file loaded for this program alone)" : "");
    Trace(line);
    return &face;
}

struct Point {
    double x, y;
};

Point FromFixed(const POINTFX& p)
{
    return {(p.x.value + p.x.fract / 65536.0) / OUTLINE_UNITS, (p.y.value + p.y.fract / 65536.0) / OUTLINE_UNITS};
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
    const int n = static_cast<int>(std::ceil(std::sqrt(k * bend / std::max(deviation, 1e-5f))));
    return std::clamp(n, 1, MAX_CURVE_SEGMENTS);
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

// The native outline: polygons, each a start point and then lines, quadratic
// splines (consecutive off-curve points with on-curve points implied halfway)
// and cubic splines. GDI's y already grows upward.
void Flatten(const uint8_t* bytes, DWORD size, float deviation, std::vector<std::vector<float>>* contours)
{
    DWORD at = 0;
    while (at + sizeof(TTPOLYGONHEADER) <= size) {
        TTPOLYGONHEADER header;
        std::memcpy(&header, bytes + at, sizeof header);
        if (header.dwType != TT_POLYGON_TYPE || header.cb < sizeof header || header.cb > size - at) {
            return;
        }
        std::vector<float> contour;
        Point last = FromFixed(header.pfxStart);
        AddPoint(&contour, last);
        DWORD curveAt = at + sizeof header;
        const DWORD end = at + header.cb;
        while (curveAt + 4 <= end) {
            const WORD type = static_cast<WORD>(bytes[curveAt] | bytes[curveAt + 1] << 8);
            const WORD count = static_cast<WORD>(bytes[curveAt + 2] | bytes[curveAt + 3] << 8);
            const DWORD pointsAt = curveAt + 4;
            if (count == 0 || pointsAt + count * sizeof(POINTFX) > end) {
                break;
            }
            std::vector<Point> points(count);
            for (WORD i = 0; i < count; ++i) {
                POINTFX p;
                std::memcpy(&p, bytes + pointsAt + i * sizeof(POINTFX), sizeof p);
                points[i] = FromFixed(p);
            }
            if (type == TT_PRIM_LINE) {
                for (const Point& p : points) {
                    AddPoint(&contour, p);
                }
                last = points.back();
            } else if (type == TT_PRIM_QSPLINE) {
                for (WORD i = 0; i + 1 < count; ++i) {
                    const Point control = points[i];
                    const Point next = i + 2 < count ? Point{(points[i].x + points[i + 1].x) / 2,
                                                             (points[i].y + points[i + 1].y) / 2}
                                                     : points[i + 1];
                    AddQuadratic(&contour, last, control, next, deviation);
                    last = next;
                }
            } else if (type == TT_PRIM_CSPLINE) {
                for (WORD i = 0; i + 2 < count; i += 3) {
                    AddCubic(&contour, last, points[i], points[i + 1], points[i + 2], deviation);
                    last = points[i + 2];
                }
            }
            curveAt = pointsAt + count * sizeof(POINTFX);
        }
        CloseGlyphContour(contours, &contour);
        at = end;
    }
}

}  // namespace

int Win32LoadPrivateFont()
{
    if (!g_fontFileLoaded) {
        const std::string path = Win32ShippedPath(FONT_FILE);
        char full[MAX_PATH];
        const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
        // For this process alone: the player's system gains no font.
        g_fontFileLoaded = length > 0 && length < MAX_PATH && AddFontResourceExA(full, FR_PRIVATE, nullptr) > 0;
    }
    return g_fontFileLoaded ? 1 : 0;
}

int SysGetGlyphOutline(int code, float deviation, SysGlyphOutline* out)
{
    const Face* face = TheFace();
    if (face == nullptr || out == nullptr) {
        return 0;
    }
    out->contours.clear();
    out->advance = 0.0f;
    const int unicode = code >= 0 && code <= 254 ? UnicodeOfWindows1252(code) : 0;
    if (unicode == 0) {
        return 1;
    }
    const WCHAR character = static_cast<WCHAR>(unicode);
    WORD glyph = 0xFFFF;
    if (GetGlyphIndicesW(face->dc, &character, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR ||
        glyph == 0xFFFF || glyph == 0) {
        return 1;  // the face has no glyph: nothing drawn, no advance
    }
    const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    GLYPHMETRICS metrics{};
    const UINT format = GGO_NATIVE | GGO_UNHINTED | GGO_GLYPH_INDEX;
    const DWORD size = GetGlyphOutlineW(face->dc, glyph, format, &metrics, 0, nullptr, &identity);
    if (size == GDI_ERROR) {
        return 1;
    }
    out->advance = static_cast<float>(metrics.gmCellIncX) / OUTLINE_UNITS;
    if (size == 0 || IsWindows1252Control(code)) {
        return 1;  // a space, or a control code: an advance and nothing drawn
    }
    std::vector<uint8_t> bytes(size);
    if (GetGlyphOutlineW(face->dc, glyph, format, &metrics, size, bytes.data(), &identity) == GDI_ERROR) {
        return 1;
    }
    Flatten(bytes.data(), size, deviation, &out->contours);
    return 1;
}
