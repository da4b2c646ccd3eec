#pragma once
// A real frame around a real console on the simulated media layer, its media
// player service on the test's private session bus, and a client on a
// connection of its own that calls it and hears its signals as an applet would.

#include "frame/SettingsFrameFixture.h"
#include "mpris/MprisService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantList>
#include <QVariantMap>

#include <memory>
#include <vector>

namespace mpristest {

// The service's signals as the client receives them, maps parsed.
class SignalLog : public QObject {
    Q_OBJECT
public:
    std::vector<QVariantMap> changes;  // of each PropertiesChanged
    std::vector<qlonglong> seeks;

public slots:
    void PropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);
    void Seeked(qlonglong position) { seeks.push_back(position); }
};

class MprisFixture : public frametest::SettingsFrameFixture {
protected:
    static constexpr const char* kPlayer = "org.mpris.MediaPlayer2.Player";

    void StartPlayer(const QByteArray& settings = "[General]\r\nVersion=5.7\r\n");
    void TearDown() override;

    // A call as an applet makes it; the reply, once the program has run what it asked for.
    QDBusMessage Call(const char* interface, const char* method, const QVariantList& arguments = {});
    QVariant Property(const char* name);
    // The value in the latest PropertiesChanged naming property, waited for.
    QVariant WaitForChange(const char* property);

    // A song of lengthMs under t:\music, in the queue; its drive path.
    std::string AddSong(const char* name, std::uint32_t lengthMs);
    player::TMainWindow& Console() const { return *frame->Client(); }
    std::string Playing() const
    {
        const char* element = Console().device.ElementName();
        return element != nullptr ? element : "";
    }
    std::uint32_t DevicePosition() const { return sim.positionOf(Playing()); }

    QStringList opened;  // what the service asked the application to open
    std::unique_ptr<mpris::MprisService> service;
    QDBusConnection client{QString()};
    SignalLog log;
};

}  // namespace mpristest
