#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "qt/platform/pictures_qt.h"

namespace {
// The registered bundle's bytes: Qt reads them in place until unregistered.
QByteArray g_storeBytes;

// Qt trusts every offset of a binary bundle, so a cut or damaged file would
// make it read past the end. Every offset it can follow is checked first.
constexpr qint64 LARGEST_STORE = 256 * 1024 * 1024;
constexpr uint64_t LARGEST_UNPACKED = 64 * 1024 * 1024;  // one picture, unpacked
constexpr uint16_t NODE_ZLIB = 0x01;
constexpr uint16_t NODE_FOLDER = 0x02;
constexpr uint16_t NODE_ZSTD = 0x04;

struct StoreLayout {
    const uint8_t* bytes;
    uint64_t size;
    uint64_t tree, data, names;
    uint64_t nodeSize;  // 14 bytes, 22 from version 2 on (a modification time)
};

uint32_t Big32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }
uint16_t Big16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }

bool Inside(const StoreLayout& s, uint64_t offset, uint64_t length)
{
    return offset <= s.size && length <= s.size - offset;
}

// A name: 16-bit length, 32-bit hash, then that many UTF-16 units.
bool NameInside(const StoreLayout& s, uint32_t offset)
{
    const uint64_t at = s.names + offset;
    return Inside(s, at, 6) && Inside(s, at + 6, uint64_t(Big16(s.bytes + at)) * 2);
}

// The size a compressed entry claims once unpacked, as Qt will allocate it;
// an unknown size counts as too large.
uint64_t UnpackedSize(const uint8_t* p, uint64_t length, uint16_t flags)
{
    if (flags & NODE_ZLIB) {
        return length < 4 ? UINT64_MAX : Big32(p);
    }
    // A zstd frame: magic, descriptor, optional window and dictionary fields,
    // then the content size in 0, 1, 2, 4 or 8 little-endian bytes.
    if (length < 6 || p[0] != 0x28 || p[1] != 0xB5 || p[2] != 0x2F || p[3] != 0xFD) {
        return UINT64_MAX;
    }
    const int descriptor = p[4];
    const bool single = (descriptor >> 5) & 1;
    const int sizeField[4] = {single ? 1 : 0, 2, 4, 8};
    const int dictField[4] = {0, 1, 2, 4};
    const int fieldBytes = sizeField[descriptor >> 6];
    const uint64_t at = 5 + (single ? 0 : 1) + dictField[descriptor & 3];
    if (fieldBytes == 0 || at + fieldBytes > length) {
        return UINT64_MAX;
    }
    uint64_t value = 0;
    for (int i = fieldBytes - 1; i >= 0; --i) {
        value = value << 8 | p[at + i];
    }
    return fieldBytes == 2 ? value + 256 : value;
}

// A file entry: 32-bit length, then the bytes.
bool DataInside(const StoreLayout& s, uint32_t offset, uint16_t flags)
{
    const uint64_t at = s.data + offset;
    if (!Inside(s, at, 4)) {
        return false;
    }
    const uint64_t length = Big32(s.bytes + at);
    if (!Inside(s, at + 4, length)) {
        return false;
    }
    return !(flags & (NODE_ZLIB | NODE_ZSTD)) || UnpackedSize(s.bytes + at + 4, length, flags) <= LARGEST_UNPACKED;
}

// Walks every node reachable from the root, each once, checking its name, its
// children's range or its data. Qt reads the root's child count and first
// child whatever its flags say, so the root must be a folder. Qt's binary
// search of a folder's names stays inside the folder's range whatever order
// the hashes are in (a name out of order is only not found), so the order is
// not checked. Children lie after their folder, as rcc lays the tree out
// breadth first: no folder can hold itself or one of the folders above it.
bool TreeInside(const StoreLayout& s)
{
    if (s.tree > s.size) {
        return false;
    }
    const uint64_t nodeCount = (s.size - s.tree) / s.nodeSize;
    if (nodeCount == 0 || !(Big16(s.bytes + s.tree + 4) & NODE_FOLDER)) {
        return false;
    }
    std::vector<bool> seen(nodeCount, false);
    std::vector<uint64_t> pending{0};
    seen[0] = true;
    while (!pending.empty()) {
        const uint64_t node = pending.back();
        pending.pop_back();
        const uint8_t* p = s.bytes + s.tree + node * s.nodeSize;
        const uint16_t flags = Big16(p + 4);
        // Qt never looks up the root's own name.
        if (node != 0 && !NameInside(s, Big32(p))) {
            return false;
        }
        if (!(flags & NODE_FOLDER)) {
            if (!DataInside(s, Big32(p + 10), flags)) {
                return false;
            }
            continue;
        }
        const uint64_t count = Big32(p + 6);
        const uint64_t first = Big32(p + 10);
        if (count == 0) {
            continue;
        }
        if (first <= node || first > nodeCount || count > nodeCount - first) {
            return false;
        }
        for (uint64_t child = first; child < first + count; ++child) {
            if (!seen[child]) {
                seen[child] = true;
                pending.push_back(child);
            }
        }
    }
    return true;
}
}  // namespace

// Header: "qres", version 1 to 3, then the offsets of tree, data and names
// (and from version 3 a word of flags).
int IsWholePictureStore(const uint8_t* bytes, uint64_t size)
{
    if (!bytes || size < 20 || std::memcmp(bytes, "qres", 4) != 0) {
        return 0;
    }
    const uint32_t version = Big32(bytes + 4);
    if (version < 1 || version > 3 || (version == 3 && size < 24)) {
        return 0;
    }
    // From version 3 the header names the packings used; Qt refuses any other.
    if (version == 3 && (Big32(bytes + 20) & ~uint32_t(NODE_ZLIB | NODE_ZSTD)) != 0) {
        return 0;
    }
    const StoreLayout layout{bytes, size, Big32(bytes + 8), Big32(bytes + 12), Big32(bytes + 16),
                             version >= 2 ? 22u : 14u};
    return TreeInside(layout) ? 1 : 0;
}

namespace {
// The store the program ships, in the working directory (the build's game
// folder, or the player's folder, which links the installed one).
constexpr const char* PICTURE_STORE_FILE = "resources.rcc";

QString PathName(const char* path)
{
    return QString::fromLocal8Bit(path);
}

// The path under which the open store holds picture `id`.
QString StorePath(int id)
{
    return QStringLiteral(":/pictures/%1.png").arg(id);
}

int PictureSize(const QString& path, int* width, int* height)
{
    if (!width || !height) {
        return 0;
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        return 0;
    }
    *width = size.width();
    *height = size.height();
    return 1;
}

int DecodePicture(const QString& path, int width, int height, SysImage* out)
{
    if (!out || width <= 0 || height <= 0) {
        return 0;
    }
    const QSize size(width, height);
    QImageReader reader(path);
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
}  // namespace

int SysOpenPictureStore()
{
    SysClosePictureStore();
    // Only a regular file: opening a pipe of that name would wait for a writer.
    QFile file(PathName(PICTURE_STORE_FILE));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly) || file.size() > LARGEST_STORE) {
        return 0;
    }
    QByteArray bytes = file.readAll();
    if (!IsWholePictureStore(reinterpret_cast<const uint8_t*>(bytes.constData()),
                             static_cast<uint64_t>(bytes.size()))) {
        return 0;
    }
    if (!QResource::registerResource(reinterpret_cast<const uchar*>(bytes.constData()))) {
        return 0;
    }
    g_storeBytes = std::move(bytes);
    return 1;
}

void SysClosePictureStore()
{
    if (!g_storeBytes.isEmpty()) {
        QResource::unregisterResource(reinterpret_cast<const uchar*>(g_storeBytes.constData()));
        g_storeBytes = QByteArray();
    }
}

// A closed store's pictures are not found: Qt no longer knows their paths.
int SysStorePictureSize(int id, int* width, int* height)
{
    return PictureSize(StorePath(id), width, height);
}

int SysDecodeStorePicture(int id, int width, int height, SysImage* out)
{
    return DecodePicture(StorePath(id), width, height, out);
}

int SysPictureFileSize(const char* path, int* width, int* height)
{
    // A file name starting with ':' would be a resource path to Qt.
    return path && path[0] != ':' ? PictureSize(PathName(path), width, height) : 0;
}

int SysDecodePictureFile(const char* path, int width, int height, SysImage* out)
{
    return path && path[0] != ':' ? DecodePicture(PathName(path), width, height, out) : 0;
}
