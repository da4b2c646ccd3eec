#pragma once
// Where the generated test media are, and small waits that need no event loop.

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

namespace gsttest {

inline std::string mediaDir()
{
    const char* dir = std::getenv("VANTOR_TEST_DATA");
    return dir ? dir : QCoreApplication::applicationDirPath().toStdString();
}

inline std::string mediaPath(const std::string& name)
{
    return mediaDir() + "/testdata/" + name;
}

inline std::string demoPath(const std::string& name)
{
    return mediaDir() + "/demo/" + name;
}

// Polls without running the event loop: the driver must report on its own threads.
inline bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

inline long long msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace gsttest
