// The generator's own pieces: keying, suit outlines, text outlines and the
// two file writers, checked on small inputs whose answer is known.
#include "art.h"
#include "card_faces.h"
#include "file_writers.h"
#include "keying.h"
#include "suits.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr QRgb BLUE = 0x0000ff, BLACK = 0x000000;

QRgb At(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xffffffu; }

TEST(Keying, HalfCoveredPixelsTurnOpaqueInTheirOwnColour)
{
    QImage canvas = NewCanvas(4, 1);
    canvas.setPixel(0, 0, qPremultiply(qRgba(200, 100, 50, 255)));
    canvas.setPixel(1, 0, qPremultiply(qRgba(200, 100, 50, 140)));
    canvas.setPixel(2, 0, qPremultiply(qRgba(200, 100, 50, 100)));
    const QImage out = KeyCanvas(canvas, BLUE);
    EXPECT_EQ(At(out, 0, 0), qRgb(200, 100, 50) & 0xffffffu);
    // Not blended with the key: the same colour, only opaque.
    EXPECT_NEAR(qRed(out.pixel(1, 0)), 200, 2);
    EXPECT_NEAR(qGreen(out.pixel(1, 0)), 100, 2);
    EXPECT_NEAR(qBlue(out.pixel(1, 0)), 50, 2);
    EXPECT_EQ(At(out, 2, 0), BLUE);
    EXPECT_EQ(At(out, 3, 0), BLUE);
}

TEST(Keying, KeyColouredInkNeverBecomesAHole)
{
    QImage canvas = NewCanvas(3, 3);
    canvas.fill(qRgba(0, 0, 255, 255));  // a drawing that uses the key colour itself
    const QImage out = KeyCanvas(canvas, BLUE);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_NE(At(out, x, y), BLUE) << x << "," << y;
}

TEST(Keying, NearKeyInkIsPushedAwayOnlyNextToTheKey)
{
    QImage canvas = NewCanvas(5, 1);
    for (int x = 1; x < 5; ++x) canvas.setPixel(x, 0, qRgba(10, 10, 10, 255));
    const QImage out = KeyCanvas(canvas, BLACK);
    EXPECT_EQ(At(out, 0, 0), BLACK);
    EXPECT_FALSE(NearKey(out.pixel(1, 0), BLACK)) << "next to the key";
    EXPECT_EQ(At(out, 3, 0), qRgb(10, 10, 10) & 0xffffffu) << "inside, a near-black stays";
    // Pushed to a grey, not to a tint.
    EXPECT_EQ(qRed(out.pixel(1, 0)), qGreen(out.pixel(1, 0)));
    EXPECT_EQ(qGreen(out.pixel(1, 0)), qBlue(out.pixel(1, 0)));
}

TEST(Suits, FitTheirBoxAndAreLeftRightSymmetric)
{
    for (int suit = 0; suit < 4; ++suit) {
        const QPainterPath path = SuitPath(suit, QPointF(100, 50), 40.0);
        const QRectF box = path.boundingRect();
        EXPECT_LE(box.height(), 40.01) << suit;
        EXPECT_LE(box.width(), 40.01) << suit;
        EXPECT_GT(box.height(), 36.0) << suit;
        EXPECT_NEAR(box.center().x(), 100.0, 0.5) << suit;
        for (double dy = -15; dy <= 15; dy += 5)
            for (double dx = 2; dx <= 16; dx += 2)
                EXPECT_EQ(path.contains(QPointF(100 + dx, 50 + dy)), path.contains(QPointF(100 - dx, 50 + dy)))
                    << suit << " at " << dx << "," << dy;
    }
}

TEST(Suits, RedAndBlackPairUpAsTheRulesDo)
{
    EXPECT_EQ(SuitColour(SUIT_SPADES), SuitColour(SUIT_CLUBS));
    EXPECT_EQ(SuitColour(SUIT_HEARTS), SuitColour(SUIT_DIAMONDS));
    EXPECT_GT(SuitColour(SUIT_HEARTS).red(), 150);
    EXPECT_LT(SuitColour(SUIT_SPADES).lightness(), 40);
    // Never the cards' see-through blue, never pure black.
    EXPECT_FALSE(NearKey(SuitColour(SUIT_SPADES).rgb(), BLUE));
    EXPECT_NE(SuitColour(SUIT_SPADES).rgb() & 0xffffffu, BLACK);
}

TEST(Text, ReferenceGivesOneBaseLineAndSize)
{
    const QPainterPath k = TextPath("K", "Liberation Serif", QPointF(0, 0), 40.0, 0.0, "K");
    const QPainterPath q = TextPath("Q", "Liberation Serif", QPointF(0, 0), 40.0, 0.0, "K");
    EXPECT_NEAR(k.boundingRect().height(), 40.0, 0.01);
    EXPECT_NEAR(q.boundingRect().top(), k.boundingRect().top(), 2.0) << "same cap height";
    EXPECT_GT(q.boundingRect().bottom(), k.boundingRect().bottom()) << "the tail of Q hangs below";
    const QPainterPath squeezed = TextPath("Mount Sunflower", "Liberation Serif", QPointF(0, 0), 40.0, 100.0);
    EXPECT_LE(squeezed.boundingRect().width(), 100.01);
}

TEST(Writers, CursorRoundTripsThroughQtsReader)
{
    QTemporaryDir dir;
    QImage pic(32, 32, QImage::Format_ARGB32);
    pic.fill(0);
    for (int i = 0; i < 32; ++i) pic.setPixel(i, i, qRgba(255, 255, 255, 255));
    pic.setPixel(31, 0, qRgba(20, 20, 20, 255));
    const QString path = dir.filePath("t.cur");
    ASSERT_EQ(WriteCursor(path, pic, 7, 9), 1);
    const QImage back(path, "ICO");
    ASSERT_FALSE(back.isNull());
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool drawn = x == y || (x == 31 && y == 0);
            EXPECT_EQ(qAlpha(back.pixel(x, y)) > 0, drawn) << x << "," << y;
        }
    EXPECT_EQ(qRed(back.pixel(31, 0)), 20);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    EXPECT_EQ(uint8_t(b[10]), 7);
    EXPECT_EQ(uint8_t(b[12]), 9);
}

TEST(Writers, WavHoldsTheSamplesLittleEndian)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.wav");
    ASSERT_EQ(WriteWav(path, {1, -2, 0x1234}, 8000), 1);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    ASSERT_EQ(b.size(), 44 + 6);
    EXPECT_EQ(uint8_t(b[24]) | uint8_t(b[25]) << 8, 8000);
    EXPECT_EQ(uint8_t(b[28]) | uint8_t(b[29]) << 8, 16000) << "bytes per second";
    EXPECT_EQ(b.mid(44), QByteArray("\x01\x00\xfe\xff\x34\x12", 6));
}

TEST(Writers, TickStartsAndEndsQuietly)
{
    const std::vector<int16_t> tick = MakeTick();
    ASSERT_EQ(int(tick.size()), TICK_RATE * TICK_MS / 1000);
    EXPECT_EQ(tick.front(), 0);
    EXPECT_LT(std::abs(int(tick.back())), 200);
}

// A card's top half unit, all a fanned pile shows of it, holds its rank and suit.
TEST(Cards, IndexSitsInTheStripAFannedPileShows)
{
    const QImage face = DrawCardFace(2 * 13 + 9);  // ten of hearts
    const int strip = CARD_PIXELS_H / 6;
    // Pixel rows of the design's first 72 units: the strip and a little more.
    const int belowStrip = int(72.0 / CARD_DESIGN_H * CARD_PIXELS_H);
    int inkInStrip = 0, inkJustBelow = 0;
    for (int x = 0; x < CARD_PIXELS_W / 2; ++x) {
        for (int y = 1; y < strip; ++y) inkInStrip += qRed(face.pixel(x, y)) > 150 && qGreen(face.pixel(x, y)) < 80;
        for (int y = strip; y < belowStrip; ++y)
            inkJustBelow += qRed(face.pixel(x, y)) > 150 && qGreen(face.pixel(x, y)) < 80;
    }
    // The rank and the suit fill a good share of the strip's left half.
    EXPECT_GT(inkInStrip, strip * CARD_PIXELS_W / 2 / 4);
    EXPECT_EQ(inkJustBelow, 0) << "no pip is cut by the next card of the fan";
}

}  // namespace
