#pragma once
// Carries decoded frames from GStreamer's streaming thread to the video window on
// the window thread. The relay outlives the pipeline's threads (its owner stops
// the pipeline first); the window may go away at any time.

#include "platform/gst/VideoWindow.h"

#include <QObject>
#include <QPointer>

typedef struct _GstElement GstElement;

namespace platform {

class VideoFrameRelay : public QObject {
    Q_OBJECT
public:
    explicit VideoFrameRelay(VideoWindow* window) : window_(window) {}

    // A new appsink (BGRx frames, clocked) that hands its frames to this relay.
    GstElement* makeSink();
    VideoWindow* window() const { return window_; }
    void setWindow(VideoWindow* window) { window_ = window; }

    // Called on the streaming thread.
    void deliver(const QImage& frame);

private:
    QPointer<VideoWindow> window_;
};

}  // namespace platform
