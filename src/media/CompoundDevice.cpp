#include "media/CompoundDevice.h"

#include "platform/mci/Mci.h"

using namespace mci;

CompoundDevice::CompoundDevice(const char* element, const char* type) : MCIDevice(type)
{
    if (element)
        CompoundDevice::Open(element);
}

CompoundDevice::~CompoundDevice()
{
    if (deviceId != 0)
        CompoundDevice::Close();
}

std::uint32_t CompoundDevice::Open(const char* path)
{
    if (deviceId != 0)
        return kAlreadyOpen;
    if (path)
        elementName = std::string(path);
    else
        elementName.reset();
    OpenParms p;
    p.lpstrElementName = elementName ? elementName->c_str() : nullptr;
    std::uint32_t flags = MCI_OPEN_ELEMENT;
    if (deviceType) {
        flags |= MCI_OPEN_TYPE;
        p.lpstrDeviceType = deviceType->c_str();
    }
    lastError = SendCommand(0, MCI_OPEN, flags, &p);
    if (lastError == 0)
        deviceId = p.wDeviceID;
    else
        ReportError();
    return lastError;
}

std::uint32_t CompoundDevice::Close()
{
    if (deviceId == 0)
        return kNotOpen;
    const std::uint32_t result = CloseDevice();
    elementName.reset();
    return result;
}
