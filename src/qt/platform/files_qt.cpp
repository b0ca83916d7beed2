#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "platform/platform.h"
#include "qt/platform/qt_platform.h"

namespace {

bool g_recordOnly = false;
QString g_lastDocument;

}  // namespace

void QtPlatformSetDocumentsRecordedOnly(bool on)
{
    g_recordOnly = on;
}

QString QtPlatformLastDocument()
{
    return g_lastDocument;
}

void SysOpenDocument(const char* pathOrAddress)
{
    if (pathOrAddress == nullptr) {
        return;
    }
    const QString text = QString::fromLocal8Bit(pathOrAddress);
    // An address with a scheme is opened as it is; anything else is a file of
    // the working directory, which the desktop needs as an absolute address.
    QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().size() < 2) {
        url = QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    }
    g_lastDocument = url.toString();
    if (!g_recordOnly) {
        // Hands the address to xdg-open, which runs on its own: no waiting here.
        QDesktopServices::openUrl(url);
    }
}
