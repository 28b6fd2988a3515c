#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/EngineOutputParser.h"

namespace taleno {
namespace {

class EngineOutputParserTest : public testing::Test {
protected:
    int Starting(const std::string& line) { return parser.ParseLine(line, ENGINE_STARTING); }
    CEngineOutputParser parser;
};

TEST_F(EngineOutputParserTest, TimePositionAnswersInEveryState) {
    EXPECT_EQ(parser.ParseLine("ANS_TIME_POSITION=12.3", ENGINE_PLAYING), ENGINE_EVENT_NONE);
    EXPECT_EQ(parser.GetTimePosition(), 13);
    parser.ParseLine("ANS_TIME_POSITION=0.0", ENGINE_PAUSED);
    EXPECT_EQ(parser.GetTimePosition(), 1);
    parser.ParseLine("ANS_TIME_POSITION=-4.0", ENGINE_PLAYING);
    EXPECT_EQ(parser.GetTimePosition(), 1);
    parser.ParseLine("ANS_TIME_POSITION=400000.0", ENGINE_STOPPED);
    EXPECT_EQ(parser.GetTimePosition(), 359999);
    parser.ParseLine("ANS_TIME_POSITION=99999999999999999999", ENGINE_PLAYING);
    EXPECT_EQ(parser.GetTimePosition(), 359999);
    parser.ParseLine("ANS_TIME_POSITION=", ENGINE_PLAYING);  // no value: kept
    parser.ParseLine("ANS_TIME_POSITION=abc", ENGINE_PLAYING);
    EXPECT_EQ(parser.GetTimePosition(), 359999);
}

TEST_F(EngineOutputParserTest, NumbersReadFromTheirPosition) {
    Starting("ID_LENGTH=5400.25");
    EXPECT_EQ(parser.GetLength(), 5400);
    Starting("ID_LENGTH=400000");
    EXPECT_EQ(parser.GetLength(), 359999);
    Starting("Cache fill: 150.00% (1 bytes)");
    EXPECT_FLOAT_EQ(parser.GetCacheFill(), 100.0f);
    Starting("Cache fill:  12.50% (458752 bytes)");
    EXPECT_FLOAT_EQ(parser.GetCacheFill(), 12.5f);
    Starting("ID_VIDEO_FPS=25.000");
    EXPECT_FLOAT_EQ(parser.GetVideoFps(), 25.0f);
    Starting("ID_VIDEO_FPS=1e999");  // beyond float: largest float, no overflow
    EXPECT_FLOAT_EQ(parser.GetVideoFps(), 3.40282347e38f);
    Starting("ID_AUDIO_BITRATE=64000");
    Starting("ID_AUDIO_RATE=44100");
    Starting("ID_AUDIO_NCH=2");
    Starting("ID_VIDEO_BITRATE=-99999999999");  // saturates at the 32-bit minimum
    EXPECT_EQ(parser.GetAudioBitrate(), 64000);
    EXPECT_EQ(parser.GetAudioRate(), 44100);
    EXPECT_EQ(parser.GetAudioChannels(), 2);
    EXPECT_EQ(parser.GetVideoBitrate(""), -2147483647 - 1);
}

TEST_F(EngineOutputParserTest, PictureSizeOnlyWhileStartingAndBounded) {
    EXPECT_EQ(parser.GetVideoWidth(), 320);
    EXPECT_EQ(parser.GetVideoHeight(), 240);
    Starting("ID_VIDEO_WIDTH=176");
    Starting("ID_VIDEO_HEIGHT=144");
    parser.ParseLine("ID_VIDEO_WIDTH=640", ENGINE_PLAYING);
    parser.ParseLine("ID_VIDEO_HEIGHT=480", ENGINE_PAUSED);
    EXPECT_EQ(parser.GetVideoWidth(), 176);
    EXPECT_EQ(parser.GetVideoHeight(), 144);
    Starting("ID_VIDEO_WIDTH=123456");
    Starting("ID_VIDEO_HEIGHT=-20");
    EXPECT_EQ(parser.GetVideoWidth(), 9999);
    EXPECT_EQ(parser.GetVideoHeight(), 0);
}

TEST_F(EngineOutputParserTest, TextsAndTags) {
    Starting(" Title: My Clip");
    EXPECT_EQ(parser.GetTitle(), "My Clip");
    Starting(" name: Other");
    EXPECT_EQ(parser.GetTitle(), "Other");
    Starting(" Artist: Some Artist");
    Starting(" Album: An Album");
    Starting(" Genre: Rock");
    Starting("ID_AUDIO_CODEC=mpg123");
    Starting("ID_AUDIO_FORMAT=85");
    Starting("ID_VIDEO_CODEC=ffodivx");
    Starting("ID_CLIP_INFO_copyright=(c) Me");
    Starting("ID_CLIP_INFO_name=");  // not longer than the position: nothing stored
    Starting("ID_CLIP_INFO_NAME0=Title");  // other case: no rule
    EXPECT_EQ(parser.GetArtist(), "Some Artist");
    EXPECT_EQ(parser.GetAlbum(), "An Album");
    EXPECT_EQ(parser.GetGenre(), "Rock");
    EXPECT_EQ(parser.GetAudioCodec(), "mpg123");
    EXPECT_EQ(parser.GetAudioFormat(), "85");
    EXPECT_EQ(parser.GetVideoCodec(), "ffodivx");
    EXPECT_EQ(parser.GetClipCopyright(), "(c) Me");
    EXPECT_EQ(parser.GetClipName(), "-");
    EXPECT_EQ(parser.GetClipRating(), "-");
    parser.ParseLine(" Album: Later", ENGINE_PLAYING);
    EXPECT_EQ(parser.GetAlbum(), "An Album");
    EXPECT_TRUE(parser.HasVideo());
    Starting("Video: no video");
    EXPECT_FALSE(parser.HasVideo());

    parser.ResetMediaInfo();
    EXPECT_EQ(parser.GetAlbum(), "-");
    EXPECT_EQ(parser.GetAudioCodec(), "");
    EXPECT_TRUE(parser.HasVideo());
}

TEST_F(EngineOutputParserTest, EventsFollowRuleOrderAndState) {
    EXPECT_EQ(Starting(" Title: Starting Over"), ENGINE_EVENT_NONE);
    EXPECT_EQ(parser.GetTitle(), "Starting Over");
    EXPECT_EQ(Starting("Starting playback..."), ENGINE_EVENT_STARTING);
    EXPECT_EQ(Starting("Exiting... (End of file)"), ENGINE_EVENT_EXITING);
    EXPECT_EQ(Starting("Playback interrupted"), ENGINE_EVENT_INTERRUPTED);
    EXPECT_EQ(parser.ParseLine("Exiting... (Quit)", ENGINE_PLAYING), ENGINE_EVENT_NONE);
    EXPECT_EQ(parser.ParseLine("Starting playback...", ENGINE_STOPPED), ENGINE_EVENT_NONE);
    EXPECT_EQ(Starting(""), ENGINE_EVENT_NONE);
}

TEST_F(EngineOutputParserTest, VideoBitrateEstimatedFromFileSize) {
    char folder[] = "/tmp/taleno-parser-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string clip = std::string(folder) + "/clip.avi";
    const std::string big = std::string(folder) + "/big.avi";
    for (const auto& [path, size] : {std::pair{clip, off_t{36000000}}, std::pair{big, off_t{5} << 30}}) {
        const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(ftruncate(fd, size), 0);  // sparse: takes no disk space
        close(fd);
    }
    Starting("ID_LENGTH=3600");
    Starting("ID_AUDIO_BITRATE=64000");
    EXPECT_EQ(parser.GetVideoBitrate(clip), 16000);
    EXPECT_EQ(parser.GetVideoBitrate(big), 16000);  // stored: not estimated again

    parser.ResetMediaInfo();  // a 5 GiB, 10-second clip does not wrap around
    Starting("ID_LENGTH=10");
    EXPECT_EQ(parser.GetVideoBitrate(big), 2147483647);

    parser.ResetMediaInfo();  // a URL counts as 0 bytes
    Starting("ID_LENGTH=60");
    Starting("ID_AUDIO_BITRATE=128000");
    EXPECT_EQ(parser.GetVideoBitrate("http://example.invalid/a.mp4"), -128000);

    parser.ResetMediaInfo();  // without video or length, no estimate
    Starting("ID_AUDIO_BITRATE=128000");
    EXPECT_EQ(parser.GetVideoBitrate(clip), 0);
    Starting("ID_LENGTH=3600");
    Starting("Video: no video");
    EXPECT_EQ(parser.GetVideoBitrate(clip), 0);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace taleno
