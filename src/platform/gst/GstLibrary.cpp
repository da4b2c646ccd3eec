#include "platform/gst/GstLibrary.h"

#include "platform/system/SharedLibrary.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

namespace platform {

SharedLibrary& GstLibrary()
{
    // Never destroyed: devices may close at exit through it.
    static SharedLibrary& library =
        *new SharedLibrary{"libgstreamer-1.0.so.0", "libgstvideo-1.0.so.0", "libgstapp-1.0.so.0"};
    return library;
}

bool GstAvailable()
{
    return GstLibrary().load();
}

}  // namespace platform

#define GST(ret, name, params, args) VANTOR_FORWARD(platform::GstLibrary(), ret, name, params, args)

// Start-up, types and errors.
GST(void, gst_init, (int* argc, char*** argv), (argc, argv))
GST(GType, gst_object_get_type, (void), ())
GST(GType, gst_element_get_type, (void), ())
GST(GType, gst_bin_get_type, (void), ())
GST(GType, gst_plugin_feature_get_type, (void), ())
GST(GType, gst_app_sink_get_type, (void), ())
GST(GQuark, gst_resource_error_quark, (void), ())
GST(GQuark, gst_stream_error_quark, (void), ())
GST(gchar*, gst_filename_to_uri, (const gchar* file, GError** error), (file, error))

// Objects and elements.
GST(gpointer, gst_object_ref_sink, (gpointer object), (object))
GST(void, gst_object_unref, (gpointer object), (object))
GST(void, gst_mini_object_unref, (GstMiniObject* object), (object))
GST(GstElement*, gst_element_factory_make, (const gchar* factory, const gchar* name), (factory, name))
GST(GstElementFactory*, gst_element_get_factory, (GstElement* e), (e))
GST(GstBus*, gst_element_get_bus, (GstElement* e), (e))
GST(GstStateChangeReturn, gst_element_set_state, (GstElement* e, GstState s), (e, s))
GST(GstStateChangeReturn, gst_element_get_state, (GstElement* e, GstState* s, GstState* p, GstClockTime t),
    (e, s, p, t))
GST(gboolean, gst_element_query_duration, (GstElement* e, GstFormat f, gint64* v), (e, f, v))
GST(gboolean, gst_element_query_position, (GstElement* e, GstFormat f, gint64* v), (e, f, v))
GST(gboolean, gst_element_seek,
    (GstElement* e, gdouble rate, GstFormat f, GstSeekFlags fl, GstSeekType st, gint64 s, GstSeekType et, gint64 end),
    (e, rate, f, fl, st, s, et, end))
GST(gboolean, gst_element_seek_simple, (GstElement* e, GstFormat f, GstSeekFlags fl, gint64 pos), (e, f, fl, pos))
GST(gboolean, gst_element_post_message, (GstElement* e, GstMessage* m), (e, m))
GST(GstIterator*, gst_bin_iterate_elements, (GstBin* bin), (bin))
GST(GstIteratorResult, gst_iterator_next, (GstIterator* it, GValue* item), (it, item))
GST(void, gst_iterator_free, (GstIterator* it), (it))
GST(GstCaps*, gst_pad_get_current_caps, (GstPad* pad), (pad))
GST(GstCaps*, gst_caps_from_string, (const gchar* text), (text))

// Messages.
GST(void, gst_bus_set_sync_handler, (GstBus* bus, GstBusSyncHandler f, gpointer d, GDestroyNotify n), (bus, f, d, n))
GST(void, gst_message_parse_error, (GstMessage* m, GError** e, gchar** debug), (m, e, debug))
GST(GstMessage*, gst_message_new_error, (GstObject* src, GError* e, const gchar* debug), (src, e, debug))

// Video frames from the app sink.
GST(GstSample*, gst_app_sink_pull_preroll, (GstAppSink* sink), (sink))
GST(GstSample*, gst_app_sink_pull_sample, (GstAppSink* sink), (sink))
GST(void, gst_app_sink_set_callbacks, (GstAppSink* sink, GstAppSinkCallbacks* c, gpointer d, GDestroyNotify n),
    (sink, c, d, n))
GST(GstBuffer*, gst_sample_get_buffer, (GstSample* s), (s))
GST(GstCaps*, gst_sample_get_caps, (GstSample* s), (s))
GST(gboolean, gst_video_info_from_caps, (GstVideoInfo* info, const GstCaps* caps), (info, caps))
GST(gboolean, gst_video_frame_map, (GstVideoFrame* f, const GstVideoInfo* info, GstBuffer* b, GstMapFlags fl),
    (f, info, b, fl))
GST(void, gst_video_frame_unmap, (GstVideoFrame* f), (f))
