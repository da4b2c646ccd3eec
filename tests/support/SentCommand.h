#pragma once
// One command as a test backend saw it: the command, its flags and a copy of
// the parameter block's members.

#include "platform/mci/MciParams.h"

#include <QRect>

#include <cstdint>
#include <string>
#include <vector>

struct SentCommand {
    mci::DeviceId device = 0;
    std::uint32_t command = 0;
    std::uint32_t flags = 0;
    bool hasParms = false;
    QObject* callback = nullptr;
    bool hasDeviceType = false;
    std::string deviceType;
    bool hasElement = false;
    std::string element;
    std::uint32_t from = 0;
    std::uint32_t to = 0;
    std::uint32_t item = 0;
    std::uint32_t track = 0;
    std::uint32_t timeFormat = 0;
    std::uint32_t audio = 0;
    std::uint32_t speed = 0;
    std::uint32_t retSize = 0;
    bool hasReturnBuffer = false;
    std::uint32_t position = 0;
    std::uintptr_t userValue = 0;
    std::uint32_t frames = 0;
    std::uint32_t value = 0;
    QRect rect;
    QWidget* window = nullptr;
    QPaintDevice* hdc = nullptr;

    static SentCommand capture(mci::DeviceId device, std::uint32_t command, std::uint32_t flags,
                             const mci::GenericParms* parms);
};

// Commands of one kind from a log, in order.
std::vector<SentCommand> CommandsOf(const std::vector<SentCommand>& log, std::uint32_t command);
