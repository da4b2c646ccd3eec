#pragma once
// The media command layer's entry points: one command with its parameter block,
// one command string, and the text of an error code.

#include "platform/mci/MciBackend.h"
#include "platform/mci/MciParams.h"

#include <cstdint>

class QObject;

namespace mci {

ErrorCode SendCommand(DeviceId device, std::uint32_t command, std::uint32_t flags, GenericParms* parms);

// Command strings: "play <element> [from n] [to n] wait". The element may be
// quoted ("..." with "" standing for one quote) to hold blanks. The string
// opens the element, plays it and closes it again before returning.
ErrorCode SendString(const char* command, char* returnBuffer, std::uint32_t returnSize, QObject* callback);

// Copies the text of code into buffer (terminated, truncated to size). False
// for a code that has no text; the buffer then holds an empty string.
bool GetErrorString(ErrorCode code, char* buffer, std::uint32_t size);

}  // namespace mci
