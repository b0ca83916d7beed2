// The Windows build's own picture files: the bitmaps of the picture library
// resources.dll with the resource script that lists them, and the program's
// icon file. Our own writers, so the bytes windres packs are exactly these.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

// An uncompressed 24-bit bitmap file of `image`, rows bottom-up and padded to
// four bytes, colours exact (a key colour stays the key colour).
QByteArray BitmapFile(const QImage& image);

// An icon file with one image per entry of `images`, each square and 1 to 256
// pixels a side. Images of 256 pixels are stored as PNG, as the system expects
// for that size; smaller ones as 32-bit bitmaps with alpha and an AND mask.
QByteArray IconFile(const std::vector<QImage>& images);

// The sides, in pixels, of the images of the program's icon file.
constexpr int WINDOWS_ICON_SIDES[] = {16, 32, 48, 256};

// Writes into `folder`: bitmaps/N.bmp for every picture of the store,
// resources.rc listing them as BITMAP resources by their ids (for windres,
// with `folder` as its include directory), tarvik.ico, and menu_dialogs.rc,
// the program's menu and dialogs from the shared tables. 1 on success.
int WriteWindowsResources(const QString& folder);
