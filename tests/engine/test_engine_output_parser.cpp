// The parser's bounds, rule order and state rules. Plain values of a real
// clip (codecs, rates, channels, frame rate, title) are checked against the
// real engine in test_engine_real.cpp.
#include "engine/EngineOutputParser.h"

#include "common/TestSupport.h"

namespace taleno {
namespace {

using Strings = std::vector<std::string>;

class EngineOutputParserTest : public testing::Test {
protected:
    int Starting(const std::string& line) { return parser.ParseLine(line, ENGINE_STARTING); }
    CEngineOutputParser parser;
};

// That every field stays in its range whatever the engine prints is the
// engine output fuzz target's; here, where the bounds lie.
TEST_F(EngineOutputParserTest, NumbersAreBoundedAndThePictureSizeIsReadOnlyWhileStarting) {
    // Time answers count in every state, rounded up; no number keeps the last.
    for (const auto& [value, state, position] : {std::tuple{"12.3", ENGINE_PLAYING, 13},
                                                 {"0.0", ENGINE_PAUSED, 1},
                                                 {"400000.0", ENGINE_STOPPED, 359999},
                                                 {"abc", ENGINE_PLAYING, 359999}}) {
        EXPECT_EQ(parser.ParseLine(std::string("ANS_TIME_POSITION=") + value, state), ENGINE_EVENT_NONE);
        EXPECT_EQ(parser.GetMediaInfo().timePosition, position) << value;
    }
    for (const auto& [line, length] :
         {std::pair{"ID_LENGTH=5400.25", 5400}, {"ID_LENGTH=400000", 359999}, {"ID_LENGTH=-5", 0}}) {
        Starting(line);
        EXPECT_EQ(parser.GetMediaInfo().length, length) << line;
    }
    for (const auto& [line, fill] : {std::pair{"Cache fill: 150.00% (1 bytes)", 100.0f},
                                     {"Cache fill: -12.50% (1 bytes)", 0.0f},
                                     {"Cache fill:  12.50% (458752 bytes)", 12.5f}}) {
        Starting(line);
        EXPECT_FLOAT_EQ(parser.GetMediaInfo().cacheFill, fill) << line;
    }
    Starting("ID_VIDEO_WIDTH=176");
    Starting("ID_VIDEO_HEIGHT=144");
    parser.ParseLine("ID_VIDEO_WIDTH=640", ENGINE_PLAYING);
    parser.ParseLine("ID_VIDEO_HEIGHT=480", ENGINE_PAUSED);
    EXPECT_EQ((std::vector{parser.GetVideoWidth(), parser.GetVideoHeight()}), (std::vector{176, 144}));
    Starting("ID_VIDEO_WIDTH=123456");
    Starting("ID_VIDEO_HEIGHT=-20");
    EXPECT_EQ((std::vector{parser.GetVideoWidth(), parser.GetVideoHeight()}), (std::vector{9999, 0}));
}

TEST_F(EngineOutputParserTest, TextsAndTagsUntilReset) {
    Starting(" Title: My Clip");
    Starting(" name: Other");
    EXPECT_EQ(parser.GetMediaInfo().title, "Other");
    // Tags in the container's own letter case, and only where the key begins
    // the line after the engine's blank.
    Starting(" ARTIST: Loud");
    Starting("[demuxer] genre: not a tag line");
    Starting("  Genre: two blanks");
    EXPECT_EQ((Strings{parser.GetMediaInfo().artist, parser.GetMediaInfo().genre}), (Strings{"Loud", "-"}));
    for (const char* line : {" Album: An Album", " Genre: Rock", "ID_AUDIO_FORMAT=85", "ID_CLIP_INFO_copyright=(c) Me",
                             "ID_CLIP_INFO_name=",           // not longer than the position: nothing stored
                             "ID_CLIP_INFO_NAME0=Title"}) {  // other case: no rule
        Starting(line);
    }
    parser.ParseLine(" Album: Later", ENGINE_PLAYING);
    EXPECT_EQ((Strings{parser.GetMediaInfo().album, parser.GetMediaInfo().genre, parser.GetMediaInfo().audioFormat,
                       parser.GetMediaInfo().clipCopyright, parser.GetMediaInfo().clipName,
                       parser.GetMediaInfo().clipRating}),
              (Strings{"An Album", "Rock", "85", "(c) Me", "-", "-"}));
    Starting("ID_AUDIO_CODEC=mpg123");
    Starting("Video: no video");
    EXPECT_FALSE(parser.GetMediaInfo().hasVideo);

    parser.ResetMediaInfo();
    EXPECT_EQ((Strings{parser.GetMediaInfo().album, parser.GetMediaInfo().audioCodec}), (Strings{"-", ""}));
    EXPECT_TRUE(parser.GetMediaInfo().hasVideo);
}

TEST_F(EngineOutputParserTest, VideoBitrateEstimatedFromFileSize) {
    test::ScratchFolder folder;
    const std::string clip = folder.File("clip.avi"), big = folder.File("big.avi");
    for (const auto& [path, size] : {std::pair{clip, std::uintmax_t{36000000}}, {big, std::uintmax_t{5} << 30}}) {
        test::WriteWholeFile(path, "");
        std::filesystem::resize_file(path, size);  // sparse: takes no disk space
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
}

}  // namespace
}  // namespace taleno
