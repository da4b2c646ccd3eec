#include "resources/strings/StringTable.h"

#include <algorithm>

namespace resources {

namespace {

// Kept sorted by id: FindString searches it by halves.
constexpr StringEntry kStrings[] = {
    {7709, "Continuously plays the current song (toggle)"},
    {7710, "Prompts for confirmation for on deleting songs"},
    {7711, "Deletes the selected song file from disk"},
    {7715, "Access online help"},
    {7716, "Displays the help file table of contents"},
    {7717, "Displays brief information about the program"},
    {7720, "Plays songs in random rather than sequential order"},
    {7722, "Plays the selected song from the beginning"},
    {7723, "Stops song play"},
    {7724, "Pauses song play, or resumes it (toggle)"},
    {7725, "Removes all songs from the album"},
    {7729, "Plays the next song or the next randomly-selected song"},
    {7740, "Saves the current album"},
    {7741, "Saves the current album under a possibly different name"},
    {7743, "Moves the selected song one position up"},
    {7744, "Moves the selected song one position down"},
    {7748, "Allows duplicate songs in the album"},
    {7752, "Maintains the album: sort, shuffle, clear, ..etc."},
    {7753, "Sorts the album by song names"},
    {7760, "Opens and loads an album"},
    {7761, "Song management commands (Add, Play, Pause, ..etc.)"},
    {7762, "Adds songs to the current album"},
    {7763, "Displays information about using the help facility"},
    {7766, "Searches for a keyword in the help file"},
    {7767, "Saves program settings now"},
    {7773, "Removes the selected song from the album"},
    {7776, "Automatically saves program settings on exit"},
    {7777, "Removes duplicate songs from the album"},
    {7788, "Moves the selection highlight to the active song"},
    {7789, "Loading album from disk..."},
    {7790, "Saving album to disk..."},
    {7791, "Sorting album by song name..."},
    {7792, "Seeking in song..."},
    {7793, "Opening and loading song..."},
    {7794, "Album management commands (Open, Save, Clear, ..etc.)"},
    {7795, "Creates a new empty album"},
    {7796,
     "Delete the currently selected song file from disk?\n\n"
     "NOVICE WARNING: This will DELETE the song file\n"
     "(i.e. you will no longer have the song on disk).\n\n"
     "Use REMOVE to just remove the song from the queue."},
    {7798, "Closing song..."},
    {7803, "PLAY"},
    {7804, "PAUSE"},
    {7805, "REPEAT"},
    {7810, "LOOP"},
    {7811, "RANDOM"},
    {7815, "Displays album properies"},
    {7827, "Deletes the album and its backup from disk"},
    {7828, "Delete the album and its backup from disk?"},
    {7829, "How to reset the MIDI synthesizer before each song"},
    {7830, "Does not reset the MIDI synthesizer before each song"},
    {7831, "Standard reset of the MIDI synthesizer before each song"},
    {7832, "Maximum reset of the MIDI synthesizer before each song"},
    {7838, "Closes the current album"},
    {7841, "Saves song file names relative to the album path"},
    {7852, "Shuffles the album's song order randomly"},
    {7853, "Shuffling song order randomly..."},
    {7854, "Resets the synthesizer by playing a custom reset file"},
    {7855,
     "Could not play the MIDI Custom Reset file. Refer to the help file for information on how your "
     "MIDI synthesizer's reset file should be setup. MIDI Auto Reset will now be set to: Full Reset."},
    {7860, "Shows or hides the buttons"},
    {7861, "Option settings for the program (Continuous Loop, ..etc.)"},
    {7862, "Song play options: loop, random play, auto-play, ..etc."},
    {7863, "Loops to the first song when the last one finishes playing"},
    {7865, "Saves the album on exit or when another is opened"},
    {7866, "Starts playing automatically when an album is loaded"},
    {7868, "Shows or hides some elements of the window"},
    {7869, "Hides the menu bar -- use the system menu or Alt+M to recover it"},
    {7871, "Whether to show elapsed or remaining time in the counter"},
    {7872, "Recovers the menu bar"},
    {7873, "Plays the selected song from the beginning"},
    {7883, "Sets the album queue font"},
    {7885, "Adding songs to album..."},
    {7886, "Displays a very informative tutorial of the program"},
    {7887, "Shows or hides the volume bar"},
    {7888, "Mutes (turns off) the audio volume (toggle)"},
    {7890, "Shows or hides the song position slider"},
    {7891, "Shows or hides the queue list"},
    {8200, "Displays a list of most recently opened albums to load"},
    {8201, "Opens and loads this album from disk"},
    {8202, "Opens and loads this album from disk"},
    {8203, "Opens and loads this album from disk"},
    {8204, "Opens and loads this album from disk"},
    {8205, "Opens and loads this album from disk"},
    {17893, "Toggles whether the program window should be always visible"},
    {17900, "Displays all windows elemnts"},
    {17901, "Displays all windows elemnts except the volume bar"},
    {17902, "Displays all windows elemnts except the sliders"},
    {17903, "Displays the buttons, digital console, status bar and menu"},
    {17904, "Displays only the digital console, status bar and menu"},
    {17905, "Displays only the digital console and menu"},
    {17906, "Displays only the digital console"},
    {17929, "Allows selecting different views of the program window"},
    {17930, "Restores the program window to the default width and height"},
    {17931, "Displays the custom view saved in a previous session"},
    {17932, "Saves the current view as the custom view"},
    {17937, "MUTE"},
    {17938, "Fast rewind, press and hold the button down"},
    {17939, "Fast forward, press and hold the button down"},
    {17949, "Control settings (queue font, volume device, ..etc.)"},
    {17950, "Displays brief help messages like this one"},
    {17951, "Chooses the SoundFont that MIDI songs play with"},
    {17952, "Sets the output device to control volume"},
    {17953, "Shows songs by their long file names"},
    {24310, "Terminates the program"},
    {32040, "Shows or hides the status bar"},
};

}  // namespace

const char* FindString(int id)
{
    const auto* end = std::end(kStrings);
    const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                      [](const StringEntry& e, int key) { return e.id < key; });
    return it != end && it->id == id ? it->text : nullptr;
}

const char* LoadString(int id)
{
    const char* text = FindString(id);
    return text != nullptr ? text : "";
}

std::span<const StringEntry> StringTable() { return kStrings; }

}  // namespace resources
