#pragma once
// Something that sends events to the synthesizer in step with the audio it
// renders. The host calls it from the rendering thread, with its client lock
// held: a client never calls the host from inside these calls.

#include <cstdint>
#include <functional>
#include <vector>

namespace platform {

class RenderClient {
public:
    using Deferred = std::vector<std::function<void()>>;
    static constexpr std::int64_t kIdle = INT64_MAX;

    virtual ~RenderClient() = default;
    // Sends what is due at the current frame. Returns how many frames may be
    // rendered before the client must be asked again (at least 1), or kIdle.
    virtual std::int64_t dispatchDue() = 0;
    // `frames` frames have been rendered. Calls that must run without any lock
    // held (end handlers) go into `deferred`.
    virtual void rendered(std::int64_t frames, Deferred& deferred) = 0;
};

}  // namespace platform
