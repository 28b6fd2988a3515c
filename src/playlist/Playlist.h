#pragma once
// The playlist: the ordered list of files and URLs the player works through,
// the selected entry, and the position being played.
//
// The model holds no widgets. The playlist window shows `entries` in its list
// control and learns of every change through CPlaylistObserver; the main frame
// steps through the list and plays the entry PlaylistPlay names. Operations
// that can fail return true when done.

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace taleno {

constexpr int MAX_PLAYLIST_ENTRIES = 500;

// Playlist files are read line by line; a line longer than this (in bytes,
// before trimming) cannot be a sensible path or URL and is skipped whole, so
// a binary or hostile file never makes the reader hold more than this.
constexpr std::size_t kMaxPlaylistLineLength = 32 * 1024;

// What the playlist window needs to hear to keep its list control in step.
// Every notification comes after the model has changed. The defaults do
// nothing, so a view implements only what it uses.
class CPlaylistObserver {
public:
    virtual ~CPlaylistObserver();
    virtual void OnEntryInserted(int index);
    virtual void OnEntryRemoved(int index);
    virtual void OnEntriesCleared();
    // The text at index was replaced (shuffle and sort swap entries).
    virtual void OnEntryChanged(int index);
    // Whenever the selection changes, also when a removal or a move takes
    // the selected entry away and the selection is set again.
    virtual void OnSelectionChanged(int selection);
    // After every AddFile, RemoveSelected and RemoveAll: the longest entry
    // may have changed, so the list's horizontal scroll extent is due.
    virtual void OnUpdateHorizontalExtent();
    // Around loading, shuffling and sorting: suspend redrawing and show the
    // wait cursor; at the end resume redrawing, repaint, restore the cursor.
    virtual void OnBeginBatch();
    virtual void OnEndBatch();
};

class CPlaylist : public QObject {
    Q_OBJECT

public:
    CPlaylist() = default;

    // nullptr detaches. The observer must outlive its registration.
    void SetObserver(CPlaylistObserver* observer);

    int Count() const;
    std::string Entry(int index) const;  // "" for an index outside the list
    std::vector<std::string> Entries() const;
    int Selection() const;  // -1 when nothing is selected
    int CurrentIndex() const;
    std::string GetCurrentFile() const;

    // Selects index, or nothing when index is not an entry (the user's click).
    void Select(int index);

    // Appends path when fewer than MAX_PLAYLIST_ENTRIES are held; false else.
    bool AddFile(const std::string& path);
    // Adds every dropped path in order; a refusal does not stop the others.
    void AddDroppedFiles(const std::vector<std::string>& paths);
    void RemoveSelected();
    void RemoveAll();
    // Moves entry dragFrom so that it stands just before the entry dropTarget
    // (-1: after the last entry) and selects it. Targets outside the list
    // count as the nearer end.
    void MoveEntry(int dragFrom, int dropTarget);

    // Stepping: each returns true and makes an entry current, or returns false and
    // changes neither currentIndex nor currentFile.
    bool MoveNext();
    bool MovePrevious();
    bool MoveFirst();
    // Makes the selected entry current and emits PlaylistPlay.
    void PlaySelected();
    void PlayFirst();

    void Shuffle();
    void Sort();

    // Empties the list, then adds the entries of the playlist file. False when the
    // file cannot be opened or read (the caller shows "unable to open file").
    bool LoadPlaylist(const std::string& path);
    // Writes the entries, relative to the file's folder where possible, one a
    // line with CR LF. The old file is replaced only by a complete new one;
    // false when the file cannot be written (the old one is then untouched).
    bool SavePlaylist(const std::string& path) const;

    // Playlist order: byte by byte on unsigned character codes, case-sensitive;
    // a string sorts before every longer string that begins with it.
    static bool EntryLess(const std::string& a, const std::string& b);

signals:
    // The entry to play now (the current file); the main window takes it
    // queued, once the call that chose it has returned.
    void PlaylistPlay(const std::string& file);

private:
    // Tests fix Shuffle's draws through it.
    friend class PlaylistTestAccess;

    // Stands in for the pseudo-random generator during Shuffle; each call is
    // one draw. Empty: the default generator.
    using RandomSource = std::function<std::uint32_t()>;

    CPlaylistObserver& View() const;
    void MakeCurrent(int index);
    void SwapEntries(int i, int j);
    void QuickSort(int lo, int hi);

    std::vector<std::string> entries;
    int selection = -1;
    int currentIndex = 0;
    std::string currentFile;
    CPlaylistObserver* observer = nullptr;
    RandomSource random;
};

}  // namespace taleno
