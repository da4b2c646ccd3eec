#include "player/ProgramMessage.h"

#include "platform/ui/MessageBox.h"

#include <QString>

namespace player {

int ProgramMessage(QWidget* owner, const std::string& text, std::uint32_t style)
{
    platform::MessageBeep(style & platform::MB_ICONMASK);
    return platform::MessageBox(owner, QString::fromUtf8(text.c_str()), QStringLiteral("The Vantor"), style);
}

}  // namespace player
