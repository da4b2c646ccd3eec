#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace app {

namespace {

constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

int pipeFds[2] = {-1, -1};

extern "C" void OnSignal(int number)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    // A full pipe already holds a request; the byte may be dropped.
    [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &byte, 1);
    errno = saved;
}

// The handlers stay for the life of the process: a request that arrives while
// the program is already ending (its session saved) must not kill it half way
// through; the byte then waits in a pipe that nobody reads.
bool InstallHandlers()
{
    static const bool installed = [] {
        if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0)
            return false;
        struct sigaction action = {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int number : kSignals)
            ::sigaction(number, &action, nullptr);
        return true;
    }();
    return installed;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (!InstallHandlers())
        return;
    notifier_ = std::make_unique<QSocketNotifier>(pipeFds[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::Drain);
}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::Drain()
{
    unsigned char byte = 0;
    while (::read(pipeFds[0], &byte, 1) == 1)
        emit requested(byte);
}

}  // namespace app
