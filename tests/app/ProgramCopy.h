#pragma once
// A private copy of the built program for a process test: the executable and
// its font file linked into a fresh directory (so the settings file beside it
// is the test's own), and a private runtime directory so its single-instance
// socket is the test's own too.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class ProgramCopy {
public:
    ProgramCopy();

    bool IsValid() const { return valid_; }
    QString Dir() const { return dir_.path(); }
    QString SocketPath() const;

    void WriteSettings(const QByteArray& contents) const;
    void WriteFile(const QString& name, const QByteArray& contents) const;
    // Links a file of the build's bin directory (e.g. "demo/minuet.mid") into the copy's directory.
    bool LinkFromBin(const QString& relative, const QString& name) const;
    QByteArray ReadSettings() const;

    // Starts the program with these arguments and environment additions.
    std::unique_ptr<QProcess> Start(const QStringList& arguments = {},
                                    const QProcessEnvironment& extra = QProcessEnvironment()) const;
    // Runs script (sh) on a virtual X display of 1024 x 768 with the program's
    // path as $1 and arguments after it; the program inside uses the display.
    // Its output and errors together, empty when it did not end in time.
    QString RunOnVirtualDisplay(const char* script, const QStringList& arguments, int timeoutMs = 120000) const;

    // Waits until the program listens on its socket (it has passed the
    // single-instance test and is building its window).
    bool WaitListening(int timeoutMs = 15000) const;

    // Sends a signal and waits for the program to end; its exit code, or -1
    // when it crashed or did not end in time.
    static int SignalAndWait(QProcess& process, int signalNumber, int timeoutMs = 15000);

private:
    QTemporaryDir dir_;
    QTemporaryDir runtime_;
    bool valid_ = false;
};
