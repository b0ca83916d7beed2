#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QPointer>
#include <QWindow>

#include "platform/platform.h"
#include "qt/platform/qt_cursor_file.h"
#include "qt/platform/qt_platform.h"

namespace {

constexpr int CURSOR_HEADER_SIZE = 14;  // the file header and the first entry's hot spot
constexpr int CURSOR_CAPACITY = 8;      // the program loads two shapes, and the class arrow

// Loaded cursors live until the process ends, as handles to them are kept in
// globals; a handle is 1 + the index of its entry.
QCursor* g_cursors[CURSOR_CAPACITY] = {};
int g_cursorCount = 0;
QPointer<QWindow> g_cursorWindow;
SysCursor g_current = -1;

uint16_t ReadLittle16(const QByteArray& bytes, int offset)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[offset]) |
                                 (static_cast<uint8_t>(bytes[offset + 1]) << 8));
}

void ApplyCursor(QWindow* window, SysCursor cursor)
{
    if (cursor > 0 && cursor <= g_cursorCount) {
        window->setCursor(*g_cursors[cursor - 1]);
    } else {
        window->setCursor(Qt::BlankCursor);
    }
}

}  // namespace

void QtPlatformSetCursorWindow(QWindow* window)
{
    g_cursorWindow = window;
    g_current = -1;
}

intptr_t QtPlatformCurrentCursor()
{
    return g_current;
}

int DecodeCursorFile(QIODevice* file, QImage* picture, int* hotX, int* hotY)
{
    if (file == nullptr || picture == nullptr || hotX == nullptr || hotY == nullptr) {
        return 0;
    }
    const QByteArray header = file->read(CURSOR_HEADER_SIZE);
    // Reserved 0, then type 2 (cursor) and at least one entry.
    if (header.size() < CURSOR_HEADER_SIZE || ReadLittle16(header, 0) != 0 || ReadLittle16(header, 2) != 2 ||
        ReadLittle16(header, 4) == 0 || !file->seek(0)) {
        return 0;
    }
    QImageReader reader(file, "ico");
    const QImage image = reader.read();
    if (image.isNull()) {
        return 0;
    }
    *picture = image;
    *hotX = ReadLittle16(header, 10);
    *hotY = ReadLittle16(header, 12);
    return 1;
}

SysCursor SysLoadCursorFile(const char* path)
{
    if (path == nullptr || g_cursorCount == CURSOR_CAPACITY) {
        return 0;
    }
    // Only a regular file: opening a pipe of that name would wait for a writer.
    QFile file(QString::fromLocal8Bit(path));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    QImage image;
    int hotX = 0, hotY = 0;
    if (!DecodeCursorFile(&file, &image, &hotX, &hotY)) {
        return 0;
    }
    g_cursors[g_cursorCount] = new QCursor(QPixmap::fromImage(image), hotX, hotY);
    ++g_cursorCount;
    return g_cursorCount;
}

void SysSetCursor(SysCursor cursor)
{
    // Set on every held frame: only a change reaches the window system.
    if (g_cursorWindow.isNull() || cursor == g_current) {
        return;
    }
    g_current = cursor;
    ApplyCursor(g_cursorWindow.data(), cursor);
}
