#include "file_writers.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

void Put16(QByteArray& b, uint32_t v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void Put32(QByteArray& b, uint32_t v)
{
    Put16(b, v & 0xffff);
    Put16(b, v >> 16);
}

int WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    return f.write(bytes) == bytes.size() ? 1 : 0;
}

namespace {

// A cursor drawn in white with a dark outline, as pointers usually are.
void Outlined(QPainter& p, const QPainterPath& shape)
{
    p.setPen(QPen(QColor(16, 16, 16), 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(shape);
}

QImage NewCursorImage()
{
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

}  // namespace

int WriteWav(const QString& path, const std::vector<int16_t>& samples, int rate)
{
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    QByteArray b;
    b.append("RIFF");
    Put32(b, 36 + dataBytes);
    b.append("WAVEfmt ");
    Put32(b, 16);
    Put16(b, 1);  // PCM
    Put16(b, 1);  // mono
    Put32(b, uint32_t(rate));
    Put32(b, uint32_t(rate) * 2);
    Put16(b, 2);
    Put16(b, 16);
    b.append("data");
    Put32(b, dataBytes);
    for (int16_t s : samples) Put16(b, uint16_t(s));
    return WriteAll(path, b);
}

int WriteCursor(const QString& path, const QImage& picture, int hotX, int hotY)
{
    const QImage img = picture.convertToFormat(QImage::Format_ARGB32).scaled(32, 32);
    constexpr uint32_t XOR_BYTES = 32 * 32 * 4, AND_BYTES = 32 * 4;
    constexpr uint32_t IMAGE_BYTES = 40 + XOR_BYTES + AND_BYTES;
    QByteArray b;
    // Directory: reserved, type 2 (cursor), one image.
    Put16(b, 0);
    Put16(b, 2);
    Put16(b, 1);
    // The entry: 32 x 32, no palette, then the hot spot where icons keep
    // planes and bit count.
    b.append(char(32));
    b.append(char(32));
    b.append(char(0));
    b.append(char(0));
    Put16(b, uint16_t(hotX));
    Put16(b, uint16_t(hotY));
    Put32(b, IMAGE_BYTES);
    Put32(b, 22);
    // The bitmap header counts the colour and mask halves together: height 64.
    Put32(b, 40);
    Put32(b, 32);
    Put32(b, 64);
    Put16(b, 1);
    Put16(b, 32);
    Put32(b, 0);
    Put32(b, XOR_BYTES + AND_BYTES);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = 31; y >= 0; --y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = img.pixel(x, y);
            b.append(char(qBlue(c)));
            b.append(char(qGreen(c)));
            b.append(char(qRed(c)));
            b.append(char(qAlpha(c)));
        }
    // AND mask: a set bit leaves the screen as it is (a see-through pixel).
    for (int y = 31; y >= 0; --y)
        for (int byte = 0; byte < 4; ++byte) {
            uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (qAlpha(img.pixel(byte * 8 + bit, y)) == 0) bits |= uint8_t(0x80 >> bit);
            b.append(char(bits));
        }
    return WriteAll(path, b);
}

std::vector<int16_t> MakeTick()
{
    // A knock of two damped partials with a touch of noise at its start: soft,
    // short, no click at the end because the envelope has died away.
    const int n = TICK_RATE * TICK_MS / 1000;
    std::vector<int16_t> out(size_t(n), 0);
    uint32_t state = 12345u;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / TICK_RATE;
        state = state * 1664525u + 1013904223u;
        const double noise = (double(state >> 8) / double(1u << 24)) * 2.0 - 1.0;
        const double body = 0.55 * std::sin(2 * M_PI * 1250.0 * t) + 0.30 * std::sin(2 * M_PI * 2730.0 * t);
        const double attack = std::min(1.0, t / 0.0006);
        const double env = attack * std::exp(-t / 0.0045);
        const double v = env * (body + 0.25 * noise * std::exp(-t / 0.0012)) * 0.42;
        out[size_t(i)] = int16_t(std::lround(v * 32767.0));
    }
    return out;
}

QImage DrawArrowCursor()
{
    QImage img = NewCursorImage();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath arrow;
    arrow.moveTo(1.5, 1.5);
    arrow.lineTo(1.5, 20.5);
    arrow.lineTo(6.0, 16.2);
    arrow.lineTo(9.4, 24.0);
    arrow.lineTo(12.6, 22.6);
    arrow.lineTo(9.3, 15.0);
    arrow.lineTo(15.4, 15.0);
    arrow.closeSubpath();
    Outlined(p, arrow);
    p.end();
    return img;
}

QImage DrawMoveCursor()
{
    QImage img = NewCursorImage();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // One arm of the cross, pointing up from the middle; turned four times.
    QPainterPath arm;
    arm.moveTo(16, 2);
    arm.lineTo(21, 8);
    arm.lineTo(17.6, 8);
    arm.lineTo(17.6, 14.4);
    arm.lineTo(14.4, 14.4);
    arm.lineTo(14.4, 8);
    arm.lineTo(11, 8);
    arm.closeSubpath();
    QPainterPath cross;
    for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(16, 16);
        t.rotate(90.0 * i);
        t.translate(-16, -16);
        cross = cross.united(t.map(arm));
    }
    QPainterPath hub;
    hub.addRect(QRectF(14.4, 14.4, 3.2, 3.2));
    Outlined(p, cross.united(hub).simplified());
    p.end();
    return img;
}
