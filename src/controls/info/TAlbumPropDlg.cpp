#include "controls/info/TAlbumPropDlg.h"

#include "resources/dialogs/InfoDialogs.h"

TAlbumPropDlg::TAlbumPropDlg(QWidget* parent, Album album)
    : TMDialog(parent, resources::IDD_ALBUM_PROPERTIES), album_(std::move(album))
{
    // A caption without the window menu or a close box: OK and Escape close it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void TAlbumPropDlg::SetupWindow()
{
    TMDialog::SetupWindow();
    SetDlgItemText(resources::IDC_PROP_ALBUM, QString::fromStdString(album_.path));
    if (album_.currentSong >= 0) {
        SetDlgItemText(resources::IDC_PROP_SONG, QString::fromStdString(album_.currentSongPath));
        // Unsigned: the number after the largest index is still a number.
        SetDlgItemText(resources::IDC_PROP_SONG_NUMBER,
                       QString::number(static_cast<unsigned>(album_.currentSong) + 1u));
    }
    SetDlgItemText(resources::IDC_PROP_SONG_COUNT, QString::number(static_cast<unsigned>(album_.songCount)));
}
