// libFuzzer target: any file of up to 64 KiB under Backgrounds/*.jpg is
// either skipped or decoded straight at its texture size, as the background
// loader does (its size read first, then a decode at the power-of-two size,
// then the key pass), less the GL upload.

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <sys/stat.h>

#include "fuzz_folder.h"
#include "outcome_counters.h"
#include "gfx/texture_pixels.h"
#include "platform/platform.h"

namespace {
constexpr int LARGEST_TEXTURE = 2048;  // the loaders' own limit on any GL
constexpr const char* PICTURE = "Backgrounds/fuzz.jpg";
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 65536 || !EnterFuzzFolder()) {
        return 0;
    }
    mkdir("Backgrounds", 0755);
    if (!WriteInput(PICTURE, data, size)) {
        return 0;
    }
    int width = 0, height = 0;
    if (!SysPictureFileSize(PICTURE, &width, &height)) {
        MarkPicture(PICTURE, 0, 0, false);
        return 0;
    }
    if (width <= 0 || height <= 0) {
        __builtin_trap();  // a size that reads is a real one
    }
    const int textureWidth = TextureDimension(width, LARGEST_TEXTURE);
    const int textureHeight = TextureDimension(height, LARGEST_TEXTURE);
    SysImage image;
    const bool decoded = SysDecodePictureFile(PICTURE, textureWidth, textureHeight, &image);
    MarkPicture(PICTURE, width, height, decoded);
    if (!decoded) {
        return 0;
    }
    if (image.width != textureWidth || image.height != textureHeight ||
        image.rgba.size() != size_t(textureWidth) * size_t(textureHeight) * 4) {
        __builtin_trap();
    }
    ApplyColourKey(&image, 0, 0, 0, 0);
    return 0;
}
