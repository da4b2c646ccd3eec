#include "platform/mci/MciNotifyEvent.h"

#include <QCoreApplication>

namespace mci {

MciNotifyEvent::MciNotifyEvent(std::uint32_t code, DeviceId device)
    : QEvent(eventType()), code_(code), device_(device)
{
}

QEvent::Type MciNotifyEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostNotify(QObject* callback, std::uint32_t code, DeviceId device)
{
    if (callback)
        QCoreApplication::postEvent(callback, new MciNotifyEvent(code, device));
}

}  // namespace mci
