#pragma once
// Identifiers of the digital console (dialog 7714). A lamp's id is also the
// string-table id of the word it shows when lit.

namespace resources {

constexpr int IDD_CONSOLE = 7714;

constexpr int IDC_CONSOLE_SIZE = 7859;     // hidden frame that gives the console's size
constexpr int IDC_CONSOLE_PANEL = 7806;    // black panel behind the read-outs

constexpr int IDC_TIME = 7732;             // elapsed or remaining time, "mm:ss"
constexpr int IDC_LENGTH = 7731;           // song length, "mm:ss"
constexpr int IDC_SONG_NUMBER = 7734;      // current song, "%03d"
constexpr int IDC_SONG_COUNT = 7733;       // songs in the queue, "%03d"

constexpr int IDC_CAPTION_TIME = 7808;
constexpr int IDC_CAPTION_LENGTH = 7809;
constexpr int IDC_CAPTION_SONG = 7802;
constexpr int IDC_CAPTION_TOTAL = 7807;

constexpr int IDC_LAMP_PLAY = 7803;
constexpr int IDC_LAMP_PAUSE = 7804;
constexpr int IDC_LAMP_REPEAT = 7805;
constexpr int IDC_LAMP_MUTE = 17937;
constexpr int IDC_LAMP_LOOP = 7810;
constexpr int IDC_LAMP_RANDOM = 7811;

}  // namespace resources
