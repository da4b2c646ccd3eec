#pragma once
// GStreamer for the whole process: initialised once, and the one place that
// decides where wave and video sound goes.

#include "platform/mci/MciConstants.h"

typedef struct _GstElement GstElement;
typedef struct _GError GError;

namespace platform {

class GstRuntime {
public:
    // Initialises GStreamer on first use; safe from any thread.
    static void ensure();

    // A new audio sink for one pipeline: the sound server's when one answers,
    // otherwise a fake sink that keeps real time (reported once to SoundOutput).
    static GstElement* makeAudioSink();
    // A fake sink that consumes buffers in real time.
    static GstElement* makeClockedFakeSink(const char* name);

    // Whether a sound server answered the one probe of this process.
    static bool soundServerPresent();

    // The media command layer's code for a GStreamer error.
    static mci::ErrorCode errorCode(const GError* error);
};

}  // namespace platform
