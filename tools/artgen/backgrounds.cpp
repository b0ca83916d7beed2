// The table cloths: procedural textures, dark and quiet enough that the cards,
// their backs' light border and the gold text stand out on each. Each is
// 1024 x 512 for the 4:3 cloth quad (a texture of that size: half the texels
// of a square one, and a quiet cloth loses nothing by it), so a feature n
// pixels wide here is drawn n x 1.5 pixels tall.
#include "art.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int WIDTH = 1024, HEIGHT = 512;

// A repeatable hash of a lattice point to [0, 1).
double Hash(int x, int y, int seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffffu) / double(0x1000000);
}

// Smooth value noise in [0, 1) at (x, y) in lattice units.
double Noise(double x, double y, int seed)
{
    const int ix = int(std::floor(x)), iy = int(std::floor(y));
    const double fx = x - ix, fy = y - iy;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = Hash(ix, iy, seed), b = Hash(ix + 1, iy, seed);
    const double c = Hash(ix, iy + 1, seed), d = Hash(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

// Fractal sum of `octaves` noise layers, in [0, 1).
double Fbm(double x, double y, int seed, int octaves)
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * Noise(x, y, seed + 17 * o);
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

int Clamp8(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

// Darker towards the edges, as a lamp over the middle of the table lights it.
double Vignette(double u, double v)
{
    const double dx = u - 0.5, dy = v - 0.5;
    return 1.0 - 0.55 * (dx * dx + dy * dy);
}

// Runs `shade` for every pixel; u, v in [0, 1), v downward; aspect-true
// coordinates are (u x 4, v x 3).
template <typename Shade>
QImage Paint(Shade shade)
{
    QImage img(WIDTH, HEIGHT, QImage::Format_RGB32);
    for (int y = 0; y < HEIGHT; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < WIDTH; ++x) {
            const double u = (x + 0.5) / WIDTH, v = (y + 0.5) / HEIGHT;
            double r, g, b;
            shade(u, v, r, g, b);
            const double k = Vignette(u, v);
            row[x] = qRgb(Clamp8(r * k), Clamp8(g * k), Clamp8(b * k));
        }
    }
    return img;
}

QImage GreenFelt()
{
    return Paint([](double u, double v, double& r, double& g, double& b) {
        const double fibre = Noise(u * 500, v * 250, 3) - 0.5;
        const double mottle = Fbm(u * 6, v * 4.5, 7, 4) - 0.5;
        const double t = 1.0 + 0.10 * fibre + 0.22 * mottle;
        r = 28 * t;
        g = 104 * t;
        b = 58 * t;
    });
}

QImage Walnut()
{
    return Paint([](double u, double v, double& r, double& g, double& b) {
        // Planks run across the table; each has its own tone and grain offset.
        const double y = v * 3.0;
        const int plank = int(y / 0.75);
        const double inPlank = y / 0.75 - plank;
        const double warp = Fbm(u * 3, y * 6, 11 + plank, 4);
        const double grain = 0.5 + 0.5 * std::sin((y * 90.0 + warp * 14.0 + plank * 3.1) + 6.0 * Fbm(u * 1.5, y * 2, 5, 3));
        const double fine = Noise(u * 500, y * 40, 19 + plank) - 0.5;
        // Broad planks of nearly one tone and a faint grain: the cards lie on
        // it, so nothing behind them may be busier than they are.
        const double tone = 0.95 + 0.1 * Hash(plank, 0, 23);
        const double seam = inPlank < 0.012 || inPlank > 0.988 ? 0.88 : 1.0;
        const double t = tone * seam * (0.9 + 0.08 * grain + 0.04 * fine);
        r = 104 * t;
        g = 66 * t;
        b = 40 * t;
    });
}

QImage BlueBaize()
{
    return Paint([](double u, double v, double& r, double& g, double& b) {
        // A woven cloth: fine crossing threads over slow clouds.
        const double warp = 0.5 + 0.5 * std::sin(u * 4.0 * 250.0);
        const double weft = 0.5 + 0.5 * std::sin(v * 3.0 * 250.0);
        const double cloud = Fbm(u * 5, v * 3.75, 31, 4) - 0.5;
        const double t = 1.0 + 0.06 * (warp * weft - 0.25) + 0.06 * (Noise(u * 500, v * 250, 37) - 0.5) + 0.2 * cloud;
        r = 30 * t;
        g = 64 * t;
        b = 104 * t;
    });
}

QImage Leather()
{
    return Paint([](double u, double v, double& r, double& g, double& b) {
        // Pebbled grain: the creases are where the noise is near its middle.
        // A dark olive-brown, far from the red of the card backs.
        const double crease = std::abs(Fbm(u * 40, v * 30, 41, 3) - 0.5) * 2.0;
        const double pebble = std::pow(crease, 0.45);
        const double tone = Fbm(u * 4, v * 3, 43, 4) - 0.5;
        const double t = (0.82 + 0.18 * pebble) * (1.0 + 0.25 * tone);
        r = 78 * t;
        g = 64 * t;
        b = 40 * t;
    });
}

QImage Slate()
{
    return Paint([](double u, double v, double& r, double& g, double& b) {
        // Layered stone with thin pale veins.
        const double layer = Fbm(u * 3 + 2.0 * Fbm(u * 2, v * 1.5, 53, 3), v * 9, 51, 5);
        const double vein = std::exp(-std::pow((std::sin((u * 4 + v * 3) * 3.0 + layer * 9.0)) * 5.0, 2.0));
        const double grit = Noise(u * 500, v * 250, 57) - 0.5;
        const double t = 0.8 + 0.35 * layer + 0.05 * grit;
        r = 66 * t + 6 * vein;
        g = 72 * t + 6 * vein;
        b = 80 * t + 7 * vein;
    });
}

}  // namespace

const std::vector<Background>& Backgrounds()
{
    static const std::vector<Background> list = {
        {"1-green-felt.jpg", GreenFelt}, {"2-walnut.jpg", Walnut}, {"3-blue-baize.jpg", BlueBaize},
        {"4-leather.jpg", Leather},      {"5-slate.jpg", Slate},
    };
    return list;
}
