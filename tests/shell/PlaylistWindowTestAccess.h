#pragma once
// The tests' way into the playlist window: its file dialogs.

#include "shell/PlaylistDlg.h"

namespace taleno {

class PlaylistDlgTestAccess {
public:
    explicit PlaylistDlgTestAccess(CPlaylistDlg& dialog) : dialog(dialog) {}

    void SetFileDialogs(CPlaylistDlg::FileDialogs dialogs) { dialog.SetFileDialogs(std::move(dialogs)); }

private:
    CPlaylistDlg& dialog;
};

}  // namespace taleno
