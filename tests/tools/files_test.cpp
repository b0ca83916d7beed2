// The files beside the program: cursors, tick, cloths, page and icon.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

uint32_t Le(const QByteArray& b, int at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | uint8_t(b[at + i]);
    return v;
}

struct CursorCase {
    const char* file;
    int hotX, hotY;
};

TEST(Cursors, AreOneImageCursorFilesWithTheirHotSpots)
{
    for (CursorCase c : {CursorCase{"harrow.cur", 1, 1}, CursorCase{"hnwse.cur", 16, 16}}) {
        const QByteArray b = ReadAll(QString(TARVIK_GAME_DIR "/") + c.file);
        ASSERT_GE(b.size(), 22 + 40 + 32 * 32 * 4 + 32 * 4) << c.file;
        EXPECT_EQ(Le(b, 0, 2), 0u) << c.file;
        EXPECT_EQ(Le(b, 2, 2), 2u) << c.file << ": type 2 is a cursor";
        EXPECT_EQ(Le(b, 4, 2), 1u) << c.file;
        EXPECT_EQ(uint8_t(b[6]), 32) << c.file;
        EXPECT_EQ(uint8_t(b[7]), 32) << c.file;
        EXPECT_EQ(Le(b, 10, 2), uint32_t(c.hotX)) << c.file;
        EXPECT_EQ(Le(b, 12, 2), uint32_t(c.hotY)) << c.file;
        const uint32_t offset = Le(b, 18, 4), bytes = Le(b, 14, 4);
        EXPECT_EQ(offset + bytes, uint32_t(b.size())) << c.file;
        EXPECT_EQ(Le(b, int(offset) + 8, 4), 64u) << c.file << ": colour and mask halves";
        const QImage img(QString(TARVIK_GAME_DIR "/") + c.file, "ICO");
        ASSERT_FALSE(img.isNull()) << c.file;
        EXPECT_EQ(img.size(), QSize(32, 32));
        // The hot spot lies on the drawn pointer, and a far corner is clear.
        EXPECT_GT(qAlpha(img.pixel(c.hotX, c.hotY)), 0) << c.file;
        EXPECT_EQ(qAlpha(img.pixel(31, 31)), 0) << c.file;
    }
}

TEST(Tick, IsAShortQuietPcmClick)
{
    const QByteArray b = ReadAll(TARVIK_GAME_DIR "/tick.wav");
    ASSERT_GE(b.size(), 44);
    EXPECT_EQ(b.left(4), "RIFF");
    EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le(b, 4, 4), uint32_t(b.size() - 8));
    EXPECT_EQ(Le(b, 20, 2), 1u) << "PCM";
    const uint32_t channels = Le(b, 22, 2), rate = Le(b, 24, 4), bits = Le(b, 34, 2);
    EXPECT_EQ(channels, 1u);
    EXPECT_EQ(rate, 22050u);
    EXPECT_EQ(bits, 16u);
    EXPECT_EQ(b.mid(36, 4), "data");
    const uint32_t samples = Le(b, 40, 4) / 2;
    ASSERT_EQ(44 + samples * 2, uint32_t(b.size()));
    EXPECT_EQ(samples, 661u) << "30 ms";
    EXPECT_LT(samples * 1000.0 / rate, 50.0);
    int peak = 0;
    for (uint32_t i = 0; i < samples; ++i) peak = std::max(peak, std::abs(int(int16_t(Le(b, 44 + int(i) * 2, 2)))));
    EXPECT_GT(peak, 3000) << "audible";
    EXPECT_LT(peak, 24000) << "soft, never clipped";
    const int last = std::abs(int(int16_t(Le(b, 44 + int(samples - 1) * 2, 2))));
    EXPECT_LT(last, 200) << "dies away, no click at the end";
}

TEST(Backgrounds, AtLeastFourDistinctDarkJpegsAtPowerOfTwoSizes)
{
    const QStringList files = QDir(TARVIK_GAME_DIR "/Backgrounds").entryList({"*.jpg"}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 4);
    QList<QRgb> means;
    for (const QString& name : files) {
        const QString path = TARVIK_GAME_DIR "/Backgrounds/" + name;
        EXPECT_EQ(ReadAll(path).left(2), QByteArray("\xff\xd8", 2)) << qPrintable(name);
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), "jpeg") << qPrintable(name);
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << qPrintable(name);
        EXPECT_EQ(img.width() & (img.width() - 1), 0) << qPrintable(name);
        EXPECT_EQ(img.height() & (img.height() - 1), 0) << qPrintable(name);
        double sum[3] = {0, 0, 0}, lumSq = 0, lum = 0;
        int n = 0;
        for (int y = 0; y < img.height(); y += 4)
            for (int x = 0; x < img.width(); x += 4) {
                const QRgb c = img.pixel(x, y);
                const double l = 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
                sum[0] += qRed(c);
                sum[1] += qGreen(c);
                sum[2] += qBlue(c);
                lum += l;
                lumSq += l * l;
                ++n;
            }
        const double mean = lum / n, spread = std::sqrt(lumSq / n - mean * mean);
        EXPECT_GT(mean, 30.0) << qPrintable(name);
        EXPECT_LT(mean, 110.0) << qPrintable(name) << ": light text and cards must stand out";
        EXPECT_GT(spread, 1.5) << qPrintable(name) << ": a texture, not a flat colour";
        means.append(qRgb(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n)));
    }
    for (int i = 0; i < means.size(); ++i)
        for (int j = i + 1; j < means.size(); ++j) EXPECT_NE(means[i], means[j]);
}

TEST(Instructions, PageIsSelfContainedAndCoversEveryGame)
{
    const QString page = QString::fromUtf8(ReadAll(TARVIK_GAME_DIR "/instructions.htm"));
    ASSERT_FALSE(page.isEmpty());
    for (const char* must : {"<style>", "Klondike", "Freecell", "Scorpion", "Mount Sunflower", "Baker's Dozen",
                             "Redeal", "Main Menu", "Sound On", "Alternate Backgrounds", "one move"})
        EXPECT_TRUE(page.contains(must)) << must;
    for (const char* never : {"http:", "https:", "src=", "<link", "<script", "url("})
        EXPECT_FALSE(page.contains(never, Qt::CaseInsensitive)) << never;
}

TEST(Icon, IsA256PixelPngWithSeeThroughCorners)
{
    EXPECT_EQ(ReadAll(TARVIK_ICON_PNG).left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    const QImage img(TARVIK_ICON_PNG);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(256, 256));
    EXPECT_TRUE(img.hasAlphaChannel());
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(img.pixel(128, 128)), 255);
}

}  // namespace
