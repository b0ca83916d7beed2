#include "support/gui_application.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdlib>
#include <cstring>

void EnsureGuiApplication()
{
    if (QCoreApplication::instance()) {
        return;
    }
    // Qt's offscreen platform: fonts and pictures need no window system. It
    // skips the window system's keyboard set-up, which AddressSanitizer
    // reports in libxkbcommon-x11, and the tests draw offscreen anyway.
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    static int argc = 1;
    static char name[] = "tarvik_tests";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // lives until the process ends
}

bool SaveGlImage(GlTestContext& gl, const char* path)
{
    const std::vector<uint8_t> rgba = gl.ReadAll();
    if (rgba.empty()) {
        return false;
    }
    QImage image(gl.Width(), gl.Height(), QImage::Format_RGBA8888);
    std::memcpy(image.bits(), rgba.data(), rgba.size());
    return image.mirrored().save(QString::fromLocal8Bit(path));
}
