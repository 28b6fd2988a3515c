#pragma once
// The playlist window: a modeless window showing the playlist's entries in a
// drag-and-drop list, with buttons to play, add, load, save, sort, remove and
// shuffle. It follows the model through CPlaylistObserver and changes it only
// through the model's operations. Local files dropped on it are appended.
// Closing it (OK, Esc, the close box) hides it (QDialog's finished signal
// tells the main window).

#include "playlist/Playlist.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

namespace taleno {

class CDragAndDropListBox;

class CPlaylistDlg : public QDialog, public CPlaylistObserver {
    Q_OBJECT

public:
    enum class FileDialog { Add, Load, Save };
    // Shows the Add (several files), Load or Save dialog; the chosen paths,
    // none when cancelled.
    using FileDialogs = std::function<std::vector<std::string>(FileDialog kind, QWidget* parent)>;

    // Shows the playlist's entries and becomes its observer.
    CPlaylistDlg(CPlaylist& playlist, QWidget* parent = nullptr);
    ~CPlaylistDlg() override;

    // CPlaylistObserver
    void OnEntryInserted(int index) override;
    void OnEntryRemoved(int index) override;
    void OnEntriesCleared() override;
    void OnEntryChanged(int index) override;
    void OnSelectionChanged(int selection) override;
    void OnUpdateHorizontalExtent() override;
    void OnBeginBatch() override;
    void OnEndBatch() override;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class PlaylistDlgTestAccess;

    void OnAdd();
    void OnLoad();
    void OnSave();
    // Empty restores the desktop's dialogs.
    void SetFileDialogs(FileDialogs dialogs);

    CPlaylist& playlist;
    CDragAndDropListBox* list;  // control 1012
    FileDialogs fileDialogs;
};

}  // namespace taleno
