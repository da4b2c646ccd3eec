#pragma once
// Parameter blocks of the media command layer. Every block derives from
// GenericParms so the layer can check that a command got the block it needs
// (a wrong or missing block is an error code, never a bad read). Members a
// command does not use stay at their zero defaults.

#include "platform/mci/MciConstants.h"

#include <QRect>

#include <cstdint>

class QObject;
class QWidget;
class QPaintDevice;

namespace mci {

struct GenericParms {
    virtual ~GenericParms() = default;
    // The object that receives the end-of-command notification (MCI_NOTIFY).
    QObject* dwCallback = nullptr;
};

struct OpenParms : GenericParms {
    DeviceId wDeviceID = 0;                      // out: the new device's id
    const char* lpstrDeviceType = nullptr;       // with MCI_OPEN_TYPE
    const char* lpstrElementName = nullptr;      // with MCI_OPEN_ELEMENT
    const char* lpstrAlias = nullptr;            // with MCI_OPEN_ALIAS
};

struct PlayParms : GenericParms {
    std::uint32_t dwFrom = 0;   // with MCI_FROM
    std::uint32_t dwTo = 0;     // with MCI_TO
};

struct SeekParms : GenericParms {
    std::uint32_t dwTo = 0;     // with MCI_TO
};

struct StatusParms : GenericParms {
    std::uint32_t dwReturn = 0;   // out
    std::uint32_t dwItem = 0;
    std::uint32_t dwTrack = 0;    // with MCI_TRACK
};

struct SetParms : GenericParms {
    std::uint32_t dwTimeFormat = 0;   // with MCI_SET_TIME_FORMAT
    std::uint32_t dwAudio = 0;        // with MCI_SET_AUDIO
    std::uint32_t dwSpeed = 0;        // with MCI_DGV_SET_SPEED
};

struct InfoParms : GenericParms {
    char* lpstrReturn = nullptr;   // out: always terminated when dwRetSize > 0
    std::uint32_t dwRetSize = 0;
};

struct GetDevCapsParms : GenericParms {
    std::uint32_t dwReturn = 0;   // out
    std::uint32_t dwItem = 0;
};

struct UpdateParms : GenericParms {
    QRect rc;
    QPaintDevice* hDC = nullptr;
};

struct PutParms : GenericParms {
    QRect rc;
};

struct SignalParms : GenericParms {
    std::uint32_t dwPosition = 0;
    std::uint32_t dwPeriod = 0;
    std::uintptr_t dwUserParm = 0;
};

struct CueParms : GenericParms {
    std::uint32_t dwTo = 0;
};

struct StepParms : GenericParms {
    std::uint32_t dwFrames = 0;
};

struct SetAudioParms : GenericParms {
    std::uint32_t dwItem = 0;
    std::uint32_t dwValue = 0;
};

struct WindowParms : GenericParms {
    QWidget* hWnd = nullptr;
};

}  // namespace mci
