#include "windows_files.h"

#include "file_writers.h"
#include "icons.h"
#include "resource_script.h"
#include "store.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

namespace {

// The 40-byte header that starts a bitmap's pixels, in a file and in an icon.
void PutInfoHeader(QByteArray& b, int width, int height, int bits, uint32_t imageBytes)
{
    Put32(b, 40);
    Put32(b, uint32_t(width));
    Put32(b, uint32_t(height));
    Put16(b, 1);  // planes
    Put16(b, uint32_t(bits));
    Put32(b, 0);  // BI_RGB: uncompressed
    Put32(b, imageBytes);
    Put32(b, 2835);  // 72 dots per inch, as pixels per metre
    Put32(b, 2835);
    Put32(b, 0);  // no palette
    Put32(b, 0);
}

int RowBytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

// One icon image as the icon file holds it: a 32-bit bitmap whose height
// counts the colour and mask halves together, then the AND mask (a set bit
// leaves the screen as it is, for the fully see-through pixels of systems
// that ignore alpha).
QByteArray IconBitmap(const QImage& image)
{
    const int side = image.width();
    const int maskRow = RowBytes(side, 1);
    const uint32_t colourBytes = uint32_t(side * side * 4), maskBytes = uint32_t(maskRow * side);
    QByteArray b;
    PutInfoHeader(b, side, 2 * side, 32, colourBytes + maskBytes);
    for (int y = side - 1; y >= 0; --y)
        for (int x = 0; x < side; ++x) {
            const QRgb c = image.pixel(x, y);
            b.append(char(qBlue(c)));
            b.append(char(qGreen(c)));
            b.append(char(qRed(c)));
            b.append(char(qAlpha(c)));
        }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < side; ++x)
            if (qAlpha(image.pixel(x, y)) == 0) row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        b.append(row);
    }
    return b;
}

QByteArray IconPng(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

}  // namespace

QByteArray BitmapFile(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height(), row = RowBytes(w, 24);
    const uint32_t pixelBytes = uint32_t(row * h);
    QByteArray b;
    b.append("BM");
    Put32(b, 14 + 40 + pixelBytes);
    Put32(b, 0);
    Put32(b, 14 + 40);  // where the pixels start
    PutInfoHeader(b, w, h, 24, pixelBytes);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            b.append(char(qBlue(line[x])));
            b.append(char(qGreen(line[x])));
            b.append(char(qRed(line[x])));
        }
        b.append(QByteArray(row - 3 * w, '\0'));
    }
    return b;
}

QByteArray IconFile(const std::vector<QImage>& images)
{
    std::vector<QByteArray> blobs;
    for (const QImage& image : images) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        blobs.push_back(argb.width() >= 256 ? IconPng(argb) : IconBitmap(argb));
    }
    QByteArray b;
    // Directory: reserved, type 1 (icon), the count; then one 16-byte entry
    // per image, where a side of 256 is written as 0.
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, uint32_t(images.size()));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        b.append(char(side >= 256 ? 0 : side));
        b.append(char(side >= 256 ? 0 : side));
        b.append(char(0));  // no palette
        b.append(char(0));
        Put16(b, 1);   // planes
        Put16(b, 32);  // bits per pixel
        Put32(b, uint32_t(blobs[i].size()));
        Put32(b, offset);
        offset += uint32_t(blobs[i].size());
    }
    for (const QByteArray& blob : blobs) b.append(blob);
    return b;
}

int WriteWindowsResources(const QString& folder)
{
    if (!QDir().mkpath(folder + "/bitmaps")) return 0;
    QByteArray rc =
        "// Made by tarvik-artgen: the pictures of resources.dll, each a BITMAP\n"
        "// resource named by the id the program asks for.\n"
        "LANGUAGE 0, 0\n";
    for (const StorePicture& pic : MakeStore()) {
        const QString name = "bitmaps/" + QString::number(pic.id) + ".bmp";
        if (!WriteAll(folder + "/" + name, BitmapFile(pic.image))) return 0;
        rc += QByteArray::number(pic.id) + " BITMAP \"" + name.toUtf8() + "\"\n";
    }
    std::vector<QImage> icons;
    for (int side : WINDOWS_ICON_SIDES) icons.push_back(IconAtSide(side));
    return WriteAll(folder + "/resources.rc", rc) && WriteAll(folder + "/tarvik.ico", IconFile(icons)) &&
                   WriteAll(folder + "/menu_dialogs.rc", ResourceScript())
               ? 1
               : 0;
}
