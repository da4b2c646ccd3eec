#include "platform/midi/NullAudioThread.h"

#include "platform/midi/SynthHost.h"

#include <chrono>
#include <vector>

namespace platform {

NullAudioThread::NullAudioThread(SynthHost& host) : host_(host), thread_([this] { run(); }) {}

NullAudioThread::~NullAudioThread()
{
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void NullAudioThread::run()
{
    using Clock = std::chrono::steady_clock;
    std::vector<float> left(kBlockFrames), right(kBlockFrames);
    const Clock::time_point begin = Clock::now();
    std::int64_t frames = 0;
    std::unique_lock lock(mutex_);
    while (!quit_) {
        const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begin);
        const std::int64_t due = elapsed.count() * SynthHost::kSampleRate / 1000000;
        lock.unlock();
        // Render what wall-clock time asks for; after a stall (suspend, debugger)
        // catch up at most a second rather than racing through the backlog.
        if (due - frames > SynthHost::kSampleRate)
            frames = due - SynthHost::kSampleRate;
        while (frames + kBlockFrames <= due) {
            host_.renderBlock(kBlockFrames, left.data(), right.data());
            frames += kBlockFrames;
        }
        lock.lock();
        wake_.wait_for(lock, std::chrono::milliseconds(5), [this] { return quit_; });
    }
}

}  // namespace platform
