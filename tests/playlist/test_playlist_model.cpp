// The playlist model: stepping, removals, the limit, sorting and moving entries.
#include "playlist/Playlist.h"

#include "common/TestSupport.h"

namespace taleno {
namespace {

using Strings = std::vector<std::string>;

struct List : CPlaylist {
    explicit List(const Strings& entries) { AddDroppedFiles(entries); }
};

TEST(PlaylistStepping, EndsEmptyListRemovalsAndTheLimit) {
    List list({});
    EXPECT_FALSE(list.MoveFirst() || list.MoveNext() || list.MovePrevious());
    list.AddDroppedFiles({"a", "b", "c"});
    ASSERT_TRUE(list.MoveFirst());
    EXPECT_FALSE(list.MovePrevious());
    EXPECT_TRUE(list.MoveNext() && list.MoveNext());
    EXPECT_FALSE(list.MoveNext());
    EXPECT_EQ(list.CurrentIndex(), 2);
    list.RemoveSelected();  // the last of three: the new last is selected
    EXPECT_EQ(list.Entries(), (Strings{"a", "b"}));
    EXPECT_EQ(list.Selection(), 1);
    list.Select(0);
    list.RemoveSelected();
    // currentIndex 2 lies past the end of ["b"]: no entry before it to play.
    EXPECT_FALSE(list.MovePrevious());
    EXPECT_EQ(list.GetCurrentFile(), "c");
    list.RemoveSelected();
    EXPECT_EQ(list.Selection(), -1);
    EXPECT_EQ(list.CurrentIndex(), 2);
    // The five hundred and first entry is refused.
    list.AddDroppedFiles(Strings(MAX_PLAYLIST_ENTRIES + 1, "same.mp3"));
    EXPECT_EQ(list.Count(), MAX_PLAYLIST_ENTRIES);
    EXPECT_FALSE(list.AddFile("z"));
}

TEST(PlaylistOrder, SortIsByteWiseAndCaseSensitive) {
    List small({"b", "B", "a"});
    small.Select(2);
    small.Sort();
    EXPECT_EQ(small.Entries(), (Strings{"B", "a", "b"}));
    EXPECT_EQ(small.CurrentIndex(), 0);
    EXPECT_TRUE(CPlaylist::EntryLess("z", "\xe9"));
    EXPECT_TRUE(CPlaylist::EntryLess("a", "ab") && !CPlaylist::EntryLess("ab", "a"));
}

TEST(PlaylistOrder, DraggedEntryLandsBeforeTheTarget) {
    struct Drag {
        int from, to;
        Strings order;
        int selected;
    };
    for (const Drag& d : {Drag{0, 2, {"1", "0", "2"}, 1}, Drag{2, 0, {"2", "0", "1"}, 0},
                          Drag{0, -1, {"1", "2", "0"}, 2}, Drag{0, 7, {"1", "2", "0"}, 2}}) {
        List list({"0", "1", "2"});
        list.Select(d.from);
        list.MoveEntry(d.from, d.to);
        EXPECT_EQ(list.Entries(), d.order) << d.from << "->" << d.to;
        EXPECT_EQ(list.Selection(), d.selected) << d.from << "->" << d.to;
    }
}

}  // namespace
}  // namespace taleno
