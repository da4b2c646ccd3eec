#include "player/SoundFontChoice.h"

#include "platform/midi/SynthHost.h"
#include "platform/paths/PathNamespace.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "player/ProgramMessage.h"
#include "settings/SoundFontSetting.h"

#include <filesystem>

namespace player {

namespace {

// The drive path of the folder holding the SoundFont in use; empty when there is
// none or no drive holds it.
std::string CurrentSoundFontFolder()
{
    const platform::SynthHost& host = platform::SynthHost::instance();
    std::string current = host.chosenSoundFont();
    if (current.empty())
        current = host.soundFontPath();
    if (current.empty())
        return {};
    const std::string folder = std::filesystem::path(current).parent_path().string();
    return platform::FromLinuxPath(folder).value_or(std::string());
}

}  // namespace

void ChooseSoundFont(QWidget* owner, const std::string& settingsPath)
{
    platform::FileDialogRequest request;
    request.title = "Choose SoundFont";
    request.filters = {{"SoundFonts (*.sf2, *.sf3)", "*.sf2;*.sf3"}};
    request.mustExist = true;
    request.overwritePrompt = false;
    request.initialDirectory = CurrentSoundFontFolder();
    const std::optional<std::string> chosen = platform::GetOpenFileName(owner, request);
    if (!chosen)
        return;
    const std::optional<std::string> path = platform::ToLinuxPath(*chosen);
    const std::string problem =
        path ? platform::SynthHost::soundFontProblem(*path) : std::string("The file cannot be found.");
    if (!problem.empty()) {
        ProgramMessage(owner, "Cannot load SoundFont '" + path.value_or(*chosen) + "'\n\n" + problem,
                       platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return;
    }
    if (!settingsPath.empty())
        settings::WriteSoundFontSetting(*path, settingsPath);
    platform::SynthHost::instance().setChosenSoundFont(*path);
}

}  // namespace player
