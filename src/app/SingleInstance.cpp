#include "app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

#include <unistd.h>

namespace app {

namespace {

constexpr char kActivate[] = "activate\n";
constexpr char kOpen[] = "open ";

// An album argument as the running copy can find it: a relative Linux path is
// resolved here; drive paths ("c:\\...") and absolute paths stay as they are.
QString AbsoluteAlbum(const QString& album)
{
    const bool drivePath = album.size() >= 2 && album.at(1) == QLatin1Char(':');
    if (album.isEmpty() || drivePath || QDir::isAbsolutePath(album))
        return album;
    return QFileInfo(album).absoluteFilePath();
}

}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent) : QObject(parent), name_(std::move(serverName))
{
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::AcceptConnection);
}

QString SingleInstance::DefaultServerName()
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("Vantor-%1").arg(static_cast<qulonglong>(::getuid())));
}

bool SingleInstance::ActivateRunning(const QString& album, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    // A copy that accepted the connection is running, even when it is too busy
    // to read the request in time: this copy ends either way.
    // One line per request: a name with a line break in it cannot be passed on.
    const QString absolute = AbsoluteAlbum(album);
    if (!absolute.isEmpty() && !absolute.contains(QLatin1Char('\n')))
        socket.write(kOpen + absolute.toUtf8() + '\n');
    socket.write(kActivate);
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::Listen()
{
    if (server_.listen(name_))
        return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // Reached only after ActivateRunning found no one answering on the name.
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

void SingleInstance::AcceptConnection()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine();
                if (line == kActivate)
                    emit activationRequested();
                else if (line.startsWith(kOpen) && line.endsWith('\n'))
                    emit openRequested(QString::fromUtf8(line.mid(5).chopped(1)));
            }
        });
    }
}

}  // namespace app
