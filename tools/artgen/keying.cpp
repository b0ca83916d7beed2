#include "keying.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Distance in every channel below which a colour reads as the key.
constexpr int NEAR_KEY = 60;

// Moves each channel that lies near the key's far enough away from it.
QRgb AwayFromKey(QRgb c, QRgb key)
{
    int ch[3] = {qRed(c), qGreen(c), qBlue(c)};
    const int k[3] = {qRed(key), qGreen(key), qBlue(key)};
    // Every close channel is pushed out of reach, so the colour keeps its hue
    // family (a near-black becomes a dark grey, not a tint).
    for (int i = 0; i < 3; ++i)
        if (std::abs(ch[i] - k[i]) <= NEAR_KEY) ch[i] = k[i] >= 128 ? k[i] - NEAR_KEY - 16 : k[i] + NEAR_KEY + 16;
    return qRgb(ch[0], ch[1], ch[2]);
}

}  // namespace

QImage NewCanvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

bool NearKey(QRgb c, QRgb key)
{
    return std::abs(qRed(c) - qRed(key)) <= NEAR_KEY && std::abs(qGreen(c) - qGreen(key)) <= NEAR_KEY &&
           std::abs(qBlue(c) - qBlue(key)) <= NEAR_KEY;
}

QImage KeyCanvas(const QImage& canvas, QRgb key)
{
    const QImage src = canvas.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width(), h = src.height();
    // Coverage decides what is see-through; colour alone cannot, since ink may
    // use the key colour itself.
    std::vector<uint8_t> covered(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) covered[size_t(y) * size_t(w) + size_t(x)] = qAlpha(in[x]) >= 128;
    }
    auto isKeyed = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && !covered[size_t(y) * size_t(w) + size_t(x)];
    };
    QImage out(w, h, QImage::Format_RGB32);
    const QRgb keyRgb = key | 0xff000000u;
    for (int y = 0; y < h; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (isKeyed(x, y)) {
                row[x] = keyRgb;
                continue;
            }
            QRgb c = in[x] | 0xff000000u;
            const bool touchesKey = isKeyed(x - 1, y) || isKeyed(x + 1, y) || isKeyed(x, y - 1) || isKeyed(x, y + 1);
            if (c == keyRgb || (touchesKey && NearKey(c, key))) c = AwayFromKey(c, key) | 0xff000000u;
            row[x] = c;
        }
    }
    return out;
}

QPainterPath TextPath(const QString& text, const QString& family, QPointF centre, double height, double width,
                      const QString& reference)
{
    QFont font(family);
    font.setPixelSize(200);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) return path;
    QRectF frame = ink;
    if (!reference.isEmpty()) {
        QPainterPath ref;
        ref.addText(0, 0, font, reference);
        frame = ref.boundingRect();
    }
    double sx = height / frame.height(), sy = sx;
    if (width > 0.0 && ink.width() * sx > width) sx = width / ink.width();
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(sx, sy);
    t.translate(-ink.center().x(), -frame.center().y());
    return t.map(path);
}

void BeginDesign(QPainter& p, QImage& canvas, double designW, double designH)
{
    p.begin(&canvas);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.scale(canvas.width() / designW, canvas.height() / designH);
}
