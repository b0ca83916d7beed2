#pragma once
// Inside the texture loaders: the shared procedure and the size limit.

#include <cstdint>

#include "gfx/textures.h"
#include "platform/platform.h"

// Largest texture side the loaders make, when > 0; 0 asks GL. Tests lower it.
extern int g_textureSizeLimitOverride;

// GL_MAX_TEXTURE_SIZE, but at most 2048 (or the override when set).
int TextureSizeLimit();
// Picture at `path` (a store path or a file) -> keyed RGBA texture in *slot.
// 1 when made, 0 otherwise with *slot unchanged.
int BuildTextureFromPicture(const char* path, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG, int keyB);
// The same, decoding into *scratch, whose buffer is reused from one picture to
// the next of a series (no fresh, zeroed buffer each time); the caller frees it.
int BuildTextureFromPicture(const char* path, SysImage* scratch, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG,
                            int keyB);
