#pragma once
// Album Properties: the album file, the current song with its number and the
// number of songs, as the player holds them when the dialog opens. Modal,
// closed by OK or Escape; nothing is returned or changed.

#include "controls/dialog/TMDialog.h"

#include <string>

class TAlbumPropDlg : public TMDialog {
    Q_OBJECT
public:
    struct Album {
        std::string path;             // as the player holds it, "[untitled].alb" for a new album
        int currentSong = -1;         // zero-based; below 0: none, and the song stays "unknown"
        std::string currentSongPath;  // the queue's path for currentSong; empty when it names no line
        int songCount = 0;
    };

    TAlbumPropDlg(QWidget* parent, Album album);

protected:
    void SetupWindow() override;

private:
    Album album_;
};
