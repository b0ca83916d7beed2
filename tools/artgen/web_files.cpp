#include "web_files.h"

#include <QBuffer>
#include <QByteArray>

#include <cstring>

#include "art.h"
#include "file_writers.h"
#include "gfx/font_geometry.h"
#include "icons.h"
#include "store.h"
#include "ui_json.h"

namespace {

// The page's browser decodes the store's pictures: PNG keeps every key
// colour exact at a tenth of the bitmaps' size, which is what a page
// transfers before its first frame.
QByteArray StorePack()
{
    QByteArray pack;
    for (const StorePicture& pic : MakeStore()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!pic.image.save(&buffer, "PNG")) return {};
        Put32(pack, static_cast<uint32_t>(pic.id));
        Put32(pack, static_cast<uint32_t>(png.size()));
        pack += png;
    }
    return pack;
}

void PutFloat(QByteArray& b, float v)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    Put32(b, bits);
}

// The browser has no tessellator of its own: the glyphs travel as the
// triangles the desktop program makes from the same face with GLU's.
QByteArray GlyphTriangles()
{
    const std::vector<GlyphGeometry>* glyphs = FontGeometry();
    if (glyphs == nullptr) return {};
    QByteArray out;
    for (const GlyphGeometry& glyph : *glyphs) {
        PutFloat(out, glyph.advance);
        Put32(out, static_cast<uint32_t>(glyph.triangles.size()));
        for (float v : glyph.triangles) PutFloat(out, v);
    }
    return out;
}

// The cloths' names, which the page cannot list from a folder of its server.
QByteArray FileList()
{
    QByteArray list = "{\"backgrounds\":[";
    for (const Background& bg : Backgrounds()) {
        if (list.endsWith('"')) list += ',';
        list += '"' + QByteArray(bg.fileName) + '"';
    }
    return list + "]}";
}

}  // namespace

int WriteWebFiles(const QString& folder)
{
    const QByteArray pack = StorePack();
    const QByteArray glyphs = GlyphTriangles();
    if (pack.isEmpty() || glyphs.isEmpty()) return 0;
    QByteArray icon;
    QBuffer buffer(&icon);
    buffer.open(QIODevice::WriteOnly);
    if (!IconAtSide(32).save(&buffer, "PNG")) return 0;
    return WriteAll(folder + "/store.pack", pack) && WriteAll(folder + "/glyphs.bin", glyphs) &&
           WriteAll(folder + "/ui.json", UiJson()) && WriteAll(folder + "/files.json", FileList()) && WriteAll(folder + "/icon.png", icon);
}
