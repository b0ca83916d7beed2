// Picture files (the table's JPEG backgrounds) through the system's OLE
// picture object: decoded from the file's bytes, rendered stretched onto a
// 32-bit device-independent bitmap of the wanted size, bottom row first.

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/common/jpeg_size.h"
#include "platform/platform.h"
#include "win32/platform/win32_platform.h"
#include "win32/trace.h"

namespace {

// A background is a few hundred kilobytes; a larger file is not read at all.
constexpr int64_t LARGEST_PICTURE_FILE = 64 * 1024 * 1024;
// The system decodes a picture whole before it is stretched: a picture of
// more texels than this (a 256 MB bitmap) is not decoded at all.
constexpr uint64_t LARGEST_DECODED_TEXELS = 64ull * 1024 * 1024;
constexpr int32_t LARGEST_SIDE = 16384;

// The picture last loaded, kept for the decode that follows its size.
struct LoadedPicture {
    std::string path;
    IPicture* picture = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};
LoadedPicture g_loaded;

void Forget()
{
    if (g_loaded.picture != nullptr) {
        g_loaded.picture->Release();
    }
    g_loaded = LoadedPicture();
}

bool ReadPictureFile(const std::string& path, std::vector<uint8_t>* bytes)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER size;
    const bool sized = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart > 0 &&
                       size.QuadPart <= LARGEST_PICTURE_FILE;
    CloseHandle(file);
    if (!sized) {
        return false;
    }
    bytes->resize(static_cast<size_t>(size.QuadPart));
    const int64_t got = SysReadFile(path.c_str(), bytes->data(), static_cast<int64_t>(bytes->size()));
    if (got != size.QuadPart) {
        return false;
    }
    return true;
}

// The picture of the file `path` (relative), loaded through OLE and kept.
bool Load(const char* path)
{
    if (path == nullptr) {
        return false;
    }
    if (g_loaded.picture != nullptr && g_loaded.path == path) {
        return true;
    }
    Forget();
    std::vector<uint8_t> bytes;
    int32_t width = 0;
    int32_t height = 0;
    const std::string file = Win32ShippedPath(path);
    if (!ReadPictureFile(file, &bytes) || !JpegFrameSize(bytes.data(), bytes.size(), &width, &height) ||
        width > LARGEST_SIDE || height > LARGEST_SIDE ||
        static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > LARGEST_DECODED_TEXELS) {
        return false;
    }
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr) {
        return false;
    }
    void* at = GlobalLock(memory);
    if (at == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(at, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return false;
    }
    IPicture* picture = nullptr;
    const HRESULT loaded = OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                          reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(loaded) || picture == nullptr) {
        return false;
    }
    // The natural size in pixels is the decoded bitmap's own.
    short type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    BITMAP info{};
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle)) ||
        GetObjectA(reinterpret_cast<HBITMAP>(static_cast<uintptr_t>(handle)), sizeof info, &info) == 0 ||
        info.bmWidth <= 0 || info.bmHeight <= 0) {
        picture->Release();
        return false;
    }
    Trace(("picture file: " + file).c_str());
    g_loaded.path = path;
    g_loaded.picture = picture;
    g_loaded.width = info.bmWidth;
    g_loaded.height = info.bmHeight;
    return true;
}

}  // namespace

int SysPictureFileSize(const char* path, int* width, int* height)
{
    if (width == nullptr || height == nullptr || !Load(path)) {
        return 0;
    }
    *width = g_loaded.width;
    *height = g_loaded.height;
    return 1;
}

int SysDecodePictureFile(const char* path, int width, int height, SysImage* out)
{
    if (out == nullptr || width <= 0 || height <= 0 || width > LARGEST_SIDE || height > LARGEST_SIDE || !Load(path)) {
        return 0;
    }
    IPicture* picture = g_loaded.picture;
    OLE_XSIZE_HIMETRIC naturalWidth = 0;
    OLE_YSIZE_HIMETRIC naturalHeight = 0;
    picture->get_Width(&naturalWidth);
    picture->get_Height(&naturalHeight);

    int result = 0;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up: the bottom row first, as GL wants
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP target =
        memory != nullptr ? CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (target != nullptr && bits != nullptr) {
        const HGDIOBJ previous = SelectObject(memory, target);
        SetStretchBltMode(memory, HALFTONE);
        SetBrushOrgEx(memory, 0, 0, nullptr);
        // The whole picture onto the whole bitmap, upright: the source starts
        // at the picture's bottom and runs upward.
        if (SUCCEEDED(picture->Render(memory, 0, 0, width, height, 0, naturalHeight, naturalWidth, -naturalHeight,
                                      nullptr))) {
            GdiFlush();
            const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
            std::vector<uint8_t> rgba(count * 4);
            const auto* from = static_cast<const uint8_t*>(bits);
            for (size_t i = 0; i < count; ++i) {
                rgba[4 * i] = from[4 * i + 2];
                rgba[4 * i + 1] = from[4 * i + 1];
                rgba[4 * i + 2] = from[4 * i];
                rgba[4 * i + 3] = 255;
            }
            out->width = width;
            out->height = height;
            out->rgba = std::move(rgba);
            result = 1;
        }
        SelectObject(memory, previous);
    }
    if (target != nullptr) {
        DeleteObject(target);
    }
    if (memory != nullptr) {
        DeleteDC(memory);
    }
    // Loaded once for its size and its decode; not kept after that.
    Forget();
    return result;
}
