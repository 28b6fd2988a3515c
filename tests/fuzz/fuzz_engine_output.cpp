// Engine output lines of any bytes, each read in one of the engine states:
// every field stays in its range, no number becomes NaN, and outside
// start-up nothing but the time position changes.

#include "Fuzz.h"

#include "engine/EngineOutputParser.h"

#include <bit>
#include <cmath>
#include <tuple>

using namespace taleno;
using namespace taleno::fuzz;

namespace {

// The record's fields with the floats as bits, so NaN compares as itself.
auto Fields(const MediaInfo& m) {
    return std::tie(m.hasVideo, m.clipName, m.clipAuthor, m.clipCopyright, m.clipRating, m.length, m.title, m.artist,
                    m.album, m.genre, m.audioCodec, m.audioFormat, m.audioBitrate, m.audioRate, m.audioChannels,
                    m.videoCodec, m.videoBitrate, m.videoWidth, m.videoHeight);
}
bool SameButTime(const MediaInfo& a, const MediaInfo& b) {
    return Fields(a) == Fields(b) &&
           std::bit_cast<std::uint32_t>(a.cacheFill) == std::bit_cast<std::uint32_t>(b.cacheFill) &&
           std::bit_cast<std::uint32_t>(a.videoFps) == std::bit_cast<std::uint32_t>(b.videoFps);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const EngineState kStates[] = {ENGINE_STARTING, ENGINE_PLAYING, ENGINE_STOPPED, ENGINE_PAUSED};
    FuzzInput in(data, size);
    CEngineOutputParser parser;
    while (!in.Empty()) {
        const EngineState state = kStates[in.Int(0, 3)];
        const std::string line = in.Line();
        const MediaInfo before = parser.GetMediaInfo();
        const int event = parser.ParseLine(line, state);
        const MediaInfo& info = parser.GetMediaInfo();

        FUZZ_CHECK(event >= ENGINE_EVENT_INTERRUPTED && event <= ENGINE_EVENT_STARTING);
        FUZZ_CHECK(info.timePosition >= 0 && info.timePosition <= 359999);
        FUZZ_CHECK(info.length >= 0 && info.length <= 359999);
        FUZZ_CHECK(info.cacheFill >= 0.0f && info.cacheFill <= 100.0f);
        FUZZ_CHECK(!std::isnan(info.videoFps));
        FUZZ_CHECK(parser.GetVideoWidth() >= 0 && parser.GetVideoWidth() <= 9999);
        FUZZ_CHECK(parser.GetVideoHeight() >= 0 && parser.GetVideoHeight() <= 9999);
        if (state != ENGINE_STARTING) {
            FUZZ_CHECK(SameButTime(before, info));
        }
    }
    return 0;
}
