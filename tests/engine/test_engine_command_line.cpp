// How the engine is found and the command line it is started with.
#include "engine/EngineCommandLine.h"

#include <sys/stat.h>

#include <filesystem>

#include "common/ScratchFolder.h"
#include "engine/EngineLocation.h"

namespace taleno {
namespace {

using Args = std::vector<std::string>;

// The settings defaults as the frame hands them over: xv video, pulse audio.
CEngineCommandLine DefaultLine() {
    CEngineCommandLine line;
    line.SetEnginePath("/usr/bin/mplayer");
    line.SetVideoWindow(44040199);
    line.SetVideoDriver(2);
    line.SetAudioDriver(2);
    line.SetMediaPath("/media/a b.avi");
    return line;
}

std::string Built(CEngineCommandLine& line) {
    line.BuildCommandLine();
    return line.GetCommandLine();
}

TEST(EngineCommandLine, ConstructionDefaultsAndRangeChecks) {
    CEngineCommandLine line;
    EXPECT_EQ(Built(line),
              "\"\" -wid 0 -quiet -slave -identify -colorkey 0x000012 -nodouble "
              "-noautosub -novideo -nosound  \"\" ");
    const auto kept = [&line](int codePage, int priority, int picture) {
        line.SetSubtitleCodePage(codePage);
        line.SetPriority(priority);
        line.SetBrightness(picture);
        line.SetContrast(picture);
        line.SetHue(picture);
        line.SetSaturation(picture);
        return std::vector<int>{line.GetSubtitleCodePage(), line.GetPriority(), line.GetBrightness(),
                                line.GetContrast(),         line.GetHue(),      line.GetSaturation()};
    };
    EXPECT_EQ(kept(24, 5, -100), (std::vector<int>{24, 5, -100, -100, -100, -100}));
    EXPECT_EQ(kept(25, 9, 101), (std::vector<int>{0, 2, 0, 0, 0, 0}));
    EXPECT_EQ(kept(-1, -1, -150), (std::vector<int>{0, 2, 0, 0, 0, 0}));
    const int niceness[] = {0, 19, 10, 0, -5, -10, -20, 0};  // priorities -1 to 6
    for (int priority = -1; priority <= 6; ++priority) {
        EXPECT_EQ(EngineNiceness(priority), niceness[priority + 1]) << priority;
    }
    // Drivers out of range, like "none", leave the stream out.
    for (int i : {-1, 0, 7}) EXPECT_EQ(VideoDriverOption(i), "-novideo") << i;
    for (int i : {-1, 0, 4}) EXPECT_EQ(AudioDriverOption(i), "-nosound") << i;
}

TEST(EngineCommandLine, DefaultsThenSubtitlesStartOffsetPictureAndUserOptions) {
    CEngineCommandLine line = DefaultLine();
    EXPECT_EQ(Built(line),
              "\"/usr/bin/mplayer\" -wid 44040199 -quiet -slave -identify -colorkey 0x000012 "
              "-nodouble -noautosub -vo xv, -zoom -ao pulse,  \"/media/a b.avi\" ");
    line.SetAutoloadSubtitles(true);
    line.SetStartOffset(-3);
    EXPECT_NE(Built(line).find(" -autosub -font \"\" -vo xv, -zoom "), std::string::npos);

    line.SetSubtitleCodePage(16);
    line.SetStartOffset(1);
    line.SetDoubleBuffering(true);
    line.SetHue(-20);
    EXPECT_NE(Built(line).find(" -double -autosub -font \"\" -subcp KOI8-U/RU -ss 1 -vo xv, -zoom "
                               "-ao pulse, -hue -20  \"/media/a b.avi\" "),
              std::string::npos);

    line.SetBrightness(1);
    line.SetContrast(2);
    line.SetSaturation(4);
    line.SetUserOptions("-af resample=8000:1:0");
    EXPECT_TRUE(
        Built(line).ends_with(" -brightness 1 -contrast 2 -hue -20 -saturation 4 "
                              "-af resample=8000:1:0 \"/media/a b.avi\" "));
}

TEST(EngineCommandLine, ArgumentsKeepPathsWhole) {
    CEngineCommandLine line = DefaultLine();
    line.SetEnginePath("/opt/my engine/mplayer");
    line.SetAutoloadSubtitles(true);
    line.SetSubtitleFont("/f/a \"b\".ttf");
    line.SetUserOptions("-vf  \"scale=1:2, x\"\t-title \"\" -o\"ut\"x \"open");
    line.SetMediaPath("-my \"best\" -vo clip.avi");
    // The engine and its fixed options, the subtitle font, the drivers, the
    // user's options split as a command line splits them, the media path.
    // clang-format off
    const Args expected = {
        "/opt/my engine/mplayer", "-wid", "44040199", "-quiet", "-slave", "-identify", "-colorkey", "0x000012",
        "-nodouble", "-autosub", "-font", "/f/a \"b\".ttf", "-vo", "xv,", "-zoom", "-ao", "pulse,",
        "-vf", "scale=1:2, x", "-title", "", "-outx", "open",
        "./-my \"best\" -vo clip.avi"};
    // clang-format on
    EXPECT_EQ(line.BuildArguments(), expected);
    // The log text keeps the path as it was given.
    EXPECT_TRUE(Built(line).ends_with(" \"-my \"best\" -vo clip.avi\" "));

    line.SetMediaPath("/m/\" -dumpstream -dumpfile \"x");
    EXPECT_EQ(line.BuildArguments().back(), "/m/\" -dumpstream -dumpfile \"x");
}

TEST(EngineLocation, ExecutableFilesAndDefaultPath) {
    test::ScratchFolder scratch;
    const std::string folder = scratch.Path();
    const auto make = [&folder](const std::string& relative, mode_t mode) {
        const std::string path = folder + "/" + relative;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        test::WriteWholeFile(path, "#!/bin/sh\n");
        chmod(path.c_str(), mode);
        return path;
    };
    const std::string first = make("one/mplayer", 0755);
    make("two/mplayer", 0755);
    make("noexec/mplayer", 0644);
    EXPECT_TRUE(IsEngineExecutable(first));
    EXPECT_FALSE(IsEngineExecutable(folder + "/noexec/mplayer"));
    EXPECT_FALSE(IsEngineExecutable(folder + "/one"));  // a folder carries the x bit too
    EXPECT_FALSE(IsEngineExecutable(folder + "/missing"));
    EXPECT_FALSE(IsEngineExecutable(""));

    const std::string module = folder + "/app";
    const std::string bundled = module + "/mplayer/mplayer";
    const std::string searchPath = "relative::" + folder + "/noexec:" + folder + "/one/:" + folder + "/two";
    EXPECT_EQ(DefaultEnginePath(module, ""), bundled);  // nothing found: refused at start
    EXPECT_EQ(DefaultEnginePath(module, searchPath), first);
    make("app/mplayer/mplayer", 0644);
    EXPECT_EQ(DefaultEnginePath(module, searchPath), first);  // bundled but not executable
    make("app/mplayer/mplayer", 0755);
    EXPECT_EQ(DefaultEnginePath(module, searchPath), bundled);
}

TEST(EngineLocation, CustomPathAgainstModuleFolder) {
    const std::string module = "/opt/taleno";
    const std::string fallback = "/opt/taleno/mplayer/mplayer";
    EXPECT_EQ(ResolveEnginePath(false, "/usr/bin/other", module, fallback), fallback);
    EXPECT_EQ(ResolveEnginePath(true, "/usr/bin/other", module, fallback), "/usr/bin/other");
    EXPECT_EQ(ResolveEnginePath(true, "engine/mplayer", module, fallback), "/opt/taleno/engine/mplayer");
    EXPECT_EQ(ResolveEnginePath(true, "../bin/mplayer", module, fallback), "/opt/bin/mplayer");
    EXPECT_EQ(ResolveEnginePath(true, "", module, fallback), "");  // refused at start
}

}  // namespace
}  // namespace taleno
