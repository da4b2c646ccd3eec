#include "platform/midi/SynthHost.h"

#include "platform/audio/OutputGain.h"
#include "platform/media/SoundOutput.h"
#include "platform/midi/FluidSynthLibrary.h"
#include "platform/midi/NullAudioThread.h"
#include "platform/midi/SoundFontNotice.h"

#include <QString>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <utility>

namespace platform {

namespace {

// FluidSynth reports a driver that cannot reach a server, or a SoundFont it
// cannot read, as errors on stderr; we keep the texts for the one message the
// program shows instead: the first says what went wrong, the last what failed.
std::mutex logMutex;
std::string firstFluidError;
std::string lastFluidError;

void captureLog(int level, const char* message, void*)
{
    if (level > FLUID_WARN || message == nullptr)
        return;
    std::lock_guard lock(logMutex);
    if (firstFluidError.empty())
        firstFluidError = message;
    lastFluidError = message;
}

void captureFluidLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, captureLog, nullptr);
    });
}

// Loading a SoundFont leaves much freed memory behind (its file read in pieces,
// the structures of the one it replaced): handed back to the system, it no
// longer counts as the program's.
void releaseFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// Both texts, cleared.
std::pair<std::string, std::string> takeErrors()
{
    std::lock_guard lock(logMutex);
    return {std::exchange(firstFluidError, std::string()), std::exchange(lastFluidError, std::string())};
}

// Below -60 dB full scale.
bool Inaudible(int frames, const float* left, const float* right)
{
    constexpr float kQuiet = 0.001f;
    const auto loud = [](float sample) { return sample > kQuiet || sample < -kQuiet; };
    return std::none_of(left, left + frames, loud) && std::none_of(right, right + frames, loud);
}

// Best first; a name's .sf2 before its .sf3.
constexpr const char* kGeneralMidiNames[] = {
    "default-GM.sf2", "default-GM.sf3", "FluidR3_GM.sf2", "FluidR3_GM.sf3", "TimGM6mb.sf2", "TimGM6mb.sf3",
};

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

SynthHost::SynthHost() : folders_(defaultSoundFontFolders()) {}

std::vector<std::string> SynthHost::defaultSoundFontFolders()
{
    std::string userData;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/')
        userData = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
        userData = std::string(home) + "/.local/share";
    std::vector<std::string> folders = {"/usr/share/sounds/sf2", "/usr/share/sounds/sf3"};
    if (!userData.empty()) {
        folders.push_back(userData + "/sounds/sf2");
        folders.push_back(userData + "/sounds/sf3");
    }
    folders.push_back("/usr/share/soundfonts");
    return folders;
}

std::string SynthHost::findSoundFont(const std::vector<std::string>& folders)
{
    std::error_code ec;
    for (const char* name : kGeneralMidiNames) {
        for (const std::string& folder : folders) {
            // A dangling default-GM link is passed over like a missing file.
            const std::filesystem::path path = std::filesystem::path(folder) / name;
            if (std::filesystem::is_regular_file(path, ec))
                return path.string();
        }
    }
    return {};
}

std::string SynthHost::soundFontProblem(const std::string& path)
{
    if (!FluidSynthAvailable())
        return "No synthesizer could be made to try it.";
    captureFluidLog();
    if (!fluid_is_soundfont(path.c_str()))
        return "The file is not a SoundFont (SF2 or SF3).";
    takeErrors();
    fluid_settings_t* settings = newSettings();
    fluid_synth_t* scratch = new_fluid_synth(settings);
    std::string problem;
    if (scratch == nullptr) {
        problem = "No synthesizer could be made to try it.";
    } else if (fluid_synth_sfload(scratch, path.c_str(), 0) < 0) {
        problem = takeErrors().first;
        if (problem.empty())
            problem = "FluidSynth could not load it.";
    }
    if (scratch != nullptr)
        delete_fluid_synth(scratch);
    delete_fluid_settings(settings);
    return problem;
}

int SynthHost::soundFontId() const
{
    std::lock_guard lock(fontMutex_);
    return soundFontId_;
}

std::string SynthHost::soundFontPath() const
{
    std::lock_guard lock(fontMutex_);
    return soundFontPath_;
}

void SynthHost::setChosenSoundFont(const std::string& path)
{
    std::lock_guard lock(fontMutex_);
    chosen_ = path;
    selectionChanged_ = true;
}

std::string SynthHost::chosenSoundFont() const
{
    std::lock_guard lock(fontMutex_);
    return chosen_;
}

void SynthHost::setSoundFontFolders(std::vector<std::string> folders)
{
    std::lock_guard lock(fontMutex_);
    folders_ = std::move(folders);
    selectionChanged_ = true;
}

fluid_settings_t* SynthHost::newSettings()
{
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
    fluid_settings_setint(settings, "synth.threadsafe-api", 1);
    // Only the samples of the instruments in use are read into memory: a large
    // SoundFont then costs what a song plays, not what the file holds.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "synth.midi-channels", kSongChannels + kHoldChannels);
    return settings;
}

bool SynthHost::start()
{
    std::lock_guard lock(startMutex_);
    if (started_)
        return synth_ != nullptr && soundFontId() >= 0;
    started_ = true;
    // Without FluidSynth there is no synthesizer, as when none can be made.
    if (!FluidSynthAvailable())
        return false;
    captureFluidLog();
    settings_ = newSettings();
    synth_ = new_fluid_synth(settings_);
    const bool loaded = synth_ != nullptr && selectSoundFont();
    releaseFreedMemory();
    if (!loaded)
        return false;
    startOutput();
    return true;
}

bool SynthHost::startSong()
{
    bool ready = start();
    if (synth_ == nullptr)
        return false;
    {
        std::lock_guard lock(startMutex_);
        bool changed = false;
        {
            std::lock_guard fontLock(fontMutex_);
            changed = selectionChanged_;
        }
        if (changed && !hasClients()) {
            ready = selectSoundFont();
            releaseFreedMemory();
            // The output waits for the first SoundFont.
            if (ready && !driver_ && !nullThread_)
                startOutput();
        }
    }
    if (!ready)
        SoundFontNotice::instance().reportMissing();
    return ready;
}

void SynthHost::holdInstruments(const std::vector<Instrument>& instruments)
{
    std::lock_guard lock(startMutex_);
    const int font = soundFontId();
    if (synth_ == nullptr || font < 0)
        return;
    for (int i = 0; i < kHoldChannels; ++i) {
        const int channel = kSongChannels + i;
        if (static_cast<std::size_t>(i) >= instruments.size()) {
            fluid_synth_unset_program(synth_, channel);
            continue;
        }
        const Instrument& wanted = instruments[static_cast<std::size_t>(i)];
        const Instrument fallback = wanted.bank == kDrumBank ? Instrument{kDrumBank, 0} : Instrument{0, wanted.program};
        if (fluid_synth_program_select(synth_, channel, font, wanted.bank, wanted.program) != FLUID_OK
            && fluid_synth_program_select(synth_, channel, font, fallback.bank, fallback.program) != FLUID_OK)
            fluid_synth_unset_program(synth_, channel);
    }
}

bool SynthHost::hasClients()
{
    std::lock_guard lock(clientMutex_);
    return !clients_.empty();
}

bool SynthHost::selectSoundFont()
{
    std::vector<std::string> candidates;
    int loadedId = -1;
    std::string loadedPath;
    {
        std::lock_guard lock(fontMutex_);
        selectionChanged_ = false;
        if (!chosen_.empty())
            candidates.push_back(chosen_);
        candidates.push_back(findSoundFont(folders_));
        loadedId = soundFontId_;
        loadedPath = soundFontPath_;
    }
    for (const std::string& path : candidates) {
        if (path.empty())
            continue;
        if (loadedId >= 0 && path == loadedPath)
            return true;
        // Loading takes the synthesizer's lock: the audio thread waits, but no
        // song is open to be heard meanwhile.
        const int id = fluid_synth_sfload(synth_, path.c_str(), 1);
        if (id < 0)
            continue;
        // Voices still ringing keep the old SoundFont alive until they end.
        if (loadedId >= 0)
            fluid_synth_sfunload(synth_, loadedId, 1);
        std::lock_guard lock(fontMutex_);
        soundFontId_ = id;
        soundFontPath_ = path;
        return true;
    }
    if (loadedId >= 0)
        fluid_synth_sfunload(synth_, loadedId, 1);
    std::lock_guard lock(fontMutex_);
    soundFontId_ = -1;
    soundFontPath_.clear();
    return false;
}

void SynthHost::setManualRendering(bool manual)
{
    std::lock_guard lock(startMutex_);
    if (manual == manual_)
        return;
    stopOutput();
    manual_ = manual;
    if (synth_ && soundFontId() >= 0)
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
        const std::string detail = takeErrors().second;
        SoundOutput::instance().reportMissing(
            QStringLiteral("No sound output for MIDI: %1").arg(QString::fromStdString(detail)));
    }
    nullThread_ = std::make_unique<NullAudioThread>(*this);
}

void SynthHost::stopOutput()
{
    if (driver_) {
        // An output waiting for the next play stops waiting.
        playStarted();
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
    if (deferred.empty())
        return;
    {
        std::lock_guard lock(playMutex_);
        playStarted_ = false;
    }
    for (auto& call : deferred)
        call();
    // Only on the server's output (the null output keeps to the wall clock and
    // manual rendering to its caller), and only when the end is silent, so that
    // no ringing note or reverberation can be broken off by the wait.
    if (driver_ && Inaudible(frames, dryL, dryR))
        waitForNextPlay();
}

void SynthHost::waitForNextPlay()
{
    std::unique_lock lock(playMutex_);
    playWake_.wait_for(lock, std::chrono::milliseconds(kNextPlayWaitMs), [this] { return playStarted_; });
}

void SynthHost::playStarted()
{
    {
        std::lock_guard lock(playMutex_);
        playStarted_ = true;
    }
    playWake_.notify_all();
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
