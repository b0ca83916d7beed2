#pragma once
// The desktop's icons of the program: the window icon's drawing at the sizes
// of the hicolor theme.

#include <QImage>
#include <QString>

// The sides, in pixels, of the icons an installed copy ships.
constexpr int ICON_SIDES[] = {16, 24, 32, 48, 64, 128, 256};

// The program's icon `side` pixels square, scaled down from the 256-pixel
// drawing in halving steps so thin lines stay smooth.
QImage IconAtSide(int side);

// Writes FOLDER/<side>x<side>/apps/tarvik-solitaire.png for every side.
// 1 when all were written, else 0.
int WriteIcons(const QString& folder);
