#pragma once
// A real frame around a real console on the simulated media layer, its media
// player service on the private session bus the test runs in, and a client on a
// connection of its own that calls it and hears its signals as a desktop applet would.

#include "frame/SettingsFrameFixture.h"
#include "mpris/MprisService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <memory>
#include <vector>

namespace mpristest {

// The service's signals as the client receives them.
class SignalLog : public QObject {
    Q_OBJECT
public:
    std::vector<QVariantMap> changes;  // the changed properties of each PropertiesChanged
    std::vector<qlonglong> seeks;      // the position of each Seeked

public slots:
    void PropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);
    void Seeked(qlonglong position);
};

class MprisFixture : public frametest::SettingsFrameFixture {
protected:
    static constexpr const char* kPlayer = "org.mpris.MediaPlayer2.Player";
    static constexpr const char* kRoot = "org.mpris.MediaPlayer2";

    // The frame with settings, its service registered and the client listening.
    void StartPlayer(const QByteArray& settings = "[General]\r\nVersion=5.7\r\n");
    void TearDown() override;

    // A call as an applet makes it; the reply, once the program has run what the call asked for.
    QDBusMessage Call(const char* interface, const char* method, const QVariantList& arguments = {});
    QVariant Property(const char* name, const char* interface = kPlayer);
    QVariantMap Metadata();
    // Waits until a PropertiesChanged named property; its value there, invalid when none came.
    QVariant WaitForChange(const char* property);

    // Songs on the simulated layer named by drive paths under t:\music.
    std::string AddSong(const char* name, std::uint32_t lengthMs);
    player::TMainWindow& Console() const { return *frame->Client(); }
    std::uint32_t DevicePosition() const;

    QStringList opened;  // the files the service asked the application to open
    int raised = 0;
    std::unique_ptr<mpris::MprisService> service;
    QDBusConnection client{QString()};
    SignalLog log;
};

}  // namespace mpristest
