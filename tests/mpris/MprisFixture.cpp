#include "mpris/MprisFixture.h"

#include "album/TQueueList.h"
#include "platform/audio/AuxVolume.h"

#include <QDBusArgument>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QTest>

namespace mpristest {

namespace {
const QString kClient = QStringLiteral("mpris-test-client");
const QString kName = QString::fromLatin1(mpris::MprisService::kServiceName);
const QString kPath = QString::fromLatin1(mpris::MprisService::kObjectPath);
constexpr int kWaitMs = 5000;

// Maps arrive as unparsed arguments, properties wrapped in a variant.
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
    QVariantMap plain;
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        plain.insert(it.key(), Plain(it.value()));
    if (interface == QLatin1String("org.mpris.MediaPlayer2.Player"))
        changes.push_back(plain);
}

void MprisFixture::StartPlayer(const QByteArray& settings)
{
    // Only the program's own output: this machine's mixers are not the test's.
    platform::SetAuxMixerDevicesForTest({});
    platform::auxSetVolume(0, 0xFFFFFFFFu);
    Start(settings);
    service = std::make_unique<mpris::MprisService>(
        *frame, mpris::MprisService::AppActions{{}, [this](const QString& path) { opened << path; }});
    ASSERT_TRUE(service->Register(QDBusConnection::sessionBus())) << "no session bus: run under dbus-run-session";
    client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, kClient);
    ASSERT_TRUE(client.connect(kName, kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                               QStringLiteral("PropertiesChanged"), &log,
                               SLOT(PropertiesChanged(QString, QVariantMap, QStringList))));
    ASSERT_TRUE(client.connect(kName, kPath, QString::fromLatin1(kPlayer), QStringLiteral("Seeked"), &log,
                               SLOT(Seeked(qlonglong))));
}

void MprisFixture::TearDown()
{
    client = QDBusConnection(QString());
    QDBusConnection::disconnectFromBus(kClient);
    service.reset();
    SettingsFrameFixture::TearDown();
    platform::auxSetVolume(0, 0xFFFFFFFFu);
    platform::SetAuxMixerDevicesForTest({"default"});
}

QDBusMessage MprisFixture::Call(const char* interface, const char* method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kName, kPath, QString::fromLatin1(interface),
                                                       QString::fromLatin1(method));
    call.setArguments(arguments);
    QDBusPendingCall pending = client.asyncCall(call, kWaitMs);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, kWaitMs)) << method;
    // The command runs from the event loop after the reply.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return pending.reply();
}

QVariant MprisFixture::Property(const char* name)
{
    const QDBusMessage reply =
        Call("org.freedesktop.DBus.Properties", "Get", {QString::fromLatin1(kPlayer), QString::fromLatin1(name)});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << name;
    return reply.arguments().isEmpty() ? QVariant() : Plain(reply.arguments().constFirst());
}

QVariant MprisFixture::WaitForChange(const char* property)
{
    QVariant value;
    const bool came = QTest::qWaitFor(
        [&] {
            for (const QVariantMap& change : log.changes)
                value = change.value(QString::fromLatin1(property), value);
            return value.isValid();
        },
        kWaitMs);
    EXPECT_TRUE(came) << "no PropertiesChanged with " << property;
    return value;
}

std::string MprisFixture::AddSong(const char* name, std::uint32_t lengthMs)
{
    const std::string path = drive.path(std::string("music\\") + name);
    sim.addSong(path, lengthMs);
    EXPECT_GE(frame->QueueList()->AddSong(path.c_str()), 0);
    return path;
}

}  // namespace mpristest
