#include "mpris/MprisFixture.h"

#include "album/TQueueList.h"
#include "platform/audio/AuxVolume.h"

#include <QDBusArgument>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QTest>

namespace mpristest {

namespace {
constexpr const char* kClientName = "mpris-test-client";
constexpr int kWaitMs = 5000;

QString Text(const char* text)
{
    return QString::fromLatin1(text);
}

// A value as the client's connection hands it over: maps arrive unparsed.
QVariant Plain(const QVariant& value)
{
    if (value.canConvert<QDBusVariant>())
        return Plain(value.value<QDBusVariant>().variant());
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value;
}
}  // namespace

void SignalLog::PropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
{
    if (interface != QLatin1String("org.mpris.MediaPlayer2.Player"))
        return;
    QVariantMap plain;
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        plain.insert(it.key(), Plain(it.value()));
    changes.push_back(plain);
}

void SignalLog::Seeked(qlonglong position)
{
    seeks.push_back(position);
}

void MprisFixture::StartPlayer(const QByteArray& settings)
{
    // Only the program's own output: this machine's mixers are not the test's.
    platform::SetAuxMixerDevicesForTest({});
    platform::auxSetVolume(0, 0xFFFFFFFFu);
    Start(settings);
    mpris::MprisService::AppActions actions;
    actions.raise = [this] { ++raised; };
    actions.open = [this](const QString& path) { opened << path; };
    service = std::make_unique<mpris::MprisService>(*frame, actions);
    ASSERT_TRUE(service->Register(QDBusConnection::sessionBus())) << "no session bus: run under dbus-run-session";
    client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, Text(kClientName));
    ASSERT_TRUE(client.isConnected());
    const QString name = Text(mpris::MprisService::kServiceName);
    const QString path = Text(mpris::MprisService::kObjectPath);
    ASSERT_TRUE(client.connect(name, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                               QStringLiteral("PropertiesChanged"), &log,
                               SLOT(PropertiesChanged(QString, QVariantMap, QStringList))));
    ASSERT_TRUE(client.connect(name, path, Text(kPlayer), QStringLiteral("Seeked"), &log, SLOT(Seeked(qlonglong))));
}

void MprisFixture::TearDown()
{
    client = QDBusConnection(QString());
    QDBusConnection::disconnectFromBus(Text(kClientName));
    service.reset();
    SettingsFrameFixture::TearDown();
    platform::auxSetVolume(0, 0xFFFFFFFFu);
    platform::SetAuxMixerDevicesForTest({"default"});
}

QDBusMessage MprisFixture::Call(const char* interface, const char* method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Text(mpris::MprisService::kServiceName),
                                                       Text(mpris::MprisService::kObjectPath), Text(interface),
                                                       Text(method));
    call.setArguments(arguments);
    QDBusPendingCall pending = client.asyncCall(call, kWaitMs);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, kWaitMs)) << method;
    // The command runs from the event loop after the reply.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return pending.reply();
}

QVariant MprisFixture::Property(const char* name, const char* interface)
{
    const QDBusMessage reply = Call("org.freedesktop.DBus.Properties", "Get", {Text(interface), Text(name)});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << name << " " << reply.errorMessage().toStdString();
    return reply.arguments().isEmpty() ? QVariant() : Plain(reply.arguments().constFirst());
}

QVariantMap MprisFixture::Metadata()
{
    return Property("Metadata").toMap();
}

QVariant MprisFixture::WaitForChange(const char* property)
{
    QVariant value;
    (void)QTest::qWaitFor(
        [&] {
            for (const QVariantMap& change : log.changes)
                if (change.contains(Text(property)))
                    value = change.value(Text(property));
            return value.isValid();
        },
        kWaitMs);
    if (!value.isValid())
        ADD_FAILURE() << "no PropertiesChanged with " << property;
    return value;
}

std::string MprisFixture::AddSong(const char* name, std::uint32_t lengthMs)
{
    const std::string path = drive.path(std::string("music\\") + name);
    sim.addSong(path, lengthMs);
    EXPECT_GE(frame->QueueList()->AddSong(path.c_str()), 0);
    return path;
}

std::uint32_t MprisFixture::DevicePosition() const
{
    const char* element = frame->Client()->device.ElementName();
    return element != nullptr ? sim.positionOf(element) : 0;
}

}  // namespace mpristest
