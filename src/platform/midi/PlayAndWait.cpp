#include "platform/midi/PlayAndWait.h"

#include "platform/midi/SequencerDriver.h"
#include "platform/midi/SynthHost.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace platform {

mci::ErrorCode PlayMidiAndWait(const std::string& path)
{
    SequencerDriver driver;
    if (const mci::ErrorCode error = driver.open(path))
        return error;
    // Shared with the handler: a late end from the render thread may outlive this call.
    struct Wait {
        std::mutex mutex;
        std::condition_variable ended;
        bool done = false;
    };
    auto wait = std::make_shared<Wait>();
    driver.setEndHandler([wait] {
        std::lock_guard lock(wait->mutex);
        wait->done = true;
        wait->ended.notify_all();
    });
    const std::uint32_t length = driver.lengthMs();
    if (const mci::ErrorCode error = driver.play(length))
        return error;

    SynthHost& host = SynthHost::instance();
    // A song whose output stops rendering must not hang the window thread.
    const std::int64_t slackMs = 5000;
    if (host.manualRendering()) {
        const std::int64_t frames = (std::int64_t{length} + slackMs) * SynthHost::kSampleRate / 1000;
        for (std::int64_t rendered = 0; rendered < frames; rendered += 1024) {
            host.render(1024);
            std::lock_guard lock(wait->mutex);
            if (wait->done)
                break;
        }
    } else {
        std::unique_lock lock(wait->mutex);
        wait->ended.wait_for(lock, std::chrono::milliseconds(length + slackMs), [&] { return wait->done; });
    }
    bool finished = false;
    {
        std::lock_guard lock(wait->mutex);
        finished = wait->done;
    }
    driver.setEndHandler({});
    driver.close();
    return finished ? 0 : mci::MCIERR_DRIVER;
}

}  // namespace platform
