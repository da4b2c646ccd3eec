#include "platform/midi/SynthHost.h"

#include "platform/audio/OutputGain.h"
#include "platform/media/SoundOutput.h"
#include "platform/midi/NullAudioThread.h"

#include <QString>

#include <algorithm>
#include <filesystem>

namespace platform {

namespace {

// FluidSynth reports a driver that cannot reach a server as an error on stderr;
// we keep the text for the one message the program shows instead.
std::mutex logMutex;
std::string lastFluidError;

void captureLog(int level, const char* message, void*)
{
    if (level > FLUID_WARN || message == nullptr)
        return;
    std::lock_guard lock(logMutex);
    lastFluidError = message;
}

std::string takeLastError()
{
    std::lock_guard lock(logMutex);
    return std::exchange(lastFluidError, std::string());
}

}  // namespace

SynthHost& SynthHost::instance()
{
    static SynthHost host;
    return host;
}

SynthHost::~SynthHost()
{
    stopOutput();
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

std::string SynthHost::findSoundFont()
{
    static const char* const candidates[] = {
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/soundfonts/FluidR3_GM.sf2",
        "/usr/share/soundfonts/default.sf2",
    };
    std::error_code ec;
    for (const char* path : candidates) {
        if (std::filesystem::is_regular_file(path, ec))
            return path;
    }
    return {};
}

fluid_settings_t* SynthHost::newSettings()
{
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
    fluid_settings_setint(settings, "synth.threadsafe-api", 1);
    return settings;
}

bool SynthHost::start()
{
    std::lock_guard lock(startMutex_);
    if (started_)
        return synth_ != nullptr && soundFontId_ >= 0;
    started_ = true;
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, captureLog, nullptr);
    settings_ = newSettings();
    synth_ = new_fluid_synth(settings_);
    if (!synth_)
        return false;
    soundFontPath_ = findSoundFont();
    if (!soundFontPath_.empty())
        soundFontId_ = fluid_synth_sfload(synth_, soundFontPath_.c_str(), 1);
    if (soundFontId_ < 0)
        return false;
    startOutput();
    return true;
}

void SynthHost::setManualRendering(bool manual)
{
    std::lock_guard lock(startMutex_);
    if (manual == manual_)
        return;
    stopOutput();
    manual_ = manual;
    if (synth_ && soundFontId_ >= 0)
        startOutput();
}

void SynthHost::startOutput()
{
    if (manual_)
        return;
    if (!SoundOutput::instance().nullOutputForced()) {
        for (const char* name : {"pulseaudio"}) {
            fluid_settings_setstr(settings_, "audio.driver", name);
            driver_ = new_fluid_audio_driver2(settings_, &SynthHost::driverCallback, this);
            if (driver_) {
                driverName_ = name;
                return;
            }
        }
        const std::string detail = takeLastError();
        SoundOutput::instance().reportMissing(
            QStringLiteral("No sound output for MIDI: %1").arg(QString::fromStdString(detail)));
    }
    nullThread_ = std::make_unique<NullAudioThread>(*this);
}

void SynthHost::stopOutput()
{
    if (driver_) {
        delete_fluid_audio_driver(driver_);
        driver_ = nullptr;
        driverName_.clear();
    }
    nullThread_.reset();
}

std::string SynthHost::outputName() const
{
    if (manual_)
        return "manual";
    if (driver_)
        return driverName_;
    return nullThread_ ? "null" : "";
}

int SynthHost::driverCallback(void* data, int len, int, float*[], int nout, float* out[])
{
    if (nout < 2)
        return FLUID_FAILED;
    static_cast<SynthHost*>(data)->renderBlock(len, out[0], out[1]);
    return FLUID_OK;
}

std::int64_t SynthHost::render(std::int64_t frames, float* left, float* right)
{
    if (!manual_ || !synth_)
        return 0;
    constexpr int kBlock = 4096;
    std::vector<float> discardL, discardR;
    if (!left || !right) {
        discardL.resize(kBlock);
        discardR.resize(kBlock);
    }
    std::int64_t done = 0;
    while (done < frames) {
        const int n = static_cast<int>(std::min<std::int64_t>(kBlock, frames - done));
        renderBlock(n, left ? left + done : discardL.data(), right ? right + done : discardR.data());
        done += n;
    }
    return done;
}

void SynthHost::renderBlock(int frames, float* dryL, float* dryR)
{
    RenderClient::Deferred deferred;
    {
        std::lock_guard lock(clientMutex_);
        int done = 0;
        while (done < frames) {
            std::int64_t n = frames - done;
            for (RenderClient* client : clients_)
                n = std::min(n, client->dispatchDue());
            n = std::max<std::int64_t>(n, 1);
            fluid_synth_write_float(synth_, static_cast<int>(n), dryL, done, 1, dryR, done, 1);
            for (RenderClient* client : clients_)
                client->rendered(n, deferred);
            done += static_cast<int>(n);
        }
    }
    if (muted_) {
        std::fill(dryL, dryL + frames, 0.0f);
        std::fill(dryR, dryR + frames, 0.0f);
    } else {
        applyOutputGain(frames, dryL, dryR);
    }
    framesRendered_ += frames;
    for (auto& call : deferred)
        call();
}

void SynthHost::applyOutputGain(int frames, float* dryL, float* dryR)
{
    const OutputGain& gain = OutputGain::instance();
    const float left = gain.left();
    const float right = gain.right();
    if (left != 1.0f)
        std::transform(dryL, dryL + frames, dryL, [left](float sample) { return sample * left; });
    if (right != 1.0f)
        std::transform(dryR, dryR + frames, dryR, [right](float sample) { return sample * right; });
}

void SynthHost::addClient(RenderClient* client)
{
    std::lock_guard lock(clientMutex_);
    if (std::find(clients_.begin(), clients_.end(), client) == clients_.end())
        clients_.push_back(client);
}

void SynthHost::removeClient(RenderClient* client)
{
    std::lock_guard lock(clientMutex_);
    std::erase(clients_, client);
}

}  // namespace platform
