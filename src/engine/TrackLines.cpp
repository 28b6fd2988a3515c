#include "engine/TrackLines.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace taleno {

namespace {

// The engine numbers streams and chapters from 0; larger numbers than this
// are no stream of a real clip.
constexpr int kMaxId = 9999;

// A whole decimal number filling the text (or -1 before digits), else nothing.
std::optional<std::int64_t> Number(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> Id(std::string_view text) {
    const auto value = Number(text);
    if (!value || *value < 0 || *value > kMaxId) return std::nullopt;
    return static_cast<int>(*value);
}

// The track with the id, added at the end when new and there is room.
MediaTrack* Track(std::vector<MediaTrack>& list, int id) {
    const auto found = std::find_if(list.begin(), list.end(), [id](const MediaTrack& t) { return t.id == id; });
    if (found != list.end()) return &*found;
    if (list.size() >= ClipTracks::kMaxTracks) return nullptr;
    list.push_back(MediaTrack{id, {}, {}});
    return &list.back();
}

// "<N>_<FIELD>=<value>" after a prefix such as "ID_AID_": the id, the field
// and the value.
struct Field {
    int id;
    std::string_view name;
    std::string_view value;
};
std::optional<Field> SplitField(std::string_view rest) {
    const std::size_t underscore = rest.find('_');
    const std::size_t equals = rest.find('=');
    if (underscore == std::string_view::npos || equals == std::string_view::npos || equals < underscore) {
        return std::nullopt;
    }
    const auto id = Id(rest.substr(0, underscore));
    if (!id) return std::nullopt;
    return Field{*id, rest.substr(underscore + 1, equals - underscore - 1), rest.substr(equals + 1)};
}

bool TrackField(std::string_view rest, std::vector<MediaTrack>& list) {
    const auto field = SplitField(rest);
    if (!field) return false;
    MediaTrack* track = Track(list, field->id);
    if (track == nullptr) return true;
    if (field->name == "LANG") track->language = std::string(field->value);
    if (field->name == "NAME") track->name = std::string(field->value);
    return true;
}

bool ChapterField(std::string_view rest, std::vector<MediaChapter>& chapters) {
    const auto field = SplitField(rest);
    if (!field) return false;
    // Chapters come in order, numbered from 0: one out of order is not taken.
    const auto index = static_cast<std::size_t>(field->id);
    if (index > chapters.size() || index >= ClipTracks::kMaxChapters) return true;
    if (index == chapters.size()) chapters.emplace_back();
    MediaChapter& chapter = chapters[index];
    if (field->name == "NAME") {
        chapter.name = std::string(field->value);
    } else if (const auto ms = Number(field->value); ms && *ms >= 0) {
        if (field->name == "START") chapter.startMs = *ms;
        if (field->name == "END") chapter.endMs = *ms;
    }
    return true;
}

bool Answer(std::string_view line, std::string_view key, int& id) {
    if (!line.starts_with(key)) return false;
    const auto value = Number(line.substr(key.size()));
    if (value && *value >= -1 && *value <= kMaxId) id = static_cast<int>(*value);
    return true;
}

}  // namespace

std::optional<TrackLine> ParseTrackLine(std::string_view line, ClipTracks& tracks) {
    if (line.starts_with("*** screenshot '")) return TrackLine::Screenshot;
    if (line.starts_with("ID_AUDIO_ID=")) {
        if (const auto id = Id(line.substr(12))) Track(tracks.audio, *id);
        return TrackLine::Track;
    }
    if (line.starts_with("ID_SUBTITLE_ID=")) {
        if (const auto id = Id(line.substr(15))) Track(tracks.subtitles, *id);
        return TrackLine::Track;
    }
    if (line.starts_with("ID_FILE_SUB_ID=")) {
        if (const auto id = Id(line.substr(15))) Track(tracks.subtitleFiles, *id);
        return TrackLine::SubtitleFile;
    }
    if (line.starts_with("ID_FILE_SUB_FILENAME=")) {
        // The file of the subtitle loaded last.
        if (!tracks.subtitleFiles.empty()) tracks.subtitleFiles.back().name = std::string(line.substr(21));
        return TrackLine::Track;
    }
    if ((line.starts_with("ID_AID_") && TrackField(line.substr(7), tracks.audio)) ||
        (line.starts_with("ID_SID_") && TrackField(line.substr(7), tracks.subtitles)) ||
        (line.starts_with("ID_CHAPTER_") && !line.starts_with("ID_CHAPTER_ID=") &&
         ChapterField(line.substr(11), tracks.chapters)) ||
        line.starts_with("ID_CHAPTER_ID=") || Answer(line, "ANS_switch_audio=", tracks.audioId) ||
        Answer(line, "ANS_sub_demux=", tracks.subtitleId) || Answer(line, "ANS_sub_file=", tracks.subtitleFileId)) {
        return TrackLine::Track;
    }
    return std::nullopt;
}

}  // namespace taleno
