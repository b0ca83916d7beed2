// The 52 card faces and the card back, drawn on a 2:3 design plane of
// CARD_DESIGN_W x CARD_DESIGN_H units (y downward) and stretched onto
// 256 x 512 pictures, the card's 2 x 3 quad once loaded.
#pragma once

#include <QImage>
#include <QPainterPath>

constexpr double CARD_DESIGN_W = 256.0;
constexpr double CARD_DESIGN_H = 384.0;
constexpr int CARD_PIXELS_W = 256;
constexpr int CARD_PIXELS_H = 512;

// The face of card id `card` in [0, 51] (suit x 13 + rank, rank 0 the ace):
// transparent outside the rounded corners, opaque inside.
QImage DrawCardFace(int card);
// The back, transparent outside the rounded corners.
QImage DrawCardBack();

// The card's rounded outline on the design plane.
QPainterPath CardOutline();

// Jack, queen or king (rank 10, 11, 12) of `suit`: the framed double figure
// drawn into the middle of a face on the design plane.
class QPainter;
void DrawCourtFigure(QPainter& p, int suit, int rank);
