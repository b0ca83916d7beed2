#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <cstdint>

#include "platform/common/wave_check.h"
#include "platform/platform.h"
#include "qt/platform/qt_platform.h"

namespace {

// A tick is a few kilobytes; a larger file is not read at all.
constexpr qint64 LARGEST_SOUND_FILE = 16 * 1024 * 1024;

// One effect per file name, made on the first play and kept: a tick after
// every drag must not allocate. The program plays one file, so one entry does.
QSoundEffect* g_effect = nullptr;
QString g_effectPath;
bool g_effectPlayable = false;
int g_soundsStarted = 0;

// Only a regular file that passes the wave check reaches Qt's decoder: a
// damaged file then plays nothing, whatever that decoder would make of it.
bool IsPlayableFile(const QFileInfo& info)
{
    QFile file(info.filePath());
    if (!info.isFile() || info.size() > LARGEST_SOUND_FILE || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.read(LARGEST_SOUND_FILE);
    return IsPlayableWave(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
}

}  // namespace

int QtPlatformSoundsStarted()
{
    return g_soundsStarted;
}

void SysPlaySoundAsync(const char* path)
{
    if (path == nullptr) {
        return;
    }
    const QString name = QString::fromLocal8Bit(path);
    if (name != g_effectPath) {
        // Only a regular file: opening a pipe of that name would wait for a writer.
        const QFileInfo file(name);
        if (!file.isFile()) {
            return;  // looked for again on the next play
        }
        // The file is looked at once, as the effect keeps what it loaded.
        g_effectPath = name;
        g_effectPlayable = IsPlayableFile(file);
        if (!g_effectPlayable) {
            return;
        }
        if (g_effect == nullptr) {
            g_effect = new QSoundEffect();
        }
        g_effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    }
    if (!g_effectPlayable) {
        return;
    }
    // play() only queues the sound; with no audio device it stays silent.
    g_effect->stop();
    g_effect->play();
    ++g_soundsStarted;
}
