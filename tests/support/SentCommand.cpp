#include "support/SentCommand.h"

#include <algorithm>

using namespace mci;

SentCommand SentCommand::capture(DeviceId device, std::uint32_t command, std::uint32_t flags,
                               const GenericParms* parms)
{
    SentCommand s;
    s.device = device;
    s.command = command;
    s.flags = flags;
    if (!parms)
        return s;
    s.hasParms = true;
    s.callback = parms->dwCallback;
    if (const auto* p = dynamic_cast<const OpenParms*>(parms)) {
        s.hasDeviceType = p->lpstrDeviceType != nullptr;
        s.deviceType = p->lpstrDeviceType ? p->lpstrDeviceType : "";
        s.hasElement = p->lpstrElementName != nullptr;
        s.element = p->lpstrElementName ? p->lpstrElementName : "";
    } else if (const auto* play = dynamic_cast<const PlayParms*>(parms)) {
        s.from = play->dwFrom;
        s.to = play->dwTo;
    } else if (const auto* seek = dynamic_cast<const SeekParms*>(parms)) {
        s.to = seek->dwTo;
    } else if (const auto* status = dynamic_cast<const StatusParms*>(parms)) {
        s.item = status->dwItem;
        s.track = status->dwTrack;
    } else if (const auto* set = dynamic_cast<const SetParms*>(parms)) {
        s.timeFormat = set->dwTimeFormat;
        s.audio = set->dwAudio;
        s.speed = set->dwSpeed;
    } else if (const auto* info = dynamic_cast<const InfoParms*>(parms)) {
        s.retSize = info->dwRetSize;
        s.hasReturnBuffer = info->lpstrReturn != nullptr;
    } else if (const auto* caps = dynamic_cast<const GetDevCapsParms*>(parms)) {
        s.item = caps->dwItem;
    } else if (const auto* update = dynamic_cast<const UpdateParms*>(parms)) {
        s.rect = update->rc;
        s.hdc = update->hDC;
    } else if (const auto* put = dynamic_cast<const PutParms*>(parms)) {
        s.rect = put->rc;
    } else if (const auto* signal = dynamic_cast<const SignalParms*>(parms)) {
        s.position = signal->dwPosition;
        s.userValue = signal->dwUserParm;
    } else if (const auto* cue = dynamic_cast<const CueParms*>(parms)) {
        s.to = cue->dwTo;
    } else if (const auto* step = dynamic_cast<const StepParms*>(parms)) {
        s.frames = step->dwFrames;
    } else if (const auto* audio = dynamic_cast<const SetAudioParms*>(parms)) {
        s.item = audio->dwItem;
        s.value = audio->dwValue;
    } else if (const auto* window = dynamic_cast<const WindowParms*>(parms)) {
        s.window = window->hWnd;
    }
    return s;
}

std::vector<SentCommand> CommandsOf(const std::vector<SentCommand>& log, std::uint32_t command)
{
    std::vector<SentCommand> out;
    std::copy_if(log.begin(), log.end(), std::back_inserter(out),
                 [command](const SentCommand& s) { return s.command == command; });
    return out;
}
