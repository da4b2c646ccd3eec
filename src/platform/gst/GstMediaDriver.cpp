#include "platform/gst/GstMediaDriver.h"

#include "platform/gst/GstLibrary.h"
#include "platform/gst/GstRuntime.h"
#include "platform/gst/VideoFrameRelay.h"
#include "platform/gst/VideoWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QThread>

#include <gst/gst.h>
#include <gst/video/video.h>

#include <algorithm>
#include <filesystem>

namespace platform {

namespace {

// Local files preroll in milliseconds; a damaged one may hang without an error.
constexpr GstClockTime kStateTimeout = 2 * GST_SECOND;
constexpr GstClockTime kStateSlice = 5 * GST_MSECOND;
// playbin's flags: video, audio, subtitles, visualisation, software volume.
constexpr guint kPlayVideo = 0x1;
constexpr guint kPlayAudio = 0x2;
constexpr guint kPlaySoftVolume = 0x10;

bool windowSystemUsable()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance())
           && QThread::currentThread() == QCoreApplication::instance()->thread();
}

}  // namespace

GstMediaDriver::GstMediaDriver(Kind kind)
    : kind_(kind)
{
    GstRuntime::ensure();
}

GstMediaDriver::~GstMediaDriver()
{
    close();
}

void GstMediaDriver::close()
{
    // Waits for a gain change in progress on another thread, which may still use the pipeline.
    gainSubscription_.reset();
    if (pipeline_) {
        // Joins the streaming threads, so no handler or frame callback runs after this.
        gst_element_set_state(pipeline_, GST_STATE_NULL);
        GstBus* bus = gst_element_get_bus(pipeline_);
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        gst_object_unref(pipeline_);
        pipeline_ = nullptr;
    }
    relay_.reset();
    delete window_.data();
}

int GstMediaDriver::onBusMessage(GstBus*, GstMessage* message, void* self)
{
    static_cast<GstMediaDriver*>(self)->handleMessage(message);
    // A dropped message is the handler's to release: each holds its source, so a
    // message kept would keep the whole pipeline, its threads' descriptors with it.
    gst_message_unref(message);
    return GST_BUS_DROP;
}

void GstMediaDriver::handleMessage(GstMessage* message)
{
    EndHandler notify;
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS: {
        std::lock_guard lock(mutex_);
        if (armed_) {
            armed_ = false;
            mode_ = MediaMode::Stopped;
            heldMs_ = targetMs_;
            notify = endHandler_;
        }
        break;
    }
    case GST_MESSAGE_ERROR: {
        GError* error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        std::lock_guard lock(mutex_);
        if (!firstError_)
            firstError_ = GstRuntime::errorCode(error);
        // A play that fails midway stops where it was last seen and says so at
        // once: short of its end point, the layer reports it as a failure.
        if (mode_ == MediaMode::Playing) {
            armed_ = false;
            mode_ = MediaMode::Stopped;
            heldMs_ = std::max(heldMs_, seenMs_);
            notify = endHandler_;
        }
        g_error_free(error);
        break;
    }
    default:
        break;
    }
    if (notify)
        notify();
}

mci::ErrorCode GstMediaDriver::settle()
{
    // An error on the bus does not end a pending state change: look for one between short waits.
    constexpr int kSlices = static_cast<int>(kStateTimeout / kStateSlice);
    GstStateChangeReturn result = GST_STATE_CHANGE_ASYNC;
    for (int i = 0; i < kSlices && result == GST_STATE_CHANGE_ASYNC; ++i) {
        result = gst_element_get_state(pipeline_, nullptr, nullptr, kStateSlice);
        std::lock_guard lock(mutex_);
        if (firstError_)
            return firstError_;
    }
    // Some damaged files never finish prerolling and post no error either.
    if (result == GST_STATE_CHANGE_FAILURE || result == GST_STATE_CHANGE_ASYNC)
        return mci::MCIERR_INVALID_FILE;
    return 0;
}

mci::ErrorCode GstMediaDriver::open(const std::string& file)
{
    if (pipeline_)
        return mci::MCIERR_DEVICE_OPEN;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return mci::MCIERR_FILE_NOT_FOUND;
    gchar* uri = gst_filename_to_uri(file.c_str(), nullptr);
    if (!uri)
        return mci::MCIERR_FILE_NOT_FOUND;
    pipeline_ = gst_element_factory_make("playbin", nullptr);
    if (!pipeline_) {
        g_free(uri);
        return mci::MCIERR_CANNOT_LOAD_DRIVER;
    }
    gst_object_ref_sink(pipeline_);
    path_ = file;
    firstError_ = 0;
    GstBus* bus = gst_element_get_bus(pipeline_);
    gst_bus_set_sync_handler(bus, reinterpret_cast<GstBusSyncHandler>(&GstMediaDriver::onBusMessage), this, nullptr);
    gst_object_unref(bus);

    guint flags = kPlayAudio | kPlaySoftVolume;
    if (kind_ == Kind::Video) {
        flags |= kPlayVideo;
        GstElement* videoSink = nullptr;
        if (windowSystemUsable()) {
            relay_ = std::make_unique<VideoFrameRelay>(nullptr);
            videoSink = relay_->makeSink();
        }
        if (!videoSink)
            videoSink = GstRuntime::makeClockedFakeSink("hidden-video");
        g_object_set(pipeline_, "video-sink", videoSink, nullptr);
    }
    g_object_set(pipeline_, "uri", uri, "flags", flags, "audio-sink", GstRuntime::makeAudioSink(), nullptr);
    g_free(uri);
    applyVolume();
    gainSubscription_ = OutputGain::instance().subscribe([this] { applyVolume(); });

    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    mci::ErrorCode code = settle();
    gint64 duration = -1;
    gint audioStreams = 0;
    gint videoStreams = 0;
    if (!code) {
        g_object_get(pipeline_, "n-audio", &audioStreams, "n-video", &videoStreams, nullptr);
        const bool playable = kind_ == Kind::Wave ? audioStreams > 0 : audioStreams + videoStreams > 0;
        if (!playable || !gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &duration) || duration < 0)
            code = mci::MCIERR_INVALID_FILE;
    }
    if (code) {
        close();
        path_.clear();
        return code;
    }
    lengthMs_ = static_cast<std::uint32_t>(std::min<gint64>(duration / GST_MSECOND, UINT32_MAX));
    {
        std::lock_guard lock(mutex_);
        mode_ = MediaMode::Stopped;
        heldMs_ = 0;
    }
    if (relay_ && videoStreams > 0)
        makeVideoWindow();
    return 0;
}

void GstMediaDriver::makeVideoWindow()
{
    QSize size;
    GstPad* pad = nullptr;
    g_signal_emit_by_name(pipeline_, "get-video-pad", 0, &pad);
    if (pad) {
        if (GstCaps* caps = gst_pad_get_current_caps(pad)) {
            GstVideoInfo info;
            if (gst_video_info_from_caps(&info, caps))
                size = QSize(GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info));
            gst_caps_unref(caps);
        }
        gst_object_unref(pad);
    }
    window_ = new VideoWindow(QFileInfo(QString::fromStdString(path_)).fileName(), size);
    relay_->setWindow(window_);
}

std::uint32_t GstMediaDriver::lengthMs() const
{
    return lengthMs_;
}

std::uint32_t GstMediaDriver::queryPositionMs() const
{
    gint64 position = 0;
    if (!pipeline_ || !gst_element_query_position(pipeline_, GST_FORMAT_TIME, &position) || position < 0)
        return 0;
    return static_cast<std::uint32_t>(std::min<gint64>(position / GST_MSECOND, lengthMs_));
}

std::uint32_t GstMediaDriver::positionMs() const
{
    std::uint32_t limit = 0;
    {
        std::lock_guard lock(mutex_);
        if (mode_ != MediaMode::Playing)
            return heldMs_;
        limit = targetMs_;
    }
    const std::uint32_t at = std::min(queryPositionMs(), limit);
    std::lock_guard lock(mutex_);
    if (mode_ == MediaMode::Playing)
        seenMs_ = std::max(seenMs_, at);
    return at;
}

MediaMode GstMediaDriver::mode() const
{
    std::lock_guard lock(mutex_);
    return mode_;
}

mci::ErrorCode GstMediaDriver::play(std::uint32_t toMs)
{
    if (!pipeline_)
        return mci::MCIERR_DEVICE_NOT_READY;
    const std::uint32_t to = std::min(toMs, lengthMs_);
    const std::uint32_t from = std::min(positionMs(), to);
    {
        std::lock_guard lock(mutex_);
        armed_ = false;
        firstError_ = 0;
    }
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    // The stop position makes the pipeline end exactly at toMs; an empty range ends at once.
    const bool sought = gst_element_seek(pipeline_, 1.0, GST_FORMAT_TIME,
                                         static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                         GST_SEEK_TYPE_SET, static_cast<gint64>(from) * GST_MSECOND,
                                         GST_SEEK_TYPE_SET, static_cast<gint64>(to) * GST_MSECOND);
    if (!sought)
        return mci::MCIERR_DRIVER;
    {
        std::lock_guard lock(mutex_);
        armed_ = true;
        targetMs_ = to;
        heldMs_ = from;
        seenMs_ = from;
        mode_ = MediaMode::Playing;
    }
    if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        std::lock_guard lock(mutex_);
        armed_ = false;
        mode_ = MediaMode::Stopped;
        return firstError_ ? firstError_ : mci::MCIERR_HARDWARE;
    }
    if (VideoWindow* window = window_.data(); window && window->isWindow() && !window->isVisible())
        window->show();
    return 0;
}

mci::ErrorCode GstMediaDriver::halt(MediaMode mode)
{
    if (!pipeline_)
        return mci::MCIERR_DEVICE_NOT_READY;
    bool playing = false;
    {
        std::lock_guard lock(mutex_);
        armed_ = false;
        playing = mode_ == MediaMode::Playing;
    }
    if (playing) {
        const std::uint32_t where = positionMs();
        gst_element_set_state(pipeline_, GST_STATE_PAUSED);
        gst_element_get_state(pipeline_, nullptr, nullptr, kStateTimeout);
        std::lock_guard lock(mutex_);
        heldMs_ = std::max(where, std::min(queryPositionMs(), targetMs_));
    }
    std::lock_guard lock(mutex_);
    // Pausing a device that is not playing changes nothing.
    if (playing || mode == MediaMode::Stopped)
        mode_ = mode;
    return 0;
}

mci::ErrorCode GstMediaDriver::pause()
{
    return halt(MediaMode::Paused);
}

mci::ErrorCode GstMediaDriver::stop()
{
    return halt(MediaMode::Stopped);
}

mci::ErrorCode GstMediaDriver::seekPaused(std::uint32_t ms)
{
    const std::uint32_t to = std::min(ms, lengthMs_);
    {
        std::lock_guard lock(mutex_);
        armed_ = false;
    }
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    if (!gst_element_seek_simple(pipeline_, GST_FORMAT_TIME,
                                 static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                 static_cast<gint64>(to) * GST_MSECOND))
        return mci::MCIERR_DRIVER;
    gst_element_get_state(pipeline_, nullptr, nullptr, kStateTimeout);
    std::lock_guard lock(mutex_);
    heldMs_ = to;
    mode_ = MediaMode::Stopped;
    return 0;
}

mci::ErrorCode GstMediaDriver::seek(std::uint32_t ms)
{
    if (!pipeline_)
        return mci::MCIERR_DEVICE_NOT_READY;
    return seekPaused(ms);
}

mci::ErrorCode GstMediaDriver::setAudio(bool on)
{
    if (!pipeline_)
        return mci::MCIERR_DEVICE_NOT_READY;
    g_object_set(pipeline_, "mute", on ? FALSE : TRUE, nullptr);
    return 0;
}

bool GstMediaDriver::muted() const
{
    gboolean mute = FALSE;
    if (pipeline_)
        g_object_get(pipeline_, "mute", &mute, nullptr);
    return mute;
}

void GstMediaDriver::setEndHandler(EndHandler handler)
{
    std::lock_guard lock(mutex_);
    endHandler_ = std::move(handler);
}

std::string GstMediaDriver::info(std::uint32_t flags) const
{
    if (flags & mci::MCI_INFO_FILE)
        return path_;
    if (flags & mci::MCI_INFO_PRODUCT)
        return kind_ == Kind::Video ? "Video Clip Player" : "Wave Audio Player";
    return {};
}

std::uint32_t GstMediaDriver::deviceCaps(std::uint32_t item) const
{
    switch (item) {
    case mci::MCI_GETDEVCAPS_DEVICE_TYPE: return kind_ == Kind::Video ? kDeviceTypeDigitalVideo : kDeviceTypeWaveAudio;
    case mci::MCI_GETDEVCAPS_HAS_VIDEO: return kind_ == Kind::Video ? 1 : 0;
    case mci::MCI_GETDEVCAPS_HAS_AUDIO:
    case mci::MCI_GETDEVCAPS_USES_FILES:
    case mci::MCI_GETDEVCAPS_COMPOUND_DEVICE:
    case mci::MCI_GETDEVCAPS_CAN_PLAY: return 1;
    default: return 0;
    }
}

mci::ErrorCode GstMediaDriver::update()
{
    if (kind_ != Kind::Video)
        return mci::MCIERR_UNSUPPORTED_FUNCTION;
    if (VideoWindow* window = window_.data())
        window->update();
    return 0;
}

mci::ErrorCode GstMediaDriver::putDestination(const QRect& rect)
{
    if (kind_ != Kind::Video)
        return mci::MCIERR_UNSUPPORTED_FUNCTION;
    if (VideoWindow* window = window_.data())
        window->setDestination(rect);
    return 0;
}

mci::ErrorCode GstMediaDriver::cue(std::uint32_t toMs)
{
    if (kind_ != Kind::Video)
        return mci::MCIERR_UNSUPPORTED_FUNCTION;
    if (!pipeline_)
        return mci::MCIERR_DEVICE_NOT_READY;
    return seekPaused(toMs);
}

mci::ErrorCode GstMediaDriver::setVolume(std::uint32_t level)
{
    if (kind_ != Kind::Video)
        return mci::MCIERR_UNSUPPORTED_FUNCTION;
    if (!pipeline_)
        return mci::MCIERR_DEVICE_NOT_READY;
    if (level > 1000)
        return mci::MCIERR_OUTOFRANGE;
    deviceVolume_ = level / 1000.0;
    applyVolume();
    return 0;
}

void GstMediaDriver::applyVolume()
{
    // playbin has one volume for all channels: the program gain's balance is
    // lost here and the mean of its left and right gains is used.
    const OutputGain& gain = OutputGain::instance();
    const double programGain = (static_cast<double>(gain.left()) + gain.right()) / 2.0;
    g_object_set(pipeline_, "volume", deviceVolume_ * programGain, nullptr);
}

mci::ErrorCode GstMediaDriver::setWindow(QWidget* parent)
{
    if (kind_ != Kind::Video)
        return mci::MCIERR_UNSUPPORTED_FUNCTION;
    VideoWindow* window = window_.data();
    if (!window)
        return 0;
    const bool visible = window->isVisible();
    window->setParent(parent, parent ? Qt::Widget : Qt::Window);
    if (visible || parent)
        window->show();
    return 0;
}

VideoWindow* GstMediaDriver::videoWindow() const
{
    return window_;
}

std::unique_ptr<MediaDriver> CreateWaveDriver()
{
    if (!GstAvailable())
        return nullptr;
    return std::make_unique<GstMediaDriver>(GstMediaDriver::Kind::Wave);
}

std::unique_ptr<MediaDriver> CreateVideoDriver()
{
    if (!GstAvailable())
        return nullptr;
    return std::make_unique<GstMediaDriver>(GstMediaDriver::Kind::Video);
}

}  // namespace platform
