#pragma once
// A device opened on a file (the element); the layer picks the device from the
// file's extension unless a device type is set.

#include "media/MCIDevice.h"

class CompoundDevice : public MCIDevice {
public:
    explicit CompoundDevice(const char* element = nullptr, const char* type = nullptr);
    ~CompoundDevice() override;

    // path: the element. notifyWindow must be set before the first open.
    std::uint32_t Open(const char* path) override;
    // Forgets the element whether or not the close succeeds.
    std::uint32_t Close() override;

    const char* ElementName() const { return elementName ? elementName->c_str() : nullptr; }

private:
    std::optional<std::string> elementName;
};
