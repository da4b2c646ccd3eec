#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace app {

namespace {

constexpr char kActivate[] = "activate\n";
constexpr char kOpen[] = "open ";
// No request is longer; a peer that sends more without a line break is dropped.
constexpr qsizetype kMaxLine = 64 * 1024;

// An album argument as the running copy can find it: a relative Linux path is
// resolved here; drive paths ("c:\\...") and absolute paths stay as they are.
QString AbsoluteAlbum(const QString& album)
{
    const bool drivePath = album.size() >= 2 && album.at(1) == QLatin1Char(':');
    if (album.isEmpty() || drivePath || QDir::isAbsolutePath(album))
        return album;
    return QFileInfo(album).absoluteFilePath();
}

bool MakeAddress(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    std::copy(path.begin(), path.end(), address.sun_path);
    return true;
}

void SetTimeouts(int fd, int timeoutMs)
{
    timeval limit{};
    limit.tv_sec = timeoutMs / 1000;
    limit.tv_usec = static_cast<suseconds_t>(timeoutMs % 1000) * 1000;
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
}

bool SendAll(int fd, const QByteArray& bytes)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, static_cast<std::size_t>(bytes.size() - sent),
                                 MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

// A listening socket at path whose file only the user may open: it is bound in
// a private folder beside path and then renamed into place, so that no one else
// can connect in between. -1 when it cannot be made.
int ListenPrivately(const std::string& path, ino_t& inode)
{
    const std::string::size_type slash = path.rfind('/');
    std::string folder = (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) + "/.vantor-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr)
        return -1;
    const std::string staged = folder + "/s";
    sockaddr_un address;
    int fd = -1;
    if (MakeAddress(staged, address)) {
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        struct stat info {};
        const bool ready = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
                           && ::chmod(staged.c_str(), S_IRUSR | S_IWUSR) == 0 && ::listen(fd, 8) == 0
                           && ::stat(staged.c_str(), &info) == 0 && ::rename(staged.c_str(), path.c_str()) == 0;
        if (ready) {
            inode = info.st_ino;
        } else if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
    ::unlink(staged.c_str());
    ::rmdir(folder.c_str());
    return fd;
}

}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent) : QObject(parent), name_(std::move(serverName))
{
}

SingleInstance::~SingleInstance()
{
    // Each notifier goes before its descriptor, so none ever watches a closed one.
    for (const auto& [fd, peer] : peers_) {
        delete peer.notifier;
        ::close(fd);
    }
    if (listenFd_ < 0)
        return;
    delete listener_;
    ::close(listenFd_);
    // The name goes with this copy, unless a later copy has taken it over.
    const QByteArray path = QFile::encodeName(name_);
    struct stat info {};
    if (::stat(path.constData(), &info) == 0 && info.st_ino == socketInode_)
        ::unlink(path.constData());
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
    sockaddr_un address;
    if (!MakeAddress(QFile::encodeName(name_).toStdString(), address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    SetTimeouts(fd, timeoutMs);
    int connected = -1;
    do
        connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    while (connected != 0 && errno == EINTR);
    if (connected != 0) {
        ::close(fd);
        return false;
    }
    // A copy that accepted the connection is running, even when it is too busy
    // to read the request in time: this copy ends either way.
    // One line per request: a name with a line break in it cannot be passed on.
    QByteArray request;
    const QString absolute = AbsoluteAlbum(album);
    if (!absolute.isEmpty() && !absolute.contains(QLatin1Char('\n')))
        request += kOpen + absolute.toUtf8() + '\n';
    request += kActivate;
    SendAll(fd, request);
    ::close(fd);
    return true;
}

bool SingleInstance::Listen()
{
    if (listenFd_ >= 0)
        return true;
    // Reached only after ActivateRunning found no one answering on the name.
    listenFd_ = ListenPrivately(QFile::encodeName(name_).toStdString(), socketInode_);
    if (listenFd_ < 0)
        return false;
    listener_ = new QSocketNotifier(listenFd_, QSocketNotifier::Read, this);
    connect(listener_, &QSocketNotifier::activated, this, &SingleInstance::AcceptConnections);
    return true;
}

void SingleInstance::AcceptConnections()
{
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        peers_[fd] = Peer{notifier, {}};
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { ReadFrom(fd); });
    }
}

void SingleInstance::ReadFrom(int fd)
{
    const auto found = peers_.find(fd);
    if (found == peers_.end())
        return;
    QByteArray& pending = found->second.pending;
    bool ended = false;
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            pending.append(chunk, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        ended = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        break;
    }
    // The requests are taken out first: answering one may run events, and with
    // them this peer's next reading.
    std::vector<QByteArray> lines;
    for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
        lines.push_back(pending.left(end + 1));
        pending.remove(0, end + 1);
    }
    if (ended || pending.size() > kMaxLine)
        DropPeer(fd);
    for (const QByteArray& line : lines) {
        if (line == kActivate)
            emit activationRequested();
        else if (line.startsWith(kOpen))
            emit openRequested(QString::fromUtf8(line.mid(5).chopped(1)));
    }
}

void SingleInstance::DropPeer(int fd)
{
    const auto found = peers_.find(fd);
    if (found == peers_.end())
        return;
    found->second.notifier->setEnabled(false);
    found->second.notifier->deleteLater();
    peers_.erase(found);
    ::close(fd);
}

}  // namespace app
