// Every cloth works with every card: the light border of the card back and
// the gold of the scene's text stand out against the cloth where the cards
// lie, and nothing there is busy. Measured on the JPEG files as written.
#include "art.h"

#include <QImage>
#include <QResource>

#include <cmath>
#include <cstdio>

#include <gtest/gtest.h>

namespace {

// The contrast ratio of two colours as the web's accessibility guidelines
// define it, (L1 + 0.05) / (L2 + 0.05) of their relative luminances: 1 for
// equal colours, 21 for black on white. 4.5 is what those guidelines ask of
// body text; the border is a thin line and the text small, so both must
// reach it.
constexpr double MIN_CONTRAST = 4.5;
// The standard deviation of the cloth's luma (0 to 255) behind the cards: a
// pattern above this reads as busy next to the cards' pips.
constexpr double MAX_LUMA_SPREAD = 8.0;

double Linear(double channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(double r, double g, double b) { return 0.2126 * Linear(r) + 0.7152 * Linear(g) + 0.0722 * Linear(b); }

double Contrast(double l1, double l2) { return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05); }

// The part of the cloth the cards cover: the table's layouts reach about 11
// units to the sides and 9.5 up and down at depth 25, which on the 32 x 24
// cloth at depth 26 is its middle 70 % across and 80 % down.
struct ClothFigures {
    double luminance;  // of the mean colour
    double lumaSpread;
};

ClothFigures Measure(const QImage& cloth)
{
    const int x0 = int(cloth.width() * 0.15), x1 = int(cloth.width() * 0.85);
    const int y0 = int(cloth.height() * 0.10), y1 = int(cloth.height() * 0.90);
    double r = 0, g = 0, b = 0, luma = 0, luma2 = 0;
    long n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const QRgb c = cloth.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            const double l = 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
            luma += l;
            luma2 += l * l;
            ++n;
        }
    const double mean = luma / n;
    return {Luminance(r / n, g / n, b / n), std::sqrt(std::max(0.0, luma2 / n - mean * mean))};
}

TEST(Cloths, BackBorderAndTextStandOutAndNothingBehindTheCardsIsBusy)
{
    ASSERT_TRUE(QResource::registerResource(TARVIK_GAME_DIR "/resources.rcc"));
    const QImage back(":/pictures/4056.png");
    const QImage text(":/pictures/4068.png");
    QResource::unregisterResource(TARVIK_GAME_DIR "/resources.rcc");
    ASSERT_FALSE(back.isNull());
    ASSERT_FALSE(text.isNull());
    // The back's border halfway down its left side, inside the thin edge.
    const QRgb border = back.pixel(back.width() * 6 / 128, back.height() / 2);
    const double borderLum = Luminance(qRed(border), qGreen(border), qBlue(border));
    // And broad enough to be seen: at least 8 % of the card's width, about
    // 3.7 pixels in a 640 x 480 window.
    int light = 0;
    for (int x = 0; x < back.width() / 4; ++x) {
        const QRgb c = back.pixel(x, back.height() / 2);
        light += Luminance(qRed(c), qGreen(c), qBlue(c)) > 0.5;
    }
    EXPECT_GE(light, back.width() * 8 / 100) << "the back's light border";
    // The text's colour: the mean of the text texture's four corners.
    double tr = 0, tg = 0, tb = 0;
    for (QPoint p : {QPoint(0, 0), QPoint(text.width() - 1, 0), QPoint(0, text.height() - 1),
                     QPoint(text.width() - 1, text.height() - 1)}) {
        tr += qRed(text.pixel(p)) / 4.0;
        tg += qGreen(text.pixel(p)) / 4.0;
        tb += qBlue(text.pixel(p)) / 4.0;
    }
    const double textLum = Luminance(tr, tg, tb);

    ASSERT_FALSE(Backgrounds().empty());
    for (const Background& bg : Backgrounds()) {
        const QImage cloth(QString(TARVIK_GAME_DIR "/Backgrounds/") + bg.fileName);
        ASSERT_FALSE(cloth.isNull()) << bg.fileName;
        const ClothFigures f = Measure(cloth);
        const double borderContrast = Contrast(borderLum, f.luminance);
        const double textContrast = Contrast(textLum, f.luminance);
        std::printf("%s: back border %.1f:1, text %.1f:1, luma spread %.1f\n", bg.fileName, borderContrast,
                    textContrast, f.lumaSpread);
        EXPECT_GE(borderContrast, MIN_CONTRAST) << bg.fileName;
        EXPECT_GE(textContrast, MIN_CONTRAST) << bg.fileName;
        EXPECT_LE(f.lumaSpread, MAX_LUMA_SPREAD) << bg.fileName;
    }
}

}  // namespace
