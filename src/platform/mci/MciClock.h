#pragma once
// The time a waiting command (MCI_WAIT on a play) passes while its device plays.

#include <cstdint>

namespace mci {

class MciClock {
public:
    virtual ~MciClock() = default;
    virtual void sleepFor(std::uint32_t ms) = 0;
};

class SteadyClock : public MciClock {
public:
    void sleepFor(std::uint32_t ms) override;
};

}  // namespace mci
