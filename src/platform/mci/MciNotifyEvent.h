#pragma once
// The end-of-command notification: posted (never sent) to the object named as
// callback, so it is always handled later on that object's thread.

#include "platform/mci/MciConstants.h"

#include <QEvent>

namespace mci {

class MciNotifyEvent : public QEvent {
public:
    MciNotifyEvent(std::uint32_t code, DeviceId device);

    static QEvent::Type eventType();

    // MCI_NOTIFY_SUCCESSFUL, _SUPERSEDED, _ABORTED or _FAILURE.
    std::uint32_t code() const { return code_; }
    DeviceId deviceId() const { return device_; }

private:
    std::uint32_t code_;
    DeviceId device_;
};

// The event type every notification carries.
inline QEvent::Type MM_MCINOTIFY() { return MciNotifyEvent::eventType(); }

// Posts a notification to callback (nothing when callback is null).
void PostNotify(QObject* callback, std::uint32_t code, DeviceId device);

}  // namespace mci
