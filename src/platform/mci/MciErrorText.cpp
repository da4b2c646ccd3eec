#include "platform/mci/MciErrorText.h"

#include <utility>

namespace mci {

namespace {

constexpr std::pair<ErrorCode, const char*> kTexts[] = {
    {MCIERR_INVALID_DEVICE_ID, "The device identifier is not valid. Open the device before sending it commands."},
    {MCIERR_UNRECOGNIZED_KEYWORD, "A word in the command is not known to this device."},
    {MCIERR_UNRECOGNIZED_COMMAND, "The command is not known to the media layer."},
    {MCIERR_HARDWARE, "The media device reported a hardware problem. Check that it is set up and working."},
    {MCIERR_INVALID_DEVICE_NAME, "No device of this name is known. Check the device type."},
    {MCIERR_OUT_OF_MEMORY, "There is not enough memory for this command. Close some programs and try again."},
    {MCIERR_DEVICE_OPEN, "The device name is already in use by this program."},
    {MCIERR_CANNOT_LOAD_DRIVER, "The device driver could not be loaded."},
    {MCIERR_MISSING_COMMAND_STRING, "The command string is empty."},
    {MCIERR_PARAM_OVERFLOW, "The answer is longer than the buffer given for it."},
    {MCIERR_MISSING_STRING_ARGUMENT, "A text argument is missing from the command."},
    {MCIERR_BAD_INTEGER, "A number in the command is not valid."},
    {MCIERR_PARSER_INTERNAL, "The command string could not be read because of an internal problem."},
    {MCIERR_DRIVER_INTERNAL, "The device driver failed inside. Try the command again."},
    {MCIERR_MISSING_PARAMETER, "The command needs a parameter that was not given."},
    {MCIERR_UNSUPPORTED_FUNCTION, "This device cannot carry out the command."},
    {MCIERR_FILE_NOT_FOUND, "The file cannot be found. Check the path and the file name."},
    {MCIERR_DEVICE_NOT_READY, "The device is not ready."},
    {MCIERR_INTERNAL, "The media layer failed inside. Try the command again."},
    {MCIERR_DRIVER, "The device driver reported an error."},
    {MCIERR_CANNOT_USE_ALL, "This command cannot be sent to all devices at once."},
    {MCIERR_MULTIPLE, "Errors happened on more than one device."},
    {MCIERR_EXTENSION_NOT_FOUND, "No device plays files with this extension."},
    {MCIERR_OUTOFRANGE, "A position in the command lies outside the media."},
    {MCIERR_FLAGS_NOT_COMPATIBLE, "Two flags of the command cannot be used together."},
    {MCIERR_FILE_NOT_SAVED, "The file was not saved."},
    {MCIERR_DEVICE_TYPE_REQUIRED, "The device type is needed to open this device."},
    {MCIERR_DEVICE_LOCKED, "The device is closing. Wait a moment and try again."},
    {MCIERR_DUPLICATE_ALIAS, "This alias is already in use by this program."},
    {MCIERR_BAD_CONSTANT, "A value in the command is not valid for this device."},
    {MCIERR_MUST_USE_SHAREABLE, "The device is in use. Open it as shareable."},
    {MCIERR_MISSING_DEVICE_NAME, "The command names no device."},
    {MCIERR_BAD_TIME_FORMAT, "This device does not know the time format."},
    {MCIERR_NO_CLOSING_QUOTE, "A quoted text in the command has no closing quote."},
    {MCIERR_DUPLICATE_FLAGS, "A flag or value is given twice in the command."},
    {MCIERR_INVALID_FILE, "The file cannot be played by this device. It may be damaged or of another format."},
    {MCIERR_NULL_PARAMETER_BLOCK, "The command was sent without the parameter block it needs."},
    {MCIERR_UNNAMED_RESOURCE, "A file without a name cannot be saved."},
    {MCIERR_NEW_REQUIRES_ALIAS, "An alias is needed when opening a new device."},
    {MCIERR_NOTIFY_ON_AUTO_OPEN, "Notification cannot be asked for on a device that the command opens itself."},
    {MCIERR_NO_ELEMENT_ALLOWED, "This device does not take a file name."},
    {MCIERR_NONAPPLICABLE_FUNCTION, "The commands cannot be carried out in this order."},
    {MCIERR_ILLEGAL_FOR_AUTO_OPEN, "This command cannot be used on a device that the command opens itself."},
    {MCIERR_FILENAME_REQUIRED, "A file name is needed and must be valid."},
    {MCIERR_EXTRA_CHARACTERS, "Characters follow a quoted text without a blank between them."},
    {MCIERR_DEVICE_NOT_INSTALLED, "The device is not installed."},
    {MCIERR_SEQ_DIV_INCOMPATIBLE, "The time format of the song does not suit this device."},
    {MCIERR_SEQ_PORT_INUSE, "The MIDI output is in use by another program."},
    {MCIERR_SEQ_PORT_NONEXISTENT, "The MIDI output named for this song does not exist."},
    {MCIERR_SEQ_PORT_MAPNODEVICE, "The MIDI mapper names an output that is not installed."},
    {MCIERR_SEQ_PORT_MISCERROR, "The MIDI output reported an error."},
    {MCIERR_SEQ_TIMER, "No timer was available for playing the song."},
    {MCIERR_SEQ_PORTUNSPECIFIED, "No MIDI output is set up."},
    {MCIERR_SEQ_NOMIDIPRESENT, "No MIDI device is installed."},
};

}  // namespace

const char* ErrorText(ErrorCode code)
{
    for (const auto& [value, text] : kTexts)
        if (value == code)
            return text;
    return nullptr;
}

}  // namespace mci
