// Every picture of the store besides the cards, and the pictures beside the
// program. All are drawn by our own code; each takes a few milliseconds.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

// Preview of game 1..5 (Klondike, Freecell, Scorpion, Mount Sunflower, Baker's
// Dozen): 512 x 256 for the 10.7 x 7 quad, transparent outside its corners.
// `faces` are the 52 unkeyed faces, `back` the unkeyed back.
QImage DrawPreview(int game, const std::vector<QImage>& faces, const QImage& back);

// Main-menu picture over the backdrop, 1024 x 1024 for the 50 x 37.5 quad:
// the title; transparent wherever the tile should show.
QImage DrawMenuTitle();
// Main-menu tile, 256 x 256, seamless when repeated; fully opaque.
QImage DrawMenuTile();
// Button of game 1..5, 256 x 64 for the 5 x 1.4 quad (seen about 100 x 29
// pixels at 640 x 480 and 230 x 65 at 1920 x 1080), with the game's name.
QImage DrawMenuButton(int game);

// Pile marker, the size of a card picture: an ordinary place, or a foundation.
QImage DrawPileMarker(bool foundation);
// The text texture: 64 x 64, opaque, its four corners one warm gold.
QImage DrawTextTexture();
// The program's icon, 256 x 256 with alpha.
QImage DrawProgramIcon(const QImage& aceFace, const QImage& kingFace);

// One table cloth, 1024 x 512 for the 4:3 cloth quad.
struct Background {
    const char* fileName;
    QImage (*draw)();
};
// The cloths, in the order their file names sort.
const std::vector<Background>& Backgrounds();

// The names of the five games, in game order.
extern const char* const GAME_NAMES[5];
