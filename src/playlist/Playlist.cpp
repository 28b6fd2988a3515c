#include "playlist/Playlist.h"

#include <algorithm>
#include <ctime>
#include <random>
#include <utility>

namespace taleno {

CPlaylistObserver::~CPlaylistObserver() = default;
void CPlaylistObserver::OnEntryInserted(int) {}
void CPlaylistObserver::OnEntryRemoved(int) {}
void CPlaylistObserver::OnEntriesCleared() {}
void CPlaylistObserver::OnEntryChanged(int) {}
void CPlaylistObserver::OnSelectionChanged(int) {}
void CPlaylistObserver::OnUpdateHorizontalExtent() {}
void CPlaylistObserver::OnBeginBatch() {}
void CPlaylistObserver::OnEndBatch() {}

namespace {
CPlaylistObserver& Quiet() {
    static CPlaylistObserver quiet;
    return quiet;
}
}  // namespace

CPlaylistObserver& CPlaylist::View() const { return observer != nullptr ? *observer : Quiet(); }

void CPlaylist::SetObserver(CPlaylistObserver* watcher) { observer = watcher; }

int CPlaylist::Count() const { return static_cast<int>(entries.size()); }

std::string CPlaylist::Entry(int index) const {
    return index >= 0 && index < Count() ? entries[static_cast<std::size_t>(index)] : std::string();
}

std::vector<std::string> CPlaylist::Entries() const { return entries; }

int CPlaylist::Selection() const { return selection; }

int CPlaylist::CurrentIndex() const { return currentIndex; }

std::string CPlaylist::GetCurrentFile() const { return currentFile; }

// Notifies the observer only when the selected index changes.
void CPlaylist::Select(int index) {
    int chosen = index >= 0 && index < Count() ? index : -1;
    if (chosen != selection) {
        selection = chosen;
        View().OnSelectionChanged(selection);
    }
}

void CPlaylist::MakeCurrent(int index) {
    currentIndex = index;
    currentFile = entries[static_cast<std::size_t>(index)];
}

bool CPlaylist::AddFile(const std::string& path) {
    if (Count() >= MAX_PLAYLIST_ENTRIES) {
        return false;
    }
    entries.push_back(path);
    View().OnEntryInserted(Count() - 1);
    View().OnUpdateHorizontalExtent();
    return true;
}

void CPlaylist::AddDroppedFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        AddFile(path);
    }
}

void CPlaylist::RemoveSelected() {
    if (selection == -1) {
        return;
    }
    int index = selection;
    entries.erase(entries.begin() + index);
    // The removed entry took the selection with it.
    selection = -1;
    View().OnEntryRemoved(index);
    View().OnUpdateHorizontalExtent();
    if (entries.empty()) {
        View().OnSelectionChanged(-1);
        return;
    }
    Select(std::min(index, Count() - 1));
}

void CPlaylist::RemoveAll() {
    bool hadSelection = selection != -1;
    entries.clear();
    selection = -1;
    View().OnEntriesCleared();
    View().OnUpdateHorizontalExtent();
    if (hadSelection) {
        View().OnSelectionChanged(-1);
    }
}

void CPlaylist::MoveEntry(int dragFrom, int dropTarget) {
    if (dragFrom < 0 || dragFrom >= Count()) {
        return;
    }
    if (dropTarget >= Count()) {
        dropTarget = -1;
    } else if (dropTarget < -1) {
        dropTarget = 0;
    }
    if (dropTarget == dragFrom) {
        return;
    }
    std::string text = entries[static_cast<std::size_t>(dragFrom)];
    entries.erase(entries.begin() + dragFrom);
    selection = -1;
    View().OnEntryRemoved(dragFrom);
    // Moving down, the target slid up by one when the entry left.
    int at = dropTarget == -1 ? Count() : dropTarget < dragFrom ? dropTarget : dropTarget - 1;
    entries.insert(entries.begin() + at, std::move(text));
    View().OnEntryInserted(at);
    Select(at);
}

bool CPlaylist::MoveNext() {
    int i = currentIndex + 1;
    if (i >= Count()) {
        return false;
    }
    Select(i);
    MakeCurrent(i);
    return true;
}

bool CPlaylist::MovePrevious() {
    // After removals the current position may lie past the end; there is then
    // no entry "before" it to play.
    int i = currentIndex - 1;
    if (currentIndex == 0 || i >= Count()) {
        return false;
    }
    Select(i);
    MakeCurrent(i);
    return true;
}

bool CPlaylist::MoveFirst() {
    Select(0);
    if (entries.empty()) {
        return false;
    }
    MakeCurrent(0);
    return true;
}

void CPlaylist::PlaySelected() {
    if (selection == -1) {
        return;
    }
    MakeCurrent(selection);
    emit PlaylistPlay(currentFile);
}

void CPlaylist::PlayFirst() {
    if (entries.empty()) {
        return;
    }
    Select(0);
    PlaySelected();
}

void CPlaylist::SwapEntries(int i, int j) {
    std::swap(entries[static_cast<std::size_t>(i)], entries[static_cast<std::size_t>(j)]);
    View().OnEntryChanged(i);
    View().OnEntryChanged(j);
}

void CPlaylist::Shuffle() {
    int count = Count();
    if (count < 2) {
        return;
    }
    RandomSource draw = random;
    if (!draw) {
        draw = [generator = std::minstd_rand(static_cast<std::uint32_t>(std::time(nullptr)))]() mutable {
            return static_cast<std::uint32_t>(generator());
        };
    }
    View().OnBeginBatch();
    // Each position may trade with one drawn from the positions after it; a
    // draw that lands past the end leaves the position as it is.
    for (int i = 0; i <= count - 2; ++i) {
        int r = static_cast<int>(draw() % static_cast<std::uint32_t>(count));
        int j = i + 1 + r;
        if (j < count) {
            SwapEntries(i, j);
        }
    }
    View().OnEndBatch();
}

bool CPlaylist::EntryLess(const std::string& a, const std::string& b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t k = 0; k < n; ++k) {
        auto ca = static_cast<unsigned char>(a[k]);
        auto cb = static_cast<unsigned char>(b[k]);
        if (ca != cb) {
            return ca < cb;
        }
    }
    return a.size() < b.size();
}

void CPlaylist::QuickSort(int lo, int hi) {
    if (lo >= hi) {
        return;
    }
    const std::string pivot = entries[static_cast<std::size_t>((lo + hi) / 2)];
    auto at = [this](int k) -> const std::string& { return entries[static_cast<std::size_t>(k)]; };
    int i = lo;
    int j = hi;
    do {
        while (i < hi && EntryLess(at(i), pivot)) {
            ++i;
        }
        while (j > lo && EntryLess(pivot, at(j))) {
            --j;
        }
        if (i > j) {
            break;
        }
        if (at(i) != at(j)) {
            SwapEntries(i, j);
        }
        ++i;
        --j;
    } while (j >= i);
    if (lo < j) {
        QuickSort(lo, j);
    }
    if (i < hi) {
        QuickSort(i, hi);
    }
}

void CPlaylist::Sort() {
    if (Count() < 2) {
        return;
    }
    View().OnBeginBatch();
    QuickSort(0, Count() - 1);
    View().OnEndBatch();
}

}  // namespace taleno
