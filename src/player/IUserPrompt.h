#pragma once
// The confirmations the player asks and the song files it deletes.

#include <string>

namespace player {

class IUserPrompt {
public:
    virtual ~IUserPrompt() = default;
    // Beeps and asks the question with this string id, titled "The Vantor", Yes
    // and No with No as the default. True only for Yes.
    virtual bool AskYesNo(int stringId) = 0;
    // Removes the song's file from disk; false when it could not.
    virtual bool DeleteSongFile(const std::string& path) = 0;
};

}  // namespace player
