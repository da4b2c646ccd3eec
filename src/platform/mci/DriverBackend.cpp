#include "platform/mci/DriverBackend.h"

#include "platform/mci/MciNotifyEvent.h"
#include "platform/mci/MediaDriverRegistry.h"

#include <QThread>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstring>
#include <vector>

namespace mci {

using platform::MediaMode;

namespace {

constexpr std::uint32_t kAnyCommand = MCI_NOTIFY | MCI_WAIT;

bool onlyFlags(std::uint32_t flags, std::uint32_t allowed)
{
    return (flags & ~(allowed | kAnyCommand)) == 0;
}

int countOf(std::uint32_t flags, std::uint32_t which)
{
    return std::popcount(flags & which);
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string extensionOf(const std::string& element)
{
    const auto slash = element.find_last_of("\\/:");
    const auto dot = element.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return element.substr(dot + 1);
}

template <class P>
P* parmsAs(GenericParms* parms)
{
    return dynamic_cast<P*>(parms);
}

}  // namespace

DriverBackend::DriverBackend(DriverSource& source, MciClock& clock) : source_(source), clock_(clock) {}

DriverBackend::~DriverBackend()
{
    // Drivers go before the context so none reports into a half-destroyed backend.
    devices_.clear();
}

ErrorCode DriverBackend::command(DeviceId device, std::uint32_t command, std::uint32_t flags,
                                 GenericParms* parms)
{
    if (command == MCI_OPEN)
        return open(flags, parms);
    if (device == kAllDeviceId)
        return toAll(command, flags, parms);
    const auto it = devices_.find(device);
    if (it == devices_.end())
        return MCIERR_INVALID_DEVICE_ID;
    const ErrorCode err = dispatch(*it->second, command, flags, parms);
    // Commands other than play report their own completion at once; a play's
    // notification comes at its end.
    if (err == 0 && (flags & MCI_NOTIFY) && command != MCI_PLAY && command != MCI_RESUME && parms)
        PostNotify(parms->dwCallback, MCI_NOTIFY_SUCCESSFUL, device);
    return err;
}

ErrorCode DriverBackend::toAll(std::uint32_t command, std::uint32_t flags, GenericParms* parms)
{
    if (command != MCI_STOP && command != MCI_CLOSE)
        return MCIERR_CANNOT_USE_ALL;
    if (!onlyFlags(flags, 0))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    std::vector<DeviceId> ids;
    for (const auto& entry : devices_)
        ids.push_back(entry.first);
    for (const DeviceId id : ids) {
        if (command == MCI_CLOSE) {
            close(id);
        } else if (Device& d = *devices_.at(id); d.driver) {
            endPending(d, MCI_NOTIFY_ABORTED);
            d.driver->stop();
        }
    }
    if (flags & MCI_NOTIFY && parms)
        PostNotify(parms->dwCallback, MCI_NOTIFY_SUCCESSFUL, kAllDeviceId);
    return 0;
}

ErrorCode DriverBackend::open(std::uint32_t flags, GenericParms* parms)
{
    if (!onlyFlags(flags, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_OPEN_SHAREABLE | MCI_OPEN_ALIAS))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    auto* p = parmsAs<OpenParms>(parms);
    if (!p)
        return MCIERR_NULL_PARAMETER_BLOCK;
    if (flags & MCI_OPEN_ALIAS)
        return MCIERR_UNSUPPORTED_FUNCTION;
    if (!(flags & (MCI_OPEN_TYPE | MCI_OPEN_ELEMENT)))
        return MCIERR_MISSING_PARAMETER;
    if ((flags & MCI_OPEN_TYPE) && (!p->lpstrDeviceType || !*p->lpstrDeviceType))
        return MCIERR_MISSING_STRING_ARGUMENT;
    if ((flags & MCI_OPEN_ELEMENT) && (!p->lpstrElementName || !*p->lpstrElementName))
        return MCIERR_FILENAME_REQUIRED;

    const std::string element = (flags & MCI_OPEN_ELEMENT) ? p->lpstrElementName : "";
    std::string type;
    if (flags & MCI_OPEN_TYPE) {
        type = lower(p->lpstrDeviceType);
        if (!source_.knowsType(type))
            return MCIERR_INVALID_DEVICE_NAME;
    } else {
        type = DeviceTypeForExtension(extensionOf(element));
        if (type.empty())
            return MCIERR_EXTENSION_NOT_FOUND;
    }
    std::unique_ptr<platform::MediaDriver> driver = source_.create(type);
    if (!driver)
        return MCIERR_DEVICE_NOT_INSTALLED;
    auto device = std::make_unique<Device>();
    if (!element.empty()) {
        if (const ErrorCode err = driver->open(source_.fileFor(element)))
            return err;
        device->driver = std::move(driver);
    }
    device->id = nextId_++;
    device->type = type;
    device->element = element;
    if (device->driver) {
        const DeviceId id = device->id;
        device->driver->setEndHandler([this, id] {
            if (QThread::currentThread() == context_.thread())
                driverEnded(id);
            else
                QMetaObject::invokeMethod(&context_, [this, id] { driverEnded(id); }, Qt::QueuedConnection);
        });
    }
    p->wDeviceID = device->id;
    devices_[device->id] = std::move(device);
    if (flags & MCI_NOTIFY)
        PostNotify(p->dwCallback, MCI_NOTIFY_SUCCESSFUL, p->wDeviceID);
    return 0;
}

ErrorCode DriverBackend::dispatch(Device& d, std::uint32_t command, std::uint32_t flags, GenericParms* parms)
{
    switch (command) {
    case MCI_CLOSE:
        if (!onlyFlags(flags, 0))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        close(d.id);
        return 0;
    case MCI_INFO:
        return info(d, flags, parms);
    case MCI_GETDEVCAPS:
        return devCaps(d, flags, parms);
    case MCI_STATUS:
        return status(d, flags, parms);
    case MCI_SET:
        return set(d, flags, parms);
    case MCI_SIGNAL:
    case MCI_SPIN:
        return MCIERR_UNSUPPORTED_FUNCTION;
    default:
        break;
    }
    const bool known = command == MCI_PLAY || command == MCI_STOP || command == MCI_PAUSE ||
                       command == MCI_RESUME || command == MCI_SEEK || command == MCI_UPDATE ||
                       command == MCI_PUT || command == MCI_CONFIGURE || command == MCI_CUE ||
                       command == MCI_STEP || command == MCI_SETAUDIO || command == MCI_WINDOW;
    if (!known)
        return MCIERR_UNRECOGNIZED_COMMAND;
    if (!d.driver)
        return MCIERR_NONAPPLICABLE_FUNCTION;
    switch (command) {
    case MCI_PLAY:
        return play(d, flags, parms);
    case MCI_RESUME:
        return resume(d, flags, parms);
    case MCI_SEEK:
        return seek(d, flags, parms);
    case MCI_STOP:
        if (!onlyFlags(flags, 0))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        endPending(d, MCI_NOTIFY_ABORTED);
        return d.driver->stop();
    case MCI_PAUSE:
        if (!onlyFlags(flags, 0))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        endPending(d, MCI_NOTIFY_ABORTED);
        return d.driver->pause();
    default:
        return video(d, command, flags, parms);
    }
}

ErrorCode DriverBackend::play(Device& d, std::uint32_t flags, GenericParms* parms)
{
    if (!onlyFlags(flags, MCI_FROM | MCI_TO))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    auto* p = parmsAs<PlayParms>(parms);
    if (!p && (flags & (MCI_FROM | MCI_TO | MCI_NOTIFY)))
        return MCIERR_NULL_PARAMETER_BLOCK;
    const std::uint32_t length = d.driver->lengthMs();
    const std::uint32_t from = (flags & MCI_FROM) ? p->dwFrom : d.driver->positionMs();
    const std::uint32_t to = (flags & MCI_TO) ? p->dwTo : length;
    if (from > length || to > length || from > to)
        return MCIERR_OUTOFRANGE;

    endPending(d, MCI_NOTIFY_SUPERSEDED);
    if (flags & MCI_FROM) {
        if (const ErrorCode err = d.driver->seek(from))
            return err;
    }
    d.playTo = to;
    if (flags & MCI_NOTIFY) {
        d.notifyTarget = p->dwCallback;
        d.notifyPending = true;
    }
    if (const ErrorCode err = d.driver->play(to)) {
        d.notifyPending = false;
        return err;
    }
    return (flags & MCI_WAIT) ? waitForEnd(d) : 0;
}

ErrorCode DriverBackend::waitForEnd(Device& d)
{
    std::uint32_t lastPosition = d.driver->positionMs();
    std::uint32_t stalledMs = 0;
    while (d.driver->mode() == MediaMode::Playing) {
        clock_.sleepFor(kWaitPollMs);
        const std::uint32_t position = d.driver->positionMs();
        stalledMs = position == lastPosition ? stalledMs + kWaitPollMs : 0;
        lastPosition = position;
        if (stalledMs >= kWaitStallLimitMs) {
            endPending(d, MCI_NOTIFY_FAILURE);
            d.driver->stop();
            return MCIERR_DEVICE_NOT_READY;
        }
    }
    if (d.driver->positionMs() < d.playTo) {
        endPending(d, MCI_NOTIFY_FAILURE);
        return MCIERR_DRIVER;
    }
    endPending(d, MCI_NOTIFY_SUCCESSFUL);
    return 0;
}

ErrorCode DriverBackend::resume(Device& d, std::uint32_t flags, GenericParms* parms)
{
    if (!onlyFlags(flags, 0))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    switch (d.driver->mode()) {
    case MediaMode::Playing:
        return 0;
    case MediaMode::Stopped:
        return MCIERR_NONAPPLICABLE_FUNCTION;
    case MediaMode::Paused:
        break;
    }
    if ((flags & MCI_NOTIFY) && parms) {
        d.notifyTarget = parms->dwCallback;
        d.notifyPending = true;
    }
    if (const ErrorCode err = d.driver->play(d.playTo)) {
        d.notifyPending = false;
        return err;
    }
    return 0;
}

ErrorCode DriverBackend::seek(Device& d, std::uint32_t flags, GenericParms* parms)
{
    if (!onlyFlags(flags, MCI_SEEK_TO_START | MCI_SEEK_TO_END | MCI_TO))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    const int targets = countOf(flags, MCI_SEEK_TO_START | MCI_SEEK_TO_END | MCI_TO);
    if (targets == 0)
        return MCIERR_MISSING_PARAMETER;
    if (targets > 1)
        return MCIERR_FLAGS_NOT_COMPATIBLE;
    std::uint32_t to = 0;
    if (flags & MCI_TO) {
        auto* p = parmsAs<SeekParms>(parms);
        if (!p)
            return MCIERR_NULL_PARAMETER_BLOCK;
        to = p->dwTo;
        if (to > d.driver->lengthMs())
            return MCIERR_OUTOFRANGE;
    } else if (flags & MCI_SEEK_TO_END) {
        to = d.driver->lengthMs();
    }
    endPending(d, MCI_NOTIFY_ABORTED);
    return d.driver->seek(to);
}

ErrorCode DriverBackend::status(Device& d, std::uint32_t flags, GenericParms* parms)
{
    if (!onlyFlags(flags, MCI_STATUS_ITEM | MCI_TRACK))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    auto* p = parmsAs<StatusParms>(parms);
    if (!p)
        return MCIERR_NULL_PARAMETER_BLOCK;
    if (!(flags & MCI_STATUS_ITEM))
        return MCIERR_MISSING_PARAMETER;
    if ((flags & MCI_TRACK) && p->dwTrack != 1)
        return MCIERR_OUTOFRANGE;
    switch (p->dwItem) {
    case MCI_STATUS_NUMBER_OF_TRACKS:
    case MCI_STATUS_MEDIA_PRESENT:
    case MCI_STATUS_READY:
        p->dwReturn = 1;
        return 0;
    case MCI_STATUS_TIME_FORMAT:
        p->dwReturn = MCI_FORMAT_MILLISECONDS;
        return 0;
    case MCI_STATUS_MODE:
        if (!d.driver) {
            p->dwReturn = MCI_MODE_NOT_READY;
            return 0;
        }
        switch (d.driver->mode()) {
        case MediaMode::Playing: p->dwReturn = MCI_MODE_PLAY; break;
        case MediaMode::Paused: p->dwReturn = MCI_MODE_PAUSE; break;
        case MediaMode::Stopped: p->dwReturn = MCI_MODE_STOP; break;
        }
        return 0;
    case MCI_STATUS_LENGTH:
    case MCI_STATUS_POSITION:
        if (!d.driver)
            return MCIERR_NONAPPLICABLE_FUNCTION;
        p->dwReturn = p->dwItem == MCI_STATUS_LENGTH ? d.driver->lengthMs() : d.driver->positionMs();
        return 0;
    default:
        return MCIERR_BAD_CONSTANT;
    }
}

ErrorCode DriverBackend::set(Device& d, std::uint32_t flags, GenericParms* parms)
{
    constexpr std::uint32_t kOnOff = MCI_SET_ON | MCI_SET_OFF;
    if (!onlyFlags(flags, MCI_SET_TIME_FORMAT | MCI_SET_AUDIO | MCI_SET_VIDEO | kOnOff | MCI_SET_DOOR_OPEN |
                              MCI_DGV_SET_SPEED))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    auto* p = parmsAs<SetParms>(parms);
    if (!p)
        return MCIERR_NULL_PARAMETER_BLOCK;
    if ((flags & ~kAnyCommand) == 0)
        return MCIERR_MISSING_PARAMETER;
    if ((flags & kOnOff) == kOnOff)
        return MCIERR_FLAGS_NOT_COMPATIBLE;
    const bool switching = (flags & (MCI_SET_AUDIO | MCI_SET_VIDEO)) != 0;
    if (switching != ((flags & kOnOff) != 0))
        return MCIERR_MISSING_PARAMETER;
    if (flags & (MCI_SET_DOOR_OPEN | MCI_SET_VIDEO))
        return MCIERR_UNSUPPORTED_FUNCTION;
    if ((flags & MCI_SET_TIME_FORMAT) && p->dwTimeFormat != MCI_FORMAT_MILLISECONDS)
        return MCIERR_BAD_TIME_FORMAT;
    if (flags & MCI_SET_AUDIO) {
        if (p->dwAudio == MCI_SET_AUDIO_LEFT || p->dwAudio == MCI_SET_AUDIO_RIGHT)
            return MCIERR_UNSUPPORTED_FUNCTION;
        if (p->dwAudio != MCI_SET_AUDIO_ALL)
            return MCIERR_BAD_CONSTANT;
    }
    if ((flags & (MCI_SET_AUDIO | MCI_DGV_SET_SPEED)) && !d.driver)
        return MCIERR_NONAPPLICABLE_FUNCTION;
    if (flags & MCI_SET_AUDIO) {
        if (const ErrorCode err = d.driver->setAudio((flags & MCI_SET_ON) != 0))
            return err;
    }
    if (flags & MCI_DGV_SET_SPEED)
        return d.driver->setSpeed(p->dwSpeed);
    return 0;
}

ErrorCode DriverBackend::info(Device& d, std::uint32_t flags, GenericParms* parms)
{
    if (!onlyFlags(flags, MCI_INFO_PRODUCT | MCI_INFO_FILE))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    auto* p = parmsAs<InfoParms>(parms);
    if (!p || !p->lpstrReturn)
        return MCIERR_NULL_PARAMETER_BLOCK;
    const int items = countOf(flags, MCI_INFO_PRODUCT | MCI_INFO_FILE);
    if (items == 0)
        return MCIERR_MISSING_PARAMETER;
    if (items > 1)
        return MCIERR_FLAGS_NOT_COMPATIBLE;
    std::string text;
    if (flags & MCI_INFO_FILE) {
        if (d.element.empty())
            return MCIERR_NONAPPLICABLE_FUNCTION;
        text = d.element;
    } else {
        text = d.driver ? d.driver->info(MCI_INFO_PRODUCT) : d.type;
    }
    if (p->dwRetSize == 0)
        return MCIERR_PARAM_OVERFLOW;
    const std::size_t n = std::min<std::size_t>(text.size(), p->dwRetSize - 1);
    std::memcpy(p->lpstrReturn, text.data(), n);
    p->lpstrReturn[n] = '\0';
    return n < text.size() ? MCIERR_PARAM_OVERFLOW : 0;
}

ErrorCode DriverBackend::devCaps(Device& d, std::uint32_t flags, GenericParms* parms)
{
    if (!onlyFlags(flags, MCI_GETDEVCAPS_ITEM))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    auto* p = parmsAs<GetDevCapsParms>(parms);
    if (!p)
        return MCIERR_NULL_PARAMETER_BLOCK;
    if (!(flags & MCI_GETDEVCAPS_ITEM))
        return MCIERR_MISSING_PARAMETER;
    if (p->dwItem < MCI_GETDEVCAPS_CAN_RECORD || p->dwItem > MCI_GETDEVCAPS_CAN_SAVE)
        return MCIERR_BAD_CONSTANT;
    if (!d.driver)
        return MCIERR_NONAPPLICABLE_FUNCTION;
    p->dwReturn = d.driver->deviceCaps(p->dwItem);
    return 0;
}

ErrorCode DriverBackend::video(Device& d, std::uint32_t command, std::uint32_t flags, GenericParms* parms)
{
    platform::MediaDriver& drv = *d.driver;
    switch (command) {
    case MCI_UPDATE:
        if (!onlyFlags(flags, MCI_DGV_UPDATE_HDC | MCI_DGV_UPDATE_PAINT))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        return drv.update();
    case MCI_PUT: {
        if (!onlyFlags(flags, MCI_DGV_RECT | MCI_DGV_PUT_DESTINATION))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        auto* p = parmsAs<PutParms>(parms);
        if (!p)
            return MCIERR_NULL_PARAMETER_BLOCK;
        if (!(flags & MCI_DGV_PUT_DESTINATION) || !(flags & MCI_DGV_RECT))
            return MCIERR_MISSING_PARAMETER;
        return drv.putDestination(p->rc);
    }
    case MCI_CONFIGURE:
        if (!onlyFlags(flags, 0))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        return drv.configure();
    case MCI_CUE: {
        if (!onlyFlags(flags, MCI_DGV_CUE_OUTPUT | MCI_TO))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        auto* p = parmsAs<CueParms>(parms);
        if ((flags & MCI_TO) && !p)
            return MCIERR_NULL_PARAMETER_BLOCK;
        const std::uint32_t to = (flags & MCI_TO) ? p->dwTo : drv.positionMs();
        if (to > drv.lengthMs())
            return MCIERR_OUTOFRANGE;
        return drv.cue(to);
    }
    case MCI_STEP: {
        if (!onlyFlags(flags, MCI_DGV_STEP_FRAMES | MCI_DGV_STEP_REVERSE))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        auto* p = parmsAs<StepParms>(parms);
        if ((flags & MCI_DGV_STEP_FRAMES) && !p)
            return MCIERR_NULL_PARAMETER_BLOCK;
        return drv.step((flags & MCI_DGV_STEP_FRAMES) ? p->dwFrames : 1, (flags & MCI_DGV_STEP_REVERSE) != 0);
    }
    case MCI_SETAUDIO: {
        if (!onlyFlags(flags, MCI_DGV_SETAUDIO_ITEM | MCI_DGV_SETAUDIO_VALUE))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        auto* p = parmsAs<SetAudioParms>(parms);
        if (!p)
            return MCIERR_NULL_PARAMETER_BLOCK;
        if (!(flags & MCI_DGV_SETAUDIO_ITEM) || !(flags & MCI_DGV_SETAUDIO_VALUE))
            return MCIERR_MISSING_PARAMETER;
        if (p->dwItem != MCI_DGV_SETAUDIO_VOLUME)
            return MCIERR_UNSUPPORTED_FUNCTION;
        return drv.setVolume(p->dwValue);
    }
    case MCI_WINDOW: {
        if (!onlyFlags(flags, MCI_DGV_WINDOW_HWND))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        auto* p = parmsAs<WindowParms>(parms);
        if (!p)
            return MCIERR_NULL_PARAMETER_BLOCK;
        if (!(flags & MCI_DGV_WINDOW_HWND))
            return MCIERR_MISSING_PARAMETER;
        return drv.setWindow(p->hWnd);
    }
    default:
        return MCIERR_UNRECOGNIZED_COMMAND;
    }
}

void DriverBackend::close(DeviceId id)
{
    const auto it = devices_.find(id);
    if (it == devices_.end())
        return;
    endPending(*it->second, MCI_NOTIFY_ABORTED);
    devices_.erase(it);
}

void DriverBackend::endPending(Device& d, std::uint32_t code)
{
    if (!d.notifyPending)
        return;
    d.notifyPending = false;
    PostNotify(d.notifyTarget.data(), code, d.id);
}

void DriverBackend::driverEnded(DeviceId id)
{
    const auto it = devices_.find(id);
    if (it == devices_.end())
        return;
    Device& d = *it->second;
    // A report that arrives after a newer play has started belongs to the old play.
    if (!d.notifyPending || d.driver->mode() == MediaMode::Playing)
        return;
    endPending(d, d.driver->positionMs() < d.playTo ? MCI_NOTIFY_FAILURE : MCI_NOTIFY_SUCCESSFUL);
}

}  // namespace mci
