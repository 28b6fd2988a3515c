#include "playlist/Playlist.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <random>

namespace taleno {
namespace {

using Strings = std::vector<std::string>;

CPlaylist& Fill(CPlaylist& list, const Strings& entries) {
    for (const std::string& e : entries) {
        list.AddFile(e);
    }
    return list;
}

TEST(PlaylistStepping, EndsOfTheListAndTheEmptyList) {
    CPlaylist list;
    EXPECT_EQ(list.MoveFirst(), -1);
    EXPECT_EQ(list.MoveNext(), -1);
    EXPECT_EQ(list.MovePrevious(), -1);
    EXPECT_EQ(list.Selection(), -1);

    Fill(list, {"a", "b", "c"});
    ASSERT_EQ(list.MoveFirst(), 1);
    EXPECT_EQ(list.MovePrevious(), -1);
    EXPECT_EQ(list.CurrentIndex(), 0);
    EXPECT_EQ(list.GetCurrentFile(), "a");
    EXPECT_EQ(list.MoveNext(), 1);
    EXPECT_EQ(list.MoveNext(), 1);
    EXPECT_EQ(list.MoveNext(), -1);
    EXPECT_EQ(list.CurrentIndex(), 2);
    EXPECT_EQ(list.GetCurrentFile(), "c");
    EXPECT_EQ(list.Selection(), 2);
    EXPECT_EQ(list.MovePrevious(), 1);
    EXPECT_EQ(list.GetCurrentFile(), "b");
}

TEST(PlaylistStepping, RemovalKeepsCurrentIndexAndPreviousNeverLeavesTheList) {
    CPlaylist list;
    Fill(list, {"a", "b", "c"});
    list.MoveNext();
    list.MoveNext();  // current: "c" at 2
    list.Select(2);
    list.RemoveSelected();
    EXPECT_EQ(list.Entries(), (Strings{"a", "b"}));
    EXPECT_EQ(list.Selection(), 1);
    EXPECT_EQ(list.CurrentIndex(), 2);
    list.Select(0);
    list.RemoveSelected();
    EXPECT_EQ(list.Selection(), 0);
    // Position 2 lies past the end of ["b"]: there is no entry before it to play.
    EXPECT_EQ(list.MovePrevious(), -1);
    EXPECT_EQ(list.GetCurrentFile(), "c");
    list.RemoveSelected();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Selection(), -1);
    list.RemoveSelected();  // nothing selected: nothing happens
    EXPECT_EQ(list.CurrentIndex(), 2);
}

TEST(PlaylistAdding, TheFiveHundredAndFirstEntryIsRefused) {
    CPlaylist list;
    for (int i = 0; i < MAX_PLAYLIST_ENTRIES - 1; ++i) {
        ASSERT_EQ(list.AddFile("same.mp3"), 1);
    }
    list.AddDroppedFiles({"x", "y", "z"});
    EXPECT_EQ(list.Count(), 500);
    EXPECT_EQ(list.Entry(499), "x");
    EXPECT_EQ(list.AddFile("more"), -1);
    EXPECT_EQ(list.Count(), 500);
}

TEST(PlaylistShuffle, DrawsDecideTheSwaps) {
    for (auto [draw, expected] : {std::pair{0u, Strings{"b", "a"}}, std::pair{1u, Strings{"a", "b"}}}) {
        CPlaylist list;
        Fill(list, {"a", "b"});
        list.SetRandomSource([d = draw] { return d; });
        list.Shuffle();
        EXPECT_EQ(list.Entries(), expected) << "r = " << draw;
    }
    // Draws are taken modulo the count; j = i + 1 + r past the end swaps nothing.
    CPlaylist list;
    Fill(list, {"a", "b", "c", "d"}).Select(1);
    list.MoveNext();
    const std::uint32_t draws[] = {3, 5, 0};
    std::size_t n = 0;
    list.SetRandomSource([&] { return draws[n++]; });
    list.Shuffle();
    EXPECT_EQ(list.Entries(), (Strings{"a", "d", "b", "c"}));
    EXPECT_EQ(n, 3u);
    EXPECT_EQ(list.CurrentIndex(), 1);
    EXPECT_EQ(list.Selection(), 1);
    EXPECT_EQ(list.MoveNext(), 1);
    EXPECT_EQ(list.GetCurrentFile(), "b");
}

TEST(PlaylistSort, ByteOrderCaseSensitiveAndLikeStdSort) {
    CPlaylist small;
    Fill(small, {"b", "B", "a"}).Select(2);
    small.Sort();
    EXPECT_EQ(small.Entries(), (Strings{"B", "a", "b"}));
    EXPECT_EQ(small.Selection(), 2);
    EXPECT_EQ(small.CurrentIndex(), 0);
    EXPECT_TRUE(CPlaylist::EntryLess("z", "\xe9"));  // unsigned bytes
    EXPECT_TRUE(CPlaylist::EntryLess("a", "ab"));
    EXPECT_FALSE(CPlaylist::EntryLess("ab", "a"));
    EXPECT_FALSE(CPlaylist::EntryLess("a", "a"));

    std::mt19937 random(7);
    const std::string alphabet{"aAbB/\xe9\xff_"};
    for (int run = 0; run < 300; ++run) {
        Strings entries(random() % 80);
        for (std::string& e : entries) {
            e.resize(random() % 5);
            for (char& c : e) c = alphabet[random() % alphabet.size()];
        }
        CPlaylist list;
        Fill(list, entries).Sort();
        std::sort(entries.begin(), entries.end(), CPlaylist::EntryLess);
        ASSERT_EQ(list.Entries(), entries) << "run " << run;
    }
}

TEST(PlaylistMove, DraggedEntryLandsBeforeTheTarget) {
    const std::pair<int, int> drags[] = {{0, 2}, {2, 0}, {0, -1}, {1, 1}, {0, 7}};
    const Strings expected[] = {{"1", "0", "2"}, {"2", "0", "1"}, {"1", "2", "0"}, {"0", "1", "2"}, {"1", "2", "0"}};
    const int selected[] = {1, 0, 2, 1, 2};
    for (int k = 0; k < 5; ++k) {
        CPlaylist list;
        Fill(list, {"0", "1", "2"}).Select(drags[k].first);
        list.MoveEntry(drags[k].first, drags[k].second);
        EXPECT_EQ(list.Entries(), expected[k]) << "drag " << k;
        EXPECT_EQ(list.Selection(), selected[k]) << "drag " << k;
    }
}

struct Recorder : MessageTarget, CPlaylistObserver {
    std::vector<unsigned> messages;
    std::string log;
    void OnMessage(unsigned message, WPARAM, LPARAM) override { messages.push_back(message); }
    void OnUpdateHorizontalExtent() override { log += 'x'; }
    void OnBeginBatch() override { log += '('; }
    void OnEndBatch() override { log += ')'; }
    void OnEntryChanged(int) override { log += 'c'; }
};

TEST(PlaylistPlay, PlaySelectedPostsToTheMainWindowAndViewHearsChanges) {
    Recorder recorder;
    SetMainMessageTarget(&recorder);
    CPlaylist list;
    list.SetObserver(&recorder);
    list.PlayFirst();
    list.PlaySelected();
    Fill(list, {"b", "a"});
    list.Select(1);
    list.PlaySelected();
    EXPECT_EQ(list.CurrentIndex(), 1);
    EXPECT_EQ(list.GetCurrentFile(), "a");
    QElapsedTimer clock;
    clock.start();
    while (recorder.messages.empty() && clock.elapsed() < 2000) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(recorder.messages, (std::vector<unsigned>{0x466}));
    list.Sort();
    list.RemoveAll();
    EXPECT_EQ(recorder.log, "xx(cc)x");
    SetMainMessageTarget(nullptr);
}

}  // namespace
}  // namespace taleno
