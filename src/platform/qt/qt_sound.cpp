#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include "platform/platform.h"
#include "platform/qt/qt_platform.h"

namespace {

// One effect per file name, made on the first play and kept: a tick after
// every drag must not allocate. The program plays one file, so one entry does.
QSoundEffect* g_effect = nullptr;
QString g_effectPath;
int g_soundsStarted = 0;

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
    if (g_effect == nullptr || name != g_effectPath) {
        const QFileInfo file(name);
        if (!file.isFile()) {
            return;
        }
        if (g_effect == nullptr) {
            g_effect = new QSoundEffect();
        }
        g_effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
        g_effectPath = name;
    }
    // play() only queues the sound; with no audio device it stays silent.
    g_effect->stop();
    g_effect->play();
    ++g_soundsStarted;
}
