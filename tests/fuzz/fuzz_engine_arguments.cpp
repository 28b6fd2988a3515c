// The engine's argument vector from any user options, media, engine paths,
// subtitle face and any option values: the media path is exactly one
// argument, the last, never beginning with "-", and the number of arguments
// does not depend on the paths.

#include "Fuzz.h"

#include "engine/EngineArguments.h"

using namespace taleno;
using namespace taleno::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    SettingsRecord settings;
    settings.nVideoOutputDriver = in.Int(-2, 9);
    settings.nAudioOutputDriver = in.Int(-2, 6);
    settings.bDoubleBuffering = in.Bool();
    settings.bAutoloadSubtitles = in.Bool();
    settings.nSubtitleCodePage = in.Int(-2, 27);
    settings.nMPlayerPriority = in.Int(-2, 7);
    settings.nVideoBrightness = in.Int(-120, 120);
    settings.nVideoContrast = in.Int(-120, 120);
    settings.nVideoHue = in.Int(-120, 120);
    settings.nVideoSaturation = in.Int(-120, 120);
    CheckRanges(settings);
    EngineLaunch launch;
    launch.startOffset = in.Int(-2, 400000);
    launch.videoWindow = static_cast<unsigned long>(in.Int(0, 1 << 22));
    launch.enginePath = in.Text(120);
    launch.subtitleFace = in.Text(120);
    launch.mediaPath = in.Text(120);
    settings.strMPlayerUserConfig = in.Rest();

    const std::vector<std::string> args = EngineArguments(settings, launch);
    FUZZ_CHECK(args.size() >= 2);
    FUZZ_CHECK(args.front() == launch.enginePath);
    const std::string& media = launch.mediaPath;
    FUZZ_CHECK(args.back() == (media.starts_with('-') ? "./" + media : media));
    FUZZ_CHECK(!args.back().starts_with('-'));

    EngineLaunch plain = launch;
    plain.enginePath = "mplayer";
    plain.subtitleFace = "Sans";
    plain.mediaPath = "clip.avi";
    FUZZ_CHECK(EngineArguments(settings, plain).size() == args.size());
    return 0;
}
