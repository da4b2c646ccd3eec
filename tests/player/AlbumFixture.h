#pragma once
// The player fixture with a temporary drive t: for album files (the program's
// directory is t:\prog), a settings file there and scripted file dialogs.

#include "player/PlayerFixture.h"
#include "resources/CommandIds.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempDrive.h"

#include <string>
#include <vector>

namespace playertest {

class AlbumFixture : public PlayerFixture {
protected:
    void SetUp() override
    {
        PlayerFixture::SetUp();
        drive.makeDir("prog");
        drive.makeDir("music");
        window->programDir = drive.path("prog");
        window->settingsPath = drive.path("prog\\vantor.ini");
        songDir = drive.path("music\\");
    }

    // The full paths of the queue's songs.
    std::vector<std::string> Songs() const
    {
        std::vector<std::string> songs;
        for (int i = 0; i < queue->GetCount(); ++i)
            songs.push_back(queue->GetSongPath(i));
        return songs;
    }

    // An album file under the drive (relative: Linux style, lines as given).
    std::string WriteAlbumFile(const QString& relative, const std::string& contents)
    {
        drive.writeFile(relative, QByteArray::fromStdString(contents));
        return drive.path(QString(relative).replace('/', '\\').toStdString());
    }

    std::string FileText(const QString& relative) const { return drive.readFile(relative).toStdString(); }

    std::vector<std::string> Boxes() const
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes.boxes())
            texts.push_back(box.text.toStdString());
        return texts;
    }

    TempDrive drive;
    ScriptedFileDialogs dialogs;
};

}  // namespace playertest
