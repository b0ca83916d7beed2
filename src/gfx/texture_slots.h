#pragma once
// Inside the texture loaders: which store picture goes into which slot, with
// which colour key, in the order start-up makes the textures. The start-up
// and the decoding ahead walk this one list.

#include <cstdint>

#include "gfx/textures.h"

struct ColourKey {
    uint8_t on;
    uint8_t r, g, b;
};

struct StorePicture {
    TextureSlot* slot;
    int id;
    ColourKey key;
};

constexpr int FIRST_STORE_PICTURE = 4000;
constexpr int STORE_PICTURE_COUNT = 73;  // ids 4000 to 4072
constexpr int STORE_PICTURES_LOADED = 68;  // 52 faces, the back and 15 others

// Store picture number `index` [0, 67] in the order the textures are made:
// the faces, the back, then the others (the background comes after the back).
StorePicture StorePictureToLoad(int index);
