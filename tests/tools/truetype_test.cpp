// The headless platform's own TrueType reader against Qt's (FreeType's)
// outlines of the same file: every glyph of the scene's code page, simple and
// composite, must have the same advance and cover the same area and box.
#include "platform/common/windows_1252.h"
#include "platform/headless/truetype.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRawFont>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr const char* FONT_FILE = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
constexpr double PIXELS_PER_EM = 2048.0;  // the face's own units: no rounding

struct Shape {
    double area = 0.0;  // signed sum over contours: holes run the other way
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    void Add(const std::vector<double>& xy)
    {
        const size_t n = xy.size() / 2;
        double twice = 0.0;
        for (size_t i = 0; i < n; ++i) {
            const size_t j = (i + 1) % n;
            twice += xy[2 * i] * xy[2 * j + 1] - xy[2 * j] * xy[2 * i + 1];
            left = std::min(left, xy[2 * i]);
            right = std::max(right, xy[2 * i]);
            bottom = std::min(bottom, xy[2 * i + 1]);
            top = std::max(top, xy[2 * i + 1]);
        }
        area += twice / 2.0;
    }
};

Shape OursOf(const TrueTypeFace& face, int glyph)
{
    std::vector<std::vector<float>> contours;
    TrueTypeOutline(face, glyph, 0.0005f, &contours);
    Shape shape;
    for (const std::vector<float>& c : contours) {
        shape.Add(std::vector<double>(c.begin(), c.end()));
    }
    return shape;
}

Shape QtsOf(const QRawFont& font, quint32 glyph)
{
    Shape shape;
    for (const QPolygonF& polygon : font.pathForGlyph(glyph).toSubpathPolygons()) {
        std::vector<double> xy;
        for (const QPointF& p : polygon) {
            xy.push_back(p.x() / PIXELS_PER_EM);
            xy.push_back(-p.y() / PIXELS_PER_EM);  // Qt's y grows downward
        }
        shape.Add(xy);
    }
    return shape;
}

}  // namespace

TEST(TrueTypeReader, EveryGlyphOfTheCodePageMatchesQtsOutline)
{
    TrueTypeFace face;
    ASSERT_EQ(LoadTrueTypeFace(FONT_FILE, &face), 1);
    const QRawFont font(QString::fromLatin1(FONT_FILE), PIXELS_PER_EM, QFont::PreferNoHinting);
    ASSERT_TRUE(font.isValid());
    int composites = 0;
    for (int code = 0x21; code <= 0xFE; ++code) {
        const int unicode = UnicodeOfWindows1252(code);
        if (unicode == 0 || IsWindows1252Control(code)) {
            continue;
        }
        const int glyph = TrueTypeGlyphIndex(face, unicode);
        const QChar ch(static_cast<char16_t>(unicode));
        const QList<quint32> theirs = font.glyphIndexesForString(QString(&ch, 1));
        ASSERT_FALSE(theirs.isEmpty());
        ASSERT_EQ(glyph, static_cast<int>(theirs[0])) << "code " << code;
        if (glyph == 0) {
            continue;
        }
        const QList<QPointF> advances = font.advancesForGlyphIndexes(theirs, QRawFont::UseDesignMetrics);
        EXPECT_NEAR(TrueTypeAdvance(face, glyph), advances[0].x() / PIXELS_PER_EM, 1e-6) << "code " << code;
        const Shape ours = OursOf(face, glyph);
        const Shape qts = QtsOf(font, theirs[0]);
        EXPECT_NEAR(ours.area, qts.area, 0.002 + 0.01 * std::fabs(qts.area)) << "code " << code;
        EXPECT_NEAR(ours.left, qts.left, 0.002) << "code " << code;
        EXPECT_NEAR(ours.right, qts.right, 0.002) << "code " << code;
        EXPECT_NEAR(ours.bottom, qts.bottom, 0.002) << "code " << code;
        EXPECT_NEAR(ours.top, qts.top, 0.002) << "code " << code;
        // Accented letters are composites of a letter and an accent.
        if (code >= 0xC0 && std::fabs(ours.area) > 0.0) {
            ++composites;
        }
    }
    EXPECT_GT(composites, 40);
}

TEST(TrueTypeReader, DamagedFilesGiveNoFaceAndCutGlyphsNoOutline)
{
    TrueTypeFace face;
    ASSERT_EQ(LoadTrueTypeFace(FONT_FILE, &face), 1);
    const std::vector<uint8_t> whole = face.bytes;
    TrueTypeFace cut;
    EXPECT_EQ(ParseTrueTypeFace(std::vector<uint8_t>(whole.begin(), whole.begin() + 100), &cut), 0);
    EXPECT_EQ(ParseTrueTypeFace({}, &cut), 0);
    EXPECT_EQ(LoadTrueTypeFace("/nonexistent.ttf", &cut), 0);
    // Every glyph of a file cut short inside its outlines is read without a
    // step outside the bytes (the sanitized build checks), at worst as nothing.
    std::vector<uint8_t> shorter(whole.begin(), whole.begin() + face.glyf + face.glyfLength / 2);
    shorter.resize(whole.size(), 0xFF);
    ASSERT_EQ(ParseTrueTypeFace(shorter, &cut), 1);
    for (int glyph = 0; glyph < cut.glyphCount; ++glyph) {
        std::vector<std::vector<float>> contours;
        TrueTypeOutline(cut, glyph, 0.01f, &contours);
        for (const std::vector<float>& c : contours) {
            for (float v : c) {
                ASSERT_TRUE(std::isfinite(v));
            }
        }
    }
}
