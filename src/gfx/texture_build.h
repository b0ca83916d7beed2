#pragma once
// Inside the texture loaders: the shared procedure and the size limit.

#include <cstdint>

#include "gfx/textures.h"
#include "platform/platform.h"

// Largest texture side the loaders make, when > 0; 0 asks GL. Tests lower it.
extern int g_textureSizeLimitOverride;
// A background is shown at window size; a bigger texture only costs memory
// (a 12,000-pixel photograph would otherwise become a 1 GB texture).
constexpr int LARGEST_USEFUL_TEXTURE = 2048;

// GL_MAX_TEXTURE_SIZE, but at most 2048 (or the override when set).
int TextureSizeLimit();
// Picture `id` of the open store, or the picture file at `path`, decoded at its
// texture size (sides at most sizeLimit) into *image and keyed: the half of
// the procedure that needs no GL. 1 when done.
int PrepareStorePicture(int id, int sizeLimit, SysImage* image, uint8_t keyOn, int keyR, int keyG, int keyB);
int PreparePictureFile(const char* path, int sizeLimit, SysImage* image, uint8_t keyOn, int keyR, int keyG, int keyB);
// The other half: a prepared picture -> texture in *slot. Needs a current GL
// context. 1 when made, 0 otherwise with *slot unchanged.
int UploadTexture(const SysImage& image, TextureSlot* slot);
// Both halves at the GL's size limit, decoding into *scratch, whose buffer is
// reused from one picture to the next of a series (no fresh, zeroed buffer
// each time); the caller frees it. 1 when made, 0 otherwise with *slot unchanged.
int BuildStoreTexture(int id, SysImage* scratch, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG, int keyB);
int BuildFileTexture(const char* path, SysImage* scratch, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG,
                     int keyB);
