// Glyph outlines of the scene's text from GDI (GetGlyphOutlineW), for the
// shared outline-font code: the same em units, advances and tessellation as
// on Linux. The face is the narrow bold one the program ships and loads for
// itself alone; "Arial" bold when it cannot be loaded.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/common/windows_1252.h"
#include "platform/common/native_outline.h"
#include "platform/platform.h"
#include "win32/platform/win32_platform.h"
#include "win32/trace.h"

namespace {

// The font is made one em tall in this many logical units, its outline
// units: no hinting and no rounding play a part, and the result is scaled
// to ems.
constexpr int OUTLINE_UNITS = 2048;
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

// The native outline's records are read by their byte layout
// (platform/common/native_outline.h), which is the system's own.
static_assert(sizeof(TTPOLYGONHEADER) == NATIVE_POLYGON_HEADER_BYTES && sizeof(POINTFX) == NATIVE_POINT_BYTES &&
              sizeof(TTPOLYCURVE) == NATIVE_CURVE_HEADER_BYTES + NATIVE_POINT_BYTES);
static_assert(TT_POLYGON_TYPE == NATIVE_POLYGON_TYPE && TT_PRIM_LINE == NATIVE_LINE &&
              TT_PRIM_QSPLINE == NATIVE_QUADRATIC && TT_PRIM_CSPLINE == NATIVE_CUBIC);

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
    FlattenNativeOutline(bytes.data(), size, OUTLINE_UNITS, deviation, &out->contours);
    return 1;
}
