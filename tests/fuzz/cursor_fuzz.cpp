// libFuzzer target: any cursor file of up to 16 KiB is either refused or
// decoded to a picture with a hot spot, by the cursor loader's own decoding.

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <cstdlib>

#include "outcome_counters.h"
#include "qt/platform/qt_cursor_file.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 16384) {
        return 0;
    }
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    QImage picture;
    int hotX = -1, hotY = -1;
    const int decoded = DecodeCursorFile(&file, &picture, &hotX, &hotY);
    MarkOutcome(0, static_cast<uint32_t>(picture.format()) * 2 + static_cast<uint32_t>(decoded));
    MarkOutcome(1, static_cast<uint32_t>(picture.width() * 64 + picture.height()));
    if (decoded) {
        // A loaded shape has pixels, and its hot spot is two 16-bit values.
        if (picture.isNull() || picture.width() <= 0 || hotX < 0 || hotX > 0xFFFF || hotY < 0 || hotY > 0xFFFF) {
            __builtin_trap();
        }
    }
    return 0;
}
