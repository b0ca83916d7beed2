// The picture store: resources.dll, a library of BITMAP resources numbered by
// picture id. It is mapped as an image of resources only, so none of its
// code can run, and each bitmap's header and size are checked before any of
// its texels are read; the texels are then read straight from the resource,
// the same ones GetDIBits would give for it.

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/platform.h"
#include "win32/platform/win32_platform.h"

namespace {

constexpr const char* PICTURE_STORE_FILE = "resources.dll";
constexpr int32_t LARGEST_SIDE = 16384;
constexpr uint32_t INFO_HEADER_BYTES = 40;  // BITMAPINFOHEADER

HMODULE g_store = nullptr;

uint32_t Little16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t Little32(const uint8_t* p) { return Little16(p) | Little16(p + 2) << 16; }

// A checked, uncompressed bitmap of 24 or 32 bits per texel.
struct StoreBitmap {
    const uint8_t* texels;  // the first stored row
    int32_t width;
    int32_t height;
    bool topDown;           // rows stored from the top (a negative height)
    uint32_t texelBytes;    // 3 or 4
    uint32_t rowBytes;      // each row padded to 4 bytes
};

// The bitmap resource `id`: its header must be a plain info header (or a
// longer one) inside the resource, with sides of 1 to 16384 texels, one
// plane, 24 or 32 bits, no compression, and a colour table and rows that lie
// inside the resource.
bool FindBitmap(int id, StoreBitmap* out)
{
    if (g_store == nullptr || id < 0 || id > 0xFFFF) {
        return false;
    }
    const HRSRC found = FindResourceA(g_store, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (found == nullptr) {
        return false;
    }
    const uint64_t size = SizeofResource(g_store, found);
    const HGLOBAL loaded = LoadResource(g_store, found);
    const auto* bytes = static_cast<const uint8_t*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (bytes == nullptr || size < INFO_HEADER_BYTES) {
        return false;
    }
    const uint32_t headerBytes = Little32(bytes);
    const int32_t width = static_cast<int32_t>(Little32(bytes + 4));
    const int32_t storedHeight = static_cast<int32_t>(Little32(bytes + 8));
    const uint32_t planes = Little16(bytes + 12);
    const uint32_t bits = Little16(bytes + 14);
    const uint32_t compression = Little32(bytes + 16);
    const uint32_t coloursUsed = Little32(bytes + 32);
    if (headerBytes < INFO_HEADER_BYTES || headerBytes > size || planes != 1 || (bits != 24 && bits != 32) ||
        compression != 0 /* BI_RGB */ || coloursUsed > 256) {
        return false;
    }
    if (width < 1 || width > LARGEST_SIDE || storedHeight == INT32_MIN || storedHeight == 0 ||
        (storedHeight < 0 ? -storedHeight : storedHeight) > LARGEST_SIDE) {
        return false;
    }
    const int32_t height = storedHeight < 0 ? -storedHeight : storedHeight;
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    const uint64_t texelsAt = static_cast<uint64_t>(headerBytes) + 4ull * coloursUsed;
    if (texelsAt > size || rowBytes * static_cast<uint64_t>(height) > size - texelsAt) {
        return false;
    }
    *out = {bytes + texelsAt, width, height, storedHeight < 0, bits / 8, static_cast<uint32_t>(rowBytes)};
    return true;
}

}  // namespace

int SysOpenPictureStore()
{
    SysClosePictureStore();
    const std::string path = Win32ShippedPath(PICTURE_STORE_FILE);
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return 0;
    }
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        return 0;
    }
    // Mapped as an image for its resources alone: no entry point is called,
    // nothing it imports is loaded, and its code is never made runnable. A
    // file that is not a library of the program's own word size fails here.
    g_store = LoadLibraryExA(full, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    return g_store != nullptr ? 1 : 0;
}

void SysClosePictureStore()
{
    if (g_store != nullptr) {
        FreeLibrary(g_store);
        g_store = nullptr;
    }
}

int SysStorePictureSize(int id, int* width, int* height)
{
    StoreBitmap bitmap;
    if (width == nullptr || height == nullptr || !FindBitmap(id, &bitmap)) {
        return 0;
    }
    *width = bitmap.width;
    *height = bitmap.height;
    return 1;
}

int SysDecodeStorePicture(int id, int width, int height, SysImage* out)
{
    StoreBitmap bitmap;
    if (out == nullptr || width <= 0 || height <= 0 || width > LARGEST_SIDE || height > LARGEST_SIDE ||
        !FindBitmap(id, &bitmap)) {
        return 0;
    }
    // Texel by texel, the nearest one, so an exact key colour stays exact.
    // Row 0 of the result is the picture's bottom row.
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    uint8_t* to = rgba.data();
    for (int32_t y = 0; y < height; ++y) {
        const int32_t fromBottom = static_cast<int32_t>(static_cast<int64_t>(y) * bitmap.height / height);
        const int32_t stored = bitmap.topDown ? bitmap.height - 1 - fromBottom : fromBottom;
        const uint8_t* row = bitmap.texels + static_cast<size_t>(stored) * bitmap.rowBytes;
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t* texel = row + static_cast<size_t>(static_cast<int64_t>(x) * bitmap.width / width) *
                                             bitmap.texelBytes;
            // Stored blue, green, red.
            *to++ = texel[2];
            *to++ = texel[1];
            *to++ = texel[0];
            *to++ = 255;
        }
    }
    out->width = width;
    out->height = height;
    out->rgba = std::move(rgba);
    return 1;
}
