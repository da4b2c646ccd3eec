#include "platform/mci/Mci.h"

#include "platform/mci/DriverBackend.h"
#include "platform/mci/MciCommandString.h"
#include "platform/mci/MciErrorText.h"

#include <cstring>

namespace mci {

namespace {

MciBackend* installed = nullptr;

MciBackend& programBackend()
{
    static RegistryDriverSource source;
    static SteadyClock clock;
    static DriverBackend backend(source, clock);
    return backend;
}

}  // namespace

MciBackend& CurrentBackend()
{
    return installed ? *installed : programBackend();
}

void SetBackend(MciBackend* backend)
{
    installed = backend;
}

ErrorCode SendCommand(DeviceId device, std::uint32_t command, std::uint32_t flags, GenericParms* parms)
{
    return CurrentBackend().command(device, command, flags, parms);
}

ErrorCode SendString(const char* command, char* returnBuffer, std::uint32_t returnSize, QObject* callback)
{
    if (returnBuffer && returnSize > 0)
        returnBuffer[0] = '\0';
    if (!command)
        return MCIERR_MISSING_COMMAND_STRING;
    ParsedCommand parsed;
    if (const ErrorCode err = ParseCommandString(command, parsed))
        return err;
    // The element is opened for this one command and closed again.
    if (parsed.notify)
        return MCIERR_NOTIFY_ON_AUTO_OPEN;
    if (!parsed.wait)
        return MCIERR_ILLEGAL_FOR_AUTO_OPEN;

    OpenParms open;
    open.lpstrElementName = parsed.device.c_str();
    if (const ErrorCode err = SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, &open))
        return err;
    PlayParms play;
    play.dwCallback = callback;
    std::uint32_t flags = MCI_WAIT;
    if (parsed.from) {
        flags |= MCI_FROM;
        play.dwFrom = *parsed.from;
    }
    if (parsed.to) {
        flags |= MCI_TO;
        play.dwTo = *parsed.to;
    }
    const ErrorCode playError = SendCommand(open.wDeviceID, MCI_PLAY, flags, &play);
    GenericParms close;
    const ErrorCode closeError = SendCommand(open.wDeviceID, MCI_CLOSE, MCI_WAIT, &close);
    return playError ? playError : closeError;
}

bool GetErrorString(ErrorCode code, char* buffer, std::uint32_t size)
{
    const char* text = ErrorText(code);
    if (!buffer || size == 0)
        return false;
    buffer[0] = '\0';
    if (!text)
        return false;
    const std::size_t n = std::min<std::size_t>(std::strlen(text), size - 1);
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
    return true;
}

}  // namespace mci
