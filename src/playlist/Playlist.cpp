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

CPlaylistObserver& CPlaylist::View() const { return observer_ != nullptr ? *observer_ : Quiet(); }

void CPlaylist::SetObserver(CPlaylistObserver* observer) { observer_ = observer; }

int CPlaylist::Count() const { return static_cast<int>(entries_.size()); }

std::string CPlaylist::Entry(int index) const {
    return index >= 0 && index < Count() ? entries_[static_cast<std::size_t>(index)] : std::string();
}

std::vector<std::string> CPlaylist::Entries() const { return entries_; }

int CPlaylist::Selection() const { return selection_; }

int CPlaylist::CurrentIndex() const { return currentIndex_; }

std::string CPlaylist::GetCurrentFile() const { return currentFile_; }

// Notifies the observer only when the selected index changes.
void CPlaylist::Select(int index) {
    int selection = index >= 0 && index < Count() ? index : -1;
    if (selection != selection_) {
        selection_ = selection;
        View().OnSelectionChanged(selection_);
    }
}

void CPlaylist::MakeCurrent(int index) {
    currentIndex_ = index;
    currentFile_ = entries_[static_cast<std::size_t>(index)];
}

int CPlaylist::AddFile(const std::string& path) {
    if (Count() >= MAX_PLAYLIST_ENTRIES) {
        return -1;
    }
    entries_.push_back(path);
    View().OnEntryInserted(Count() - 1);
    View().OnUpdateHorizontalExtent();
    return 1;
}

void CPlaylist::AddDroppedFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        AddFile(path);
    }
}

void CPlaylist::RemoveSelected() {
    if (selection_ == -1) {
        return;
    }
    int index = selection_;
    entries_.erase(entries_.begin() + index);
    // The removed entry took the selection with it.
    selection_ = -1;
    View().OnEntryRemoved(index);
    View().OnUpdateHorizontalExtent();
    if (entries_.empty()) {
        View().OnSelectionChanged(-1);
        return;
    }
    Select(std::min(index, Count() - 1));
}

void CPlaylist::RemoveAll() {
    bool hadSelection = selection_ != -1;
    entries_.clear();
    selection_ = -1;
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
    std::string text = entries_[static_cast<std::size_t>(dragFrom)];
    entries_.erase(entries_.begin() + dragFrom);
    selection_ = -1;
    View().OnEntryRemoved(dragFrom);
    // Moving down, the target slid up by one when the entry left.
    int at = dropTarget == -1 ? Count() : dropTarget < dragFrom ? dropTarget : dropTarget - 1;
    entries_.insert(entries_.begin() + at, std::move(text));
    View().OnEntryInserted(at);
    Select(at);
}

int CPlaylist::MoveNext() {
    int i = currentIndex_ + 1;
    if (i >= Count()) {
        return -1;
    }
    Select(i);
    MakeCurrent(i);
    return 1;
}

int CPlaylist::MovePrevious() {
    // After removals the current position may lie past the end; there is then
    // no entry "before" it to play.
    int i = currentIndex_ - 1;
    if (currentIndex_ == 0 || i >= Count()) {
        return -1;
    }
    Select(i);
    MakeCurrent(i);
    return 1;
}

int CPlaylist::MoveFirst() {
    Select(0);
    if (entries_.empty()) {
        return -1;
    }
    MakeCurrent(0);
    return 1;
}

void CPlaylist::PlaySelected() {
    if (selection_ == -1) {
        return;
    }
    MakeCurrent(selection_);
    emit PlaylistPlay(currentFile_);
}

void CPlaylist::PlayFirst() {
    if (entries_.empty()) {
        return;
    }
    Select(0);
    PlaySelected();
}

void CPlaylist::SwapEntries(int i, int j) {
    std::swap(entries_[static_cast<std::size_t>(i)], entries_[static_cast<std::size_t>(j)]);
    View().OnEntryChanged(i);
    View().OnEntryChanged(j);
}

void CPlaylist::Shuffle() {
    int count = Count();
    if (count < 2) {
        return;
    }
    RandomSource draw = random_;
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
    const std::string pivot = entries_[static_cast<std::size_t>((lo + hi) / 2)];
    auto at = [this](int k) -> const std::string& { return entries_[static_cast<std::size_t>(k)]; };
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
