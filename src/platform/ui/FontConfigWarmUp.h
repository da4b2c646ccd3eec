#pragma once
// The system's font configuration (fontconfig) takes a good part of the start:
// its files are parsed and its caches read before the first font is measured.
// This reads it on a thread of its own while the window system connects, so the
// frame finds it ready. Made first thing in main, let go (joined) at its end.

#include <thread>

namespace platform {

class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

private:
    std::thread thread_;
};

}  // namespace platform
