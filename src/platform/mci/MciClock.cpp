#include "platform/mci/MciClock.h"

#include <chrono>
#include <thread>

namespace mci {

void SteadyClock::sleepFor(std::uint32_t ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace mci
