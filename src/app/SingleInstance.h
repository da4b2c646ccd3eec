#pragma once
// One copy of the program per user. The first copy listens on a local socket
// named for the user; a later copy connects, asks the first to come forward and
// ends. An album named on the later copy's command line (an album file opened
// from the file manager) is passed on, for the first copy to open. Two copies
// started at the same instant may both find no one listening; the later
// Listen() then takes over.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <map>
#include <sys/types.h>

class QSocketNotifier;

namespace app {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // "Vantor-<uid>" in the user's runtime directory (XDG_RUNTIME_DIR), or in
    // the temporary directory when there is none.
    static QString DefaultServerName();

    // True when a running copy took the request to come forward. album: the
    // album to open there, empty for none (a Linux path made absolute here, as
    // the running copy has a current directory of its own, or a drive path).
    bool ActivateRunning(const QString& album = QString(), int timeoutMs = 2000);
    // Takes the name for this copy, readable and writable by the user alone. A
    // socket left by a copy that crashed is replaced. False when the name
    // cannot be taken; the program then runs without the guard.
    bool Listen();

    const QString& ServerName() const { return name_; }

signals:
    void activationRequested();
    // Before activationRequested, when the later copy named an album.
    void openRequested(const QString& album);

private:
    struct Peer {
        QSocketNotifier* notifier;
        QByteArray pending;
    };

    void AcceptConnections();
    void ReadFrom(int fd);
    void DropPeer(int fd);

    QString name_;
    int listenFd_ = -1;
    ino_t socketInode_ = 0;
    QSocketNotifier* listener_ = nullptr;
    std::map<int, Peer> peers_;
};

}  // namespace app
