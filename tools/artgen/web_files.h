// The web page's own data files, beside the game files every build writes.
#pragma once

#include <QString>

// Writes into `folder`: store.pack (every picture of the store as PNG, one
// after the other, each after its id and byte count as little-endian 32-bit
// values), glyphs.bin (the scene text's triangles of codes 0..254, each code
// as its advance, its float count and its floats, little-endian 32-bit
// floats, tessellated exactly as the desktop program tessellates them),
// ui.json (the menu and dialog tables), files.json (the cloths' names) and
// icon.png. 1 on success.
int WriteWebFiles(const QString& folder);
