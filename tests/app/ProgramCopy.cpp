#include "ProgramCopy.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

#include <csignal>

#include <unistd.h>

namespace {

QString TestDataDir()
{
    const QString dir = qEnvironmentVariable("VANTOR_TEST_DATA");
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

bool LinkOrCopy(const QString& from, const QString& to)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    return QFile::copy(from, to) && QFile::setPermissions(to, QFile::permissions(from));
}

}  // namespace

ProgramCopy::ProgramCopy() : dir_(TestDataDir() + QStringLiteral("/testdata/app-XXXXXX"))
{
    const QString bin = QCoreApplication::applicationDirPath();
    valid_ = dir_.isValid() && runtime_.isValid() &&
             LinkOrCopy(bin + QStringLiteral("/vantor"), dir_.filePath(QStringLiteral("vantor")));
    // The face is optional to the program; the screenshot looks better with it.
    LinkOrCopy(bin + QStringLiteral("/zrvft2"), dir_.filePath(QStringLiteral("zrvft2")));
}

QString ProgramCopy::SocketPath() const
{
    return runtime_.filePath(QStringLiteral("Vantor-%1").arg(static_cast<qulonglong>(::getuid())));
}

void ProgramCopy::WriteSettings(const QByteArray& contents) const
{
    WriteFile(QStringLiteral("Vantor.ini"), contents);
}

void ProgramCopy::WriteFile(const QString& name, const QByteArray& contents) const
{
    QFile file(dir_.filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}

bool ProgramCopy::LinkFromBin(const QString& relative, const QString& name) const
{
    return LinkOrCopy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + relative, dir_.filePath(name));
}

QByteArray ProgramCopy::ReadSettings() const
{
    QFile file(dir_.filePath(QStringLiteral("Vantor.ini")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::unique_ptr<QProcess> ProgramCopy::Start(const QStringList& arguments, const QProcessEnvironment& extra) const
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    env.insert(extra);
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(dir_.path());
    process->start(dir_.filePath(QStringLiteral("vantor")), arguments);
    process->waitForStarted(10000);
    return process;
}

QString ProgramCopy::RunOnVirtualDisplay(const char* script, const QStringList& arguments, int timeoutMs) const
{
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Dir());
    // The X keyboard library hands strndup a counted, unterminated buffer, which
    // strict string checking takes for an overflow; our own code is checked with
    // it everywhere else.
    if (env.contains(QStringLiteral("ASAN_OPTIONS")))
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":strict_string_checks=0"));
    run.setProcessEnvironment(env);
    run.start(QStringLiteral("xvfb-run"),
              // Display numbers are searched from one of this process's own: two
              // tests starting a display at once would otherwise race for the same.
              QStringList{QStringLiteral("-a"), QStringLiteral("-n"), QString::number(100 + ::getpid() % 400),
                          QStringLiteral("-s"),
                          QStringLiteral("-screen 0 1024x768x24 -nolisten tcp"), QStringLiteral("sh"),
                          QStringLiteral("-c"), QString::fromLatin1(script), QStringLiteral("sh"),
                          dir_.filePath(QStringLiteral("vantor"))}
                  + arguments);
    if (!run.waitForFinished(timeoutMs)) {
        run.kill();
        run.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(run.readAllStandardOutput() + run.readAllStandardError());
}

bool ProgramCopy::WaitListening(int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket probe;
        probe.connectToServer(SocketPath());
        if (probe.waitForConnected(200)) {
            // Not a request: the program only acts on a complete line.
            probe.disconnectFromServer();
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

int ProgramCopy::SignalAndWait(QProcess& process, int signalNumber, int timeoutMs)
{
    if (process.state() != QProcess::Running)
        return -1;
    ::kill(static_cast<pid_t>(process.processId()), signalNumber);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
