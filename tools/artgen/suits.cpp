#include "suits.h"

#include <QTransform>

namespace {

// Each symbol is drawn in a unit box: x and y in [-0.5, 0.5], y downward.
QPainterPath UnitHeart()
{
    QPainterPath p;
    p.moveTo(0.0, 0.5);
    p.cubicTo(-0.12, 0.32, -0.5, 0.12, -0.5, -0.16);
    p.cubicTo(-0.5, -0.40, -0.30, -0.5, -0.22, -0.5);
    p.cubicTo(-0.10, -0.5, -0.02, -0.42, 0.0, -0.30);
    p.cubicTo(0.02, -0.42, 0.10, -0.5, 0.22, -0.5);
    p.cubicTo(0.30, -0.5, 0.5, -0.40, 0.5, -0.16);
    p.cubicTo(0.5, 0.12, 0.12, 0.32, 0.0, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath UnitDiamond()
{
    QPainterPath p;
    p.moveTo(0.0, -0.5);
    p.quadTo(0.16, -0.2, 0.40, 0.0);
    p.quadTo(0.16, 0.2, 0.0, 0.5);
    p.quadTo(-0.16, 0.2, -0.40, 0.0);
    p.quadTo(-0.16, -0.2, 0.0, -0.5);
    p.closeSubpath();
    return p;
}

// A stem widening to the base, shared by spades and clubs.
QPainterPath UnitStem()
{
    QPainterPath p;
    p.moveTo(-0.05, 0.05);
    p.quadTo(-0.04, 0.36, -0.22, 0.5);
    p.lineTo(0.22, 0.5);
    p.quadTo(0.04, 0.36, 0.05, 0.05);
    p.closeSubpath();
    return p;
}

QPainterPath UnitSpade()
{
    QPainterPath p;
    p.moveTo(0.0, -0.5);
    p.cubicTo(0.10, -0.34, 0.5, -0.10, 0.5, 0.14);
    p.cubicTo(0.5, 0.32, 0.36, 0.38, 0.24, 0.38);
    p.cubicTo(0.12, 0.38, 0.04, 0.30, 0.0, 0.22);
    p.cubicTo(-0.04, 0.30, -0.12, 0.38, -0.24, 0.38);
    p.cubicTo(-0.36, 0.38, -0.5, 0.32, -0.5, 0.14);
    p.cubicTo(-0.5, -0.10, -0.10, -0.34, 0.0, -0.5);
    p.closeSubpath();
    return p.united(UnitStem());
}

QPainterPath UnitClub()
{
    QPainterPath p;
    // Three full round lobes: even a few pixels tall the club's top is round
    // and its sides bulge, where the spade comes to a point.
    // Deep notches between the lobes keep the three apart when shrunk.
    const double r = 0.22;
    p.addEllipse(QPointF(0.0, -0.28), r, r);
    p.addEllipse(QPointF(-0.28, 0.07), r, r);
    p.addEllipse(QPointF(0.28, 0.07), r, r);
    QPainterPath core;
    core.addEllipse(QPointF(0.0, 0.02), 0.12, 0.14);
    p = p.united(core);
    return p.united(UnitStem());
}

}  // namespace

QPainterPath SuitPath(int suit, QPointF centre, double size)
{
    QPainterPath unit;
    switch (suit) {
    case SUIT_SPADES: unit = UnitSpade(); break;
    case SUIT_CLUBS: unit = UnitClub(); break;
    case SUIT_HEARTS: unit = UnitHeart(); break;
    default: unit = UnitDiamond(); break;
    }
    unit.setFillRule(Qt::WindingFill);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(size, size);
    return t.map(unit);
}

QColor SuitColour(int suit)
{
    return suit >= SUIT_HEARTS ? QColor(196, 22, 36) : QColor(26, 26, 32);
}
