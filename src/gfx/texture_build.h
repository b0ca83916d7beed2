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
// Picture at `path` (a store path or a file) -> keyed RGBA texture in *slot.
// 1 when made, 0 otherwise with *slot unchanged.
int BuildTextureFromPicture(const char* path, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG, int keyB);
// The same, decoding into *scratch, whose buffer is reused from one picture to
// the next of a series (no fresh, zeroed buffer each time); the caller frees it.
int BuildTextureFromPicture(const char* path, SysImage* scratch, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG,
                            int keyB);
// The half of the procedure that needs no GL: picture at `path` decoded at its
// texture size (sides at most sizeLimit) into *image and keyed. 1 when done.
int PreparePicture(const char* path, int sizeLimit, SysImage* image, uint8_t keyOn, int keyR, int keyG, int keyB);
// The other half: a prepared picture -> texture in *slot. Needs a current GL
// context. 1 when made, 0 otherwise with *slot unchanged.
int UploadTexture(const SysImage& image, TextureSlot* slot);
