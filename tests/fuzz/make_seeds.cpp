// Writes the small seed files of the file fuzzers into FOLDER/{store,
// background,cursor,wave}: the tick and the two cursors made by the build's
// own writers, a few JPEGs of different kinds, and the pictures and list of a
// tiny store (the fuzz script packs them with rcc in several forms).
//   make_seeds FOLDER

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

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
    for (const char* kind : {"store", "background", "cursor", "wave"}) {
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
    if (!ok) {
        std::fprintf(stderr, "make_seeds: a seed could not be written\n");
        return 1;
    }
    return 0;
}
