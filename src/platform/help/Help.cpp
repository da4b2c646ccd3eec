#include "platform/help/Help.h"

#include "platform/help/HelpEngine.h"

namespace platform::help {

bool ShowHelp(QWidget* owner, const std::string& helpFile, unsigned command, unsigned long data)
{
    return HelpEngine::Instance().request(owner, helpFile, command, data);
}

}  // namespace platform::help
