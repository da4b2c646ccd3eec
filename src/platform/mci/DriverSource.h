#pragma once
// Where the driver backend gets its drivers and how it names their files.

#include "platform/media/MediaDriver.h"

#include <memory>
#include <string>

namespace mci {

class DriverSource {
public:
    virtual ~DriverSource() = default;
    virtual bool knowsType(const std::string& deviceType) const = 0;
    // Null when no driver of a known type is installed.
    virtual std::unique_ptr<platform::MediaDriver> create(const std::string& deviceType) = 0;
    // The file a driver opens for the element name the program sent.
    virtual std::string fileFor(const std::string& element) const = 0;
};

// The program's drivers: the registered factories and the drive path namespace.
class RegistryDriverSource : public DriverSource {
public:
    bool knowsType(const std::string& deviceType) const override;
    std::unique_ptr<platform::MediaDriver> create(const std::string& deviceType) override;
    std::string fileFor(const std::string& element) const override;
};

}  // namespace mci
