#pragma once
// GStreamer, opened on the first wave or video device rather than at start-up.
// Its functions are called by their usual names.

namespace platform {

class SharedLibrary;

SharedLibrary& GstLibrary();
// Opens GStreamer (core, video, app sink) when it is not yet; false when it cannot be.
bool GstAvailable();

}  // namespace platform
