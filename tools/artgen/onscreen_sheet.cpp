// Review pictures at the exact size a window shows them: every card, fanned
// columns on each cloth, at 640 x 480 and at 1920 x 1080. Each picture is
// sampled as the program's textures are: linear filtering of the four nearest
// texels, no mipmaps, repeat wrapping, and the alpha test passing alpha above
// 0.1 after filtering, with the colour key applied by the program's own rule,
// so fringes and shimmer look as they will on screen.
#include "onscreen_sheet.h"

#include "art.h"
#include "gfx/texture_pixels.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr QRgb BLUE = 0x0000ff, BLACK = 0x000000;
constexpr double TAN_HALF_FOV = 0.41421356;  // 45 degrees vertical field of view
constexpr double CARD_DEPTH = 25.0, CLOTH_DEPTH = 26.0;
constexpr double FAN_STEP = 0.5;

// A picture as the loader makes its texture (its sizes are already powers of
// two): keyed by the program's colour key.
struct Texture {
    int w = 0, h = 0;
    std::vector<float> rgba;  // 4 floats a texel, rows top to bottom
};

Texture Load(const QString& path, bool keyOn, QRgb key)
{
    Texture t;
    const QImage img = QImage(path).convertToFormat(QImage::Format_RGBA8888);
    if (img.isNull()) return t;
    SysImage texels;
    texels.width = t.w = img.width();
    texels.height = t.h = img.height();
    for (int y = 0; y < t.h; ++y)
        texels.rgba.insert(texels.rgba.end(), img.constScanLine(y), img.constScanLine(y) + 4 * t.w);
    ApplyColourKey(&texels, keyOn ? 1 : 0, qRed(key), qGreen(key), qBlue(key));
    t.rgba.assign(texels.rgba.begin(), texels.rgba.end());
    return t;
}

// GL_LINEAR with GL_REPEAT at texture coordinates (s, t), t measured from the
// picture's top here.
void Sample(const Texture& tex, double s, double t, float out[4])
{
    const double u = s * tex.w - 0.5, v = t * tex.h - 0.5;
    const int x0 = int(std::floor(u)), y0 = int(std::floor(v));
    const double fx = u - x0, fy = v - y0;
    auto texel = [&](int x, int y) {
        x = ((x % tex.w) + tex.w) % tex.w;
        y = ((y % tex.h) + tex.h) % tex.h;
        return &tex.rgba[(size_t(y) * size_t(tex.w) + size_t(x)) * 4];
    };
    const float *a = texel(x0, y0), *b = texel(x0 + 1, y0), *c = texel(x0, y0 + 1), *d = texel(x0 + 1, y0 + 1);
    for (int i = 0; i < 4; ++i)
        out[i] = float((a[i] * (1 - fx) + b[i] * fx) * (1 - fy) + (c[i] * (1 - fx) + d[i] * fx) * fy);
}

// A picture of w x h pixels of what a window `windowHeight` pixels high shows
// round its middle.
class View {
public:
    View(int w, int h, int windowHeight) : image_(w, h, QImage::Format_RGB32), windowHeight_(windowHeight)
    {
        image_.fill(QColor(128, 128, 128));
    }

    double PixelsPerUnit(double depth) const { return windowHeight_ / (2.0 * depth * TAN_HALF_FOV); }

    // A quad centred on (x, y) in table units at `depth`, w x h units.
    void Draw(const Texture& tex, double x, double y, double w, double h, double depth)
    {
        if (tex.w == 0) return;
        const double k = PixelsPerUnit(depth);
        const double left = image_.width() / 2.0 + (x - w / 2) * k, top = image_.height() / 2.0 - (y + h / 2) * k;
        const int x0 = std::max(0, int(std::floor(left))), x1 = std::min(image_.width(), int(std::ceil(left + w * k)));
        const int y0 = std::max(0, int(std::floor(top))), y1 = std::min(image_.height(), int(std::ceil(top + h * k)));
        for (int py = y0; py < y1; ++py) {
            const double t = (py + 0.5 - top) / (h * k);
            if (t < 0 || t >= 1) continue;
            QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(py));
            for (int px = x0; px < x1; ++px) {
                const double s = (px + 0.5 - left) / (w * k);
                if (s < 0 || s >= 1) continue;
                float c[4];
                Sample(tex, s, t, c);
                if (c[3] / 255.0f > 0.1f) row[px] = qRgb(int(c[0] + 0.5f), int(c[1] + 0.5f), int(c[2] + 0.5f));
            }
        }
    }

    void Label(const QString& text, double x, double y)
    {
        QPainter p(&image_);
        QFont font("Liberation Sans");
        font.setPixelSize(std::max(11, image_.height() / 45));
        p.setFont(font);
        p.setPen(QColor(255, 255, 255));
        p.drawText(QPointF(x, y), text);
    }

    const QImage& Image() const { return image_; }

private:
    QImage image_;
    int windowHeight_;
};

struct Store {
    std::vector<Texture> faces;
    Texture back, marker, foundation;
};

Store LoadStore()
{
    Store s;
    for (int id = 4000; id <= 4051; ++id) s.faces.push_back(Load(QString(":/pictures/%1.png").arg(id), true, BLUE));
    s.back = Load(":/pictures/4056.png", true, BLUE);
    s.marker = Load(":/pictures/4059.png", true, BLACK);
    s.foundation = Load(":/pictures/4060.png", true, BLACK);
    return s;
}

// A column from the top down at (x, top edge y): `backs` face-down cards, then
// the faces, each 0.5 lower and a little nearer, as a dealt pile lies.
void DrawColumn(View& view, const Store& s, double x, double topY, int backs, const std::vector<int>& faces)
{
    double y = topY - 1.5;
    for (int i = 0; i < backs; ++i, y -= FAN_STEP) view.Draw(s.back, x, y, 2, 3, CARD_DEPTH);
    for (int card : faces) {
        view.Draw(s.faces[size_t(card)], x, y, 2, 3, CARD_DEPTH);
        y -= FAN_STEP;
    }
}

// One cloth under fanned columns: the four suits from king to ace, dealt
// columns with backs, and a row of single cards.
QImage TablePanel(int w, int h, const Store& s, const Texture& cloth, const QString& name)
{
    View view(w, h, h);
    view.Draw(cloth, 0, 0, 32, 24, CLOTH_DEPTH);
    for (int suit = 0; suit < 4; ++suit) {
        std::vector<int> column;
        for (int rank = 12; rank >= 0; --rank) column.push_back(suit * 13 + rank);
        DrawColumn(view, s, -11.0 + 2.4 * suit, 9.6, 0, column);
    }
    for (int j = 0; j < 5; ++j) {
        std::vector<int> column;
        for (int i = 0; i < 4; ++i) column.push_back((j * 11 + i * 27 + 5) % 52);
        DrawColumn(view, s, -1.4 + 2.4 * j, 9.6, j + 1, column);
    }
    const int singles[] = {0, 13, 26, 39, 10, 24, 38, 51};
    for (int i = 0; i < 8; ++i) view.Draw(s.faces[size_t(singles[i])], -11.0 + 2.4 * i, -7.6, 2, 3, CARD_DEPTH);
    view.Draw(s.back, -11.0 + 2.4 * 8, -7.6, 2, 3, CARD_DEPTH);
    view.Draw(s.foundation, -11.0 + 2.4 * 9, -7.6, 2, 3, CARD_DEPTH);
    view.Label(name, 4, h - 6);
    return view.Image();
}

// Every card, the back and both markers, side by side at their size on screen.
QImage AllCards(int windowHeight, const Store& s, const Texture& cloth)
{
    const double k = windowHeight / (2.0 * CARD_DEPTH * TAN_HALF_FOV);
    const int cols = 13, rows = 5;
    const double pitchX = 2.2, pitchY = 3.2;
    View view(int(std::ceil((cols * pitchX + 0.2) * k)), int(std::ceil((rows * pitchY + 0.2) * k)), windowHeight);
    const double halfW = view.Image().width() / (2 * k), halfH = view.Image().height() / (2 * k);
    view.Draw(cloth, 0, 0, 2 * halfW * 1.04, 2 * halfH * 1.04, CARD_DEPTH);
    auto at = [&](int col, int row, const Texture& t) {
        view.Draw(t, -halfW + 0.1 + pitchX * (col + 0.5), halfH - 0.1 - pitchY * (row + 0.5), 2, 3, CARD_DEPTH);
    };
    for (int c = 0; c < 52; ++c) at(c % 13, c / 13, s.faces[size_t(c)]);
    at(0, 4, s.back);
    at(1, 4, s.marker);
    at(2, 4, s.foundation);
    return view.Image();
}

}  // namespace

int WriteOnScreenSheets(const QString& outDir, const QString& gameDir)
{
    const Store store = LoadStore();
    for (const Texture& t : store.faces)
        if (t.w == 0) return 0;
    std::vector<Texture> cloths;
    std::vector<QString> names;
    for (const Background& bg : Backgrounds()) {
        cloths.push_back(Load(QDir(gameDir).filePath(QString("Backgrounds/") + bg.fileName), false, 0));
        names.push_back(bg.fileName);
        if (cloths.back().w == 0) return 0;
    }
    const QSize sizes[2] = {QSize(640, 480), QSize(1920, 1080)};
    for (const QSize& size : sizes) {
        const QString suffix = QString("%1x%2").arg(size.width()).arg(size.height());
        if (!AllCards(size.height(), store, cloths[0]).save(outDir + "/cards-" + suffix + ".png", "PNG")) return 0;
        // The five cloths' panels one above the other.
        QImage tables(size.width(), size.height() * int(cloths.size()), QImage::Format_RGB32);
        QPainter p(&tables);
        for (size_t i = 0; i < cloths.size(); ++i)
            p.drawImage(0, size.height() * int(i), TablePanel(size.width(), size.height(), store, cloths[i], names[i]));
        p.end();
        if (!tables.save(outDir + "/fanned-" + suffix + ".png", "PNG")) return 0;
    }
    return 1;
}
