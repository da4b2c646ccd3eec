#include "platform/audio/OutputGain.h"

#include <utility>

namespace platform {

OutputGain& OutputGain::instance()
{
    static OutputGain gain;
    return gain;
}

void OutputGain::setWord(std::uint32_t word)
{
    std::lock_guard lock(observerMutex_);
    left_ = static_cast<float>(word & 0xFFFF) / 65535.0f;
    right_ = static_cast<float>(word >> 16) / 65535.0f;
    word_ = word;
    for (const Observer& observer : observers_)
        observer();
}

OutputGain::Subscription OutputGain::subscribe(Observer observer)
{
    std::lock_guard lock(observerMutex_);
    observers_.push_back(std::move(observer));
    return Subscription(this, std::prev(observers_.end()));
}

OutputGain::Subscription::Subscription(Subscription&& other) noexcept
    : owner_(std::exchange(other.owner_, nullptr))
    , entry_(other.entry_)
{
}

OutputGain::Subscription& OutputGain::Subscription::operator=(Subscription&& other) noexcept
{
    if (this != &other) {
        reset();
        owner_ = std::exchange(other.owner_, nullptr);
        entry_ = other.entry_;
    }
    return *this;
}

void OutputGain::Subscription::reset()
{
    if (!owner_)
        return;
    std::lock_guard lock(owner_->observerMutex_);
    owner_->observers_.erase(entry_);
    owner_ = nullptr;
}

}  // namespace platform
