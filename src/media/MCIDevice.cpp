#include "media/MCIDevice.h"

#include "platform/mci/Mci.h"
#include "platform/ui/MessageBox.h"

#include <QWidget>

#include <cstdint>

using namespace mci;

namespace {

// One buffer for the answers of every device's Info.
char infoBuffer[MCIDevice::kInfoBufferSize];

}  // namespace

MCIDevice::MCIDevice(const char* type)
{
    if (type)
        SetDeviceType(type);
}

MCIDevice::~MCIDevice()
{
    if (deviceId != 0)
        CloseDevice();
}

std::uint32_t MCIDevice::Send(std::uint32_t command, std::uint32_t flags, GenericParms* parms)
{
    lastError = SendCommand(deviceId, command, flags, parms);
    return lastError;
}

std::uint32_t MCIDevice::Open(const char* type)
{
    if (deviceId != 0)
        return kAlreadyOpen;
    if (type)
        SetDeviceType(type);
    else if (!deviceType)
        return kNoDeviceType;
    OpenParms p;
    p.lpstrDeviceType = deviceType->c_str();
    lastError = SendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_WAIT, &p);
    if (lastError == 0)
        deviceId = p.wDeviceID;
    else
        ReportError();
    return lastError;
}

std::uint32_t MCIDevice::CloseDevice()
{
    if (deviceId == 0)
        return kNotOpen;
    GenericParms p;
    if (Send(MCI_CLOSE, MCI_WAIT, &p) == 0)
        deviceId = 0;
    return lastError;
}

std::uint32_t MCIDevice::Close()
{
    return CloseDevice();
}

std::uint32_t MCIDevice::Play(std::int64_t from, std::int64_t to)
{
    if (deviceId == 0)
        return kNotOpen;
    PlayParms p;
    std::uint32_t flags = 0;
    if (notifyWindow) {
        flags |= MCI_NOTIFY;
        p.dwCallback = notifyWindow;
    }
    if (from != kFromCurrent) {
        flags |= MCI_FROM;
        p.dwFrom = static_cast<std::uint32_t>(from);
    }
    if (to != kToEnd) {
        flags |= MCI_TO;
        p.dwTo = static_cast<std::uint32_t>(to);
    }
    if (Send(MCI_PLAY, flags, &p) != 0)
        ReportError();
    return lastError;
}

std::uint32_t MCIDevice::Stop()
{
    if (deviceId == 0)
        return kNotOpen;
    GenericParms p;
    return Send(MCI_STOP, MCI_WAIT, &p);
}

std::uint32_t MCIDevice::Seek(std::int64_t to)
{
    if (deviceId == 0)
        return kNotOpen;
    SeekParms p;
    std::uint32_t flags = MCI_WAIT;
    if (to == kToEnd) {
        flags |= MCI_SEEK_TO_END;
    } else if (to == 0) {
        flags |= MCI_SEEK_TO_START;
    } else {
        flags |= MCI_TO;
        p.dwTo = static_cast<std::uint32_t>(to);
    }
    return Send(MCI_SEEK, flags, &p);
}

std::uint32_t MCIDevice::Pause()
{
    if (deviceId == 0)
        return kNotOpen;
    GenericParms p;
    return Send(MCI_PAUSE, MCI_WAIT, &p);
}

std::uint32_t MCIDevice::Resume()
{
    if (deviceId == 0)
        return kNotOpen;
    GenericParms p;
    return Send(MCI_RESUME, MCI_WAIT, &p);
}

const char* MCIDevice::Info(std::uint32_t flags)
{
    if (deviceId == 0)
        return nullptr;
    InfoParms p;
    p.lpstrReturn = infoBuffer;
    p.dwRetSize = kInfoBufferSize;
    infoBuffer[0] = '\0';
    if (Send(MCI_INFO, flags, &p) != 0 && lastError != MCIERR_PARAM_OVERFLOW)
        infoBuffer[0] = '\0';
    infoBuffer[kInfoBufferSize - 1] = '\0';
    return infoBuffer;
}

std::uint32_t MCIDevice::GetDevCaps(std::uint32_t item)
{
    if (deviceId == 0)
        return kNotOpen;
    GetDevCapsParms p;
    p.dwItem = item;
    return Send(MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM, &p) == 0 ? p.dwReturn : 0;
}

std::uint32_t MCIDevice::Set(std::uint32_t flags, std::uint32_t value)
{
    if (deviceId == 0)
        return kNotOpen;
    SetParms p;
    if (flags & MCI_SET_TIME_FORMAT)
        p.dwTimeFormat = value;
    else if (flags & MCI_SET_AUDIO)
        p.dwAudio = value;
    return Send(MCI_SET, flags, &p);
}

std::uint32_t MCIDevice::Status(std::uint32_t flags, std::uint32_t item, std::uint32_t track)
{
    if (deviceId == 0)
        return kNotOpen;
    StatusParms p;
    p.dwItem = item;
    if (flags & MCI_TRACK)
        p.dwTrack = track;
    return Send(MCI_STATUS, flags, &p) == 0 ? p.dwReturn : 0;
}

std::uint32_t MCIDevice::StopAll()
{
    GenericParms p;
    return SendCommand(kAllDeviceId, MCI_STOP, 0, &p);
}

std::uint32_t MCIDevice::Update(QPaintDevice* hdc)
{
    if (deviceId == 0)
        return kNotOpen;
    UpdateParms p;
    p.hDC = hdc;
    return Send(MCI_UPDATE, MCI_DGV_UPDATE_HDC | MCI_DGV_UPDATE_PAINT, &p);
}

std::uint32_t MCIDevice::PutDestination(const QRect& rect)
{
    if (deviceId == 0)
        return kNotOpen;
    PutParms p;
    p.rc = rect;
    return Send(MCI_PUT, MCI_DGV_RECT | MCI_DGV_PUT_DESTINATION, &p);
}

std::uint32_t MCIDevice::SignalAt(std::uint32_t position)
{
    if (deviceId == 0)
        return kNotOpen;
    if (!notifyWindow)
        return kNoNotifyWindow;
    SignalParms p;
    p.dwCallback = notifyWindow;
    p.dwPosition = position;
    p.dwUserParm = reinterpret_cast<std::uintptr_t>(this);
    return Send(MCI_SIGNAL, MCI_DGV_SIGNAL_AT | MCI_DGV_SIGNAL_USERVAL, &p);
}

std::uint32_t MCIDevice::Configure()
{
    if (deviceId == 0)
        return kNotOpen;
    GenericParms p;
    return Send(MCI_CONFIGURE, 0, &p);
}

std::uint32_t MCIDevice::CueTo(std::uint32_t position)
{
    if (deviceId == 0)
        return kNotOpen;
    CueParms p;
    p.dwTo = position;
    return Send(MCI_CUE, MCI_DGV_CUE_OUTPUT | MCI_TO, &p);
}

std::uint32_t MCIDevice::Step(std::uint32_t frames, bool reverse)
{
    if (deviceId == 0)
        return kNotOpen;
    StepParms p;
    p.dwFrames = frames;
    return Send(MCI_STEP, MCI_DGV_STEP_FRAMES | (reverse ? MCI_DGV_STEP_REVERSE : 0), &p);
}

std::uint32_t MCIDevice::SetAudioVolume(std::uint32_t level)
{
    if (deviceId == 0)
        return kNotOpen;
    SetAudioParms p;
    p.dwItem = MCI_DGV_SETAUDIO_VOLUME;
    p.dwValue = level;
    return Send(MCI_SETAUDIO, MCI_DGV_SETAUDIO_ITEM | MCI_DGV_SETAUDIO_VALUE, &p);
}

std::uint32_t MCIDevice::SetSpeed(std::uint32_t speed)
{
    if (deviceId == 0)
        return kNotOpen;
    SetParms p;
    p.dwSpeed = speed;
    return Send(MCI_SET, MCI_DGV_SET_SPEED, &p);
}

std::uint32_t MCIDevice::SetWindow(QWidget* hwnd)
{
    if (deviceId == 0)
        return kNotOpen;
    WindowParms p;
    p.hWnd = hwnd;
    return Send(MCI_WINDOW, MCI_DGV_WINDOW_HWND, &p);
}

void MCIDevice::SetDeviceType(const char* type)
{
    if (type)
        deviceType = std::string(type);
    else
        deviceType.reset();
}

void MCIDevice::SetErrorCaption(const char* caption)
{
    if (caption)
        errorCaption = std::string(caption);
    else
        errorCaption.reset();
}

void MCIDevice::ReportError()
{
    const ErrorCode error = lastError;
    platform::MessageBeep(platform::MB_ICONEXCLAMATION);
    char text[128];
    const QString message = GetErrorString(error, text, sizeof text) ? QString::fromLocal8Bit(text)
                                                                    : QStringLiteral("Unknown MCI Error");
    const QString caption = errorCaption ? QString::fromStdString(*errorCaption) : QStringLiteral("MCI Error");
    platform::MessageBox(notifyWindow, message, caption, platform::MB_ICONEXCLAMATION | platform::MB_OK);
    lastError = error;
}
