// Our own writers for the two non-picture formats the program reads: a PCM
// wave file and a Windows cursor file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

// Appends a 16-bit or 32-bit value, least significant byte first, as every
// Windows file format stores them.
void Put16(QByteArray& b, uint32_t v);
void Put32(QByteArray& b, uint32_t v);
// Writes the bytes as the whole file at `path`. 1 on success.
int WriteAll(const QString& path, const QByteArray& bytes);

// Writes mono 16-bit PCM samples at `rate` samples per second. 1 on success.
int WriteWav(const QString& path, const std::vector<int16_t>& samples, int rate);

// Writes a one-image cursor file (32 x 32, 32 bits with an AND mask) with its
// hot spot at (hotX, hotY) pixels from the top left. 1 on success.
int WriteCursor(const QString& path, const QImage& picture, int hotX, int hotY);

// The tick played after every drag: a soft wooden click of TICK_MS.
constexpr int TICK_RATE = 22050;
constexpr int TICK_MS = 30;
std::vector<int16_t> MakeTick();

// The two pointers: the arrow (hot spot at its tip, ARROW_HOT) and the
// four-way move cursor (hot spot in its middle, MOVE_HOT).
constexpr int ARROW_HOT_X = 1, ARROW_HOT_Y = 1;
constexpr int MOVE_HOT_X = 16, MOVE_HOT_Y = 16;
QImage DrawArrowCursor();
QImage DrawMoveCursor();
