// The headless platform's glyphs: the real bold face read from its TrueType
// file by the reader of our own, so the tests draw and measure the letters a
// player sees, with no font library and no window system.

#include <string>

#include "platform/common/windows_1252.h"
#include "platform/headless/headless.h"
#include "platform/headless/truetype.h"

namespace {
// Debian's Liberation Sans Bold (fonts-liberation2), which the set-up script
// always installs: the face "Arial" bold resolves to.
constexpr const char* DEFAULT_FONT_FILE = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";

std::string s_fontFile = DEFAULT_FONT_FILE;
TrueTypeFace s_face;
bool s_tried = false;

const TrueTypeFace* Face()
{
    if (!s_tried) {
        s_tried = true;
        LoadTrueTypeFace(s_fontFile.c_str(), &s_face);
    }
    return s_face.glyphCount > 0 ? &s_face : nullptr;
}
}  // namespace

void HeadlessSetFontFile(const char* path)
{
    s_fontFile = path ? path : DEFAULT_FONT_FILE;
    s_face = TrueTypeFace();
    s_tried = false;
}

int SysGetGlyphOutline(int code, float deviation, SysGlyphOutline* out)
{
    const TrueTypeFace* face = Face();
    if (!face || !out) {
        return 0;
    }
    out->contours.clear();
    out->advance = 0.0f;
    const int unicode = code >= 0 && code <= 254 ? UnicodeOfWindows1252(code) : 0;
    const int glyph = unicode == 0 ? 0 : TrueTypeGlyphIndex(*face, unicode);
    if (glyph == 0) {
        return 1;  // unassigned, or the face has no glyph: nothing drawn, no advance
    }
    out->advance = TrueTypeAdvance(*face, glyph);
    if (!IsWindows1252Control(code)) {
        TrueTypeOutline(*face, glyph, deviation, &out->contours);
    }
    return 1;
}
