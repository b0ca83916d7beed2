#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QString>

#include <cstdio>
#include <cstring>

#include "platform/platform.h"

namespace {
// The registered bundle's absolute path: unregistering needs the same name.
QString s_storePath;

QString PathName(const char* path)
{
    return QString::fromLocal8Bit(path);
}
}  // namespace

int SysOpenPictureStore(const char* path)
{
    SysClosePictureStore();
    if (!path) {
        return 0;
    }
    const QString absolute = QFileInfo(PathName(path)).absoluteFilePath();
    if (!QResource::registerResource(absolute)) {
        return 0;
    }
    s_storePath = absolute;
    return 1;
}

void SysClosePictureStore()
{
    if (!s_storePath.isEmpty()) {
        QResource::unregisterResource(s_storePath);
        s_storePath.clear();
    }
}

void SysStorePicturePath(int id, char* path, int capacity)
{
    if (!path || capacity <= 0) {
        return;
    }
    std::snprintf(path, static_cast<size_t>(capacity), ":/pictures/%d.png", id);
}

int SysPictureSize(const char* path, int* width, int* height)
{
    if (!path || !width || !height) {
        return 0;
    }
    QImageReader reader(PathName(path));
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        return 0;
    }
    *width = size.width();
    *height = size.height();
    return 1;
}

int SysDecodePicture(const char* path, int width, int height, SysImage* out)
{
    if (!path || !out || width <= 0 || height <= 0) {
        return 0;
    }
    const QSize size(width, height);
    QImageReader reader(PathName(path));
    // JPEG decodes straight at (about) the wanted size, so a huge photograph
    // never needs a full-size buffer. Formats that cannot (PNG) are read as
    // they are and stretched texel by texel below: smoothing would blend the
    // exact key colours into their neighbours.
    if (reader.supportsOption(QImageIOHandler::ScaledSize)) {
        reader.setScaledSize(size);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return 0;
    }
    if (image.size() != size) {
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    image.convertTo(QImage::Format_RGBA8888);  // in place when the depth allows
    if (image.isNull() || image.size() != size) {
        return 0;
    }
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    out->rgba.resize(rowBytes * static_cast<size_t>(height));
    // GL wants the bottom row first.
    for (int row = 0; row < height; ++row) {
        std::memcpy(out->rgba.data() + rowBytes * static_cast<size_t>(row),
                    image.constScanLine(height - 1 - row), rowBytes);
    }
    out->width = width;
    out->height = height;
    return 1;
}
