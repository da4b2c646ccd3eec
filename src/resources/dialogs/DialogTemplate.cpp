#include "resources/dialogs/DialogTemplate.h"

#include "resources/dialogs/ConsoleDialog.h"
#include "resources/dialogs/InfoDialogs.h"

namespace resources {

// Every template of the program is listed here, each defined in its own file.
const DialogTemplate* FindDialogTemplate(int id)
{
    using Getter = const DialogTemplate& (*)();
    static constexpr Getter kTemplates[] = {
        &ConsoleDialogTemplate,
        &UpgradeInfoDialogTemplate,
        &AddSongsDialogTemplate,
        &AboutDialogTemplate,
        &AlbumPropertiesDialogTemplate,
        &VolumeDeviceDialogTemplate,
    };
    for (Getter get : kTemplates) {
        const DialogTemplate& t = get();
        if (t.id == id)
            return &t;
    }
    return nullptr;
}

}  // namespace resources
