#pragma once
// The command, flag, item and error numbers of the media command layer. They keep
// the values the program was written against so that code and tests read the same
// as the device classes that send them.

#include <cstdint>

namespace mci {

using DeviceId = std::uint32_t;
using ErrorCode = std::uint32_t;

constexpr DeviceId kAllDeviceId = 0xFFFFFFFFu;

// Commands.
enum Command : std::uint32_t {
    MCI_OPEN = 0x0803,
    MCI_CLOSE = 0x0804,
    MCI_PLAY = 0x0806,
    MCI_SEEK = 0x0807,
    MCI_STOP = 0x0808,
    MCI_PAUSE = 0x0809,
    MCI_INFO = 0x080A,
    MCI_GETDEVCAPS = 0x080B,
    MCI_SPIN = 0x080C,
    MCI_SET = 0x080D,
    MCI_STEP = 0x080E,
    MCI_STATUS = 0x0814,
    MCI_CUE = 0x0830,
    MCI_RESUME = 0x0855,
    MCI_WINDOW = 0x0841,
    MCI_PUT = 0x0842,
    MCI_UPDATE = 0x0854,
    MCI_CONFIGURE = 0x087A,
    MCI_SIGNAL = 0x0875,
    MCI_SETAUDIO = 0x0873,
};

// Flags common to all commands.
constexpr std::uint32_t MCI_NOTIFY = 0x00000001;
constexpr std::uint32_t MCI_WAIT = 0x00000002;
constexpr std::uint32_t MCI_FROM = 0x00000004;
constexpr std::uint32_t MCI_TO = 0x00000008;
constexpr std::uint32_t MCI_TRACK = 0x00000010;

// MCI_OPEN flags.
constexpr std::uint32_t MCI_OPEN_SHAREABLE = 0x00000100;
constexpr std::uint32_t MCI_OPEN_ELEMENT = 0x00000200;
constexpr std::uint32_t MCI_OPEN_ALIAS = 0x00000400;
constexpr std::uint32_t MCI_OPEN_TYPE = 0x00002000;

// MCI_SEEK flags.
constexpr std::uint32_t MCI_SEEK_TO_START = 0x00000100;
constexpr std::uint32_t MCI_SEEK_TO_END = 0x00000200;

// MCI_STATUS flags and items.
constexpr std::uint32_t MCI_STATUS_ITEM = 0x00000100;
constexpr std::uint32_t MCI_STATUS_LENGTH = 0x00000001;
constexpr std::uint32_t MCI_STATUS_POSITION = 0x00000002;
constexpr std::uint32_t MCI_STATUS_NUMBER_OF_TRACKS = 0x00000003;
constexpr std::uint32_t MCI_STATUS_MODE = 0x00000004;
constexpr std::uint32_t MCI_STATUS_MEDIA_PRESENT = 0x00000005;
constexpr std::uint32_t MCI_STATUS_TIME_FORMAT = 0x00000006;
constexpr std::uint32_t MCI_STATUS_READY = 0x00000007;

// Modes reported by MCI_STATUS_MODE.
constexpr std::uint32_t MCI_MODE_NOT_READY = 524;
constexpr std::uint32_t MCI_MODE_STOP = 525;
constexpr std::uint32_t MCI_MODE_PLAY = 526;
constexpr std::uint32_t MCI_MODE_RECORD = 527;
constexpr std::uint32_t MCI_MODE_SEEK = 528;
constexpr std::uint32_t MCI_MODE_PAUSE = 529;
constexpr std::uint32_t MCI_MODE_OPEN = 530;

// MCI_SET flags and values.
constexpr std::uint32_t MCI_SET_DOOR_OPEN = 0x00000100;
constexpr std::uint32_t MCI_SET_TIME_FORMAT = 0x00000400;
constexpr std::uint32_t MCI_SET_AUDIO = 0x00000800;
constexpr std::uint32_t MCI_SET_VIDEO = 0x00001000;
constexpr std::uint32_t MCI_SET_ON = 0x00002000;
constexpr std::uint32_t MCI_SET_OFF = 0x00004000;
constexpr std::uint32_t MCI_SET_AUDIO_ALL = 0x00000000;
constexpr std::uint32_t MCI_SET_AUDIO_LEFT = 0x00000001;
constexpr std::uint32_t MCI_SET_AUDIO_RIGHT = 0x00000002;
constexpr std::uint32_t MCI_FORMAT_MILLISECONDS = 0;

// MCI_INFO flags.
constexpr std::uint32_t MCI_INFO_PRODUCT = 0x00000100;
constexpr std::uint32_t MCI_INFO_FILE = 0x00000200;

// MCI_GETDEVCAPS flags and items.
constexpr std::uint32_t MCI_GETDEVCAPS_ITEM = 0x00000100;
constexpr std::uint32_t MCI_GETDEVCAPS_CAN_RECORD = 0x00000001;
constexpr std::uint32_t MCI_GETDEVCAPS_HAS_AUDIO = 0x00000002;
constexpr std::uint32_t MCI_GETDEVCAPS_HAS_VIDEO = 0x00000003;
constexpr std::uint32_t MCI_GETDEVCAPS_DEVICE_TYPE = 0x00000004;
constexpr std::uint32_t MCI_GETDEVCAPS_USES_FILES = 0x00000005;
constexpr std::uint32_t MCI_GETDEVCAPS_COMPOUND_DEVICE = 0x00000006;
constexpr std::uint32_t MCI_GETDEVCAPS_CAN_EJECT = 0x00000007;
constexpr std::uint32_t MCI_GETDEVCAPS_CAN_PLAY = 0x00000008;
constexpr std::uint32_t MCI_GETDEVCAPS_CAN_SAVE = 0x00000009;

// Digital-video command flags.
constexpr std::uint32_t MCI_DGV_UPDATE_HDC = 0x00020000;
constexpr std::uint32_t MCI_DGV_UPDATE_PAINT = 0x00040000;
constexpr std::uint32_t MCI_DGV_RECT = 0x00010000;
constexpr std::uint32_t MCI_DGV_PUT_DESTINATION = 0x00040000;
constexpr std::uint32_t MCI_DGV_SIGNAL_AT = 0x00010000;
constexpr std::uint32_t MCI_DGV_SIGNAL_USERVAL = 0x00040000;
constexpr std::uint32_t MCI_DGV_CUE_OUTPUT = 0x00020000;
constexpr std::uint32_t MCI_DGV_STEP_FRAMES = 0x00020000;
constexpr std::uint32_t MCI_DGV_STEP_REVERSE = 0x00010000;
constexpr std::uint32_t MCI_DGV_SETAUDIO_ITEM = 0x00800000;
constexpr std::uint32_t MCI_DGV_SETAUDIO_VALUE = 0x01000000;
constexpr std::uint32_t MCI_DGV_SETAUDIO_VOLUME = 0x00004002;
constexpr std::uint32_t MCI_DGV_SET_SPEED = 0x00020000;
constexpr std::uint32_t MCI_DGV_WINDOW_HWND = 0x00010000;

// End-of-play notification codes (first parameter of the notification).
constexpr std::uint32_t MCI_NOTIFY_SUCCESSFUL = 0x0001;
constexpr std::uint32_t MCI_NOTIFY_SUPERSEDED = 0x0002;
constexpr std::uint32_t MCI_NOTIFY_ABORTED = 0x0004;
constexpr std::uint32_t MCI_NOTIFY_FAILURE = 0x0008;

// Error codes. Every code has a text of ours (see MciErrors).
constexpr ErrorCode MCIERR_BASE = 256;
constexpr ErrorCode MCIERR_INVALID_DEVICE_ID = MCIERR_BASE + 1;
constexpr ErrorCode MCIERR_UNRECOGNIZED_KEYWORD = MCIERR_BASE + 3;
constexpr ErrorCode MCIERR_UNRECOGNIZED_COMMAND = MCIERR_BASE + 5;
constexpr ErrorCode MCIERR_HARDWARE = MCIERR_BASE + 6;
constexpr ErrorCode MCIERR_INVALID_DEVICE_NAME = MCIERR_BASE + 7;
constexpr ErrorCode MCIERR_OUT_OF_MEMORY = MCIERR_BASE + 8;
constexpr ErrorCode MCIERR_DEVICE_OPEN = MCIERR_BASE + 9;
constexpr ErrorCode MCIERR_CANNOT_LOAD_DRIVER = MCIERR_BASE + 10;
constexpr ErrorCode MCIERR_MISSING_COMMAND_STRING = MCIERR_BASE + 11;
constexpr ErrorCode MCIERR_PARAM_OVERFLOW = MCIERR_BASE + 12;
constexpr ErrorCode MCIERR_MISSING_STRING_ARGUMENT = MCIERR_BASE + 13;
constexpr ErrorCode MCIERR_BAD_INTEGER = MCIERR_BASE + 14;
constexpr ErrorCode MCIERR_PARSER_INTERNAL = MCIERR_BASE + 15;
constexpr ErrorCode MCIERR_DRIVER_INTERNAL = MCIERR_BASE + 16;
constexpr ErrorCode MCIERR_MISSING_PARAMETER = MCIERR_BASE + 17;
constexpr ErrorCode MCIERR_UNSUPPORTED_FUNCTION = MCIERR_BASE + 18;
constexpr ErrorCode MCIERR_FILE_NOT_FOUND = MCIERR_BASE + 19;
constexpr ErrorCode MCIERR_DEVICE_NOT_READY = MCIERR_BASE + 20;
constexpr ErrorCode MCIERR_INTERNAL = MCIERR_BASE + 21;
constexpr ErrorCode MCIERR_DRIVER = MCIERR_BASE + 22;
constexpr ErrorCode MCIERR_CANNOT_USE_ALL = MCIERR_BASE + 23;
constexpr ErrorCode MCIERR_MULTIPLE = MCIERR_BASE + 24;
constexpr ErrorCode MCIERR_EXTENSION_NOT_FOUND = MCIERR_BASE + 25;
constexpr ErrorCode MCIERR_OUTOFRANGE = MCIERR_BASE + 26;
constexpr ErrorCode MCIERR_FLAGS_NOT_COMPATIBLE = MCIERR_BASE + 28;
constexpr ErrorCode MCIERR_FILE_NOT_SAVED = MCIERR_BASE + 30;
constexpr ErrorCode MCIERR_DEVICE_TYPE_REQUIRED = MCIERR_BASE + 31;
constexpr ErrorCode MCIERR_DEVICE_LOCKED = MCIERR_BASE + 32;
constexpr ErrorCode MCIERR_DUPLICATE_ALIAS = MCIERR_BASE + 33;
constexpr ErrorCode MCIERR_BAD_CONSTANT = MCIERR_BASE + 34;
constexpr ErrorCode MCIERR_MUST_USE_SHAREABLE = MCIERR_BASE + 35;
constexpr ErrorCode MCIERR_MISSING_DEVICE_NAME = MCIERR_BASE + 36;
constexpr ErrorCode MCIERR_BAD_TIME_FORMAT = MCIERR_BASE + 37;
constexpr ErrorCode MCIERR_NO_CLOSING_QUOTE = MCIERR_BASE + 38;
constexpr ErrorCode MCIERR_DUPLICATE_FLAGS = MCIERR_BASE + 39;
constexpr ErrorCode MCIERR_INVALID_FILE = MCIERR_BASE + 40;
constexpr ErrorCode MCIERR_NULL_PARAMETER_BLOCK = MCIERR_BASE + 41;
constexpr ErrorCode MCIERR_UNNAMED_RESOURCE = MCIERR_BASE + 42;
constexpr ErrorCode MCIERR_NEW_REQUIRES_ALIAS = MCIERR_BASE + 43;
constexpr ErrorCode MCIERR_NOTIFY_ON_AUTO_OPEN = MCIERR_BASE + 44;
constexpr ErrorCode MCIERR_NO_ELEMENT_ALLOWED = MCIERR_BASE + 45;
constexpr ErrorCode MCIERR_NONAPPLICABLE_FUNCTION = MCIERR_BASE + 46;
constexpr ErrorCode MCIERR_ILLEGAL_FOR_AUTO_OPEN = MCIERR_BASE + 47;
constexpr ErrorCode MCIERR_FILENAME_REQUIRED = MCIERR_BASE + 48;
constexpr ErrorCode MCIERR_EXTRA_CHARACTERS = MCIERR_BASE + 49;
constexpr ErrorCode MCIERR_DEVICE_NOT_INSTALLED = MCIERR_BASE + 50;
constexpr ErrorCode MCIERR_SEQ_DIV_INCOMPATIBLE = MCIERR_BASE + 80;
constexpr ErrorCode MCIERR_SEQ_PORT_INUSE = MCIERR_BASE + 81;
constexpr ErrorCode MCIERR_SEQ_PORT_NONEXISTENT = MCIERR_BASE + 82;
constexpr ErrorCode MCIERR_SEQ_PORT_MAPNODEVICE = MCIERR_BASE + 83;
constexpr ErrorCode MCIERR_SEQ_PORT_MISCERROR = MCIERR_BASE + 84;
constexpr ErrorCode MCIERR_SEQ_TIMER = MCIERR_BASE + 85;
constexpr ErrorCode MCIERR_SEQ_PORTUNSPECIFIED = MCIERR_BASE + 86;
constexpr ErrorCode MCIERR_SEQ_NOMIDIPRESENT = MCIERR_BASE + 87;

}  // namespace mci
