// Review pictures of the pictures in use: each cloth under a dealt game with
// the move counter, at the scale of a 640 x 480 window, and a few cards at
// full size. `rcc` is the store to read the pictures from.
#pragma once

#include <QString>

int WriteTableMockups(const QString& outPath, const QString& gameDir, const QString& rcc);
// The main menu at both of its distances.
int WriteMenuMockup(const QString& outPath, const QString& rcc);
int WriteCloseUps(const QString& outPath, const QString& gameDir, const QString& rcc);
