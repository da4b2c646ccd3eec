// The whole program started as a process: one copy per user, a stale socket,
// and the close requested by a signal from the terminal.
#include "ProgramCopy.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char kQuietSettings[] = "[General]\r\nVersion=5.7\r\n";

// What a healthy program never writes to its error output.
void ExpectNothingAlarming(QProcess& process)
{
    const QByteArray err = process.readAllStandardError();
    for (const char* word : {"ERROR", "Sanitizer", "runtime error", "QObject::", "Segmentation"})
        EXPECT_FALSE(err.contains(word)) << word << " in:\n" << err.constData();
}

// A socket file with no one listening, as a crashed copy leaves it.
bool MakeStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) {
        ::close(fd);
        return false;
    }
    std::copy(name.begin(), name.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound && QFile::exists(path);
}

TEST(ProgramProcess, SecondCopyActivatesTheFirstAndEndsWithZero)
{
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    program.WriteSettings(kQuietSettings);
    auto first = program.Start();
    ASSERT_TRUE(program.WaitListening());

    QElapsedTimer clock;
    clock.start();
    auto second = program.Start();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(second->readAllStandardOutput().isEmpty());

    QThread::msleep(200);
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(ProgramCopy::SignalAndWait(*first, SIGTERM), 0);
    ExpectNothingAlarming(*first);
}

// An album opened from the file manager while the program runs: the second copy
// passes it on and ends, and the first opens it as Album > Open does.
TEST(ProgramProcess, SecondCopyWithAnAlbumHasTheFirstOpenIt)
{
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    ASSERT_TRUE(program.LinkFromBin(QStringLiteral("testdata/tone1s.wav"), QStringLiteral("tone1s.wav")));
    program.WriteFile(QStringLiteral("other album.alb"), "0\r\ntone1s.wav\r\n");
    program.WriteSettings("[General]\r\nVersion=5.7\r\n[Settings]\r\nAutoPlay=1\r\n");
    auto first = program.Start();
    ASSERT_TRUE(program.WaitListening());

    auto second = program.Start({program.Dir() + QStringLiteral("/other album.alb")});
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), 0);

    QByteArray out;
    QDeadlineTimer deadline(15000);
    while (!out.contains("tone1s.wav") && !deadline.hasExpired() && first->state() == QProcess::Running) {
        first->waitForReadyRead(200);
        out += first->readAllStandardOutput();
    }
    EXPECT_TRUE(out.startsWith("song 001: ") && out.contains("tone1s.wav")) << out.constData();
    EXPECT_EQ(ProgramCopy::SignalAndWait(*first, SIGTERM), 0);
    ExpectNothingAlarming(*first);
    EXPECT_TRUE(program.ReadSettings().contains("other")) << program.ReadSettings().constData();
}

TEST(ProgramProcess, StaleSocketOfACrashedCopyDoesNotBlockTheStart)
{
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    program.WriteSettings(kQuietSettings);
    ASSERT_TRUE(MakeStaleSocket(program.SocketPath()));
    auto process = program.Start();
    ASSERT_TRUE(program.WaitListening());
    QThread::msleep(300);
    EXPECT_EQ(process->state(), QProcess::Running);
    EXPECT_EQ(ProgramCopy::SignalAndWait(*process, SIGTERM), 0);
}

TEST(ProgramProcess, TerminalSignalsCloseTheProgramWithZero)
{
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        ProgramCopy program;
        ASSERT_TRUE(program.IsValid());
        program.WriteSettings(kQuietSettings);
        auto process = program.Start();
        ASSERT_TRUE(program.WaitListening());
        QThread::msleep(500);
        EXPECT_EQ(ProgramCopy::SignalAndWait(*process, signalNumber), 0) << signalNumber;
        ExpectNothingAlarming(*process);
    }
}

TEST(ProgramProcess, RepeatedSignalsWhileClosingStillEndWithZero)
{
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    program.WriteSettings(kQuietSettings);
    auto process = program.Start();
    ASSERT_TRUE(program.WaitListening());
    QThread::msleep(500);
    const auto pid = static_cast<pid_t>(process->processId());
    // As the run script does on Ctrl+C: the terminal's SIGINT, then more.
    for (int i = 0; i < 20 && process->state() == QProcess::Running; ++i) {
        ::kill(pid, i % 2 ? SIGTERM : SIGINT);
        process->waitForFinished(20);
    }
    ASSERT_TRUE(process->state() == QProcess::NotRunning || process->waitForFinished(15000));
    EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process->exitCode(), 0);
}

TEST(ProgramProcess, SigtermWhileTheUpgradeDialogIsOpenSavesAsACloseDoes)
{
    struct Case {
        const char* saveOnExit;
        bool saved;
    };
    for (const Case c : {Case{"1", true}, Case{"0", false}}) {
        ProgramCopy program;
        ASSERT_TRUE(program.IsValid());
        // An older version's settings: the upgrade information is open when the signal comes.
        program.WriteSettings(QByteArray("[General]\r\nVersion=5.6\r\n[Settings]\r\nSaveSettingsOnExit=") +
                              c.saveOnExit + "\r\n");
        auto process = program.Start();
        ASSERT_TRUE(program.WaitListening());
        QThread::msleep(1000);
        EXPECT_EQ(process->state(), QProcess::Running);
        EXPECT_EQ(ProgramCopy::SignalAndWait(*process, SIGTERM), 0);
        ExpectNothingAlarming(*process);
        const QByteArray settings = program.ReadSettings();
        EXPECT_EQ(settings.contains("Version=5.7"), c.saved) << settings.constData();
        EXPECT_EQ(settings.contains("WindowPosition="), c.saved) << settings.constData();
        EXPECT_TRUE(settings.contains(QByteArray("SaveSettingsOnExit=") + c.saveOnExit)) << settings.constData();
    }
}

TEST(ProgramProcess, SigtermWhileTheMissingAlbumQuestionIsOpenSavesAsACloseDoes)
{
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    program.WriteSettings("[General]\r\nVersion=5.6\r\n[Settings]\r\nSaveSettingsOnExit=1\r\n");
    // The requested album is missing: the program asks whether to go on or exit.
    auto process = program.Start({QStringLiteral("nosuch.alb")});
    ASSERT_TRUE(program.WaitListening());
    QThread::msleep(1000);
    EXPECT_EQ(process->state(), QProcess::Running);
    EXPECT_EQ(ProgramCopy::SignalAndWait(*process, SIGTERM), 0);
    ExpectNothingAlarming(*process);
    const QByteArray settings = program.ReadSettings();
    EXPECT_TRUE(settings.contains("Version=5.7")) << settings.constData();
    EXPECT_TRUE(settings.contains("WindowPosition=")) << settings.constData();
}

TEST(ProgramProcess, SigtermAtAFirstStartWithABrokenDefaultAlbumClosesAtOnce)
{
    struct Case {
        const char* name;
        void (*prepare)(const ProgramCopy&);
    };
    const Case cases[] = {
        {"missing song", [](const ProgramCopy& p) { p.WriteFile(QStringLiteral("default.alb"), "0\r\nnone.mid\r\n"); }},
        {"damaged song",
         [](const ProgramCopy& p) {
             p.WriteFile(QStringLiteral("bad.mid"), "MThd but nothing a player can read");
             p.WriteFile(QStringLiteral("default.alb"), "0\r\nbad.mid\r\n");
         }},
        {"unreadable album", [](const ProgramCopy& p) { QDir(p.Dir()).mkdir(QStringLiteral("default.alb")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramCopy program;
        ASSERT_TRUE(program.IsValid());
        c.prepare(program);
        // No settings file: a first start, with its upgrade information to show.
        auto process = program.Start();
        ASSERT_TRUE(program.WaitListening());
        QThread::msleep(2000);
        ASSERT_EQ(process->state(), QProcess::Running);
        EXPECT_EQ(ProgramCopy::SignalAndWait(*process, SIGTERM, 5000), 0);
        const QByteArray settings = program.ReadSettings();
        EXPECT_TRUE(settings.contains("Version=5.7")) << settings.constData();
        // The album cannot be saved over the folder: nobody is there to ask, so it is said on stderr.
        const QByteArray err = process->readAllStandardError();
        EXPECT_EQ(err.contains(std::strerror(EISDIR)), QFileInfo(program.Dir() + QStringLiteral("/default.alb")).isDir())
            << err.constData();
    }
}

TEST(ProgramProcess, SigtermWithAChangedUntitledAlbumClosesWithoutAsking)
{
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    ASSERT_TRUE(program.LinkFromBin(QStringLiteral("testdata/song2s.mid"), QStringLiteral("song2s.mid")));
    program.WriteSettings("[General]\r\nVersion=5.7\r\n[Settings]\r\nAutoSaveAlbum=1\r\n");
    // One song from the desktop: it plays in a new untitled album, which has no name to save under.
    auto process = program.Start({QStringLiteral("song2s.mid")});
    ASSERT_TRUE(program.WaitListening());
    QThread::msleep(1000);
    ASSERT_EQ(process->state(), QProcess::Running);
    EXPECT_EQ(ProgramCopy::SignalAndWait(*process, SIGTERM, 5000), 0);
    EXPECT_TRUE(process->readAllStandardError().contains("Untitled album not saved"));
}

TEST(ProgramProcess, EachSongStartedPrintsOneLine)
{
    ProgramCopy program;
    ASSERT_TRUE(program.IsValid());
    ASSERT_TRUE(program.LinkFromBin(QStringLiteral("testdata/song2s.mid"), QStringLiteral("song2s.mid")));
    ASSERT_TRUE(program.LinkFromBin(QStringLiteral("testdata/tone1s.wav"), QStringLiteral("tone1s.wav")));
    program.WriteFile(QStringLiteral("start.alb"), "0\r\nsong2s.mid\r\ntone1s.wav\r\n");
    program.WriteSettings("[General]\r\nVersion=5.7\r\n"
                          "[Settings]\r\nAutoPlay=1\r\nRandomOrder=0\r\nContinuousLoop=0\r\n");
    auto process = program.Start({QStringLiteral("start.alb")});
    ASSERT_TRUE(program.WaitListening());

    // Show Long Names is on (no key): each song's name as stored, then its drive path.
    const QRegularExpression first(
        QStringLiteral("^song 001: song2s\\.mid \\[[a-z]:\\\\\\S*\\\\song2s\\.mid\\] \\(00:01\\)$"));
    const QRegularExpression second(
        QStringLiteral("^song 002: tone1s\\.wav \\[[a-z]:\\\\\\S*\\\\tone1s\\.wav\\] \\(00:01\\)$"));
    QStringList lines;
    QDeadlineTimer deadline(20000);
    while (lines.size() < 2 && !deadline.hasExpired() && process->state() == QProcess::Running) {
        process->waitForReadyRead(200);
        while (process->canReadLine())
            lines << QString::fromLocal8Bit(process->readLine()).trimmed();
    }
    EXPECT_EQ(ProgramCopy::SignalAndWait(*process, SIGTERM), 0);
    ASSERT_EQ(lines.size(), 2) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(first.match(lines[0]).hasMatch()) << lines[0].toStdString();
    EXPECT_TRUE(second.match(lines[1]).hasMatch()) << lines[1].toStdString();
}

}  // namespace
