#include "table_mockup.h"

#include "art.h"
#include "store.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QResource>

namespace {

constexpr QRgb BLUE = 0x0000ff, BLACK = 0x000000;

QImage Unkeyed(int id, QRgb key)
{
    QImage img = QImage(QString(":/pictures/%1.png").arg(id)).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((row[x] & 0xffffffu) == key) row[x] = 0;
    }
    return img;
}

// Pixels per table unit at depth d in a 480-pixel-high view (45 degrees).
double Scale(double depth) { return 480.0 / (2.0 * depth * 0.41421); }

QRectF Quad(double x, double y, double w, double h, double depth)
{
    const double s = Scale(depth);
    return QRectF(320 + (x - w / 2) * s, 240 - (y + h / 2) * s, w * s, h * s);
}

// A Klondike table a few moves in, as the scene draws it.
void DrawGame(QPainter& p)
{
    const QImage back = Unkeyed(4056, BLUE);
    const QImage marker = Unkeyed(4059, BLACK), foundation = Unkeyed(4060, BLACK);
    p.drawImage(Quad(-9, 6.5, 2, 3, 25), marker);
    p.drawImage(Quad(-9, 6.5, 2, 3, 25), back);
    p.drawImage(Quad(-6, 6.5, 2, 3, 25), Unkeyed(4000 + 26 + 9, BLUE));
    p.drawImage(Quad(-1, 6.5, 2, 3, 25), Unkeyed(4000, BLUE));
    for (int f = 1; f < 4; ++f) p.drawImage(Quad(-1 + 3 * f, 6.5, 2, 3, 25), foundation);
    const int faces[7][4] = {{12, -1}, {51, 37, -1}, {24, 10, 49, -1}, {6, -1}, {44, -1}, {3, -1}, {29, 15, 1, -1}};
    for (int pile = 0; pile < 7; ++pile) {
        int slot = 0;
        for (; slot < pile; ++slot) p.drawImage(Quad(-8 + 3 * pile, 3 - 0.5 * slot, 2, 3, 25), back);
        for (int k = 0; faces[pile][k] >= 0; ++k, ++slot)
            p.drawImage(Quad(-8 + 3 * pile, 3 - 0.5 * slot, 2, 3, 25), Unkeyed(4000 + faces[pile][k], BLUE));
    }
    // The move counter in the colour of the text texture's corners.
    const QImage text = Unkeyed(4068, BLACK);
    int r = 0, g = 0, b = 0;
    for (QPoint c : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 63), QPoint(63, 63)}) {
        r += qRed(text.pixel(c));
        g += qGreen(text.pixel(c));
        b += qBlue(text.pixel(c));
    }
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(int(Scale(20)));
    p.setFont(font);
    p.setPen(QColor(r / 4, g / 4, b / 4));
    p.drawText(QPointF(320 - 10.5 * Scale(20), 240 - 6.75 * Scale(20)), "Moves:  12");
}

}  // namespace

int WriteTableMockups(const QString& outPath, const QString& gameDir, const QString& rcc)
{
    if (!QResource::registerResource(rcc)) return 0;
    const std::vector<Background>& cloths = Backgrounds();
    const int rows = int(cloths.size() + 1) / 2;
    QImage sheet(2 * 650 + 10, rows * 490 + 10, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 64));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::Antialiasing, true);
    int i = 0, failed = 0;
    for (const Background& bg : cloths) {
        const QImage cloth(QDir(gameDir).absoluteFilePath(QString("Backgrounds/") + bg.fileName));
        failed += cloth.isNull();
        p.save();
        p.translate(10 + (i % 2) * 650, 10 + (i / 2) * 490);
        p.setClipRect(QRect(0, 0, 640, 480));
        p.drawImage(Quad(0, 0, 32, 24, 26), cloth);
        DrawGame(p);
        p.restore();
        ++i;
    }
    p.end();
    QResource::unregisterResource(rcc);
    return !failed && sheet.save(outPath, "PNG") ? 1 : 0;
}

int WriteMenuMockup(const QString& outPath, const QString& rcc)
{
    if (!QResource::registerResource(rcc)) return 0;
    constexpr QRgb WHITE = 0xffffff;
    const int previews[5] = {4058, 4057, 4065, 4063, 4054}, buttons[5] = {4071, 4070, 4053, 4072, 4069};
    const double buttonY[5] = {5.0, 2.75, 0.5, -1.75, -4.0};
    // The menu as it first appears (3 units further away), and once the window
    // was maximised or minimised (nearer), one preview each.
    QImage sheet(2 * 650 + 10, 490 + 10, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 64));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QImage tile = Unkeyed(4062, WHITE), title = Unkeyed(4052, WHITE);
    for (int view = 0; view < 2; ++view) {
        const double o = view == 0 ? 3.0 : 0.0;
        p.save();
        p.translate(10 + view * 650, 10);
        p.setClipRect(QRect(0, 0, 640, 480));
        p.fillRect(QRect(0, 0, 640, 480), Qt::white);
        for (int j = 0; j < 4; ++j)
            for (int i = 0; i < 4; ++i)
                p.drawImage(Quad(-18.75 + 12.5 * i, 14.0625 - 9.375 * j, 12.5, 9.375, 36 + o), tile);
        p.drawImage(Quad(0, 0, 50, 37.5, 36 + o), title);
        p.drawImage(Quad(-3.9, 0.45, 10.7, 7, 25 + o), Unkeyed(previews[view == 0 ? 0 : 4], BLUE));
        for (int k = 0; k < 5; ++k) p.drawImage(Quad(11.3, buttonY[k], 5, 1.4, 25 + o), Unkeyed(buttons[k], BLUE));
        p.restore();
    }
    p.end();
    QResource::unregisterResource(rcc);
    return sheet.save(outPath, "PNG") ? 1 : 0;
}

int WriteCloseUps(const QString& outPath, const QString& gameDir, const QString& rcc)
{
    if (!QResource::registerResource(rcc)) return 0;
    const int ids[8] = {4000, 4000 + 26 + 6, 4000 + 13 + 9, 4000 + 39 + 10, 4000 + 11, 4000 + 26 + 12, 4056, 4000 + 39 + 3};
    QImage sheet(4 * 266 + 10, 2 * 394 + 276, QImage::Format_RGB32);
    sheet.fill(QColor(40, 96, 56));
    QPainter p(&sheet);
    for (int i = 0; i < 8; ++i)
        p.drawImage(QRectF(10 + (i % 4) * 266, 10 + (i / 4) * 394, 256, 384), Unkeyed(ids[i], BLUE));
    // The icon and the two pointers, magnified four times.
    p.drawImage(QPointF(10, 2 * 394 + 10), MakeIcon());
    int x = 286;
    for (const char* name : {"harrow.cur", "hnwse.cur"}) {
        const QImage cursor(QDir(gameDir).absoluteFilePath(name), "ICO");
        p.drawImage(QRectF(x, 2 * 394 + 10, 128, 128), cursor);
        x += 148;
    }
    p.end();
    QResource::unregisterResource(rcc);
    return sheet.save(outPath, "PNG") ? 1 : 0;
}
