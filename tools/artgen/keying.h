// Turning an anti-aliased drawing into a picture with an exact see-through key
// colour, and the small drawing helpers every picture shares.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// A transparent ARGB canvas of w x h pixels.
QImage NewCanvas(int w, int h);

// Every pixel of `canvas` at least half covered becomes opaque in its own
// (unblended) colour, every other pixel exactly `key`. No opaque pixel equals
// the key or lies near it next to a keyed one, so loading never leaves holes
// or key-coloured fringes. Returns an opaque RGB32 picture.
QImage KeyCanvas(const QImage& canvas, QRgb key);

// True when every channel of `c` lies within 60 of `key` (the key included).
bool NearKey(QRgb c, QRgb key);

// Outline of `text` in a bold face, scaled so its ink is `height` tall and
// centred on `centre`; `width` > 0 also squeezes it to at most that width.
// With a `reference` text, the reference's ink sets the height and the middle
// instead, so texts drawn with one reference share size and base line.
QPainterPath TextPath(const QString& text, const QString& family, QPointF centre,
                      double height, double width = 0.0, const QString& reference = QString());

// A painter for a canvas whose picture is designed on a `designW` x `designH`
// plane but stretched onto the whole canvas; anti-aliasing on.
void BeginDesign(QPainter& p, QImage& canvas, double designW, double designH);
