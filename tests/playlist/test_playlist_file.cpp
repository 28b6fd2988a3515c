#include "playlist/Playlist.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace taleno {
namespace {

using Strings = std::vector<std::string>;
namespace fs = std::filesystem;

class PlaylistFile : public testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/taleno-playlist-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        root_ = name;
        fs::create_directories(root_ + "/Lists");
    }
    void TearDown() override { fs::remove_all(root_); }

    void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& path) {
        std::ostringstream out;
        out << std::ifstream(path, std::ios::binary).rdbuf();
        return out.str();
    }

    std::string root_;
};

TEST_F(PlaylistFile, LoadSkipsCommentsAndBlanksAndResolvesRelativeLines) {
    const std::string list = root_ + "/Lists/a.m3u";
    Write(list, "#EXTM3U\r\n[playlist]\n; note\n\n \t \r\n   song.mp3  \r\nsub/c.mp3\n../up.mp3\n"
                "File1=x.mp3\nhttp://host/s.mp3\nC:\\x.mp3\n/abs/b.mp3");
    CPlaylist playlist;
    playlist.AddFile("old");
    ASSERT_EQ(playlist.LoadPlaylist(list), 1);
    const std::string d = root_ + "/Lists/";
    EXPECT_EQ(playlist.Entries(), (Strings{d + "song.mp3", d + "sub/c.mp3", root_ + "/up.mp3", d + "File1=x.mp3",
                                           "http://host/s.mp3", d + "C:\\x.mp3", "/abs/b.mp3"}));
}

TEST_F(PlaylistFile, SaveWritesRelativeFormsAndLoadGivesThemBack) {
    const std::string list = root_ + "/Lists/x.txt";
    const Strings entries{root_ + "/Music/a.mp3", root_ + "/Lists/b.mp3", "http://host/s.mp3", "/other/b.mp3",
                          root_ + "/Lists/#1.mp3", root_ + "/Lists/ 2.mp3", root_ + "/Lists/"};
    CPlaylist playlist;
    for (const std::string& e : entries) playlist.AddFile(e);
    ASSERT_EQ(playlist.SavePlaylist(list), 1);
    EXPECT_EQ(Read(list), "../Music/a.mp3\r\nb.mp3\r\nhttp://host/s.mp3\r\n/other/b.mp3\r\n./#1.mp3\r\n./ 2.mp3\r\n./\r\n");
    CPlaylist loaded;
    ASSERT_EQ(loaded.LoadPlaylist(list), 1);
    EXPECT_EQ(loaded.Entries(), entries);

    // A playlist named relative to the working folder belongs to that folder.
    const fs::path cwd = fs::current_path();
    fs::current_path(root_ + "/Lists");
    EXPECT_EQ(loaded.SavePlaylist("y.txt"), 1);
    EXPECT_EQ(loaded.LoadPlaylist("y.txt"), 1);
    fs::current_path(cwd);
    EXPECT_EQ(Read(root_ + "/Lists/y.txt"), Read(list));
    EXPECT_EQ(loaded.Entries(), entries);

    CPlaylist empty;
    ASSERT_EQ(empty.SavePlaylist(list), 1);
    EXPECT_EQ(Read(list), "");
}

TEST_F(PlaylistFile, FailedSaveLeavesTheOldFileWhole) {
    const std::string list = root_ + "/Lists/x.txt";
    const std::string old = "../Music/old.mp3\r\n";
    Write(list, old);
    CPlaylist playlist;
    for (int i = 0; i < 100; ++i) playlist.AddFile("/elsewhere/a fairly long path/" + std::to_string(i) + ".mp3");
    // The disk "fills" half way: no file may grow past 1 KiB (holds for root too).
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    int result = playlist.SavePlaylist(list);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(Read(list), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(root_ + "/Lists"), fs::directory_iterator()), 1);
    EXPECT_EQ(playlist.Count(), 100);
    EXPECT_EQ(playlist.SavePlaylist(root_ + "/missing/x.txt"), -1);
}

TEST_F(PlaylistFile, UnopenableFileIsReportedAndLeavesTheListEmpty) {
    for (const std::string& path : {root_ + "/none.txt", root_ + "/Lists", std::string("/dev/zero")}) {
        CPlaylist playlist;
        playlist.AddFile("old");
        EXPECT_EQ(playlist.LoadPlaylist(path), -1) << path;
        EXPECT_EQ(playlist.Count(), 0) << path;
    }
}

TEST_F(PlaylistFile, BinaryHugeAndLongFilesStayBounded) {
    const std::string list = root_ + "/Lists/bad.pls";
    std::string bytes("/a\0b.mp3\n\x01\x80\xff\xfe\n", 14);
    bytes += std::string(3 << 20, 'x') + "\n/after-long.mp3\n" + std::string(MAX_PLAYLIST_LINE_LENGTH + 1, 'y');
    bytes += "\n" + std::string(MAX_PLAYLIST_LINE_LENGTH, '/') + "\n";
    for (int i = 0; i < 100000; ++i) bytes += "/m/" + std::to_string(i) + ".mp3\n";
    Write(list, bytes);
    CPlaylist playlist;
    ASSERT_EQ(playlist.LoadPlaylist(list), 1);
    ASSERT_EQ(playlist.Count(), 500);
    EXPECT_EQ(playlist.Entry(0), std::string("/a\0b.mp3", 8));
    EXPECT_EQ(playlist.Entry(1), root_ + "/Lists/\x01\x80\xff\xfe");
    EXPECT_EQ(playlist.Entry(2), "/after-long.mp3");
    EXPECT_EQ(playlist.Entry(3).size(), MAX_PLAYLIST_LINE_LENGTH);
    EXPECT_EQ(playlist.Entry(499), "/m/495.mp3");
}

}  // namespace
}  // namespace taleno
