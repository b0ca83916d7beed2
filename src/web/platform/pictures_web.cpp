// Pictures decoded by the browser: the page fetched the store's PNGs and the
// cloths' JPEGs and had them decoded before the game needs them (decoding
// in a browser never blocks); here they are copied out, rows bottom-up, and
// stretched texel by texel when a size other than their own is asked for.
// The page's pictures are only its own, made at their texture sizes, so a
// picture is never decoded larger than its texture (no player brings a
// photograph of thousands of pixels here).

#include <emscripten.h>

#include <string>
#include <utility>

#include "platform/platform.h"

namespace {

// A picture's key on the page: the store's by number, a file by its path.
std::string StoreKey(int id)
{
    return "store:" + std::to_string(id);
}

}  // namespace

EM_JS(int, PagePictureSize, (const char* key, int* width, int* height), {
    const picture = tarvikPage.pictures.get(UTF8ToString(key));
    if (!picture) return 0;
    HEAP32[width >> 2] = picture.width;
    HEAP32[height >> 2] = picture.height;
    return 1;
});
// Copies the picture's RGBA rows into `to` bottom row first.
EM_JS(int, PageCopyPicture, (const char* key, uint8_t* to), {
    const picture = tarvikPage.pictures.get(UTF8ToString(key));
    if (!picture) return 0;
    const row = picture.width * 4;
    for (let y = 0; y < picture.height; ++y) {
        const from = (picture.height - 1 - y) * row;
        HEAPU8.set(picture.rgba.subarray(from, from + row), to + y * row);
    }
    return 1;
});
EM_JS(int, PageStoreOpen, (), { return tarvikPage.pictures.openStore(); });
EM_JS(void, PageStoreClose, (), { tarvikPage.pictures.closeStore(); });

namespace {

int Decode(const std::string& key, int width, int height, SysImage* out)
{
    int naturalWidth = 0;
    int naturalHeight = 0;
    if (out == nullptr || width <= 0 || height <= 0 ||
        !PagePictureSize(key.c_str(), &naturalWidth, &naturalHeight)) {
        return 0;
    }
    SysImage natural;
    natural.width = naturalWidth;
    natural.height = naturalHeight;
    natural.rgba.resize(static_cast<size_t>(naturalWidth) * static_cast<size_t>(naturalHeight) * 4);
    if (!PageCopyPicture(key.c_str(), natural.rgba.data())) {
        return 0;
    }
    if (naturalWidth == width && naturalHeight == height) {
        *out = std::move(natural);
        return 1;
    }
    // Each texel takes the nearest source texel whole, so a key colour stays exact.
    SysImage stretched;
    stretched.width = width;
    stretched.height = height;
    stretched.rgba.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    for (int y = 0; y < height; ++y) {
        const int sy = static_cast<int>((static_cast<int64_t>(y) * naturalHeight) / height);
        for (int x = 0; x < width; ++x) {
            const int sx = static_cast<int>((static_cast<int64_t>(x) * naturalWidth) / width);
            const size_t from = (static_cast<size_t>(sy) * naturalWidth + sx) * 4;
            const size_t to = (static_cast<size_t>(y) * width + x) * 4;
            for (int c = 0; c < 4; ++c) {
                stretched.rgba[to + c] = natural.rgba[from + c];
            }
        }
    }
    *out = std::move(stretched);
    return 1;
}

bool s_storeOpen = false;

}  // namespace

int SysOpenPictureStore()
{
    s_storeOpen = PageStoreOpen() != 0;
    return s_storeOpen ? 1 : 0;
}

// The decoded store goes with it: the textures hold their own copies.
void SysClosePictureStore()
{
    if (s_storeOpen) {
        PageStoreClose();
    }
    s_storeOpen = false;
}

int SysStorePictureSize(int id, int* width, int* height)
{
    return s_storeOpen && width != nullptr && height != nullptr ? PagePictureSize(StoreKey(id).c_str(), width, height)
                                                                : 0;
}

int SysDecodeStorePicture(int id, int width, int height, SysImage* out)
{
    return s_storeOpen ? Decode(StoreKey(id), width, height, out) : 0;
}

int SysPictureFileSize(const char* path, int* width, int* height)
{
    return path != nullptr && width != nullptr && height != nullptr ? PagePictureSize(path, width, height) : 0;
}

int SysDecodePictureFile(const char* path, int width, int height, SysImage* out)
{
    return path != nullptr ? Decode(path, width, height, out) : 0;
}
