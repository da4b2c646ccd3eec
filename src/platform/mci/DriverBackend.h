#pragma once
// The backend that plays: it keeps the open devices with their ids, checks
// every command's flags and parameter block, turns commands into driver calls
// and keeps the end-of-play notification of each device:
//   successful  the play reached its end point;
//   superseded  a new play replaced the pending one;
//   aborted     stop, pause, seek or close came first;
//   failure     the driver stopped short of the end point.
// Commands run on the window thread; drivers may report their end from any
// thread, and the notification is always posted to the callback object.

#include "platform/mci/DriverSource.h"
#include "platform/mci/MciBackend.h"
#include "platform/mci/MciClock.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <string>

namespace mci {

class DriverBackend : public MciBackend {
public:
    DriverBackend(DriverSource& source, MciClock& clock);
    ~DriverBackend() override;
    DriverBackend(const DriverBackend&) = delete;
    DriverBackend& operator=(const DriverBackend&) = delete;

    ErrorCode command(DeviceId device, std::uint32_t command, std::uint32_t flags,
                      GenericParms* parms) override;

    std::size_t openDeviceCount() const { return devices_.size(); }

    // A waiting play gives up when its position has not moved for this long, so
    // a stuck device cannot hang the window thread for good.
    static constexpr std::uint32_t kWaitStallLimitMs = 10000;
    static constexpr std::uint32_t kWaitPollMs = 10;

private:
    struct Device {
        DeviceId id = 0;
        std::string type;
        std::string element;
        std::unique_ptr<platform::MediaDriver> driver;   // null: opened by type only
        QPointer<QObject> notifyTarget;
        bool notifyPending = false;
        std::uint32_t playTo = 0;
    };

    ErrorCode open(std::uint32_t flags, GenericParms* parms);
    ErrorCode dispatch(Device& d, std::uint32_t command, std::uint32_t flags, GenericParms* parms);
    ErrorCode toAll(std::uint32_t command, std::uint32_t flags, GenericParms* parms);
    ErrorCode play(Device& d, std::uint32_t flags, GenericParms* parms);
    ErrorCode resume(Device& d, std::uint32_t flags, GenericParms* parms);
    ErrorCode seek(Device& d, std::uint32_t flags, GenericParms* parms);
    ErrorCode status(Device& d, std::uint32_t flags, GenericParms* parms);
    ErrorCode set(Device& d, std::uint32_t flags, GenericParms* parms);
    ErrorCode info(Device& d, std::uint32_t flags, GenericParms* parms);
    ErrorCode devCaps(Device& d, std::uint32_t flags, GenericParms* parms);
    ErrorCode video(Device& d, std::uint32_t command, std::uint32_t flags, GenericParms* parms);
    ErrorCode waitForEnd(Device& d);

    void close(DeviceId id);
    void endPending(Device& d, std::uint32_t code);
    void driverEnded(DeviceId id);

    DriverSource& source_;
    MciClock& clock_;
    QObject context_;   // queued end reports die with the backend
    std::map<DeviceId, std::unique_ptr<Device>> devices_;
    DeviceId nextId_ = 1;
};

}  // namespace mci
