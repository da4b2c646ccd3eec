#include "platform/midi/SoundFontNotice.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace platform {

SoundFontNotice& SoundFontNotice::instance()
{
    static SoundFontNotice notice;
    return notice;
}

void SoundFontNotice::reportMissing()
{
    if (reported_.exchange(true))
        return;
    // Songs may open on any thread; listeners live on the window thread and hear
    // of it from its event loop.
    if (QCoreApplication* app = QCoreApplication::instance(); app != nullptr)
        QMetaObject::invokeMethod(
            app, [this] { emit missing(QString::fromLatin1(kText)); }, Qt::QueuedConnection);
}

}  // namespace platform
