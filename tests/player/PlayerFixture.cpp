#include "player/PlayerFixture.h"

#include "platform/mci/MciConstants.h"

namespace playertest {

using namespace mci;

std::vector<std::string> PlayerFixture::Commands() const
{
    std::vector<std::string> out;
    for (const SentCommand& c : sim.sent()) {
        switch (c.command) {
        case MCI_OPEN: out.push_back("open " + c.element); break;
        case MCI_CLOSE: out.push_back("close"); break;
        case MCI_STOP: out.push_back("stop"); break;
        case MCI_PAUSE: out.push_back("pause"); break;
        case MCI_PLAY:
            out.push_back("play " + std::to_string((c.flags & MCI_FROM) ? std::int64_t{c.from} : -1) + " "
                          + std::to_string((c.flags & MCI_TO) ? std::int64_t{c.to} : -2));
            break;
        case MCI_SEEK:
            out.push_back("seek " + std::string((c.flags & MCI_SEEK_TO_START) ? "0"
                                                : (c.flags & MCI_SEEK_TO_END) ? "-2"
                                                                              : std::to_string(c.to)));
            break;
        case MCI_SET:
            if (c.flags & MCI_SET_TIME_FORMAT)
                out.push_back("set timeformat " + std::to_string(c.timeFormat));
            else if (c.flags & MCI_SET_AUDIO)
                out.push_back(std::string("set audio ") + ((c.flags & MCI_SET_ON) ? "on" : "off"));
            break;
        default: break;
        }
    }
    return out;
}

}  // namespace playertest
