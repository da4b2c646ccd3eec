#include "resources/dialogs/ConsoleDialog.h"

#include "resources/dialogs/ConsoleIds.h"

namespace resources {

namespace {

constexpr std::uint32_t kLed = WS_CHILD | WS_VISIBLE;

constexpr DialogItem kItems[] = {
    {IDC_CONSOLE_SIZE, "STATIC", 0, 0, 185, 52, "", WS_CHILD | SS_WHITEFRAME},
    {IDC_CONSOLE_PANEL, "ColorStatic", 9, 11, 166, 30, "", kLed | WS_GROUP},
    {IDC_TIME, "ColorStatic", 19, 18, 36, 16, "", kLed},
    {IDC_LENGTH, "ColorStatic", 65, 18, 36, 16, "", kLed},
    {IDC_SONG_NUMBER, "ColorStatic", 105, 18, 26, 16, "", kLed},
    {IDC_SONG_COUNT, "ColorStatic", 143, 18, 26, 16, "000", kLed},
    {IDC_CAPTION_TIME, "ColorStatic", 19, 13, 30, 5, "MIN                   SEC", kLed},
    {IDC_CAPTION_LENGTH, "ColorStatic", 65, 13, 24, 5, "LENGTH", kLed},
    {IDC_CAPTION_SONG, "ColorStatic", 109, 13, 21, 5, "SONG", kLed},
    {IDC_CAPTION_TOTAL, "ColorStatic", 143, 13, 20, 5, "TOTAL", kLed},
    {IDC_LAMP_PLAY, "ColorStatic", 19, 34, 16, 5, "", kLed},
    {IDC_LAMP_PAUSE, "ColorStatic", 37, 34, 16, 5, "", kLed},
    {IDC_LAMP_REPEAT, "ColorStatic", 57, 34, 17, 5, "", kLed},
    {IDC_LAMP_MUTE, "ColorStatic", 78, 34, 16, 5, "", kLed},
    {IDC_LAMP_LOOP, "ColorStatic", 95, 34, 15, 5, "", kLed},
    {IDC_LAMP_RANDOM, "ColorStatic", 111, 34, 19, 5, "", kLed},
};

constexpr DialogTemplate kConsole{
    IDD_CONSOLE, WS_CHILD | WS_VISIBLE | DS_SETFONT, "", 185, 52, "MS Sans Serif", 8, kItems,
};

}  // namespace

const DialogTemplate& ConsoleDialogTemplate() { return kConsole; }

}  // namespace resources
