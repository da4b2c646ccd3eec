#include "platform/gst/VideoFrameRelay.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

namespace platform {

namespace {

void showSample(GstSample* sample, gpointer data)
{
    GstVideoInfo info;
    GstVideoFrame frame;
    if (gst_video_info_from_caps(&info, gst_sample_get_caps(sample))
        && gst_video_frame_map(&frame, &info, gst_sample_get_buffer(sample), GST_MAP_READ)) {
        const QImage view(static_cast<const uchar*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0)), GST_VIDEO_FRAME_WIDTH(&frame),
                          GST_VIDEO_FRAME_HEIGHT(&frame), GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0), QImage::Format_RGB32);
        static_cast<VideoFrameRelay*>(data)->deliver(view.copy());
        gst_video_frame_unmap(&frame);
    }
    gst_sample_unref(sample);
}

GstFlowReturn onSample(GstAppSink* sink, gpointer data)
{
    GstSample* sample = gst_app_sink_pull_sample(sink);
    if (!sample)
        return GST_FLOW_EOS;
    showSample(sample, data);
    return GST_FLOW_OK;
}

// The frame at a paused or sought position shows before play starts.
GstFlowReturn onPreroll(GstAppSink* sink, gpointer data)
{
    GstSample* sample = gst_app_sink_pull_preroll(sink);
    if (!sample)
        return GST_FLOW_EOS;
    showSample(sample, data);
    return GST_FLOW_OK;
}

}  // namespace

GstElement* VideoFrameRelay::makeSink()
{
    GstElement* sink = gst_element_factory_make("appsink", "video-window");
    if (!sink)
        return nullptr;
    // BGRx is QImage's RGB32 byte order on little-endian machines.
    GstCaps* caps = gst_caps_from_string(G_BYTE_ORDER == G_LITTLE_ENDIAN ? "video/x-raw,format=BGRx"
                                                                         : "video/x-raw,format=xRGB");
    g_object_set(sink, "caps", caps, "sync", TRUE, "max-buffers", 2u, "drop", TRUE, nullptr);
    gst_caps_unref(caps);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = &onSample;
    callbacks.new_preroll = &onPreroll;
    gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, this, nullptr);
    return sink;
}

void VideoFrameRelay::deliver(const QImage& frame)
{
    QMetaObject::invokeMethod(
        this,
        [this, frame] {
            if (window_)
                window_->setFrame(frame);
        },
        Qt::QueuedConnection);
}

}  // namespace platform
