#pragma once
// Keeps the synthesizer running in real time when no sound server answers: a
// thread that renders into a discard buffer at wall-clock pace, so songs still
// advance, end and notify as they would with sound.

#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {

class SynthHost;

class NullAudioThread {
public:
    static constexpr int kBlockFrames = 512;

    explicit NullAudioThread(SynthHost& host);
    ~NullAudioThread();
    NullAudioThread(const NullAudioThread&) = delete;
    NullAudioThread& operator=(const NullAudioThread&) = delete;

private:
    void run();

    SynthHost& host_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool quit_ = false;
    std::thread thread_;
};

}  // namespace platform
