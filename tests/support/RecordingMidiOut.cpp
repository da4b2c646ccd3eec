#include "support/RecordingMidiOut.h"

using namespace platform;

std::unique_ptr<MidiOut> RecordingMidiOut::create()
{
    return std::make_unique<RecordingMidiOut>();
}

std::vector<RecordingMidiOut::Event>& RecordingMidiOut::log()
{
    static std::vector<Event> events;
    return events;
}

bool& RecordingMidiOut::failOpen()
{
    static bool fail = false;
    return fail;
}

void RecordingMidiOut::clear()
{
    log().clear();
    failOpen() = false;
}

MidiResult RecordingMidiOut::open()
{
    if (failOpen())
        return kMidiErrorAllocated;
    open_ = true;
    log().push_back({Event::Open, 0});
    return kMidiOk;
}

MidiResult RecordingMidiOut::shortMsg(std::uint32_t message)
{
    if (!open_)
        return kMidiErrorInvalidHandle;
    log().push_back({Event::Short, message});
    return kMidiOk;
}

MidiResult RecordingMidiOut::reset()
{
    if (!open_)
        return kMidiErrorInvalidHandle;
    log().push_back({Event::Reset, 0});
    return kMidiOk;
}

MidiResult RecordingMidiOut::close()
{
    if (!open_)
        return kMidiErrorInvalidHandle;
    open_ = false;
    log().push_back({Event::Close, 0});
    return kMidiOk;
}
