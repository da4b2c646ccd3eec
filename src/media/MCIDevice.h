#pragma once
// One device of the media command layer. Each operation sends exactly one
// command and keeps its error code in lastError. The class's own result codes
// (below) are returned but never stored: 1 already open, 2 not open, 4 no
// notify window, 8 no device type.

#include "platform/mci/MciConstants.h"
#include "platform/mci/MciParams.h"

#include <QRect>

#include <cstdint>
#include <optional>
#include <string>

class QPaintDevice;
class QWidget;

class MCIDevice {
public:
    static constexpr std::uint32_t kAlreadyOpen = 1;
    static constexpr std::uint32_t kNotOpen = 2;
    static constexpr std::uint32_t kNoNotifyWindow = 4;
    static constexpr std::uint32_t kNoDeviceType = 8;
    // Play: from the current position / to the end.
    static constexpr std::int64_t kFromCurrent = -1;
    static constexpr std::int64_t kToEnd = -2;
    static constexpr std::uint32_t kInfoBufferSize = 128;

    explicit MCIDevice(const char* type = nullptr);
    virtual ~MCIDevice();
    MCIDevice(const MCIDevice&) = delete;
    MCIDevice& operator=(const MCIDevice&) = delete;

    virtual std::uint32_t Open(const char* type);
    virtual std::uint32_t Close();
    virtual std::uint32_t Play(std::int64_t from = kFromCurrent, std::int64_t to = kToEnd);
    virtual std::uint32_t Stop();
    // to = 0: to the start; to = -2: to the end.
    virtual std::uint32_t Seek(std::int64_t to);
    virtual std::uint32_t Pause();
    virtual std::uint32_t Resume();
    // The text in one buffer shared by every device (valid until the next Info);
    // null on a closed device, empty when the command fails.
    virtual const char* Info(std::uint32_t flags);
    // The value, 2 on a closed device, 0 when the command fails.
    virtual std::uint32_t GetDevCaps(std::uint32_t item);
    virtual std::uint32_t Set(std::uint32_t flags, std::uint32_t value);
    virtual std::uint32_t Status(std::uint32_t flags, std::uint32_t item, std::uint32_t track);

    // Video devices.
    static std::uint32_t StopAll();
    std::uint32_t Update(QPaintDevice* hdc);
    std::uint32_t PutDestination(const QRect& rect);
    std::uint32_t SignalAt(std::uint32_t position);
    std::uint32_t Configure();
    std::uint32_t CueTo(std::uint32_t position);
    std::uint32_t Step(std::uint32_t frames, bool reverse);
    std::uint32_t SetAudioVolume(std::uint32_t level);
    std::uint32_t SetSpeed(std::uint32_t speed);
    std::uint32_t SetWindow(QWidget* hwnd);

    void SetDeviceType(const char* type);
    void SetErrorCaption(const char* caption);
    // The beep and the box with the text of lastError; lastError stays as it was.
    void ReportError();

    const char* DeviceType() const { return deviceType ? deviceType->c_str() : nullptr; }
    const char* ErrorCaption() const { return errorCaption ? errorCaption->c_str() : nullptr; }
    bool IsOpen() const { return deviceId != 0; }

    // Receives the end-of-play notification and owns the error boxes; not owned.
    QWidget* notifyWindow = nullptr;
    mci::ErrorCode lastError = 0;
    mci::DeviceId deviceId = 0;

protected:
    // Sends one command to this device and keeps its code.
    std::uint32_t Send(std::uint32_t command, std::uint32_t flags, mci::GenericParms* parms);
    // Closes this device the way MCIDevice does, for the destructor.
    std::uint32_t CloseDevice();

    std::optional<std::string> deviceType;
    std::optional<std::string> errorCaption;
};
