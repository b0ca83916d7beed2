#include "gfx/texture_build.h"

#include <GL/gl.h>

#include <algorithm>

#include "gfx/texture_pixels.h"
#include "platform/platform.h"

int g_textureSizeLimitOverride = 0;

namespace {
}  // namespace

int TextureSizeLimit()
{
    if (g_textureSizeLimitOverride > 0) {
        return g_textureSizeLimitOverride;
    }
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    return std::clamp(static_cast<int>(maxSize), 1, LARGEST_USEFUL_TEXTURE);
}

int BuildTextureFromPicture(const char* path, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG, int keyB)
{
    SysImage image;
    return BuildTextureFromPicture(path, &image, slot, keyOn, keyR, keyG, keyB);
}

int PreparePicture(const char* path, int sizeLimit, SysImage* image, uint8_t keyOn, int keyR, int keyG, int keyB)
{
    if (!path || !image) {
        return 0;
    }
    int width = 0;
    int height = 0;
    if (!SysPictureSize(path, &width, &height)) {
        return 0;
    }
    const int textureWidth = TextureDimension(width, sizeLimit);
    const int textureHeight = TextureDimension(height, sizeLimit);
    if (textureWidth <= 0 || textureHeight <= 0 || !SysDecodePicture(path, textureWidth, textureHeight, image)) {
        return 0;
    }
    ApplyColourKey(image, keyOn, keyR, keyG, keyB);
    return 1;
}

int UploadTexture(const SysImage& image, TextureSlot* slot)
{
    if (!slot || image.width <= 0 || image.height <= 0 ||
        image.rgba.size() < 4 * static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) {
        return 0;
    }
    // Earlier errors are not this texture's (bounded: a lost context repeats one).
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    if (name == 0) {
        return 0;
    }
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.rgba.data());
    if (glGetError() != GL_NO_ERROR) {
        glDeleteTextures(1, &name);
        return 0;
    }
    *slot = name;
    return 1;
}

int BuildTextureFromPicture(const char* path, SysImage* image, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG,
                            int keyB)
{
    if (!path || !image || !slot) {
        return 0;
    }
    return PreparePicture(path, TextureSizeLimit(), image, keyOn, keyR, keyG, keyB) && UploadTexture(*image, slot);
}
