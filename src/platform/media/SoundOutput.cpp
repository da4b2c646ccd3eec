#include "platform/media/SoundOutput.h"

#include <QMetaObject>

namespace platform {

SoundOutput& SoundOutput::instance()
{
    static SoundOutput output;
    return output;
}

void SoundOutput::forceNullOutput(bool on)
{
    forcedNull_ = on;
}

void SoundOutput::reportMissing(const QString& detail)
{
    // Devices find out on their own threads: only the first one reports.
    if (reported_.exchange(true))
        return;
    detail_ = detail;
    // Listeners live on the window thread.
    QMetaObject::invokeMethod(this, [this, detail] { emit missing(detail); }, Qt::QueuedConnection);
}

}  // namespace platform
