#pragma once
// Keeps every posted command in order.

#include <vector>

#include "controls/gadgets/ICommandTarget.h"

class RecordingCommandTarget : public ICommandTarget {
public:
    void PostCommand(int commandId) override { posted.push_back(commandId); }
    std::vector<int> posted;
};
