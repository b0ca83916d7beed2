// libFuzzer target: any resources.rcc of up to 16 KiB is either refused by
// the store check or read whole: every picture the graphics start asks for is
// sized and decoded at its texture size, with its colour key, through the
// same calls. Built with AddressSanitizer: the accepted bundle is registered
// from a copy of exactly its size, so a read one byte past its end is caught.

#include <QGuiApplication>
#include <QResource>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "fuzz_folder.h"
#include "outcome_counters.h"
#include "gfx/texture_pixels.h"
#include "platform/platform.h"
#include "qt/platform/pictures_qt.h"

namespace {

constexpr int LARGEST_TEXTURE = 2048;  // the loaders' own limit on any GL

// What the graphics start does with one store picture, less the GL upload.
void DecodeAsTexture(int id)
{
    int width = 0, height = 0;
    if (!SysStorePictureSize(id, &width, &height)) {
        return;
    }
    const int textureWidth = TextureDimension(width, LARGEST_TEXTURE);
    const int textureHeight = TextureDimension(height, LARGEST_TEXTURE);
    SysImage image;
    const bool decoded =
        textureWidth > 0 && textureHeight > 0 && SysDecodeStorePicture(id, textureWidth, textureHeight, &image);
    MarkPicture(QStringLiteral(":/pictures/%1.png").arg(id), width, height, decoded);
    if (!decoded) {
        return;
    }
    if (image.width != textureWidth || image.height != textureHeight ||
        image.rgba.size() != size_t(textureWidth) * size_t(textureHeight) * 4) {
        __builtin_trap();  // a decoded picture is exactly the size asked for
    }
    ApplyColourKey(&image, 1, 0, 0, 255);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 16384 || !EnterFuzzFolder() || !WriteInput("resources.rcc", data, size)) {
        return 0;
    }
    const int accepted = IsWholePictureStore(data, size);
    // The program's own open takes the file exactly when the check takes its bytes.
    if (SysOpenPictureStore() != accepted) {
        __builtin_trap();
    }
    SysClosePictureStore();
    if (!accepted) {
        return 0;
    }
    const std::unique_ptr<uchar[]> copy(new uchar[size]);
    std::memcpy(copy.get(), data, size);
    if (!QResource::registerResource(copy.get())) {
        return 0;
    }
    for (int id = 4000; id <= 4072; ++id) {
        DecodeAsTexture(id);
    }
    QResource::unregisterResource(copy.get());
    return 0;
}
