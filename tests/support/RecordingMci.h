#pragma once
// A backend that records every command with its flags and parameter values and
// answers with scripted results. Installed for its lifetime.

#include "platform/mci/MciBackend.h"
#include "support/SentCommand.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

class RecordingMci : public mci::MciBackend {
public:
    RecordingMci();
    ~RecordingMci() override;
    RecordingMci(const RecordingMci&) = delete;
    RecordingMci& operator=(const RecordingMci&) = delete;

    mci::ErrorCode command(mci::DeviceId device, std::uint32_t command, std::uint32_t flags,
                           mci::GenericParms* parms) override;

    const std::vector<SentCommand>& sent() const { return sent_; }
    std::vector<SentCommand> sentOf(std::uint32_t command) const { return CommandsOf(sent_, command); }
    const SentCommand& last() const { return sent_.back(); }
    void clear() { sent_.clear(); }

    // The next command of this kind answers code (queued, first in first out).
    void failNext(std::uint32_t command, mci::ErrorCode code) { once_[command].push_back(code); }
    // Every command of this kind answers code (0 restores success).
    void setResult(std::uint32_t command, mci::ErrorCode code) { always_[command] = code; }
    // dwReturn of MCI_STATUS for an item, and of MCI_GETDEVCAPS for an item.
    void setStatus(std::uint32_t item, std::uint32_t value) { status_[item] = value; }
    void setDevCaps(std::uint32_t item, std::uint32_t value) { caps_[item] = value; }
    // The text MCI_INFO writes (cut to the buffer).
    void setInfo(std::string text) { info_ = std::move(text); }
    // The id the next successful open gives (then counts up).
    void setNextId(mci::DeviceId id) { nextId_ = id; }

private:
    std::vector<SentCommand> sent_;
    std::map<std::uint32_t, std::deque<mci::ErrorCode>> once_;
    std::map<std::uint32_t, mci::ErrorCode> always_;
    std::map<std::uint32_t, std::uint32_t> status_;
    std::map<std::uint32_t, std::uint32_t> caps_;
    std::string info_;
    mci::DeviceId nextId_ = 1;
    mci::MciBackend* previous_;
};
