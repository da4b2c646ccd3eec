#include "support/SimulatedMci.h"

#include "platform/mci/Mci.h"
#include "platform/mci/MediaDriverRegistry.h"

#include <algorithm>
#include <cctype>

using namespace mci;
using platform::MediaMode;

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

// One open simulated song.
class SimDriver : public platform::MediaDriver {
public:
    explicit SimDriver(SimulatedMci& sim) : sim_(sim) { sim_.drivers_.push_back(this); }
    ~SimDriver() override { std::erase(sim_.drivers_, this); }

    ErrorCode open(const std::string& file) override
    {
        song_ = sim_.song(file);
        if (!song_)
            return MCIERR_FILE_NOT_FOUND;
        ++song_->opens;
        if (song_->behaviour == SimBehaviour::FailsToOpen) {
            const ErrorCode err = song_->error ? song_->error : MCIERR_INVALID_FILE;
            song_ = nullptr;
            return err;
        }
        return 0;
    }
    std::uint32_t lengthMs() const override { return song_ ? song_->lengthMs : 0; }
    std::uint32_t positionMs() const override { return position_; }
    MediaMode mode() const override { return mode_; }
    ErrorCode play(std::uint32_t toMs) override
    {
        ++song_->plays;
        if (song_->behaviour == SimBehaviour::FailsToPlay)
            return song_->error ? song_->error : MCIERR_HARDWARE;
        to_ = std::min(toMs, song_->lengthMs);
        mode_ = MediaMode::Playing;
        if (position_ >= to_)
            finish(to_);
        return 0;
    }
    ErrorCode pause() override
    {
        if (mode_ == MediaMode::Playing)
            mode_ = MediaMode::Paused;
        return 0;
    }
    ErrorCode stop() override
    {
        mode_ = MediaMode::Stopped;
        return 0;
    }
    ErrorCode seek(std::uint32_t ms) override
    {
        mode_ = MediaMode::Stopped;
        position_ = std::min(ms, song_->lengthMs);
        return 0;
    }
    ErrorCode setAudio(bool on) override
    {
        song_->audioOn = on;
        return 0;
    }
    void setEndHandler(EndHandler handler) override { handler_ = std::move(handler); }
    std::string info(std::uint32_t) const override { return "Simulated device"; }
    std::uint32_t deviceCaps(std::uint32_t item) const override
    {
        return item == MCI_GETDEVCAPS_CAN_PLAY || item == MCI_GETDEVCAPS_HAS_AUDIO ||
               item == MCI_GETDEVCAPS_USES_FILES || item == MCI_GETDEVCAPS_COMPOUND_DEVICE;
    }

    bool plays(const SimSong* song) const { return song_ == song; }

    void advance(std::uint32_t ms)
    {
        if (mode_ != MediaMode::Playing)
            return;
        std::uint32_t target = to_;
        const bool stalls = song_->behaviour == SimBehaviour::Stalls && song_->atMs < to_;
        const bool fails = song_->behaviour == SimBehaviour::FailsDuringPlay && song_->atMs < to_;
        if (stalls || fails)
            target = std::max(position_, song_->atMs);
        const std::uint32_t reached = position_ + std::min<std::uint64_t>(ms, target - position_);
        position_ = reached;
        if (reached < target || stalls)
            return;
        finish(reached);
    }

private:
    void finish(std::uint32_t at)
    {
        position_ = at;
        mode_ = MediaMode::Stopped;
        if (song_->behaviour != SimBehaviour::LosesNotification && handler_)
            handler_();
    }

    SimulatedMci& sim_;
    SimSong* song_ = nullptr;
    std::uint32_t position_ = 0;
    std::uint32_t to_ = 0;
    MediaMode mode_ = MediaMode::Stopped;
    EndHandler handler_;
};

SimulatedMci::SimulatedMci() : backend_(*this, *this), previous_(&CurrentBackend())
{
    SetBackend(this);
}

SimulatedMci::~SimulatedMci()
{
    SetBackend(previous_);
}

SimSong& SimulatedMci::addSong(const std::string& element, std::uint32_t lengthMs, SimBehaviour behaviour,
                               std::uint32_t atMs, ErrorCode error)
{
    SimSong& s = songs_[lower(element)];
    s = SimSong{};
    s.element = element;
    s.lengthMs = lengthMs;
    s.behaviour = behaviour;
    s.atMs = atMs;
    s.error = error;
    return s;
}

SimSong* SimulatedMci::song(const std::string& element)
{
    const auto it = songs_.find(lower(element));
    return it == songs_.end() ? nullptr : &it->second;
}

void SimulatedMci::advance(std::uint32_t ms)
{
    now_ += ms;
    // A driver's end report may close devices; walk a copy.
    const std::vector<SimDriver*> drivers = drivers_;
    for (SimDriver* d : drivers)
        if (std::find(drivers_.begin(), drivers_.end(), d) != drivers_.end())
            d->advance(ms);
}

const SimDriver* SimulatedMci::driverOf(const std::string& element) const
{
    const auto it = songs_.find(lower(element));
    if (it == songs_.end())
        return nullptr;
    for (const SimDriver* d : drivers_)
        if (d->plays(&it->second))
            return d;
    return nullptr;
}

std::uint32_t SimulatedMci::positionOf(const std::string& element) const
{
    const SimDriver* d = driverOf(element);
    return d ? d->positionMs() : 0;
}

bool SimulatedMci::isPlaying(const std::string& element) const
{
    const SimDriver* d = driverOf(element);
    return d && d->mode() == MediaMode::Playing;
}

bool SimulatedMci::isPaused(const std::string& element) const
{
    const SimDriver* d = driverOf(element);
    return d && d->mode() == MediaMode::Paused;
}

ErrorCode SimulatedMci::command(DeviceId device, std::uint32_t command, std::uint32_t flags, GenericParms* parms)
{
    sent_.push_back(SentCommand::capture(device, command, flags, parms));
    return backend_.command(device, command, flags, parms);
}

bool SimulatedMci::knowsType(const std::string& deviceType) const
{
    return IsKnownDeviceType(deviceType);
}

std::unique_ptr<platform::MediaDriver> SimulatedMci::create(const std::string&)
{
    return std::make_unique<SimDriver>(*this);
}

std::string SimulatedMci::fileFor(const std::string& element) const
{
    return element;
}

void SimulatedMci::sleepFor(std::uint32_t ms)
{
    advance(ms);
}
