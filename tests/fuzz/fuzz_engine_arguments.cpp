// The engine's argument vector from any user options, media, engine and
// font paths and any option values: the media path is exactly one argument,
// the last, never beginning with "-", and the number of arguments does not
// depend on the paths.

#include "FuzzInput.h"
#include "FuzzSupport.h"

#include "engine/EngineCommandLine.h"

using namespace taleno;
using namespace taleno::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    CEngineCommandLine line;
    line.SetVideoDriver(in.Int(-2, 9));
    line.SetAudioDriver(in.Int(-2, 6));
    line.SetDoubleBuffering(in.Bool());
    line.SetAutoloadSubtitles(in.Bool());
    line.SetSubtitleCodePage(in.Int(-2, 27));
    line.SetPriority(in.Int(-2, 7));
    line.SetStartOffset(in.Int(-2, 400000));
    line.SetBrightness(in.Int(-120, 120));
    line.SetContrast(in.Int(-120, 120));
    line.SetHue(in.Int(-120, 120));
    line.SetSaturation(in.Int(-120, 120));
    line.SetVideoWindow(static_cast<unsigned long>(in.Int(0, 1 << 22)));
    line.SetEnginePath(in.Text(120));
    line.SetSubtitleFont(in.Text(120));
    const std::string media = in.Text(120);
    line.SetMediaPath(media);
    line.SetUserOptions(in.Rest());

    const std::vector<std::string> args = line.BuildArguments();
    FUZZ_CHECK(args.size() >= 2);
    FUZZ_CHECK(args.front() == line.GetEnginePath());
    FUZZ_CHECK(args.back() == (media.starts_with('-') ? "./" + media : media));
    FUZZ_CHECK(!args.back().starts_with('-'));
    line.BuildCommandLine();

    CEngineCommandLine plain = line;
    plain.SetEnginePath("mplayer");
    plain.SetSubtitleFont("font.ttf");
    plain.SetMediaPath("clip.avi");
    FUZZ_CHECK(plain.BuildArguments().size() == args.size());
    return 0;
}
