#pragma once
// The tests' way into the playlist window and its list: the list itself, the
// file dialogs, and the list's auto-scroll period.

#include "shell/DragAndDropListBox.h"
#include "shell/PlaylistDlg.h"

namespace taleno {

class PlaylistDlgTestAccess {
public:
    explicit PlaylistDlgTestAccess(CPlaylistDlg& dialog) : dialog(dialog) {}

    CDragAndDropListBox* List() const { return dialog.list; }
    void SetFileDialogs(CPlaylistDlg::FileDialogs dialogs) { dialog.SetFileDialogs(std::move(dialogs)); }

private:
    CPlaylistDlg& dialog;
};

class DragAndDropListBoxTestAccess {
public:
    explicit DragAndDropListBoxTestAccess(const CDragAndDropListBox& list) : list(list) {}

    int ScrollPeriod() const { return list.scrollPeriod; }

private:
    const CDragAndDropListBox& list;
};

}  // namespace taleno
