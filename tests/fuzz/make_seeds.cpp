// Writes the small seed files of the file fuzzers into FOLDER/{store,
// background,cursor,wave,bitmap,outline}: the tick and the two cursors made by
// the build's own writers, a few JPEGs of different kinds, the pictures and
// list of a tiny store (the fuzz script packs them with rcc in several
// forms), bitmaps as the Windows picture store holds them, and glyph outline
// buffers as the Windows glyph service is given them.
//   make_seeds FOLDER

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainterPath>
#include <QRawFont>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "file_writers.h"

namespace {

QImage Pattern(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, (x / 4 + y / 4) % 2 ? qRgb(0, 0, 255) : qRgb(20 * x % 256, 200, 15 * y % 256));
        }
    }
    return picture.convertToFormat(format);
}

bool Save(const QImage& picture, const QString& path, const char* format, int quality = -1, bool progressive = false,
          bool optimized = false)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.setOptimizedWrite(optimized);
    return writer.write(picture);
}

void PutLittle(QByteArray* out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out->append(char((value >> (8 * i)) & 0xFF));
    }
}

// Stereo 8-bit samples after a list chunk of odd length (so a pad byte).
bool WriteOddWave(const QString& path)
{
    QByteArray b("RIFF");
    PutLittle(&b, 4 + 8 + 16 + 8 + 5 + 1 + 8 + 8, 4);
    b.append("WAVEfmt ");
    PutLittle(&b, 16, 4);
    PutLittle(&b, 1, 2);
    PutLittle(&b, 2, 2);
    PutLittle(&b, 8000, 4);
    PutLittle(&b, 16000, 4);
    PutLittle(&b, 2, 2);
    PutLittle(&b, 8, 2);
    b.append("LIST");
    PutLittle(&b, 5, 4);
    b.append("INFOx", 5);
    b.append('\0');
    b.append("data");
    PutLittle(&b, 8, 4);
    b.append("\x80\x80\x90\x70\xa0\x60\x80\x80", 8);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(b) == b.size();
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A bitmap resource: an info header of `headerBytes` (40, or 124 for the
// longest), `colours` table entries, then the rows of a pattern, each padded
// to four bytes; a negative `height` stores them from the top.
QByteArray StoreBitmap(int width, int height, int bits, uint32_t headerBytes, uint32_t colours)
{
    QByteArray b;
    PutLittle(&b, headerBytes, 4);
    PutLittle(&b, static_cast<uint32_t>(width), 4);
    PutLittle(&b, static_cast<uint32_t>(height), 4);
    PutLittle(&b, 1, 2);
    PutLittle(&b, static_cast<uint32_t>(bits), 2);
    PutLittle(&b, 0, 4);  // no compression
    const int rowBytes = (width * bits + 31) / 32 * 4;
    const int rows = height < 0 ? -height : height;
    PutLittle(&b, static_cast<uint32_t>(rowBytes * rows), 4);
    PutLittle(&b, 2835, 4);
    PutLittle(&b, 2835, 4);
    PutLittle(&b, colours, 4);
    PutLittle(&b, 0, 4);
    b.append(QByteArray(static_cast<int>(headerBytes) - 40, '\0'));
    b.append(QByteArray(static_cast<int>(colours) * 4, '\x40'));
    const QImage picture = Pattern(width, rows);
    for (int y = 0; y < rows; ++y) {
        QByteArray row;
        for (int x = 0; x < width; ++x) {
            const QRgb texel = picture.pixel(x, y);
            row.append(char(qBlue(texel))).append(char(qGreen(texel))).append(char(qRed(texel)));
            if (bits == 32) {
                row.append('\0');
            }
        }
        b.append(row.leftJustified(rowBytes, '\0'));
    }
    return b;
}

// The native outline records of the path: a polygon header per closed
// figure, then lines and cubic splines; the first byte picks the fuzzer's
// deviation. 16.16 points, `units` outline units to the path's one.
QByteArray NativeOutline(const QPainterPath& path, double units)
{
    const auto fixed = [](double value) { return static_cast<uint32_t>(static_cast<int32_t>(value * 65536.0)); };
    QByteArray out(1, '\0');
    QByteArray polygon, curve;
    int curveType = 0, curvePoints = 0;
    const auto endCurve = [&] {
        if (curvePoints > 0) {
            PutLittle(&polygon, static_cast<uint32_t>(curveType), 2);
            PutLittle(&polygon, static_cast<uint32_t>(curvePoints), 2);
            polygon.append(curve);
        }
        curve.clear();
        curvePoints = 0;
    };
    const auto endPolygon = [&] {
        endCurve();
        if (!polygon.isEmpty()) {
            QByteArray header;
            PutLittle(&header, static_cast<uint32_t>(polygon.size() + 8), 4);
            PutLittle(&header, 24, 4);
            out.append(header).append(polygon);
        }
        polygon.clear();
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const int type = e.isMoveTo() ? 0 : e.isLineTo() ? 1 : 3;
        if (type == 0) {
            endPolygon();
            PutLittle(&polygon, fixed(e.x * units), 4);
            PutLittle(&polygon, fixed(-e.y * units), 4);
            continue;
        }
        if (type != curveType && e.type != QPainterPath::CurveToDataElement) {
            endCurve();
            curveType = type;
        }
        PutLittle(&curve, fixed(e.x * units), 4);
        PutLittle(&curve, fixed(-e.y * units), 4);
        ++curvePoints;
    }
    endPolygon();
    return out;
}

// A square of lines, then a quadratic spline of three off-curve points.
QByteArray HandMadeOutline()
{
    QByteArray polygon;
    for (uint32_t v : {0u, 0u}) {
        PutLittle(&polygon, v, 4);
    }
    PutLittle(&polygon, 1, 2);
    PutLittle(&polygon, 3, 2);
    for (uint32_t v : {0x04000000u, 0u, 0x04000000u, 0x04000000u, 0u, 0x04000000u}) {
        PutLittle(&polygon, v, 4);
    }
    PutLittle(&polygon, 2, 2);
    PutLittle(&polygon, 3, 2);
    for (uint32_t v : {0xFE000000u, 0x03000000u, 0xFF000000u, 0x01000000u, 0xFE000000u, 0u}) {
        PutLittle(&polygon, v, 4);
    }
    QByteArray out(1, '\0');
    PutLittle(&out, static_cast<uint32_t>(polygon.size() + 8), 4);
    PutLittle(&out, 24, 4);
    return out + polygon;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const char* kind : {"store", "background", "cursor", "wave", "bitmap", "outline"}) {
        QDir().mkpath(root + "/" + kind);
    }
    bool ok = true;
    ok &= WriteWav(root + "/wave/tick.wav", MakeTick(), TICK_RATE) == 1;
    ok &= WriteWav(root + "/wave/four-samples.wav", {0, 1000, -1000, 0}, 11025) == 1;
    ok &= WriteOddWave(root + "/wave/stereo-8-bit.wav");
    ok &= WriteCursor(root + "/cursor/harrow.cur", DrawArrowCursor(), ARROW_HOT_X, ARROW_HOT_Y) == 1;
    ok &= WriteCursor(root + "/cursor/hnwse.cur", DrawMoveCursor(), MOVE_HOT_X, MOVE_HOT_Y) == 1;
    ok &= Save(Pattern(16, 16), root + "/background/baseline.jpg", "jpeg", 50);
    ok &= Save(Pattern(33, 17), root + "/background/progressive.jpg", "jpeg", 75, true);
    ok &= Save(Pattern(24, 40, QImage::Format_Grayscale8), root + "/background/grey.jpg", "jpeg", 30);
    ok &= Save(Pattern(64, 48), root + "/background/optimized.jpg", "jpeg", 10, false, true);
    // The store's pictures under the names the program asks for: PNGs (one
    // with a colour table), a JPEG and a BMP, which rcc packs as it is large.
    ok &= Save(Pattern(8, 8), root + "/store/4000.png", "png");
    ok &= Save(Pattern(16, 4, QImage::Format_Indexed8), root + "/store/4056.png", "png");
    ok &= Save(Pattern(8, 8), root + "/store/4068.png", "jpeg", 40);
    ok &= Save(Pattern(16, 16), root + "/store/4062.png", "bmp");
    QFile list(root + "/store/pictures.qrc");
    ok &= list.open(QIODevice::WriteOnly) &&
          list.write("<RCC><qresource prefix=\"/pictures\">\n"
                     "<file>4000.png</file><file>4056.png</file><file>4068.png</file><file>4062.png</file>\n"
                     "</qresource></RCC>\n") > 0;
    list.close();
    ok &= WriteBytes(root + "/bitmap/24-bit.bmp", StoreBitmap(5, 3, 24, 40, 0));
    ok &= WriteBytes(root + "/bitmap/32-bit-top-down.bmp", StoreBitmap(4, -4, 32, 40, 2));
    ok &= WriteBytes(root + "/bitmap/long-header.bmp", StoreBitmap(3, 2, 24, 124, 0));
    ok &= WriteBytes(root + "/outline/square-and-spline.bin", HandMadeOutline());
    // Real glyphs, when the system has the face: curves, holes, several figures.
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(64);
    const QRawFont face = QRawFont::fromFont(font);
    for (const char* text : {"S", "8", "%"}) {
        const QList<quint32> glyphs = face.glyphIndexesForString(QString::fromLatin1(text));
        if (face.isValid() && !glyphs.isEmpty()) {
            ok &= WriteBytes(root + "/outline/glyph-" + QString::number(glyphs[0]) + ".bin",
                             NativeOutline(face.pathForGlyph(glyphs[0]), 2048.0 / 64));
        }
    }
    if (!ok) {
        std::fprintf(stderr, "make_seeds: a seed could not be written\n");
        return 1;
    }
    return 0;
}
