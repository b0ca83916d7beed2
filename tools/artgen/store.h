// The picture store's contents: every picture by its id, keyed and ready to
// be written as N.png.
#pragma once

#include <QImage>

#include <vector>

struct StorePicture {
    int id;
    QRgb key;      // the see-through colour the program uses for this id
    QImage image;  // RGB32, power-of-two sizes, the key exact
};

// Every picture, in id order, drawn afresh.
std::vector<StorePicture> MakeStore();

// The program's icon, 256 x 256 with alpha.
QImage MakeIcon();
