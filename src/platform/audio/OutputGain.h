#pragma once
// The program's own output volume (auxiliary device 0): a software gain applied
// to everything the program plays. The synthesizer reads the gains on its audio
// thread; GStreamer devices subscribe and are told of every change.

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <mutex>

namespace platform {

class OutputGain {
public:
    using Observer = std::function<void()>;

    static constexpr std::uint32_t kFullVolume = 0xFFFFFFFF;

    static OutputGain& instance();
    OutputGain(const OutputGain&) = delete;
    OutputGain& operator=(const OutputGain&) = delete;

    // Low 16 bits the left channel, high 16 bits the right; each 0..65535 maps
    // linearly to an amplitude of 0..1. Observers run on the calling thread before
    // this returns.
    void setWord(std::uint32_t word);
    std::uint32_t word() const { return word_; }
    float left() const { return left_; }
    float right() const { return right_; }

    // Keeps an observer registered for as long as it lives. Destroying or resetting
    // it waits for a call in progress, so the observer's owner may go right after.
    // Observers must not subscribe or unsubscribe from within their call.
    class Subscription {
    public:
        Subscription() = default;
        ~Subscription() { reset(); }
        Subscription(Subscription&& other) noexcept;
        Subscription& operator=(Subscription&& other) noexcept;
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        void reset();
        explicit operator bool() const { return owner_ != nullptr; }

    private:
        friend class OutputGain;
        Subscription(OutputGain* owner, std::list<Observer>::iterator entry)
            : owner_(owner)
            , entry_(entry)
        {
        }
        OutputGain* owner_ = nullptr;
        std::list<Observer>::iterator entry_;
    };
    [[nodiscard]] Subscription subscribe(Observer observer);

private:
    OutputGain() = default;

    std::atomic<std::uint32_t> word_{kFullVolume};
    std::atomic<float> left_{1.0f};
    std::atomic<float> right_{1.0f};

    std::mutex observerMutex_;  // held while observers run
    std::list<Observer> observers_;
};

}  // namespace platform
