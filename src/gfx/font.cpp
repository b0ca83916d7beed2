#include "gfx/font.h"

#include <GL/gl.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "gfx/font_geometry.h"

uint32_t g_fontListBase = 0;

int BuildFont()
{
    g_fontListBase = glGenLists(FONT_LIST_COUNT);
    if (g_fontListBase == 0) {
        return 0;
    }
    const std::vector<GlyphGeometry>* glyphs = FontGeometry();
    if (!glyphs) {
        return 0;  // the lists stay empty, so text draws nothing
    }
    for (int code = 0; code < FONT_GLYPH_COUNT; ++code) {
        const GlyphGeometry& glyph = (*glyphs)[static_cast<size_t>(code)];
        glNewList(g_fontListBase + static_cast<GLuint>(code), GL_COMPILE);
        if (!glyph.triangles.empty()) {
            glBegin(GL_TRIANGLES);
            for (size_t i = 0; i + 1 < glyph.triangles.size(); i += 2) {
                glVertex2f(glyph.triangles[i], glyph.triangles[i + 1]);
            }
            glEnd();
        }
        glTranslatef(glyph.advance, 0.0f, 0.0f);
        glEndList();
    }
    return 1;
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
    glPushAttrib(GL_LIST_BIT);
    glListBase(g_fontListBase);
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    glPopAttrib();
}
