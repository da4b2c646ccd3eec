#pragma once

#include "album/IBusyIndicator.h"
#include "album/IConsoleText.h"
#include "album/IOptionState.h"
#include "album/IQueuePlayer.h"
#include "album/TQueueList.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Records every console write in order.
class RecordingConsole : public IConsoleText {
public:
    void SetConsoleText(int controlId, const char* text) override { writes.emplace_back(controlId, text); }
    std::vector<std::string> TextsOf(int controlId) const
    {
        std::vector<std::string> texts;
        for (const auto& [id, text] : writes)
            if (id == controlId)
                texts.push_back(text);
        return texts;
    }
    std::vector<std::pair<int, std::string>> writes;
};

class FakeOptions : public IOptionState {
public:
    bool IsChecked(int commandId) const override { return checked.count(commandId) != 0; }
    std::set<int> checked;
};

class RecordingBusy : public IBusyIndicator {
public:
    void BeginBusy(int stringId) override { calls.push_back("begin " + std::to_string(stringId)); }
    void EndBusy(bool reenable) override { calls.push_back(reenable ? "end reenable" : "end"); }
    std::vector<std::string> calls;
};

// Holds the current song; a move goes to the list and records its offset.
class FakePlayer : public IQueuePlayer {
public:
    explicit FakePlayer(TQueueList& list) : list_(list) {}
    int CurrentSong() const override { return current; }
    void SetCurrentSong(int index) override { current = index; }
    int MoveSelectedSong(int offset) override
    {
        offsets.push_back(offset);
        return list_.MoveSelected(offset);
    }
    int current = -1;
    std::vector<int> offsets;

private:
    TQueueList& list_;
};

// A queue wired to recording fakes.
struct QueueFixture {
    QueueFixture()
    {
        queue.SetConsole(&console);
        queue.SetOptions(&options);
        queue.SetPlayer(&player);
        queue.SetBusy(&busy);
    }
    std::vector<std::string> Paths() const
    {
        std::vector<std::string> paths;
        for (int i = 0; i < queue.GetCount(); ++i)
            paths.emplace_back(queue.GetSongPath(i));
        return paths;
    }
    TQueueList queue;
    RecordingConsole console;
    FakeOptions options;
    RecordingBusy busy;
    FakePlayer player{queue};
};
