#include "gfx/texture_build.h"

#include <GL/gl.h>

#include <algorithm>

#include "gfx/texture_pixels.h"
#include "platform/platform.h"

int g_textureSizeLimitOverride = 0;

int TextureSizeLimit()
{
    if (g_textureSizeLimitOverride > 0) {
        return g_textureSizeLimitOverride;
    }
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    return std::clamp(static_cast<int>(maxSize), 1, LARGEST_USEFUL_TEXTURE);
}

namespace {
// Where a picture comes from: picture `id` of the open store, or, when id is
// -1, the file at `path`.
struct PictureSource {
    int id;
    const char* path;
    int Size(int* width, int* height) const
    {
        return id >= 0 ? SysStorePictureSize(id, width, height) : SysPictureFileSize(path, width, height);
    }
    int Decode(int width, int height, SysImage* image) const
    {
        return id >= 0 ? SysDecodeStorePicture(id, width, height, image)
                       : SysDecodePictureFile(path, width, height, image);
    }
};

int Prepare(const PictureSource& source, int sizeLimit, SysImage* image, uint8_t keyOn, int keyR, int keyG, int keyB)
{
    if (!image || (source.id < 0 && !source.path)) {
        return 0;
    }
    int width = 0;
    int height = 0;
    if (!source.Size(&width, &height)) {
        return 0;
    }
    const int textureWidth = TextureDimension(width, sizeLimit);
    const int textureHeight = TextureDimension(height, sizeLimit);
    if (textureWidth <= 0 || textureHeight <= 0 || !source.Decode(textureWidth, textureHeight, image)) {
        return 0;
    }
    ApplyColourKey(image, keyOn, keyR, keyG, keyB);
    return 1;
}
}  // namespace

int PrepareStorePicture(int id, int sizeLimit, SysImage* image, uint8_t keyOn, int keyR, int keyG, int keyB)
{
    return id >= 0 ? Prepare({id, nullptr}, sizeLimit, image, keyOn, keyR, keyG, keyB) : 0;
}

int PreparePictureFile(const char* path, int sizeLimit, SysImage* image, uint8_t keyOn, int keyR, int keyG, int keyB)
{
    return Prepare({-1, path}, sizeLimit, image, keyOn, keyR, keyG, keyB);
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

int BuildStoreTexture(int id, SysImage* scratch, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG, int keyB)
{
    return slot && PrepareStorePicture(id, TextureSizeLimit(), scratch, keyOn, keyR, keyG, keyB) &&
           UploadTexture(*scratch, slot);
}

int BuildFileTexture(const char* path, SysImage* scratch, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG,
                     int keyB)
{
    return slot && PreparePictureFile(path, TextureSizeLimit(), scratch, keyOn, keyR, keyG, keyB) &&
           UploadTexture(*scratch, slot);
}
