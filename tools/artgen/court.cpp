// Jack, queen and king: our own double-headed figures, drawn from outlines.
// The picture is a fifth of the design's size, so outlines are at least 3.5
// units (close to two texels) and the shapes few and broad.
#include "card_faces.h"
#include "suits.h"

#include <QPainter>

#include <cmath>

namespace {

// The framed panel the figure fills; its middle is the card's middle.
// Its frame starts below the strip a fanned pile shows of the card.
const QRectF PANEL(50.0, 72.0, 156.0, 240.0);
constexpr double MID_Y = 192.0;

const QColor GOLD(222, 172, 52);
const QColor GOLD_DARK(150, 104, 24);
const QColor SKIN(246, 212, 172);
const QColor LINE(40, 30, 30);
const QColor NAVY(38, 56, 128);
const QColor CRIMSON(186, 30, 44);
const QColor CREAM(250, 240, 212);

QPainterPath Poly(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF& pt : pts) {
        if (first) p.moveTo(pt); else p.lineTo(pt);
        first = false;
    }
    p.closeSubpath();
    return p;
}

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill)
{
    p.setPen(QPen(LINE, 3.5));
    p.setBrush(fill);
    p.drawPath(path);
}

// The colours and suit of one figure's dress.
struct Dress {
    QColor robe, lining;
    int suit;
};

// A hand holding something at `at`.
void DrawHand(QPainter& p, QPointF at)
{
    p.setPen(QPen(LINE, 3.0));
    p.setBrush(SKIN);
    p.drawEllipse(at, 8.0, 7.0);
}

// The robe over the shoulders down to the panel's middle line.
void DrawRobe(QPainter& p, const Dress& d)
{
    const QColor& robe = d.robe;
    const QColor& lining = d.lining;
    QPainterPath body;
    body.moveTo(56, MID_Y);
    body.lineTo(60, 168);
    body.cubicTo(64, 152, 86, 146, 110, 142);
    body.lineTo(146, 142);
    body.cubicTo(170, 146, 192, 152, 196, 168);
    body.lineTo(200, MID_Y);
    body.closeSubpath();
    Shape(p, body, robe);
    Shape(p, Poly({{112, 142}, {144, 142}, {136, MID_Y}, {120, MID_Y}}), lining);
    // Gold trim down the front and along the collar.
    p.setPen(Qt::NoPen);
    p.setBrush(GOLD);
    p.drawPath(Poly({{104, 142}, {112, 142}, {121, MID_Y}, {113, MID_Y}}));
    p.drawPath(Poly({{144, 142}, {152, 142}, {143, MID_Y}, {135, MID_Y}}));
    // Two large gold suit signs on the chest.
    for (double x : {80.0, 176.0}) p.fillPath(SuitPath(d.suit, QPointF(x, 176), 18.0), GOLD);
}

void DrawFace(QPainter& p)
{
    Shape(p, [] { QPainterPath f; f.addEllipse(QPointF(128, 116), 19, 24); return f; }(), SKIN);
    p.setPen(Qt::NoPen);
    p.setBrush(LINE);
    p.drawEllipse(QPointF(120, 112), 3.5, 4.0);
    p.drawEllipse(QPointF(136, 112), 3.5, 4.0);
    p.setPen(QPen(QColor(170, 50, 50), 4.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(122, 128), QPointF(134, 128));
}

void DrawKing(QPainter& p, const Dress& d)
{
    // Sceptre behind the shoulder.
    p.setPen(QPen(GOLD_DARK, 7.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(178, MID_Y), QPointF(178, 96));
    p.setPen(QPen(LINE, 3.0));
    p.setBrush(GOLD);
    p.drawEllipse(QPointF(178, 90), 10, 10);
    DrawRobe(p, d);
    DrawHand(p, QPointF(178, 160));
    DrawFace(p);
    // Beard and moustache.
    QPainterPath beard;
    beard.moveTo(109, 118);
    beard.cubicTo(110, 150, 122, 156, 128, 158);
    beard.cubicTo(134, 156, 146, 150, 147, 118);
    beard.cubicTo(140, 132, 116, 132, 109, 118);
    Shape(p, beard, QColor(150, 96, 52));
    // Crown with five points.
    Shape(p, Poly({{104, 100}, {102, 75}, {113, 86}, {120, 71}, {128, 84}, {136, 71}, {143, 86}, {154, 75}, {152, 100}}), GOLD);
    p.setPen(Qt::NoPen);
    p.setBrush(CRIMSON);
    p.drawEllipse(QPointF(128, 92), 6, 6);
}

void DrawQueen(QPainter& p, const Dress& d)
{
    // Hair falling to the shoulders.
    QPainterPath hair;
    hair.moveTo(106, 150);
    hair.cubicTo(98, 120, 104, 92, 128, 90);
    hair.cubicTo(152, 92, 158, 120, 150, 150);
    hair.closeSubpath();
    Shape(p, hair, QColor(196, 140, 56));
    // A flower held up on a stem.
    p.setPen(QPen(QColor(60, 120, 60), 5.0));
    p.drawLine(QPointF(178, MID_Y), QPointF(178, 112));
    p.setPen(QPen(LINE, 2.5));
    p.setBrush(CRIMSON);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(178, 104);
        p.rotate(72.0 * i);
        p.drawEllipse(QPointF(0, -9), 6, 9);
        p.restore();
    }
    p.setBrush(GOLD);
    p.drawEllipse(QPointF(178, 104), 5, 5);
    DrawRobe(p, d);
    DrawHand(p, QPointF(178, 162));
    // A white ruff under the chin.
    p.setPen(QPen(LINE, 2.5));
    p.setBrush(CREAM);
    QPainterPath ruff;
    ruff.addRoundedRect(QRectF(104, 136, 48, 14), 7, 7);
    p.drawPath(ruff);
    DrawFace(p);
    // A low crown with pearls on its points.
    Shape(p, Poly({{108, 98}, {108, 80}, {118, 88}, {128, 76}, {138, 88}, {148, 80}, {148, 98}}), GOLD);
    p.setPen(QPen(LINE, 2.5));
    p.setBrush(CREAM);
    for (QPointF pearl : {QPointF(108, 78), QPointF(128, 74), QPointF(148, 78)}) p.drawEllipse(pearl, 5, 5);
}

void DrawJack(QPainter& p, const Dress& d)
{
    // Halberd behind the shoulder.
    p.setPen(QPen(QColor(120, 80, 40), 6.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(180, MID_Y), QPointF(180, 84));
    Shape(p, Poly({{180, 70}, {196, 94}, {180, 102}, {186, 88}}), QColor(190, 196, 204));
    DrawRobe(p, d);
    DrawHand(p, QPointF(180, 160));
    DrawFace(p);
    // Short curled hair and a cap with a feather.
    QPainterPath hair;
    hair.addEllipse(QPointF(108, 116), 7, 12);
    hair.addEllipse(QPointF(148, 116), 7, 12);
    Shape(p, hair, QColor(110, 70, 36));
    QPainterPath cap;
    cap.moveTo(104, 100);
    cap.cubicTo(100, 78, 156, 78, 152, 100);
    cap.closeSubpath();
    Shape(p, cap, d.lining);
    p.setPen(QPen(LINE, 2.5));
    p.setBrush(GOLD);
    p.drawRect(QRectF(104, 94, 48, 8));
    QPainterPath feather;
    feather.moveTo(146, 90);
    feather.cubicTo(160, 70, 172, 66, 176, 60);
    feather.cubicTo(170, 76, 160, 84, 148, 94);
    feather.closeSubpath();
    Shape(p, feather, CREAM);
}

}  // namespace

void DrawCourtFigure(QPainter& p, int suit, int rank)
{
    const bool red = suit >= SUIT_HEARTS;
    const QColor robe = red ? CRIMSON : NAVY;
    const QColor lining = red ? NAVY : CRIMSON;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 236, 190));
    p.drawRect(PANEL);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(128, MID_Y);
            p.rotate(180.0);
            p.translate(-128, -MID_Y);
        }
        p.setClipRect(QRectF(PANEL.left(), PANEL.top(), PANEL.width(), MID_Y - PANEL.top()));
        const Dress dress{robe, lining, suit};
        if (rank == 12) DrawKing(p, dress);
        else if (rank == 11) DrawQueen(p, dress);
        else DrawJack(p, dress);
        p.setClipping(false);
        p.fillPath(SuitPath(suit, QPointF(70, 92), 28.0), SuitColour(suit));
        p.restore();
    }
    p.setPen(QPen(SuitColour(suit), 6.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(PANEL);
    p.drawLine(QPointF(PANEL.left(), MID_Y), QPointF(PANEL.right(), MID_Y));
    p.restore();
}
