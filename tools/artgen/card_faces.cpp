#include "card_faces.h"

#include "keying.h"
#include "suits.h"

#include <QPainter>

namespace {

constexpr double CORNER_RADIUS = 18.0;
const QColor PAPER(252, 250, 243);
const QColor EDGE(128, 128, 132);

const char* const RANK_TEXT[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

// Pip centres on the design plane for ranks 2 to 10, as real cards lay them:
// columns at x 80, 128, 176; rows between y 110 and 274 (the card's middle is 192).
struct Pip {
    double x, y;
};
constexpr double L = 80, C = 128, R = 176;
constexpr double TOP = 110, BOT = 274, MID = 192;
constexpr double Q1 = 164.67, Q3 = 219.33;  // inner rows of the four-row ranks
const Pip PIPS_2[] = {{C, TOP}, {C, BOT}};
const Pip PIPS_3[] = {{C, TOP}, {C, MID}, {C, BOT}};
const Pip PIPS_4[] = {{L, TOP}, {R, TOP}, {L, BOT}, {R, BOT}};
const Pip PIPS_5[] = {{L, TOP}, {R, TOP}, {C, MID}, {L, BOT}, {R, BOT}};
const Pip PIPS_6[] = {{L, TOP}, {R, TOP}, {L, MID}, {R, MID}, {L, BOT}, {R, BOT}};
const Pip PIPS_7[] = {{L, TOP}, {R, TOP}, {C, 151}, {L, MID}, {R, MID}, {L, BOT}, {R, BOT}};
const Pip PIPS_8[] = {{L, TOP}, {R, TOP}, {C, 151}, {L, MID}, {R, MID}, {C, 233}, {L, BOT}, {R, BOT}};
const Pip PIPS_9[] = {{L, TOP}, {R, TOP}, {L, Q1}, {R, Q1}, {C, MID}, {L, Q3}, {R, Q3}, {L, BOT}, {R, BOT}};
const Pip PIPS_10[] = {{L, TOP}, {R, TOP}, {C, 137}, {L, Q1}, {R, Q1}, {L, Q3}, {R, Q3}, {C, 247}, {L, BOT}, {R, BOT}};

struct PipLayout {
    const Pip* pips;
    int count;
};
const PipLayout PIP_LAYOUTS[9] = {{PIPS_2, 2}, {PIPS_3, 3}, {PIPS_4, 4},  {PIPS_5, 5}, {PIPS_6, 6},
                                  {PIPS_7, 7}, {PIPS_8, 8}, {PIPS_9, 9}, {PIPS_10, 10}};
static_assert(sizeof(PIP_LAYOUTS) / sizeof(PIP_LAYOUTS[0]) == 9, "ranks 2 to 10");

// A shape at `centre`, turned upside down when it lies in the card's lower half.
void FillUpright(QPainter& p, const QPainterPath& shape, QPointF centre, bool flip, const QColor& ink)
{
    p.save();
    if (flip) {
        p.translate(centre);
        p.rotate(180.0);
        p.translate(-centre);
    }
    p.fillPath(shape, ink);
    p.restore();
}

// Rank and suit side by side in the top-left corner, inside the half unit a
// fanned pile leaves visible; the same turned 180 degrees bottom-right.
void DrawIndices(QPainter& p, int suit, int rank)
{
    const QColor ink = SuitColour(suit);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(CARD_DESIGN_W, CARD_DESIGN_H);
            p.rotate(180.0);
        }
        const QPainterPath rankPath = TextPath(RANK_TEXT[rank], "Liberation Serif", QPointF(0, 0), 46.0, 58.0, "K");
        const QRectF ink0 = rankPath.boundingRect();
        // Stroked as well as filled: a card is drawn about a fifth of this
        // size, and hair-thin strokes (the bar of the A) would drop out.
        p.setPen(QPen(ink, 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(ink);
        p.drawPath(rankPath.translated(11.0 - ink0.left(), 32.0));
        p.fillPath(SuitPath(suit, QPointF(11.0 + ink0.width() + 24.0, 32.0), 38.0), ink);
        p.restore();
    }
}

void DrawPips(QPainter& p, int suit, int rank)
{
    const PipLayout& layout = PIP_LAYOUTS[rank - 1];
    for (int i = 0; i < layout.count; ++i) {
        const QPointF c(layout.pips[i].x, layout.pips[i].y);
        FillUpright(p, SuitPath(suit, c, 46.0), c, c.y() > MID + 1.0, SuitColour(suit));
    }
}

void DrawAce(QPainter& p, int suit)
{
    const QPointF c(CARD_DESIGN_W / 2, CARD_DESIGN_H / 2);
    QPen ring(SuitColour(suit), 5.0);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 86.0, 108.0);
    p.setPen(QPen(QColor(200, 160, 60), 4.0));
    p.drawEllipse(c, 76.0, 98.0);
    p.fillPath(SuitPath(suit, c, 116.0), SuitColour(suit));
}

}  // namespace

QPainterPath CardOutline()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, CARD_DESIGN_W, CARD_DESIGN_H), CORNER_RADIUS, CORNER_RADIUS);
    return path;
}

QImage DrawCardFace(int card)
{
    const int suit = card / 13, rank = card % 13;
    QImage canvas = NewCanvas(CARD_PIXELS_W, CARD_PIXELS_H);
    QPainter p;
    BeginDesign(p, canvas, CARD_DESIGN_W, CARD_DESIGN_H);
    p.fillPath(CardOutline(), EDGE);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(4, 4, CARD_DESIGN_W - 8, CARD_DESIGN_H - 8), CORNER_RADIUS - 3, CORNER_RADIUS - 3);
    p.fillPath(inner, PAPER);
    DrawIndices(p, suit, rank);
    if (rank == 0)
        DrawAce(p, suit);
    else if (rank <= 9)
        DrawPips(p, suit, rank);
    else
        DrawCourtFigure(p, suit, rank);
    p.end();
    return canvas;
}

QImage DrawCardBack()
{
    QImage canvas = NewCanvas(CARD_PIXELS_W, CARD_PIXELS_H);
    QPainter p;
    BeginDesign(p, canvas, CARD_DESIGN_W, CARD_DESIGN_H);
    p.fillPath(CardOutline(), EDGE);
    QPainterPath paper;
    paper.addRoundedRect(QRectF(4, 4, CARD_DESIGN_W - 8, CARD_DESIGN_H - 8), CORNER_RADIUS - 3, CORNER_RADIUS - 3);
    p.fillPath(paper, PAPER);
    QPainterPath field;
    field.addRoundedRect(QRectF(14, 14, CARD_DESIGN_W - 28, CARD_DESIGN_H - 28), 10, 10);
    p.fillPath(field, QColor(128, 22, 34));
    // A lattice of diagonals, clipped to the field.
    p.save();
    p.setClipPath(field);
    // Few, broad lines of a quieter red: seen at a fifth of this size, fine
    // or bright ones shimmer.
    p.setPen(QPen(QColor(178, 52, 62), 6.0));
    for (double d = -CARD_DESIGN_H; d < CARD_DESIGN_W + CARD_DESIGN_H; d += 36.0) {
        p.drawLine(QPointF(d, 0), QPointF(d + CARD_DESIGN_H, CARD_DESIGN_H));
        p.drawLine(QPointF(d, 0), QPointF(d - CARD_DESIGN_H, CARD_DESIGN_H));
    }
    p.restore();
    p.setPen(QPen(QColor(214, 170, 72), 5.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(20, 20, CARD_DESIGN_W - 40, CARD_DESIGN_H - 40), 8, 8);
    // The medallion: four suits round a monogram.
    const QPointF c(CARD_DESIGN_W / 2, CARD_DESIGN_H / 2);
    p.setPen(QPen(QColor(214, 170, 72), 4.0));
    p.setBrush(QColor(250, 240, 215));
    p.drawEllipse(c, 62.0, 82.0);
    p.fillPath(TextPath("T", "Liberation Serif", c, 58.0), QColor(128, 22, 34));
    const QPointF offsets[4] = {{0, -56}, {-40, 0}, {0, 56}, {40, 0}};
    const int order[4] = {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS};
    for (int i = 0; i < 4; ++i)
        p.fillPath(SuitPath(order[i], c + offsets[i], 20.0), SuitColour(order[i]));
    p.end();
    return canvas;
}
