#include <QFont>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRawFont>
#include <QVector>

#include <algorithm>
#include <cmath>

#include "platform/common/windows_1252.h"
#include "platform/common/glyph_contours.h"
#include "platform/platform.h"

namespace {
// Outlines are taken at a large size so that hinting and rounding play no
// part, then scaled to ems.
constexpr int OUTLINE_PIXEL_SIZE = 2048;
constexpr int MAX_CURVE_SEGMENTS = 64;

// The bold sans-serif face, made once: a narrow one, so the congratulation
// line and a long name keep within a 4:3 view; when it is not installed, the
// regular-width face "Arial" resolves to. Fonts need the Gui application's
// font database.
constexpr const char* NARROW_FAMILY = "Liberation Sans Narrow";

QRawFont BoldFace(const QString& family)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Bold);
    font.setPixelSize(OUTLINE_PIXEL_SIZE);
    font.setHintingPreference(QFont::PreferNoHinting);
    return QRawFont::fromFont(font);
}

const QRawFont* Face()
{
    static QRawFont face;
    static bool tried = false;
    if (!tried) {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            return nullptr;
        }
        tried = true;
        // Fontconfig answers every family with its nearest match, so the
        // narrow face counts only when it is the one that came back.
        face = BoldFace(QString::fromLatin1(NARROW_FAMILY));
        if (!face.isValid() || face.familyName().compare(QLatin1String(NARROW_FAMILY), Qt::CaseInsensitive) != 0) {
            face = BoldFace(QStringLiteral("Arial"));
        }
    }
    return face.isValid() ? &face : nullptr;
}

void AddPoint(std::vector<float>* contour, QPointF p)
{
    // Qt's y grows downward; ems grow upward.
    contour->push_back(static_cast<float>(p.x() / OUTLINE_PIXEL_SIZE));
    contour->push_back(static_cast<float>(-p.y() / OUTLINE_PIXEL_SIZE));
}

// Cubic from p0 to p3 as straight segments; the chord error of n uniform
// segments is at most 0.75 * max|second difference| / n^2.
void AddCubic(std::vector<float>* contour, QPointF p0, QPointF p1, QPointF p2, QPointF p3, float deviation)
{
    const QPointF d1 = p0 - 2 * p1 + p2;
    const QPointF d2 = p1 - 2 * p2 + p3;
    const double bend = std::max(std::hypot(d1.x(), d1.y()), std::hypot(d2.x(), d2.y())) / OUTLINE_PIXEL_SIZE;
    int segments = static_cast<int>(std::ceil(std::sqrt(0.75 * bend / std::max(deviation, 1e-5f))));
    segments = std::clamp(segments, 1, MAX_CURVE_SEGMENTS);
    for (int i = 1; i <= segments; ++i) {
        const double t = static_cast<double>(i) / segments;
        const double u = 1.0 - t;
        AddPoint(contour, u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3);
    }
}

void FlattenPath(const QPainterPath& path, float deviation, std::vector<std::vector<float>>* contours)
{
    std::vector<float> contour;
    QPointF last;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            CloseGlyphContour(contours, &contour);
            last = e;
            AddPoint(&contour, last);
        } else if (e.isLineTo()) {
            last = e;
            AddPoint(&contour, last);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPointF c1 = path.elementAt(i);
            const QPointF c2 = path.elementAt(i + 1);
            const QPointF end = path.elementAt(i + 2);
            AddCubic(&contour, last, c1, c2, end, deviation);
            last = end;
            i += 2;
        }
    }
    CloseGlyphContour(contours, &contour);
}
}  // namespace

int SysGetGlyphOutline(int code, float deviation, SysGlyphOutline* out)
{
    const QRawFont* face = Face();
    if (!face || !out) {
        return 0;
    }
    out->contours.clear();
    out->advance = 0.0f;
    const char16_t unicode = static_cast<char16_t>(code >= 0 && code <= 254 ? UnicodeOfWindows1252(code) : 0);
    if (unicode == 0) {
        return 1;
    }
    const QChar ch(unicode);
    const QVector<quint32> glyphs = face->glyphIndexesForString(QString(&ch, 1));
    if (glyphs.isEmpty() || glyphs[0] == 0) {
        return 1;  // the face has no glyph: nothing drawn, no advance
    }
    const QVector<QPointF> advances = face->advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    if (!advances.isEmpty()) {
        out->advance = static_cast<float>(advances[0].x() / OUTLINE_PIXEL_SIZE);
    }
    if (!IsWindows1252Control(code)) {
        FlattenPath(face->pathForGlyph(glyphs[0]), deviation, &out->contours);
    }
    return 1;
}
