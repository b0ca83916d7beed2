#pragma once
// Textures made once at start-up from the picture store and the Backgrounds
// folder, and the fixed GL state. A slot is a GL texture name; 0 = none, and a
// quad drawn with 0 bound shows no picture.

#include <cstdint>
#include <string>
#include <vector>

using TextureSlot = uint32_t;

constexpr const char* BACKGROUND_FOLDER = "Backgrounds";

extern TextureSlot g_cardTextures[53];         // 0 the back, 1..52 the faces
extern TextureSlot g_backgroundTexture;
extern TextureSlot g_textTexture;
extern TextureSlot g_pileMarkerTextures[4];    // by a pile's markerIndex (2, 3 used)
extern TextureSlot g_gamePreviewTextures[6];   // 1..5 by game
extern TextureSlot g_menuTileTexture;
extern TextureSlot g_menuBackdropTexture;
extern TextureSlot g_menuButtonTextures[5];    // entry k starts game k + 1

// The open search over "Backgrounds/*.jpg": the names in sorted order and the
// index of the entry last found (the current background), -1 before the first.
struct BackgroundSearch {
    std::vector<std::string> names;
    int current = -1;
    bool open = false;
};
extern BackgroundSearch g_backgroundSearch;

// Resets the card drawing fields, makes every texture, sets the fixed GL state
// and builds the font. Needs a current GL context. 1 on success, 0 when the
// picture store cannot be opened (then nothing else is done).
int InitializeGraphics();
// Opens the picture store and decodes and keys its pictures on a second
// thread, for the next InitializeGraphics to upload; needs no GL context
// (pictures_ahead.cpp).
// What is decoded ahead is exactly what InitializeGraphics would decode.
void StartDecodingPicturesAhead();
// Waits for that thread and forgets its pictures (a start that ends before
// the graphics are made). Safe when none was started.
void StopDecodingPicturesAhead();
// Texture from picture `id` of the open store; keyed texels (exact colour)
// get alpha 0. 1 when made and stored in *slot, 0 otherwise (slot unchanged).
int BuildTextureFromBitmap(int id, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG, int keyB);
// The same from a picture file relative to the working directory.
int BuildTextureFromFile(const char* path, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG, int keyB);
// Loads the next picture of the Backgrounds folder (wrapping round) into
// g_backgroundTexture; a picture that fails to load keeps the previous one.
void AdvanceBackground();
