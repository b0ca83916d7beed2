// The picture store: resources.dll, a library of BITMAP resources numbered by
// picture id. It is mapped as an image of resources only, so none of its
// code can run, and each bitmap's header and size are checked before any of
// its texels are read; the texels are then read straight from the resource,
// the same ones GetDIBits would give for it.

#include <cstdint>
#include <string>

#include "platform/common/store_bitmap.h"
#include "platform/platform.h"
#include "win32/platform/win32_platform.h"

namespace {

constexpr const char* PICTURE_STORE_FILE = "resources.dll";

HMODULE g_store = nullptr;

// The bitmap resource `id`, checked (platform/common/store_bitmap.h).
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
    return bytes != nullptr && CheckStoreBitmap(bytes, static_cast<size_t>(size), out) == 1;
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
    if (out == nullptr || width <= 0 || height <= 0 || width > STORE_BITMAP_LARGEST_SIDE || height > STORE_BITMAP_LARGEST_SIDE ||
        !FindBitmap(id, &bitmap)) {
        return 0;
    }
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    ReadStoreBitmap(bitmap, width, height, rgba.data());
    out->width = width;
    out->height = height;
    out->rgba = std::move(rgba);
    return 1;
}
