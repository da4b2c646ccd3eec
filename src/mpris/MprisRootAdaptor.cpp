#include "mpris/MprisRootAdaptor.h"

#include "mpris/MprisService.h"
#include "resources/CommandIds.h"

namespace mpris {

MprisRootAdaptor::MprisRootAdaptor(MprisService& service) : QDBusAbstractAdaptor(&service), service_(service) {}

QString MprisRootAdaptor::Identity() const
{
    return QStringLiteral("Vantor");
}

QString MprisRootAdaptor::DesktopEntry() const
{
    // The desktop entry's file name without ".desktop".
    return QStringLiteral("vantor");
}

QStringList MprisRootAdaptor::SupportedUriSchemes() const
{
    return {QStringLiteral("file")};
}

QStringList MprisRootAdaptor::SupportedMimeTypes() const
{
    // The types of the desktop entry: albums and the three kinds of song.
    return {QStringLiteral("application/x-vantor-album"), QStringLiteral("audio/midi"),
            QStringLiteral("audio/x-wav"), QStringLiteral("video/x-msvideo")};
}

void MprisRootAdaptor::Raise()
{
    service_.Raise();
}

void MprisRootAdaptor::Quit()
{
    service_.RunCommand(resources::CM_EXIT);
}

}  // namespace mpris
