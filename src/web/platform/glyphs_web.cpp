// The scene text's glyphs on the page. The browser has no tessellator, so the
// web build ships the desktop program's own triangles: tarvik-artgen makes
// them at build time from the same face with GLU's tessellator
// (gfx/font_geometry.cpp, which the web build leaves out) and writes
// glyphs.bin; the page puts that file at GLYPH_FILE before the game starts.
// Here it is read into the same GlyphGeometry the desktop makes.

#include <cstdint>
#include <cstdio>
#include <vector>

#include "gfx/font_geometry.h"

namespace {

constexpr const char* GLYPH_FILE = "/game/glyphs.bin";
// More floats than any glyph of the face has: a damaged file ends the reading.
constexpr uint32_t MOST_FLOATS = 1 << 20;

struct GlyphFile {
    std::vector<GlyphGeometry> glyphs;
    bool loaded = false;
};

// Each code: its advance, its float count and its floats, little-endian 32-bit values.
bool ReadGlyphs(std::FILE* file, std::vector<GlyphGeometry>* glyphs)
{
    glyphs->assign(FONT_GLYPH_COUNT, GlyphGeometry());
    for (GlyphGeometry& glyph : *glyphs) {
        uint32_t count = 0;
        if (std::fread(&glyph.advance, sizeof glyph.advance, 1, file) != 1 ||
            std::fread(&count, sizeof count, 1, file) != 1 || count > MOST_FLOATS || count % 6 != 0) {
            return false;
        }
        glyph.triangles.resize(count);
        if (count > 0 && std::fread(glyph.triangles.data(), sizeof(float), count, file) != count) {
            return false;
        }
    }
    return true;
}

GlyphFile& Glyphs()
{
    static GlyphFile store;
    if (!store.loaded) {
        std::FILE* file = std::fopen(GLYPH_FILE, "rb");
        if (file != nullptr) {
            store.loaded = ReadGlyphs(file, &store.glyphs);
            std::fclose(file);
        }
    }
    return store;
}

}  // namespace

const GlyphGeometry* GlyphOf(int code)
{
    GlyphFile& store = Glyphs();
    if (code < 0 || code >= FONT_GLYPH_COUNT || !store.loaded) {
        return nullptr;
    }
    return &store.glyphs[static_cast<size_t>(code)];
}

const std::vector<GlyphGeometry>* FontGeometry()
{
    GlyphFile& store = Glyphs();
    return store.loaded ? &store.glyphs : nullptr;
}
