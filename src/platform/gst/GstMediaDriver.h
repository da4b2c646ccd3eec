#pragma once
// Wave audio and video clips on a GStreamer playbin: one pipeline per open
// song. The end of a play is noticed on GStreamer's own threads (a synchronous
// bus handler), so it is reported even while the window thread is busy.

#include "platform/audio/OutputGain.h"
#include "platform/media/MediaDriver.h"

#include <QPointer>

#include <atomic>
#include <memory>
#include <mutex>

typedef struct _GstElement GstElement;
typedef struct _GstBus GstBus;
typedef struct _GstMessage GstMessage;

namespace platform {

class VideoFrameRelay;
class VideoWindow;

class GstMediaDriver : public MediaDriver {
public:
    enum class Kind { Wave, Video };
    static constexpr std::uint32_t kDeviceTypeDigitalVideo = 520;
    static constexpr std::uint32_t kDeviceTypeWaveAudio = 522;

    explicit GstMediaDriver(Kind kind);
    ~GstMediaDriver() override;

    mci::ErrorCode open(const std::string& file) override;
    std::uint32_t lengthMs() const override;
    std::uint32_t positionMs() const override;
    MediaMode mode() const override;
    mci::ErrorCode play(std::uint32_t toMs) override;
    mci::ErrorCode pause() override;
    mci::ErrorCode stop() override;
    mci::ErrorCode seek(std::uint32_t ms) override;
    mci::ErrorCode setAudio(bool on) override;
    void setEndHandler(EndHandler handler) override;
    std::string info(std::uint32_t flags) const override;
    std::uint32_t deviceCaps(std::uint32_t item) const override;

    // Video only (a wave device answers MCIERR_UNSUPPORTED_FUNCTION).
    mci::ErrorCode update() override;
    mci::ErrorCode putDestination(const QRect& rect) override;
    mci::ErrorCode cue(std::uint32_t toMs) override;
    mci::ErrorCode setVolume(std::uint32_t level) override;
    mci::ErrorCode setWindow(QWidget* parent) override;

    // The clip's window; null for wave songs and when no window system is usable.
    VideoWindow* videoWindow() const;
    bool muted() const;
    // The open song's playbin (null when none), for tools that watch or drive
    // GStreamer directly.
    GstElement* pipeline() const { return pipeline_; }

private:
    static int onBusMessage(GstBus* bus, GstMessage* message, void* self);
    void handleMessage(GstMessage* message);
    void close();
    mci::ErrorCode settle();
    mci::ErrorCode halt(MediaMode mode);
    std::uint32_t queryPositionMs() const;
    mci::ErrorCode seekPaused(std::uint32_t ms);
    void makeVideoWindow();
    void applyVolume();

    const Kind kind_;
    GstElement* pipeline_ = nullptr;
    std::string path_;
    std::uint32_t lengthMs_ = 0;

    mutable std::mutex mutex_;  // guards what the bus handler shares with the commands
    MediaMode mode_ = MediaMode::Stopped;
    bool armed_ = false;        // the play in progress may still end and report it
    std::uint32_t targetMs_ = 0;
    std::uint32_t heldMs_ = 0;  // the position whenever not playing
    mutable std::uint32_t seenMs_ = 0;  // the furthest position read during the play in progress
    mci::ErrorCode firstError_ = 0;
    EndHandler endHandler_;

    // The video's own volume (setVolume, 0..1); what playbin plays at is this
    // times the program's output gain.
    std::atomic<double> deviceVolume_{1.0};
    OutputGain::Subscription gainSubscription_;

    std::unique_ptr<VideoFrameRelay> relay_;
    QPointer<VideoWindow> window_;
};

// Null when GStreamer cannot be opened.
std::unique_ptr<MediaDriver> CreateWaveDriver();
std::unique_ptr<MediaDriver> CreateVideoDriver();

}  // namespace platform
