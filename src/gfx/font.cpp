#include "gfx/font.h"

#include <GL/gl.h>

#include <bitset>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "gfx/font_geometry.h"

uint32_t g_fontListBase = 0;

namespace {
// Which codes' lists of the current base are compiled. A list is compiled
// when a text first uses its code: start-up (whose first frame, the main
// menu, shows no text) makes none, and a game's two dozen characters take
// well under a millisecond, where all 255 took several.
std::bitset<FONT_GLYPH_COUNT> s_compiled;

void CompileGlyph(int code)
{
    const GlyphGeometry* glyph = GlyphOf(code);
    if (!glyph) {
        return;  // no face: the list stays empty, so the code draws nothing
    }
    glNewList(g_fontListBase + static_cast<GLuint>(code), GL_COMPILE);
    if (!glyph->triangles.empty()) {
        glBegin(GL_TRIANGLES);
        for (size_t i = 0; i + 1 < glyph->triangles.size(); i += 2) {
            glVertex2f(glyph->triangles[i], glyph->triangles[i + 1]);
        }
        glEnd();
    }
    glTranslatef(glyph->advance, 0.0f, 0.0f);
    glEndList();
    s_compiled.set(static_cast<size_t>(code));
}
}  // namespace

int BuildFont()
{
    s_compiled.reset();
    g_fontListBase = glGenLists(FONT_LIST_COUNT);
    if (g_fontListBase == 0) {
        return 0;
    }
    // The outlines come from the face: one glyph tells whether there is one.
    return GlyphOf(' ') ? 1 : 0;
}

void PrintText(const char* format, ...)
{
    if (!format || g_fontListBase == 0) {
        return;
    }
    char text[256];
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (written <= 0) {
        return;
    }
    const size_t length = std::strlen(text);
    for (size_t i = 0; i < length; ++i) {
        const unsigned char code = static_cast<unsigned char>(text[i]);
        if (code < FONT_GLYPH_COUNT && !s_compiled.test(code)) {
            CompileGlyph(code);
        }
    }
    glPushAttrib(GL_LIST_BIT);
    glListBase(g_fontListBase);
    glCallLists(static_cast<GLsizei>(length), GL_UNSIGNED_BYTE, text);
    glPopAttrib();
}
