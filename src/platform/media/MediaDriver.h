#pragma once
// One open song on one playback engine. The media command layer opens a driver per
// device (chosen by the element's extension) and turns the commands it receives
// into these calls; it keeps device ids, flags and the notification bookkeeping
// itself, so a driver only plays.

#include "platform/mci/MciConstants.h"

#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

enum class MediaMode { Stopped, Playing, Paused };

class MediaDriver {
public:
    // Called once each time a play reaches its end point, or stops short of it
    // because the engine failed (the position stays where it got to). May run on
    // any thread; the layer moves it to the window thread before anyone sees it.
    using EndHandler = std::function<void()>;

    virtual ~MediaDriver() = default;
    MediaDriver() = default;
    MediaDriver(const MediaDriver&) = delete;
    MediaDriver& operator=(const MediaDriver&) = delete;

    // Opens the file (a Linux path). 0 or an MCIERR_ code; a file that cannot be
    // played is refused here, never later with a crash.
    virtual mci::ErrorCode open(const std::string& file) = 0;

    virtual std::uint32_t lengthMs() const = 0;
    virtual std::uint32_t positionMs() const = 0;
    virtual MediaMode mode() const = 0;

    // Plays from the current position up to toMs (clamped to the length). At toMs
    // the driver stops there, keeps that position and calls the end handler once.
    virtual mci::ErrorCode play(std::uint32_t toMs) = 0;
    // Pause and stop keep the position; neither calls the end handler. Neither
    // leaves a note sounding.
    virtual mci::ErrorCode pause() = 0;
    virtual mci::ErrorCode stop() = 0;
    // Stops playing and moves to ms (clamped to the length).
    virtual mci::ErrorCode seek(std::uint32_t ms) = 0;
    // Sound on or off without stopping (mute).
    virtual mci::ErrorCode setAudio(bool on) = 0;

    virtual void setEndHandler(EndHandler handler) = 0;

    // Text for MCI_INFO (product name, file) and values for MCI_GETDEVCAPS.
    virtual std::string info(std::uint32_t flags) const = 0;
    virtual std::uint32_t deviceCaps(std::uint32_t item) const = 0;

    // Video commands. Drivers without video answer MCIERR_UNSUPPORTED_FUNCTION.
    virtual mci::ErrorCode update() { return mci::MCIERR_UNSUPPORTED_FUNCTION; }
    virtual mci::ErrorCode putDestination(const QRect&) { return mci::MCIERR_UNSUPPORTED_FUNCTION; }
    virtual mci::ErrorCode configure() { return mci::MCIERR_UNSUPPORTED_FUNCTION; }
    virtual mci::ErrorCode cue(std::uint32_t) { return mci::MCIERR_UNSUPPORTED_FUNCTION; }
    virtual mci::ErrorCode step(std::uint32_t, bool) { return mci::MCIERR_UNSUPPORTED_FUNCTION; }
    virtual mci::ErrorCode setVolume(std::uint32_t) { return mci::MCIERR_UNSUPPORTED_FUNCTION; }
    virtual mci::ErrorCode setSpeed(std::uint32_t) { return mci::MCIERR_UNSUPPORTED_FUNCTION; }
    virtual mci::ErrorCode setWindow(QWidget*) { return mci::MCIERR_UNSUPPORTED_FUNCTION; }
};

}  // namespace platform
