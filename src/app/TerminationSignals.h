#pragma once
// SIGINT, SIGTERM and SIGHUP from outside become a close request on the user
// interface thread: the handler only writes to a pipe that a socket notifier
// watches, so no Qt code ever runs inside the handler. One object at a time
// reports the requests; the handlers are installed with the first.

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace app {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the pipe could not be made; the signals then keep their defaults.
    bool IsInstalled() const { return notifier_ != nullptr; }

signals:
    void requested(int signalNumber);

private:
    void Drain();

    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace app
