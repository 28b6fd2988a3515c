// What the clip properties sheet shows, and that nothing in it can be edited.
#include "shell/ClipPropertiesSheet.h"

#include "common/TestSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace taleno {
namespace {

TEST(ClipPropertiesTest, LengthsRatesCodecsAndTagsInTheirFormats) {
    MediaInfo video;
    video.length = 3725;
    video.audioBitrate = 64000, video.audioRate = 44100, video.audioChannels = 2;
    video.audioCodec = "mpg123", video.videoCodec = "ffodivx", video.videoFps = 25.0f;
    video.title = "Clip", video.clipCopyright = "(c) Me";
    ClipPropertiesTexts t = MakeClipPropertiesTexts(video, 300000, 320, 240, "/v/clip.avi");
    EXPECT_EQ((QStringList{t.lengthText, t.bitRate, t.mediaType, t.videoSize, t.aspectRatio, t.audioCodecText,
                           t.videoCodecText, t.location}),
              (QStringList{"01:02:05", "364 Kbps", "Video", "320 x 240", "-", "mpg123\n64 Kbps, 44100 Hz, 2 Channel(s)",
                           "ffodivx\n300 Kbps, 25.0 FPS", "/v/clip.avi"}));
    EXPECT_EQ((QStringList{t.title, t.artist, t.album, t.composer, t.genre, t.copyright, t.rating, t.comments}),
              (QStringList{"Clip", "-", "-", "-", "-", "(c) Me", "-", "-"}));

    MediaInfo song;  // audio only, nothing reported but the length
    song.hasVideo = false, song.length = 59;
    t = MakeClipPropertiesTexts(song, 0, 0, 0, "");
    EXPECT_EQ((QStringList{t.lengthText, t.mediaType, t.videoSize, t.videoCodecText, t.audioCodecText}),
              (QStringList{"00:59", "Audio", "-", "-", "\n0 Kbps, 0 Hz, 0 Channel(s)"}));
    song.length = 400000;  // more than 99 hours shows 99
    EXPECT_EQ(MakeClipPropertiesTexts(song, 0, 0, 0, "").lengthText, "99:06:40");

    CClipPropertiesSheet sheet(MakeClipPropertiesTexts(video, 300000, 320, 240, "/v/clip.avi"));
    EXPECT_EQ(sheet.windowTitle(), "Properties");
    for (const QLineEdit* field : sheet.findChildren<QLineEdit*>()) EXPECT_TRUE(field->isReadOnly());
    for (const QPlainTextEdit* field : sheet.findChildren<QPlainTextEdit*>()) EXPECT_TRUE(field->isReadOnly());
    EXPECT_EQ(sheet.findChildren<QLineEdit*>().size() + sheet.findChildren<QPlainTextEdit*>().size(), 16 + 3);
}

}  // namespace
}  // namespace taleno
