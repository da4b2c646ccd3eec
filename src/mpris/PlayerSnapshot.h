#pragma once
// What the desktop's media controls show of the player, read at one moment, and
// its translation into the properties of the media player interface. Comparing
// two snapshots gives the properties that changed in between.

#include <QDBusObjectPath>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <string>

namespace player {
class TMainWindow;
}

namespace mpris {

enum class PlayState { Stopped, Playing, Paused };

struct PlayerSnapshot {
    PlayState state = PlayState::Stopped;
    int song = -1;             // index of the current song in the queue; -1: none
    int songCount = 0;
    std::string songPath;      // drive path of the current song; empty: none
    std::string songName;      // the long name the window shows it by; empty: none shown
    std::string albumPath;     // drive path of the album file; empty: none
    std::uint32_t lengthMs = 0;  // of the open song; 0: none open
    bool randomOrder = false;
    bool continuousLoop = false;
    double volume = 1.0;       // the program's own output, 0 to 1

    static PlayerSnapshot Take(player::TMainWindow& window);

    bool HasSong() const { return !songPath.empty(); }
    // Next changes the song: random order, a loop, or songs after this one.
    bool CanGoNext() const;
    bool CanGoPrevious() const { return HasSong() && song > 0 && song < songCount; }
    // Play and Pause act on the queue's songs: there must be one.
    bool CanPlay() const { return songCount > 0; }
    // The position slider moves only while a song plays or is paused.
    bool CanSeek() const { return state != PlayState::Stopped && lengthMs > 0; }

    bool operator==(const PlayerSnapshot&) const = default;
};

// "Playing", "Paused" or "Stopped".
QString PlaybackStatus(const PlayerSnapshot& state);
// The current song's object path, or the interface's "no track" path.
QDBusObjectPath TrackId(const PlayerSnapshot& state);
// mpris:trackid, and for a song xesam:title (the long name the window shows, else
// its file name), xesam:url,
// mpris:length (microseconds, when open) and xesam:album (the album's name).
QVariantMap Metadata(const PlayerSnapshot& state);
// Every property of the player interface that a snapshot decides, by name.
QVariantMap PlayerProperties(const PlayerSnapshot& state);
// The properties whose values differ between before and after.
QVariantMap ChangedProperties(const PlayerSnapshot& before, const PlayerSnapshot& after);

// The program's own output volume (auxiliary device 0), 0 to 1.
double OutputVolume();
void SetOutputVolume(double volume);

}  // namespace mpris
