// The pile markers, the text texture and the program's icon.
#include "art.h"
#include "card_faces.h"
#include "keying.h"

#include <QPainter>

namespace {

// A soft cream: visible on every cloth, quieter than a card.
const QColor MARK(214, 222, 200);

}  // namespace

QImage DrawPileMarker(bool foundation)
{
    QImage canvas = NewCanvas(CARD_PIXELS_W, CARD_PIXELS_H);
    QPainter p;
    BeginDesign(p, canvas, CARD_DESIGN_W, CARD_DESIGN_H);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(MARK, 8.0));
    p.drawRoundedRect(QRectF(6, 6, CARD_DESIGN_W - 12, CARD_DESIGN_H - 12), 16, 16);
    p.setPen(QPen(MARK, 6.0));
    p.drawRoundedRect(QRectF(22, 22, CARD_DESIGN_W - 44, CARD_DESIGN_H - 44), 10, 10);
    if (foundation) {
        // An outlined "A": the pile is built up from the ace.
        p.setPen(QPen(MARK, 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(TextPath("A", "Liberation Serif", QPointF(CARD_DESIGN_W / 2, CARD_DESIGN_H / 2), 130.0));
    }
    p.end();
    return canvas;
}

QImage DrawTextTexture()
{
    // The scene's text takes the mean of the four corners: one warm gold that
    // reads on every cloth. The middle carries a faint sheen nobody samples.
    QImage canvas = NewCanvas(64, 64);
    QPainter p(&canvas);
    p.fillRect(QRect(0, 0, 64, 64), QColor(252, 214, 120));
    QRadialGradient sheen(QPointF(32, 32), 24);
    sheen.setColorAt(0.0, QColor(255, 236, 170));
    sheen.setColorAt(1.0, QColor(252, 214, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawEllipse(QPointF(32, 32), 24, 24);
    p.end();
    return canvas;
}

QImage DrawProgramIcon(const QImage& aceFace, const QImage& kingFace)
{
    QImage canvas = NewCanvas(256, 256);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    p.fillPath(tile, QColor(206, 160, 64));
    QPainterPath felt;
    felt.addRoundedRect(QRectF(16, 16, 224, 224), 33, 33);
    QLinearGradient shade(0, 16, 0, 240);
    shade.setColorAt(0.0, QColor(40, 128, 72));
    shade.setColorAt(1.0, QColor(20, 74, 42));
    p.fillPath(felt, shade);
    const QRectF card(-60, -90, 120, 180);
    for (int i = 0; i < 2; ++i) {
        p.save();
        p.translate(128 + (i == 0 ? -26 : 26), 134);
        p.rotate(i == 0 ? -14.0 : 14.0);
        p.drawImage(card, i == 0 ? kingFace : aceFace);
        p.restore();
    }
    p.end();
    return canvas;
}
