#include "platform/gst/GstRuntime.h"

#include "platform/media/SoundOutput.h"

#include <gst/gst.h>

#include <cstring>
#include <mutex>

namespace platform {

namespace {

// autoaudiosink never fails: with no server it settles on a fake sink. Ask which
// sink it really chose.
bool probeSoundServer()
{
    GstElement* probe = gst_element_factory_make("autoaudiosink", nullptr);
    if (!probe)
        return false;
    bool present = false;
    if (gst_element_set_state(probe, GST_STATE_READY) != GST_STATE_CHANGE_FAILURE && GST_IS_BIN(probe)) {
        GstIterator* it = gst_bin_iterate_elements(GST_BIN(probe));
        GValue item = G_VALUE_INIT;
        while (gst_iterator_next(it, &item) == GST_ITERATOR_OK) {
            auto* child = GST_ELEMENT(g_value_get_object(&item));
            GstElementFactory* factory = gst_element_get_factory(child);
            const char* name = factory ? gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory)) : "";
            if (std::strcmp(name, "fakesink") != 0 && std::strcmp(name, "fakeaudiosink") != 0)
                present = true;
            g_value_reset(&item);
        }
        g_value_unset(&item);
        gst_iterator_free(it);
    }
    gst_element_set_state(probe, GST_STATE_NULL);
    gst_object_unref(probe);
    return present;
}

}  // namespace

void GstRuntime::ensure()
{
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
}

bool GstRuntime::soundServerPresent()
{
    ensure();
    static const bool present = probeSoundServer();
    return present;
}

GstElement* GstRuntime::makeClockedFakeSink(const char* name)
{
    ensure();
    GstElement* sink = gst_element_factory_make("fakesink", name);
    g_object_set(sink, "sync", TRUE, nullptr);
    return sink;
}

GstElement* GstRuntime::makeAudioSink()
{
    ensure();
    if (SoundOutput::instance().nullOutputForced())
        return makeClockedFakeSink("silent-audio");
    if (soundServerPresent()) {
        if (GstElement* sink = gst_element_factory_make("autoaudiosink", nullptr))
            return sink;
    }
    SoundOutput::instance().reportMissing(QStringLiteral("No sound server answered; wave and video sound is not heard."));
    return makeClockedFakeSink("silent-audio");
}

mci::ErrorCode GstRuntime::errorCode(const GError* error)
{
    if (!error)
        return mci::MCIERR_INVALID_FILE;
    if (error->domain == GST_RESOURCE_ERROR) {
        switch (error->code) {
        case GST_RESOURCE_ERROR_NOT_FOUND:
        case GST_RESOURCE_ERROR_OPEN_READ:
        case GST_RESOURCE_ERROR_OPEN_READ_WRITE:
            return mci::MCIERR_FILE_NOT_FOUND;
        case GST_RESOURCE_ERROR_OPEN_WRITE:
        case GST_RESOURCE_ERROR_BUSY:
            return mci::MCIERR_HARDWARE;
        case GST_RESOURCE_ERROR_NO_SPACE_LEFT:
            return mci::MCIERR_OUT_OF_MEMORY;
        default:
            return mci::MCIERR_INVALID_FILE;
        }
    }
    // Missing decoders, damaged streams and unknown formats alike: the file cannot be played.
    return mci::MCIERR_INVALID_FILE;
}

}  // namespace platform
