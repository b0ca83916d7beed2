// The four suit symbols as outlines, so they look the same on every machine.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

// Suits in card-id order: 0 spades, 1 clubs (black), 2 hearts, 3 diamonds (red).
enum SuitId { SUIT_SPADES, SUIT_CLUBS, SUIT_HEARTS, SUIT_DIAMONDS };

// The suit symbol centred on `centre`, `size` tall (and at most that wide),
// pointing up; a caller rotates it for the lower half of a card.
QPainterPath SuitPath(int suit, QPointF centre, double size);

// Ink of a suit: a deep red for hearts and diamonds, a near-black for the others.
QColor SuitColour(int suit);
