#include "gfx/font_geometry.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <deque>

#include "platform/platform.h"

// The tessellator calls back in the GL's own calling convention (stdcall on
// 32-bit Windows, where windows.h names it CALLBACK; nothing elsewhere), and
// each header spells the pointer type its own way.
#ifndef CALLBACK
#define CALLBACK
#endif

namespace {
using TessCallback = void(CALLBACK*)();

struct TessState {
    std::vector<float>* triangles = nullptr;
    // Corners the tessellator points into, combined ones included; a deque
    // keeps their addresses while it grows, until after gluTessEndPolygon.
    std::deque<std::array<GLdouble, 3>> corners;
};

void CALLBACK TessBegin(GLenum, void*)
{
    // Always GL_TRIANGLES: the edge-flag callback rules out fans and strips.
}

void CALLBACK TessEdgeFlag(GLboolean, void*)
{
}

void CALLBACK TessVertex(void* vertex, void* state)
{
    const GLdouble* corner = static_cast<const GLdouble*>(vertex);
    std::vector<float>* triangles = static_cast<TessState*>(state)->triangles;
    triangles->push_back(static_cast<float>(corner[0]));
    triangles->push_back(static_cast<float>(corner[1]));
}

void CALLBACK TessCombine(GLdouble coords[3], void*[4], GLfloat[4], void** out, void* state)
{
    std::deque<std::array<GLdouble, 3>>& corners = static_cast<TessState*>(state)->corners;
    corners.push_back({coords[0], coords[1], coords[2]});
    *out = corners.back().data();
}

void CALLBACK TessError(GLenum, void*)
{
    // A contour the tessellator rejects leaves that glyph with what it made.
}

// The tessellator, made once and kept for the process.
GLUtesselator* Tessellator()
{
    static GLUtesselator* tess = nullptr;
    if (!tess) {
        tess = gluNewTess();
        if (!tess) {
            return nullptr;
        }
        gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<TessCallback>(TessBegin));
        gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<TessCallback>(TessEdgeFlag));
        gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<TessCallback>(TessVertex));
        gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<TessCallback>(TessCombine));
        gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<TessCallback>(TessError));
        // TrueType outlines overlap in some glyphs; nonzero fills them whole.
        gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
        // A known plane normal spares the tessellator its own guess per glyph.
        gluTessNormal(tess, 0.0, 0.0, 1.0);
    }
    return tess;
}
}  // namespace

void TessellateContours(const std::vector<std::vector<float>>& contours, std::vector<float>* triangles)
{
    GLUtesselator* tess = Tessellator();
    if (!tess || contours.empty()) {
        return;
    }
    TessState state;
    state.triangles = triangles;
    gluTessBeginPolygon(tess, &state);
    for (const std::vector<float>& contour : contours) {
        gluTessBeginContour(tess);
        for (size_t i = 0; i + 1 < contour.size(); i += 2) {
            state.corners.push_back({contour[i], contour[i + 1], 0.0});
            gluTessVertex(tess, state.corners.back().data(), state.corners.back().data());
        }
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
    // An interrupted polygon may leave a partial triangle behind.
    triangles->resize(triangles->size() - triangles->size() % 6);
}

namespace {
struct GlyphStore {
    std::vector<GlyphGeometry> glyphs = std::vector<GlyphGeometry>(FONT_GLYPH_COUNT);
    std::vector<bool> made = std::vector<bool>(FONT_GLYPH_COUNT, false);
};

GlyphStore& Glyphs()
{
    static GlyphStore store;
    return store;
}
}  // namespace

const GlyphGeometry* GlyphOf(int code)
{
    if (code < 0 || code >= FONT_GLYPH_COUNT) {
        return nullptr;
    }
    GlyphStore& store = Glyphs();
    const size_t i = static_cast<size_t>(code);
    if (!store.made[i]) {
        SysGlyphOutline outline;
        if (!SysGetGlyphOutline(code, GLYPH_DEVIATION, &outline)) {
            return nullptr;
        }
        store.glyphs[i].advance = outline.advance;
        TessellateContours(outline.contours, &store.glyphs[i].triangles);
        store.made[i] = true;
    }
    return &store.glyphs[i];
}

const std::vector<GlyphGeometry>* FontGeometry()
{
    for (int code = 0; code < FONT_GLYPH_COUNT; ++code) {
        if (!GlyphOf(code)) {
            return nullptr;
        }
    }
    return &Glyphs().glyphs;
}
