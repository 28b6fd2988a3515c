#include "settings/PlaybackPositions.h"

#include "common/ScratchFolder.h"

namespace taleno {
namespace {

using namespace test;

class PlaybackPositionsTest : public ::testing::Test {
protected:
    ScratchFolder dir;
    std::string folder = dir.Path();
    std::string file = PositionFilePath(folder);
};

TEST_F(PlaybackPositionsTest, PlainPathsStayPlainLines) {
    EXPECT_EQ(file, folder + "/PlaybackPosition.ini");
    ASSERT_TRUE(StorePosition(folder, "/Video/clip.mp4", 754));
    ASSERT_TRUE(StorePosition(folder, "http://h/a b%20c?x=1", 9));
    ASSERT_TRUE(StorePosition(folder, "/Video/clip.mp4", 12));
    EXPECT_EQ(ReadWholeFile(file), "[PlaybackPosition]\r\n/Video/clip.mp4=12\r\n"
                                   "%http://h/a b%2520c?x%3D1=9\r\n");
    WriteWholeFile(file, "[playbackposition]\n/Music/song one.mp3 = 77\n");  // by hand
    EXPECT_EQ(ReadPosition(folder, "/Music/song one.mp3"), 77);
    EXPECT_EQ(PositionKey(";x=y "), "%;x%3Dy%20");
    EXPECT_EQ(PositionKey(" a  b  "), "% a  b%20%20");
    EXPECT_EQ(PositionKey("%d\n"), "%%25d%0A");
}

TEST_F(PlaybackPositionsTest, EveryPathRoundTripsExactly) {
    const std::string clips[] = {
        "/Video/clip.mp4", "/Video/Clip.mp4", "/VIDEO/CLIP.MP4", "/a=b/c==d.avi",
        ";not a comment", "[not a section]", "%41 looks escaped", "  spaced  ", " ",
        "tab\there", "line\nbreak\r\n", "http://e.org/s?id=5&x=%41", "rtsp://h:554/live"};
    int seconds = 100;
    for (const std::string& clip : clips) ASSERT_TRUE(StorePosition(folder, clip, seconds++));
    seconds = 100;
    for (const std::string& clip : clips) EXPECT_EQ(ReadPosition(folder, clip), seconds++) << clip;
    for (const char* other : {"/video/clip.mp4", "%2541 looks escaped", "spaced", ""}) {
        EXPECT_EQ(ReadPosition(folder, other), -1) << other;
    }
    ASSERT_TRUE(ForgetPosition(folder, "/Video/clip.mp4"));
    ASSERT_TRUE(ForgetPosition(folder, ";not a comment"));
    EXPECT_EQ(ReadPosition(folder, "/Video/clip.mp4"), -1);
    EXPECT_EQ(ReadPosition(folder, ";not a comment"), -1);
    EXPECT_EQ(ReadPosition(folder, "/Video/Clip.mp4"), 101);
    EXPECT_EQ(ReadPosition(folder, "[not a section]"), 105);
}

TEST_F(PlaybackPositionsTest, MissingOrUnreadableFileHasNoPositions) {
    EXPECT_EQ(ReadPosition(folder, "/a.mp4"), -1);
    EXPECT_EQ(ReadPosition(folder + "/no/such", "/a.mp4"), -1);
    EXPECT_TRUE(ForgetPosition(folder, "/a.mp4"));
    EXPECT_FALSE(std::filesystem::exists(file));
    std::filesystem::create_directory(file);
    EXPECT_EQ(ReadPosition(folder, "/a.mp4"), -1);
    EXPECT_FALSE(StorePosition(folder, "/a.mp4", 5));
    EXPECT_FALSE(StorePosition(folder, "", 5));
}

}  // namespace
}  // namespace taleno
