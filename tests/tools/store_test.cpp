// The picture store: every id the program asks for, at a size the loader
// never resamples, with exact see-through keys and no fringes.
#include <QImage>
#include <QResource>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

constexpr QRgb BLUE = 0x0000ff, BLACK = 0x000000, WHITE = 0xffffff;

struct Expected {
    int id;
    int w, h;
    QRgb key;
};

std::vector<Expected> ExpectedPictures()
{
    std::vector<Expected> list;
    for (int id = 4000; id <= 4051; ++id) list.push_back({id, 128, 128, BLUE});
    list.push_back({4056, 128, 128, BLUE});
    list.push_back({4059, 128, 128, BLACK});
    list.push_back({4060, 128, 128, BLACK});
    list.push_back({4068, 64, 64, BLACK});
    for (int id : {4058, 4057, 4065, 4063, 4054}) list.push_back({id, 512, 256, BLUE});
    for (int id : {4071, 4070, 4053, 4072, 4069}) list.push_back({id, 256, 64, BLUE});
    list.push_back({4052, 1024, 1024, WHITE});
    list.push_back({4062, 256, 256, WHITE});
    return list;
}

bool IsKey(QRgb c, QRgb key) { return (c & 0xffffffu) == key; }

bool NearKey(QRgb c, QRgb key)
{
    return std::abs(qRed(c) - qRed(key)) <= 60 && std::abs(qGreen(c) - qGreen(key)) <= 60 &&
           std::abs(qBlue(c) - qBlue(key)) <= 60;
}

QImage Picture(int id) { return QImage(QString(":/pictures/%1.png").arg(id)); }

class Store : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(QResource::registerResource(TARVIK_GAME_DIR "/resources.rcc")); }
    static void TearDownTestSuite() { QResource::unregisterResource(TARVIK_GAME_DIR "/resources.rcc"); }
};

TEST_F(Store, EveryIdLoadsAtAPowerOfTwoSize)
{
    for (const Expected& e : ExpectedPictures()) {
        const QImage img = Picture(e.id);
        ASSERT_FALSE(img.isNull()) << e.id;
        EXPECT_EQ(img.width(), e.w) << e.id;
        EXPECT_EQ(img.height(), e.h) << e.id;
        EXPECT_FALSE(img.hasAlphaChannel()) << e.id << ": the key, not alpha, makes it see-through";
    }
}

TEST_F(Store, NoPictureHasKeyFringes)
{
    for (const Expected& e : ExpectedPictures()) {
        const QImage img = Picture(e.id).convertToFormat(QImage::Format_RGB32);
        int fringe = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (IsKey(c, e.key) || !NearKey(c, e.key)) continue;
                const bool nextToKey = (x > 0 && IsKey(img.pixel(x - 1, y), e.key)) ||
                                       (x + 1 < img.width() && IsKey(img.pixel(x + 1, y), e.key)) ||
                                       (y > 0 && IsKey(img.pixel(x, y - 1), e.key)) ||
                                       (y + 1 < img.height() && IsKey(img.pixel(x, y + 1), e.key));
                fringe += nextToKey;
            }
        EXPECT_EQ(fringe, 0) << e.id;
    }
}

// Key pixels of a card lie only in the four corners outside its rounding.
TEST_F(Store, CardsAreKeyedOnlyOutsideTheirRoundedCorners)
{
    for (const Expected& e : ExpectedPictures()) {
        if (e.w != 128 || e.h != 128 || e.key != BLUE) continue;
        const QImage img = Picture(e.id);
        for (QPoint corner : {QPoint(0, 0), QPoint(127, 0), QPoint(0, 127), QPoint(127, 127)})
            EXPECT_TRUE(IsKey(img.pixel(corner), BLUE)) << e.id;
        int inside = 0;
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x) {
                const bool inCorner = (x < 8 || x >= 120) && (y < 6 || y >= 122);
                inside += !inCorner && IsKey(img.pixel(x, y), BLUE);
            }
        EXPECT_EQ(inside, 0) << e.id << " has holes";
    }
}

TEST_F(Store, FacesAreAllDifferentAndRedSuitsAreRed)
{
    std::set<QByteArray> seen;
    for (int c = 0; c < 52; ++c) {
        const QImage img = Picture(4000 + c);
        seen.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())));
        // The top-left index, in the sixth of the card a fanned pile shows,
        // holds ink of the suit's colour.
        int red = 0, dark = 0;
        for (int y = 2; y < 21; ++y)
            for (int x = 2; x < 66; ++x) {
                const QRgb p = img.pixel(x, y);
                red += qRed(p) > 150 && qGreen(p) < 80 && qBlue(p) < 80;
                dark += qRed(p) < 70 && qGreen(p) < 70 && qBlue(p) < 70;
            }
        if (c / 13 >= 2) EXPECT_GT(red, 150) << c;
        else EXPECT_GT(dark, 150) << c;
        EXPECT_EQ(c / 13 >= 2 ? dark : red, 0) << c;
    }
    EXPECT_EQ(seen.size(), 52u);
}

TEST_F(Store, TextTextureCornersGiveALightOpaqueColour)
{
    const QImage img = Picture(4068);
    int sum[3] = {0, 0, 0};
    for (QPoint corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 63), QPoint(63, 63)}) {
        const QRgb c = img.pixel(corner);
        EXPECT_FALSE(IsKey(c, BLACK));
        sum[0] += qRed(c);
        sum[1] += qGreen(c);
        sum[2] += qBlue(c);
    }
    EXPECT_GT(0.299 * sum[0] / 4 + 0.587 * sum[1] / 4 + 0.114 * sum[2] / 4, 170.0);
}

TEST_F(Store, MarkersAreOutlinesTheClothShowsThrough)
{
    for (int id : {4059, 4060}) {
        const QImage img = Picture(id);
        EXPECT_TRUE(IsKey(img.pixel(64, 30), BLACK)) << id;
        EXPECT_FALSE(IsKey(img.pixel(64, 2), BLACK)) << id << ": the outline";
    }
    EXPECT_NE(Picture(4059), Picture(4060));
}

TEST_F(Store, TitleLeavesMostOfTheTileVisible)
{
    const QImage img = Picture(4052);
    int keyed = 0;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2) keyed += IsKey(img.pixel(x, y), WHITE);
    EXPECT_GT(keyed, 512 * 512 * 8 / 10);
    EXPECT_LT(keyed, 512 * 512);
}

// Repeated 4 x 4, the tile's opposite edges must meet as its inner columns do.
TEST_F(Store, TileIsSeamless)
{
    const QImage img = Picture(4062);
    auto diff = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    };
    long inner = 0, acrossX = 0, acrossY = 0;
    for (int i = 0; i < 256; ++i) {
        inner += diff(img.pixel(127, i), img.pixel(128, i));
        acrossX += diff(img.pixel(255, i), img.pixel(0, i));
        acrossY += diff(img.pixel(i, 255), img.pixel(i, 0));
    }
    EXPECT_LE(acrossX, 2 * inner + 256);
    EXPECT_LE(acrossY, 2 * inner + 256);
    int keyed = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) keyed += IsKey(img.pixel(x, y), WHITE);
    EXPECT_EQ(keyed, 0) << "the tile shows everywhere";
}

}  // namespace
