#include "playlist/Playlist.h"

#include "common/TestSupport.h"

namespace taleno {
namespace {

using Strings = std::vector<std::string>;
namespace fs = std::filesystem;
using test::ReadWholeFile;
using test::WriteWholeFile;

class PlaylistFile : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir); }
    test::ScratchFolder scratch;
    std::string root = scratch.Path();
    std::string dir = root + "/Lists/";
};

TEST_F(PlaylistFile, LoadSkipsCommentsAndBlanksResolvesRelativeLinesAndReportsUnopenableFiles) {
    WriteWholeFile(dir + "a.m3u",
                   "#EXTM3U\r\n[playlist]\n; note\n\n \t \r\n   song.mp3  \r\nsub/c.mp3\n../up.mp3\n"
                   "File1=x.mp3\nhttp://host/s.mp3\nC:\\x.mp3\n/abs/b.mp3");
    CPlaylist list;
    list.AddFile("old");
    ASSERT_TRUE(list.LoadPlaylist(dir + "a.m3u"));
    EXPECT_EQ(list.Entries(), (Strings{dir + "song.mp3", dir + "sub/c.mp3", root + "/up.mp3", dir + "File1=x.mp3",
                                       "http://host/s.mp3", dir + "C:\\x.mp3", "/abs/b.mp3"}));
    // A missing file, a folder or an endless device is reported and leaves the list empty.
    for (const std::string& path : {dir + "none.txt", dir, std::string("/dev/zero")}) {
        list.AddFile("old");
        EXPECT_FALSE(list.LoadPlaylist(path)) << path;
        EXPECT_EQ(list.Count(), 0) << path;
    }
}

TEST_F(PlaylistFile, ByteOrderMarkAndPlsFilesOfInternetRadio) {
    CPlaylist list;
    WriteWholeFile(dir + "bom.m3u8", "\xEF\xBB\xBFsong.mp3\r\n#x\r\n");
    ASSERT_TRUE(list.LoadPlaylist(dir + "bom.m3u8"));
    EXPECT_EQ(list.Entries(), Strings{dir + "song.mp3"});
    // "[playlist]" first: the FileN entries in order of N, nothing else.
    WriteWholeFile(dir + "radio.pls",
                   "\xEF\xBB\xBF[Playlist]\nNumberOfEntries=3\nFile10=http://h/ten\nTitle1=One\n"
                   "file2=two.mp3\nFile1 = http://h/one\nFileX=bad\nFile3=\nVersion=2\n");
    ASSERT_TRUE(list.LoadPlaylist(dir + "radio.pls"));
    EXPECT_EQ(list.Entries(), (Strings{"http://h/one", dir + "two.mp3", "http://h/ten"}));
}

TEST_F(PlaylistFile, SaveWritesRelativeFormsAndLoadGivesThemBack) {
    const Strings entries{
        root + "/Music/a.mp3", dir + "b.mp3", "http://host/s.mp3", "/other/b.mp3", dir + "#1.mp3", dir + " 2.mp3", dir};
    CPlaylist list;
    list.AddDroppedFiles(entries);
    ASSERT_TRUE(list.SavePlaylist(dir + "x.txt"));
    EXPECT_EQ(ReadWholeFile(dir + "x.txt"),
              "../Music/a.mp3\r\nb.mp3\r\nhttp://host/s.mp3\r\n/other/b.mp3\r\n./#1.mp3\r\n./ 2.mp3\r\n./\r\n");
    ASSERT_TRUE(list.LoadPlaylist(dir + "x.txt"));
    EXPECT_EQ(list.Entries(), entries);
    EXPECT_FALSE(list.SavePlaylist(dir + "missing/x.txt"));  // a full disk is the fault tests'
}

}  // namespace
}  // namespace taleno
