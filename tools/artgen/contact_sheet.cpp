#include "contact_sheet.h"

#include "art.h"
#include "onscreen_sheet.h"
#include "table_mockup.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QResource>

#include <cstdio>

namespace {

// What a picture covers in the scene, in table units, and its key.
struct SheetEntry {
    int id;
    double w, h;
    QRgb key;
};

constexpr QRgb BLUE = 0x0000ff, BLACK = 0x000000, WHITE = 0xffffff;

const std::vector<SheetEntry>& Entries()
{
    static std::vector<SheetEntry> list;
    if (list.empty()) {
        for (int id = 4000; id <= 4051; ++id) list.push_back({id, 2, 3, BLUE});
        list.push_back({4056, 2, 3, BLUE});
        list.push_back({4059, 2, 3, BLACK});
        list.push_back({4060, 2, 3, BLACK});
        list.push_back({4068, 1, 1, BLACK});
        for (int id : {4071, 4070, 4053, 4072, 4069}) list.push_back({id, 5, 1.4, BLUE});
        for (int id : {4058, 4057, 4065, 4063, 4054}) list.push_back({id, 10.7, 7, BLUE});
        list.push_back({4062, 12.5, 9.375, WHITE});
        list.push_back({4052, 25, 18.75, WHITE});
    }
    return list;
}

// The picture with its key made transparent, as the program's loader does.
QImage Unkeyed(const QImage& picture, QRgb key)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((row[x] & 0xffffffu) == key) row[x] = 0;
    }
    return out;
}

void Checkerboard(QPainter& p, const QRectF& r)
{
    p.save();
    p.setClipRect(r);
    for (int y = int(r.top()); y < r.bottom(); y += 8)
        for (int x = int(r.left()); x < r.right(); x += 8)
            p.fillRect(QRect(x, y, 8, 8), ((x - int(r.left())) / 8 + (y - int(r.top())) / 8) % 2 ? QColor(150, 150, 150)
                                                                                               : QColor(190, 190, 190));
    p.restore();
}

}  // namespace

int WriteContactSheets(const QString& outDir, const QString& gameDir)
{
    const QString rcc = QDir(gameDir).absoluteFilePath("resources.rcc");
    if (!QResource::registerResource(rcc)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(rcc));
        return 0;
    }
    QDir().mkpath(outDir);
    // 30 pixels to a table unit: a card is 60 x 90, as on a 1280 x 960 window.
    constexpr double SCALE = 30.0;
    QImage sheet(1600, 1640, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 64));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setPen(QColor(235, 235, 235));
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    p.setFont(font);
    double x = 10, y = 10, rowH = 0;
    int missing = 0;
    for (const SheetEntry& e : Entries()) {
        const QImage pic(QString(":/pictures/%1.png").arg(e.id));
        const QSizeF size(e.w * SCALE, e.h * SCALE);
        if (x + size.width() > sheet.width() - 10) {
            x = 10;
            y += rowH + 22;
            rowH = 0;
        }
        const QRectF r(QPointF(x, y), size);
        Checkerboard(p, r);
        if (pic.isNull()) ++missing;
        else p.drawImage(r, Unkeyed(pic, e.key));
        p.drawText(QPointF(x, y + size.height() + 13), QString::number(e.id));
        if (e.w > 2) p.drawText(QPointF(x + 36, y + size.height() + 13), QString("%1x%2").arg(pic.width()).arg(pic.height()));
        x += size.width() + 12;
        rowH = std::max(rowH, size.height());
    }
    p.end();
    QResource::unregisterResource(rcc);
    if (!sheet.save(outDir + "/store.png", "PNG") || missing) return 0;

    QResource::registerResource(rcc);
    const bool onScreen = WriteOnScreenSheets(outDir, gameDir);
    QResource::unregisterResource(rcc);
    const bool mocked = WriteTableMockups(outDir + "/tables.png", gameDir, rcc);
    return onScreen && mocked && WriteMenuMockup(outDir + "/menu.png", rcc) && WriteCloseUps(outDir + "/closeup.png", gameDir, rcc) ? 1 : 0;
}
