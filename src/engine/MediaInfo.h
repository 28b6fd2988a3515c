#pragma once
// What the engine announced about the current clip. The initializers are the
// values every engine start begins with: tags "-", codec names "", numbers 0,
// video present and a 320 x 240 picture until the engine says otherwise.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace taleno {

// The longest time the player shows or seeks to: 99:59:59.
inline constexpr std::int32_t kMaxSeconds = 359999;
// The largest picture side taken from the engine, so that window sizes
// computed from it cannot overflow.
inline constexpr std::int32_t kMaxPictureSize = 9999;

// A stream of the clip as the engine numbers it: an audio track
// (ID_AUDIO_ID), a subtitle track in the clip (ID_SUBTITLE_ID) or a
// subtitle file loaded into it (ID_FILE_SUB_ID, its name the file's path).
struct MediaTrack {
    int id = 0;
    std::string language;  // as tagged ("eng"), "" when untagged
    std::string name;
};

struct MediaChapter {
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
    std::string name;
};

// What the engine tells of the clip's tracks and chapters, and the tracks it
// plays. A clip offers at most kMaxTracks of each kind and kMaxChapters
// chapters; the engine's further lines are not taken.
struct ClipTracks {
    static constexpr std::size_t kMaxTracks = 64;
    static constexpr std::size_t kMaxChapters = 999;
    std::vector<MediaTrack> audio;
    std::vector<MediaTrack> subtitles;
    std::vector<MediaTrack> subtitleFiles;
    std::vector<MediaChapter> chapters;
    int audioId = -1;         // the audio track playing, -1 unknown
    int subtitleId = -1;      // the clip's subtitle track shown, -1 none
    int subtitleFileId = -1;  // the subtitle file shown, -1 none
};

struct MediaInfo {
    std::int32_t timePosition = 0;  // whole seconds reported plus one, at most kMaxSeconds
    bool hasVideo = true;           // cleared by "Video: no video"
    float cacheFill = 0.0f;         // percent, at most 100
    std::string clipName = "-";
    std::string clipAuthor = "-";
    std::string clipCopyright = "-";
    std::string clipRating = "-";  // no engine line fills it
    std::int32_t length = 0;       // seconds, at most kMaxSeconds
    std::string title = "-";
    std::string artist = "-";
    std::string album = "-";
    std::string genre = "-";
    std::string audioCodec;
    std::string audioFormat;
    std::int32_t audioBitrate = 0;  // bits per second
    std::int32_t audioRate = 0;     // Hz
    std::int32_t audioChannels = 0;
    std::string videoCodec;
    std::int32_t videoBitrate = 0;  // bits per second, reported or estimated
    float videoFps = 0.0f;
    std::int32_t videoWidth = 320;
    std::int32_t videoHeight = 240;
    ClipTracks tracks;
};

}  // namespace taleno
