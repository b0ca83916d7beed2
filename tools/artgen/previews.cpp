// The main menu's preview of each game: its table as the deal leaves it,
// small cards at the real pile positions.
#include "art.h"
#include "card_faces.h"
#include "keying.h"

#include <QPainter>

namespace {

// One pile of a layout, in table units: slot 0's centre, how many cards the
// deal puts there and how many of those lie face up, whether it fans
// downwards, and whether an empty one shows the foundation marker.
struct PreviewPile {
    double x, y;
    int cards, faceUp;
    bool fanned, foundation;
};

// The five tables, from the pile positions of the games' layouts.
//                        x      y   cards up  fan   foundation
constexpr PreviewPile KLONDIKE[] = {
    {-9.0, 6.5, 24, 0, false, false}, {-6.0, 6.5, 0, 0, false, false},
    {-8.0, 3.0, 1, 1, true, false},   {-5.0, 3.0, 2, 1, true, false},  {-2.0, 3.0, 3, 1, true, false},
    {1.0, 3.0, 4, 1, true, false},    {4.0, 3.0, 5, 1, true, false},   {7.0, 3.0, 6, 1, true, false},
    {10.0, 3.0, 7, 1, true, false},   {-1.0, 6.5, 0, 0, false, true},  {2.0, 6.5, 0, 0, false, true},
    {5.0, 6.5, 0, 0, false, true},    {8.0, 6.5, 0, 0, false, true},
};
constexpr PreviewPile FREECELL[] = {
    {-11.0, 3.0, 7, 7, true, false}, {-8.0, 3.0, 7, 7, true, false}, {-5.0, 3.0, 7, 7, true, false},
    {-2.0, 3.0, 7, 7, true, false},  {1.0, 3.0, 6, 6, true, false},  {4.0, 3.0, 6, 6, true, false},
    {7.0, 3.0, 6, 6, true, false},   {10.0, 3.0, 6, 6, true, false}, {1.5, 6.5, 0, 0, false, true},
    {4.5, 6.5, 0, 0, false, true},   {7.5, 6.5, 0, 0, false, true},  {10.5, 6.5, 0, 0, false, true},
    {-11.0, 6.5, 0, 0, false, false}, {-8.0, 6.5, 0, 0, false, false}, {-5.0, 6.5, 0, 0, false, false},
    {-2.0, 6.5, 0, 0, false, false},
};
constexpr PreviewPile SCORPION[] = {
    {-9.0, 6.5, 3, 0, false, false}, {-8.0, 2.0, 7, 4, true, false}, {-5.0, 2.0, 7, 4, true, false},
    {-2.0, 2.0, 7, 4, true, false},  {1.0, 2.0, 7, 4, true, false},  {4.0, 2.0, 7, 7, true, false},
    {7.0, 2.0, 7, 7, true, false},   {10.0, 2.0, 7, 7, true, false},
};
constexpr PreviewPile MOUNT_SUNFLOWER[] = {
    {-9.0, 6.5, 24, 0, false, false}, {-8.0, 3.0, 4, 1, true, false}, {-5.0, 3.0, 4, 2, true, false},
    {-2.0, 3.0, 4, 3, true, false},   {1.0, 3.0, 4, 4, true, false},  {4.0, 3.0, 4, 3, true, false},
    {7.0, 3.0, 4, 2, true, false},    {10.0, 3.0, 4, 1, true, false}, {-1.0, 6.5, 0, 0, false, true},
    {2.0, 6.5, 0, 0, false, true},    {5.0, 6.5, 0, 0, false, true},  {8.0, 6.5, 0, 0, false, true},
};
constexpr PreviewPile BAKERS_DOZEN[] = {
    {-11.0, 7.0, 4, 4, true, false}, {-8.0, 7.0, 4, 4, true, false},  {-5.0, 7.0, 4, 4, true, false},
    {-2.0, 7.0, 4, 4, true, false},  {1.0, 7.0, 4, 4, true, false},   {4.0, 7.0, 4, 4, true, false},
    {7.0, 7.0, 4, 4, true, false},   {-9.5, -2.0, 4, 4, true, false}, {-6.5, -2.0, 4, 4, true, false},
    {-3.5, -2.0, 4, 4, true, false}, {-0.5, -2.0, 4, 4, true, false}, {2.5, -2.0, 4, 4, true, false},
    {5.5, -2.0, 4, 4, true, false},  {10.5, 6.5, 0, 0, false, true},  {10.5, 2.5, 0, 0, false, true},
    {10.5, -1.5, 0, 0, false, true}, {10.5, -5.5, 0, 0, false, true},
};

// Every preview deals the whole pack.
template <int N>
constexpr int Dealt(const PreviewPile (&piles)[N])
{
    int sum = 0;
    for (const PreviewPile& p : piles) sum += p.cards;
    return sum;
}
static_assert(Dealt(KLONDIKE) == 52 && Dealt(FREECELL) == 52 && Dealt(SCORPION) == 52 &&
                  Dealt(MOUNT_SUNFLOWER) == 52 && Dealt(BAKERS_DOZEN) == 52,
              "each preview shows all 52 cards");

struct PreviewTable {
    const PreviewPile* piles;
    int count;
};
#define TABLE(t) {t, int(sizeof(t) / sizeof(t[0]))}
const PreviewTable TABLES[5] = {TABLE(KLONDIKE), TABLE(FREECELL), TABLE(SCORPION), TABLE(MOUNT_SUNFLOWER),
                                TABLE(BAKERS_DOZEN)};
#undef TABLE

// The part of the table the preview shows, in table units (the preview's
// 10.7 x 7 shape), and its size in pixels.
constexpr double VIEW_LEFT = -13.3, VIEW_TOP = 9.0, VIEW_W = 26.6, VIEW_H = 17.4;
constexpr double DESIGN_W = 535.0, DESIGN_H = 350.0;

QRectF CardRect(double x, double y)
{
    const double sx = DESIGN_W / VIEW_W, sy = DESIGN_H / VIEW_H;
    return QRectF((x - 1.0 - VIEW_LEFT) * sx, (VIEW_TOP - y - 1.5) * sy, 2.0 * sx, 3.0 * sy);
}

// A small repeatable sequence of cards so each preview shows a plausible deal.
// Each card is picked once per preview, as in a real deal.
struct CardPicker {
    unsigned state;
    bool used[52] = {};
    int Next()
    {
        int c;
        do {
            state = state * 1103515245u + 12345u;
            c = int((state >> 16) % 52u);
        } while (used[c]);
        used[c] = true;
        return c;
    }
};

void DrawEmptyPlace(QPainter& p, const QRectF& r, bool foundation)
{
    p.setPen(QPen(QColor(214, 226, 200), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 3, 3);
    if (foundation)
        p.fillPath(TextPath("A", "Liberation Serif", r.center(), r.height() * 0.35), QColor(214, 226, 200));
}

}  // namespace

QImage DrawPreview(int game, const std::vector<QImage>& faces, const QImage& back)
{
    QImage canvas = NewCanvas(512, 256);
    QPainter p;
    BeginDesign(p, canvas, DESIGN_W, DESIGN_H);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0, 0, DESIGN_W, DESIGN_H), 16, 16);
    p.fillPath(frame, QColor(196, 150, 60));
    QPainterPath felt;
    felt.addRoundedRect(QRectF(6, 6, DESIGN_W - 12, DESIGN_H - 12), 12, 12);
    QLinearGradient shade(0, 0, 0, DESIGN_H);
    shade.setColorAt(0.0, QColor(34, 110, 62));
    shade.setColorAt(1.0, QColor(22, 78, 44));
    p.fillPath(felt, shade);
    p.setClipPath(felt);
    CardPicker pick{unsigned(game) * 7919u + 17u};
    const PreviewTable& table = TABLES[game - 1];
    for (int i = 0; i < table.count; ++i) {
        const PreviewPile& pile = table.piles[i];
        DrawEmptyPlace(p, CardRect(pile.x, pile.y), pile.foundation);
        // A face-down reserve shows as a neat stack with a little depth.
        const int shown = pile.fanned ? pile.cards : (pile.cards > 0 ? std::min(pile.cards, 3) : 0);
        for (int k = 0; k < shown; ++k) {
            const double y = pile.fanned ? pile.y - 0.5 * k : pile.y;
            QRectF r = CardRect(pile.x, y);
            if (!pile.fanned) r.translate(-1.2 * k, -1.2 * k);
            const bool up = k >= pile.cards - pile.faceUp;
            p.drawImage(r, up ? faces[pick.Next()] : back);
        }
    }
    p.end();
    return canvas;
}
