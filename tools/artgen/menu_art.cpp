// The main menu's pictures: the title over the backdrop, the backdrop's tile
// and the five game buttons.
#include "art.h"
#include "keying.h"
#include "suits.h"

#include <QPainter>

#include <algorithm>

const char* const GAME_NAMES[5] = {"Klondike", "Freecell", "Scorpion", "Mount Sunflower", "Baker's Dozen"};

namespace {

const QColor GOLD_LIGHT(252, 224, 140);
const QColor GOLD(214, 164, 58);
const QColor GOLD_DARK(120, 78, 20);
const QColor INK(34, 22, 12);

// The backdrop is 50 x 37.5 table units; its design plane has 20 units to one.
constexpr double BACKDROP_W = 1000.0, BACKDROP_H = 750.0;
QPointF OnBackdrop(double x, double y) { return QPointF(BACKDROP_W / 2 + 20.0 * x, BACKDROP_H / 2 - 20.0 * y); }

// Text with a dark outline and a soft drop shadow, filled with a gold sheen.
void DrawGoldText(QPainter& p, const QPainterPath& text, double outline)
{
    const QRectF box = text.boundingRect();
    p.fillPath(text.translated(outline * 0.8, outline), QColor(16, 24, 18));
    QLinearGradient sheen(box.topLeft(), box.bottomLeft());
    sheen.setColorAt(0.0, GOLD_LIGHT);
    sheen.setColorAt(0.55, GOLD);
    sheen.setColorAt(1.0, QColor(170, 116, 34));
    p.setPen(QPen(INK, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(sheen);
    p.drawPath(text);
}

// A gold rule with a diamond in its middle, from x0 to x1 at height y.
void DrawRule(QPainter& p, QPointF a, QPointF b)
{
    p.setPen(QPen(INK, 7.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(GOLD, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    // The four suits on cream plates ringed in gold: the black ones would
    // vanish into the green tile without them.
    const QPointF c = (a + b) / 2;
    for (int i = 0; i < 4; ++i) {
        const QPointF at = c + QPointF((i - 1.5) * 40.0, 0.0);
        p.setPen(QPen(GOLD, 3.0));
        p.setBrush(QColor(250, 242, 222));
        p.drawEllipse(at, 17.0, 17.0);
        const int suit = i == 0 ? SUIT_SPADES : i == 1 ? SUIT_CLUBS : i == 2 ? SUIT_HEARTS : SUIT_DIAMONDS;
        p.fillPath(SuitPath(suit, at, 22.0), SuitColour(suit));
    }
}

// The height of the names on the buttons (descenders included): at most 60,
// and small enough for the widest name to fit in 450 of the 500 units.
double ButtonTextHeight()
{
    constexpr double MAX_HEIGHT = 60.0, MAX_WIDTH = 450.0;
    double height = MAX_HEIGHT;
    for (const char* name : GAME_NAMES) {
        const double width = TextPath(name, "Liberation Serif", QPointF(0, 0), MAX_HEIGHT, 0.0, "Kg").boundingRect().width();
        height = std::min(height, MAX_HEIGHT * MAX_WIDTH / width);
    }
    return height;
}

}  // namespace

QImage DrawMenuTitle()
{
    QImage canvas = NewCanvas(1024, 1024);
    QPainter p;
    BeginDesign(p, canvas, BACKDROP_W, BACKDROP_H);
    // The title sits above the preview and left of the buttons' column, in the
    // band both menu distances show.
    DrawGoldText(p, TextPath("Tarvik Solitaire", "Liberation Serif", OnBackdrop(-2.5, 11.2), 76.0, 580.0), 5.0);
    DrawRule(p, OnBackdrop(-14.0, 8.4), OnBackdrop(9.0, 8.4));
    DrawGoldText(p, TextPath("Choose a game", "Liberation Serif", OnBackdrop(-5.5, -7.2), 30.0, 0.0, "Ch"), 2.0);
    p.end();
    return canvas;
}

QImage DrawMenuTile()
{
    // Designed on 256 x 192 (the tile's 4:3 share of the backdrop); every
    // element repeats every 64 x 48, so the edges meet.
    QImage canvas = NewCanvas(256, 256);
    QPainter p;
    BeginDesign(p, canvas, 256.0, 192.0);
    p.fillRect(QRectF(0, 0, 256, 192), QColor(22, 64, 42));
    p.setPen(QPen(QColor(36, 90, 60), 2.0));
    for (int k = -8; k <= 8; ++k) {
        p.drawLine(QPointF(64.0 * k, 0), QPointF(64.0 * k + 256.0, 192));
        p.drawLine(QPointF(64.0 * k, 0), QPointF(64.0 * k - 256.0, 192));
    }
    const int cycle[4] = {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS};
    for (int j = -1; j <= 4; ++j)
        for (int i = -1; i <= 4; ++i) {
            const int suit = cycle[((i + j) % 4 + 4) % 4];
            p.fillPath(SuitPath(suit, QPointF(32.0 + 64.0 * i, 24.0 + 48.0 * j), 16.0), QColor(30, 80, 54));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(44, 104, 70));
            p.drawEllipse(QPointF(64.0 * i, 48.0 * j), 3.0, 3.0);
        }
    p.end();
    return canvas;
}

QImage DrawMenuButton(int game)
{
    // Designed on 500 x 140 (the 5 x 1.4 quad).
    QImage canvas = NewCanvas(256, 64);
    QPainter p;
    BeginDesign(p, canvas, 500.0, 140.0);
    QPainterPath outer;
    outer.addRoundedRect(QRectF(0, 0, 500, 140), 26, 26);
    QLinearGradient rim(0, 0, 0, 140);
    rim.setColorAt(0.0, GOLD_LIGHT);
    rim.setColorAt(1.0, GOLD_DARK);
    p.fillPath(outer, rim);
    QPainterPath face;
    face.addRoundedRect(QRectF(8, 8, 484, 124), 20, 20);
    QLinearGradient cloth(0, 8, 0, 132);
    cloth.setColorAt(0.0, QColor(150, 34, 46));
    cloth.setColorAt(1.0, QColor(86, 14, 24));
    p.fillPath(face, cloth);
    p.setPen(QPen(QColor(226, 180, 90), 4.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(16, 16, 468, 108), 14, 14);
    // One size for all five names: the one at which the longest fits.
    const QPainterPath name = TextPath(GAME_NAMES[game - 1], "Liberation Serif", QPointF(250, 70), ButtonTextHeight(), 0.0, "Kg");
    p.fillPath(name.translated(2, 3), QColor(40, 6, 10));
    p.fillPath(name, QColor(252, 238, 206));
    p.end();
    return canvas;
}
