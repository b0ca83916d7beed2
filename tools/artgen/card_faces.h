// The 52 card faces and the card back, drawn on a 2:3 design plane of
// CARD_DESIGN_W x CARD_DESIGN_H units (y downward) and stretched onto
// 128 x 128 pictures, the card's 2 x 3 quad once loaded.
//
// A card is seen 70 pixels tall in a 640 x 480 window and about 156 in a
// maximised 1920 x 1080 one, about 47 and 104 wide. Without mipmaps a linear
// filter only looks at the four texels nearest each pixel, so a picture much
// larger than the card on screen is sampled sparsely and comes out jagged.
// 128 texels each way keep the shrinking at 640 x 480 to 1.8 times in height
// (2.7 in width) and the stretching at 1920 x 1080 to 1.2 times, and weigh a
// sixteenth of 256 x 512. Every stroke is at least 4 design units, two
// texels, so none drops out when shrunk.
#pragma once

#include <QImage>
#include <QPainterPath>

constexpr double CARD_DESIGN_W = 256.0;
constexpr double CARD_DESIGN_H = 384.0;
constexpr int CARD_PIXELS_W = 128;
constexpr int CARD_PIXELS_H = 128;
// What a fanned pile shows of a card: its top half unit, a sixth of its height.
constexpr double CARD_FAN_STRIP = CARD_DESIGN_H / 6.0;

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
