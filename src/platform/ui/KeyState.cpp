#include "platform/ui/KeyState.h"

#include <QGuiApplication>

namespace platform {

namespace {

std::optional<bool> shiftOverride;

}  // namespace

bool IsShiftDown()
{
    if (shiftOverride)
        return *shiftOverride;
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

void SetShiftDownOverride(std::optional<bool> state)
{
    shiftOverride = state;
}

ScopedShiftDown::ScopedShiftDown(bool down) : previous_(shiftOverride)
{
    shiftOverride = down;
}

ScopedShiftDown::~ScopedShiftDown()
{
    shiftOverride = previous_;
}

}  // namespace platform
