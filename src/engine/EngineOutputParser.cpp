#include "engine/EngineOutputParser.h"

#include "engine/TrackLines.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>

namespace taleno {

namespace {

constexpr float kMaxCacheFill = 100.0f;

enum class Kind {
    TimePosition,  // integer; not negative: value + 1, at most kMaxSeconds
    Seconds,       // integer, limited to 0..kMaxSeconds
    Integer,
    Percent,  // decimal number, limited to 0..kMaxCacheFill
    Decimal,
    Text,  // the rest of the line
    Tag,   // the rest of the line; the key begins the line, in any letter case
    NoVideo,
    Event,
};

struct Rule {
    std::string_view key;
    // Where the value starts, counted from the start of the line: right after
    // the key and its separator when the key begins the line.
    std::size_t position;
    Kind kind;
    std::string MediaInfo::*text = nullptr;
    std::int32_t MediaInfo::*integer = nullptr;
    float MediaInfo::*decimal = nullptr;
    int event = ENGINE_EVENT_NONE;
};

// Tested in this order; the first rule whose key the line holds wins, so a
// tag whose value holds a later key ("Starting") is still just a tag.
const std::array<Rule, 26> kRules = {{
    {"ANS_TIME_POSITION", 18, Kind::TimePosition, nullptr, &MediaInfo::timePosition},
    {"Cache fill:", 12, Kind::Percent, nullptr, nullptr, &MediaInfo::cacheFill},
    {"Video: no video", 0, Kind::NoVideo},
    {"ID_CLIP_INFO_name", 18, Kind::Text, &MediaInfo::clipName},
    {"ID_CLIP_INFO_author", 20, Kind::Text, &MediaInfo::clipAuthor},
    {"ID_CLIP_INFO_copyright", 23, Kind::Text, &MediaInfo::clipCopyright},
    {" Title:", 8, Kind::Tag, &MediaInfo::title},
    {" name:", 7, Kind::Tag, &MediaInfo::title},
    {" Artist:", 9, Kind::Tag, &MediaInfo::artist},
    {" author:", 9, Kind::Tag, &MediaInfo::artist},
    {" Album:", 8, Kind::Tag, &MediaInfo::album},
    {" Genre:", 8, Kind::Tag, &MediaInfo::genre},
    {"ID_LENGTH", 10, Kind::Seconds, nullptr, &MediaInfo::length},
    {"ID_AUDIO_CODEC", 15, Kind::Text, &MediaInfo::audioCodec},
    {"ID_AUDIO_FORMAT", 16, Kind::Text, &MediaInfo::audioFormat},
    {"ID_AUDIO_BITRATE", 17, Kind::Integer, nullptr, &MediaInfo::audioBitrate},
    {"ID_AUDIO_RATE", 14, Kind::Integer, nullptr, &MediaInfo::audioRate},
    {"ID_AUDIO_NCH", 13, Kind::Integer, nullptr, &MediaInfo::audioChannels},
    {"ID_VIDEO_CODEC", 15, Kind::Text, &MediaInfo::videoCodec},
    {"ID_VIDEO_BITRATE", 17, Kind::Integer, nullptr, &MediaInfo::videoBitrate},
    {"ID_VIDEO_FPS", 13, Kind::Decimal, nullptr, nullptr, &MediaInfo::videoFps},
    {"ID_VIDEO_WIDTH", 15, Kind::Integer, nullptr, &MediaInfo::videoWidth},
    {"ID_VIDEO_HEIGHT", 16, Kind::Integer, nullptr, &MediaInfo::videoHeight},
    {"Starting", 0, Kind::Event, nullptr, nullptr, nullptr, ENGINE_EVENT_STARTING},
    {"Exiting", 0, Kind::Event, nullptr, nullptr, nullptr, ENGINE_EVENT_EXITING},
    {"interrupted", 0, Kind::Event, nullptr, nullptr, nullptr, ENGINE_EVENT_INTERRUPTED},
}};

// Tag keys begin the line (after the engine's one leading blank) and are
// matched in any letter case: the engine prints the tags of most containers
// in the container's own case (" title:", " ARTIST:"). Every other key may
// stand anywhere in the line, in its own case.
bool Matches(std::string_view line, const Rule& rule) {
    if (rule.kind != Kind::Tag) {
        return line.find(rule.key) != std::string_view::npos;
    }
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return line.size() >= rule.key.size() && std::equal(rule.key.begin(), rule.key.end(), line.begin(),
                                                        [&](char a, char b) { return lower(a) == lower(b); });
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return i;
}

bool IsSign(std::string_view text, std::size_t i) { return i < text.size() && (text[i] == '+' || text[i] == '-'); }

// An optionally signed decimal integer after optional blanks, ending at the
// first other character ("12.50" gives 12). Numbers beyond 32 bits saturate.
std::optional<std::int32_t> ScanInteger(std::string_view text) {
    std::size_t i = SkipBlanks(text);
    const bool negative = IsSign(text, i) && text[i] == '-';
    if (IsSign(text, i)) {
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) {
        return std::nullopt;
    }
    constexpr std::int64_t kLimit = std::int64_t{1} << 31;
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kLimit);
    }
    if (negative) {
        value = -value;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// An optionally signed decimal number with optional fraction and exponent,
// after optional blanks. Read in the C locale whatever the user's locale is;
// a magnitude beyond the float range becomes the largest float.
std::optional<float> ScanDecimal(std::string_view text) {
    const std::size_t start = SkipBlanks(text);
    std::size_t i = IsSign(text, start) ? start + 1 : start;
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const std::size_t j = IsSign(text, i + 1) ? i + 2 : i + 1;
        if (j < text.size() && IsDigit(text[j])) {
            for (i = j; i < text.size() && IsDigit(text[i]); ++i) {
            }
        }
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string number(text.substr(start, i - start));
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    return static_cast<float>(std::clamp<double>(value, -FLT_MAX, FLT_MAX));
}

}  // namespace

void CEngineOutputParser::ResetMediaInfo() { info = MediaInfo{}; }

int CEngineOutputParser::ParseLine(const std::string& line, EngineState state) {
    if (const auto added = ParseTrackLine(line, info.tracks)) {
        switch (*added) {
        case TrackLine::Screenshot: return ENGINE_EVENT_SCREENSHOT;
        case TrackLine::SubtitleFile: return ENGINE_EVENT_SUBTITLE_FILE;
        case TrackLine::Track: return ENGINE_EVENT_NONE;
        }
    }
    for (const Rule& rule : kRules) {
        if (!Matches(line, rule)) {
            continue;
        }
        // Once the engine plays, only time position answers (the first rule)
        // are read, so the record keeps what was announced before playback.
        if (&rule != &kRules.front() && state != ENGINE_STARTING) {
            return ENGINE_EVENT_NONE;
        }
        // A line not longer than the value position carries no value.
        const std::string_view value =
            line.size() > rule.position ? std::string_view(line).substr(rule.position) : std::string_view();
        switch (rule.kind) {
        case Kind::TimePosition:
            if (const auto number = ScanInteger(value); number && *number >= 0) {
                info.*rule.integer = std::min<std::int64_t>(std::int64_t{*number} + 1, kMaxSeconds);
            }
            break;
        case Kind::Seconds:
            if (const auto number = ScanInteger(value)) {
                info.*rule.integer = std::clamp(*number, 0, kMaxSeconds);
            }
            break;
        case Kind::Integer:
            if (const auto number = ScanInteger(value)) {
                info.*rule.integer = *number;
            }
            break;
        case Kind::Percent:
            if (const auto number = ScanDecimal(value)) {
                info.*rule.decimal = std::clamp(*number, 0.0f, kMaxCacheFill);
            }
            break;
        case Kind::Decimal:
            if (const auto number = ScanDecimal(value)) {
                info.*rule.decimal = *number;
            }
            break;
        case Kind::Text:
        case Kind::Tag:
            if (!value.empty()) {
                info.*rule.text = std::string(value);
            }
            break;
        case Kind::NoVideo: info.hasVideo = false; break;
        case Kind::Event: return rule.event;
        }
        return ENGINE_EVENT_NONE;
    }
    return ENGINE_EVENT_NONE;
}

std::int32_t CEngineOutputParser::GetVideoWidth() const { return std::clamp(info.videoWidth, 0, kMaxPictureSize); }

std::int32_t CEngineOutputParser::GetVideoHeight() const { return std::clamp(info.videoHeight, 0, kMaxPictureSize); }

std::int32_t CEngineOutputParser::GetVideoBitrate(const std::string& mediaPath) {
    if (info.hasVideo && info.videoBitrate == 0) {
        std::error_code error;
        const std::uintmax_t bytes = std::filesystem::file_size(mediaPath, error);
        // File sizes are taken in full: a clip over 2 GiB must not wrap into
        // a negative or too small rate.
        const std::int64_t size =
            error
                ? 0
                : static_cast<std::int64_t>(std::min<std::uintmax_t>(bytes, std::numeric_limits<std::int64_t>::max()));
        std::int64_t estimate = 0;
        if (info.length != 0) {
            const std::int64_t bytesPerSecond = std::clamp<std::int64_t>(
                size / info.length, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
            estimate = bytesPerSecond * 8 - info.audioBitrate;
        }
        info.videoBitrate = static_cast<std::int32_t>(std::clamp<std::int64_t>(
            estimate, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    }
    return info.videoBitrate;
}

bool IsEndOfClipLine(const std::string& line) {
    return line == "ID_EXIT=EOF" || line.starts_with("Exiting... (End of file)");
}

}  // namespace taleno
