#include "qt/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMainWindow>

#include "qt/gl_window.h"

namespace {

constexpr const char* LOCK_FILE = ".tarvik-solitaire.lock";
constexpr int CONNECT_WAIT_MS = 1000;
constexpr int WRITE_WAIT_MS = 500;

int s_lockFd = -1;  // held open for the whole run: the lock lives as long as the process

// The folder's listener: the same for every copy started in the same folder
// by the same user, different for any other folder; in the user's private
// runtime folder (set up before Qt starts), so nothing is left in /tmp.
QString ListenerName()
{
    const QByteArray folder = QDir::current().canonicalPath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("tarvik-solitaire-%1.socket").arg(QString::fromLatin1(hash));
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? name : QString::fromLocal8Bit(runtime) + QLatin1Char('/') + name;
}

void BringWindowForward()
{
    QMainWindow* window = g_qtWindow.window;
    if (window == nullptr) {
        return;
    }
    if (window->isMinimized()) {
        window->showNormal();
    }
    window->raise();
    window->activateWindow();
}

void Listen()
{
    auto* server = new QLocalServer(QCoreApplication::instance());
    server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = ListenerName();
    // This copy holds the lock, so a listener left by a killed copy is stale.
    if (!server->listen(name)) {
        QLocalServer::removeServer(name);
        server->listen(name);
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            BringWindowForward();
        }
    });
}

void AskFirstCopyForward()
{
    QLocalSocket socket;
    socket.connectToServer(ListenerName());
    if (socket.waitForConnected(CONNECT_WAIT_MS)) {
        socket.write("front\n");
        socket.waitForBytesWritten(WRITE_WAIT_MS);
        socket.disconnectFromServer();
    }
}

}  // namespace

int ClaimWorkingFolder()
{
    if (s_lockFd >= 0) {
        return 1;
    }
    const int fd = ::open(LOCK_FILE, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return 1;  // a folder that cannot hold the lock cannot hold the statistics either
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        AskFirstCopyForward();
        return 0;
    }
    s_lockFd = fd;
    Listen();
    return 1;
}
