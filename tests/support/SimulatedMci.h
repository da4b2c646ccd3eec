#pragma once
// A backend on a virtual clock: the layer's own device table and notification
// rules (the same code as in the program) over simulated songs. Songs are known
// by the element name the program opens (compared without regard to case);
// time passes only through advance(). Installed for its lifetime.
//
//   SimulatedMci sim;
//   sim.addSong("c:\\music\\a.mid", 3000);
//   sim.addSong("c:\\music\\b.mid", 5000, SimBehaviour::Stalls, 1200);
//   ... device.Open / Play ...
//   sim.advance(3000);                       // a.mid reaches its end
//   QCoreApplication::sendPostedEvents();    // deliver the notification

#include "platform/mci/DriverBackend.h"
#include "platform/mci/MciClock.h"
#include "support/SentCommand.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

enum class SimBehaviour {
    Plays,               // plays to its end and reports it
    Stalls,              // position stops advancing at atMs, still playing
    FailsToOpen,         // open answers error
    FailsToPlay,         // play answers error
    FailsDuringPlay,     // stops at atMs and reports an end short of its end point
    LosesNotification,   // plays to its end and stops, never reports it
};

struct SimSong {
    std::string element;
    std::uint32_t lengthMs = 0;
    SimBehaviour behaviour = SimBehaviour::Plays;
    std::uint32_t atMs = 0;
    mci::ErrorCode error = 0;
    // What happened to it.
    int opens = 0;
    int plays = 0;
    bool audioOn = true;
};

class SimDriver;

class SimulatedMci : public mci::MciBackend, private mci::DriverSource, private mci::MciClock {
public:
    SimulatedMci();
    ~SimulatedMci() override;
    SimulatedMci(const SimulatedMci&) = delete;
    SimulatedMci& operator=(const SimulatedMci&) = delete;

    // error: the code of FailsToOpen / FailsToPlay (a fitting default otherwise).
    SimSong& addSong(const std::string& element, std::uint32_t lengthMs,
                     SimBehaviour behaviour = SimBehaviour::Plays, std::uint32_t atMs = 0,
                     mci::ErrorCode error = 0);
    SimSong* song(const std::string& element);

    // Moves the virtual clock; songs that reach their end report it now (their
    // notification is posted, to be delivered by the event loop).
    void advance(std::uint32_t ms);
    std::uint64_t now() const { return now_; }

    std::size_t openDevices() const { return backend_.openDeviceCount(); }
    // Position and mode of the open device playing element; 0 / stop when none.
    std::uint32_t positionOf(const std::string& element) const;
    bool isPlaying(const std::string& element) const;
    bool isPaused(const std::string& element) const;

    // Every command sent, in order.
    const std::vector<SentCommand>& sent() const { return sent_; }
    std::vector<SentCommand> sentOf(std::uint32_t command) const { return CommandsOf(sent_, command); }
    void clearSent() { sent_.clear(); }

    mci::ErrorCode command(mci::DeviceId device, std::uint32_t command, std::uint32_t flags,
                           mci::GenericParms* parms) override;

private:
    friend class SimDriver;
    bool knowsType(const std::string& deviceType) const override;
    std::unique_ptr<platform::MediaDriver> create(const std::string& deviceType) override;
    std::string fileFor(const std::string& element) const override;
    void sleepFor(std::uint32_t ms) override;

    const SimDriver* driverOf(const std::string& element) const;

    std::map<std::string, SimSong> songs_;
    std::vector<SimDriver*> drivers_;
    std::vector<SentCommand> sent_;
    std::uint64_t now_ = 0;
    mci::DriverBackend backend_;
    mci::MciBackend* previous_;
};
