#include "card_faces.h"

#include "keying.h"
#include "suits.h"

#include <QPainter>

namespace {

// Small round corners: the keyed texels there blend into their neighbours
// when filtered, and fewer of them leave a fainter fringe.
constexpr double CORNER_RADIUS = 12.0;
const QColor PAPER(252, 250, 243);
// The edge in a darker paper tone: it parts overlapping cards, and a stack
// seen from the side shows the edges of its cards one above the other.
const QColor EDGE(184, 174, 150);
// The card back's light border, design units from the edge.
constexpr double BACK_BORDER = 24.0;

const char* const RANK_TEXT[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

// Pip centres on the design plane for ranks 2 to 10: columns at x 72, 128,
// 184; rows between y 100 and 284 (the card's middle is 192), clear of the
// corner indices' strips at the top and the bottom.
struct Pip {
    double x, y;
};
constexpr double L = 72, C = 128, R = 184;
constexpr double TOP = 100, BOT = 284, MID = 192;
constexpr double Q1 = 161.33, Q3 = 222.67;  // inner rows of the four-row ranks
constexpr double PIP_SIZE = 50.0;
const Pip PIPS_2[] = {{C, TOP}, {C, BOT}};
const Pip PIPS_3[] = {{C, TOP}, {C, MID}, {C, BOT}};
const Pip PIPS_4[] = {{L, TOP}, {R, TOP}, {L, BOT}, {R, BOT}};
const Pip PIPS_5[] = {{L, TOP}, {R, TOP}, {C, MID}, {L, BOT}, {R, BOT}};
const Pip PIPS_6[] = {{L, TOP}, {R, TOP}, {L, MID}, {R, MID}, {L, BOT}, {R, BOT}};
const Pip PIPS_7[] = {{L, TOP}, {R, TOP}, {C, 146}, {L, MID}, {R, MID}, {L, BOT}, {R, BOT}};
const Pip PIPS_8[] = {{L, TOP}, {R, TOP}, {C, 146}, {L, MID}, {R, MID}, {C, 238}, {L, BOT}, {R, BOT}};
const Pip PIPS_9[] = {{L, TOP}, {R, TOP}, {L, Q1}, {R, Q1}, {C, MID}, {L, Q3}, {R, Q3}, {L, BOT}, {R, BOT}};
const Pip PIPS_10[] = {{L, TOP}, {R, TOP}, {C, 130.67}, {L, Q1}, {R, Q1}, {L, Q3}, {R, Q3}, {C, 253.33}, {L, BOT}, {R, BOT}};

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

// The corner index: a large bold rank and the suit beside it, both inside the
// strip a fanned pile leaves visible (52 of its 64 units each: at 640 x 480
// about 9.5 pixels); the same turned 180 degrees bottom-right.
constexpr double INDEX_LEFT = 10.0, INDEX_MIDDLE = 32.0;
constexpr double RANK_HEIGHT = 52.0, RANK_MAX_WIDTH = 58.0;
constexpr double INDEX_SUIT_X = 103.0, INDEX_SUIT_SIZE = 52.0;
static_assert(INDEX_MIDDLE + RANK_HEIGHT / 2 < CARD_FAN_STRIP - 4, "the rank fits the fan's strip");

void DrawIndices(QPainter& p, int suit, int rank)
{
    const QColor ink = SuitColour(suit);
    // All ranks share the cap height and base line of "K"; "10" is narrowed
    // to leave the suit its room.
    QPainterPath rankPath = TextPath(RANK_TEXT[rank], "Liberation Sans", QPointF(0, INDEX_MIDDLE), RANK_HEIGHT,
                                     RANK_MAX_WIDTH, "K");
    rankPath.translate(INDEX_LEFT - rankPath.boundingRect().left(), 0);
    const QPainterPath suitPath = SuitPath(suit, QPointF(INDEX_SUIT_X, INDEX_MIDDLE), INDEX_SUIT_SIZE);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(CARD_DESIGN_W, CARD_DESIGN_H);
            p.rotate(180.0);
        }
        p.fillPath(rankPath, ink);
        p.fillPath(suitPath, ink);
        p.restore();
    }
}

void DrawPips(QPainter& p, int suit, int rank)
{
    const PipLayout& layout = PIP_LAYOUTS[rank - 1];
    for (int i = 0; i < layout.count; ++i) {
        const QPointF c(layout.pips[i].x, layout.pips[i].y);
        FillUpright(p, SuitPath(suit, c, PIP_SIZE), c, c.y() > MID + 1.0, SuitColour(suit));
    }
}

void DrawAce(QPainter& p, int suit)
{
    const QPointF c(CARD_DESIGN_W / 2, CARD_DESIGN_H / 2);
    // One broad gold ring: two thin ones shimmer when the card is shrunk.
    p.setPen(QPen(QColor(200, 160, 60), 8.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 84.0, 104.0);
    p.fillPath(SuitPath(suit, c, 124.0), SuitColour(suit));
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
    // A broad light border: the back stands out on every cloth, dark or red.
    QPainterPath field;
    field.addRoundedRect(QRectF(BACK_BORDER, BACK_BORDER, CARD_DESIGN_W - 2 * BACK_BORDER,
                                CARD_DESIGN_H - 2 * BACK_BORDER), 10, 10);
    p.fillPath(field, QColor(128, 22, 34));
    // A lattice of diagonals, clipped to the field.
    p.save();
    p.setClipPath(field);
    // Few, broad lines of a quieter red: seen at a fifth of this size, fine
    // or bright ones shimmer.
    p.setPen(QPen(QColor(170, 50, 60), 8.0));
    for (double d = -CARD_DESIGN_H; d < CARD_DESIGN_W + CARD_DESIGN_H; d += 44.0) {
        p.drawLine(QPointF(d, 0), QPointF(d + CARD_DESIGN_H, CARD_DESIGN_H));
        p.drawLine(QPointF(d, 0), QPointF(d - CARD_DESIGN_H, CARD_DESIGN_H));
    }
    p.restore();
    p.setPen(QPen(QColor(214, 170, 72), 6.0));
    p.setBrush(Qt::NoBrush);
    const double frame = BACK_BORDER + 9;
    p.drawRoundedRect(QRectF(frame, frame, CARD_DESIGN_W - 2 * frame, CARD_DESIGN_H - 2 * frame), 8, 8);
    // The medallion: four suits round a monogram.
    const QPointF c(CARD_DESIGN_W / 2, CARD_DESIGN_H / 2);
    p.setPen(QPen(QColor(214, 170, 72), 6.0));
    p.setBrush(QColor(250, 240, 215));
    p.drawEllipse(c, 62.0, 82.0);
    p.fillPath(TextPath("T", "Liberation Serif", c, 60.0), QColor(128, 22, 34));
    const QPointF offsets[4] = {{0, -56}, {-38, 0}, {0, 56}, {38, 0}};
    const int order[4] = {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS};
    for (int i = 0; i < 4; ++i)
        p.fillPath(SuitPath(order[i], c + offsets[i], 24.0), SuitColour(order[i]));
    p.end();
    return canvas;
}
