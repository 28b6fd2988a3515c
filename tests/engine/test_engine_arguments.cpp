// How the engine is found and the arguments it is started with.
#include "engine/EngineArguments.h"

#include <sys/stat.h>

#include "common/TestSupport.h"

#include "engine/EngineLocation.h"

namespace taleno {
namespace {

using Args = std::vector<std::string>;

const EngineLaunch kLaunch{"/usr/bin/mplayer", 44040199, 0, "/media/a b.avi", "DejaVu Sans"};

// The arguments after the fixed options and before the media path.
Args Middle(const SettingsRecord& settings, const EngineLaunch& launch = kLaunch) {
    const Args all = EngineArguments(settings, launch);
    return Args(all.begin() + 8, all.end() - 1);
}

TEST(EngineArguments, DefaultsThenEveryOptionInItsPlace) {
    SettingsRecord settings;  // xv video, pulse audio
    const Args fixed = {"/usr/bin/mplayer", "-wid",      "44040199",  "-quiet",
                        "-slave",           "-identify", "-colorkey", "0x000012"};
    const Args all = EngineArguments(settings, kLaunch);
    EXPECT_EQ(Args(all.begin(), all.begin() + 8), fixed);
    EXPECT_EQ(all.back(), "/media/a b.avi");
    EXPECT_EQ(Middle(settings), (Args{"-nodouble", "-noautosub", "-vo", "xv,", "-zoom", "-ao", "pulse,"}));

    settings.bAutoloadSubtitles = true;
    settings.bDoubleBuffering = true;
    settings.nSubtitleCodePage = 16;
    settings.nVideoOutputDriver = 1;
    settings.nAudioOutputDriver = 3;
    settings.nVideoBrightness = 1;
    settings.nVideoContrast = 2;
    settings.nVideoHue = -20;
    settings.nVideoSaturation = 4;
    settings.strMPlayerUserConfig = "-af resample=8000:1:0";
    EngineLaunch resumed = kLaunch;
    resumed.startOffset = 1;
    resumed.decodeThreads = 24;  // more processors than the engine takes threads
    EXPECT_EQ(
        Middle(settings, resumed),
        (Args{"-double",     "-autosub", "-font",     "DejaVu Sans", "-subcp", "KOI8-U/RU",        "-ss", "1",    "-vo",
              "null",        "-ao",      "alsa,",     "-brightness", "1",      "-contrast",        "2",   "-hue", "-20",
              "-saturation", "4",        "-lavdopts", "threads=16",  "-af",    "resample=8000:1:0"}));
    resumed.startOffset = -3;  // no start offset
    EXPECT_EQ(Middle(settings, resumed)[6], "-vo");

    const int niceness[] = {0, 19, 10, 0, -5, -10, -20, 0};  // priorities -1 to 6
    for (int priority = -1; priority <= 6; ++priority) {
        EXPECT_EQ(EngineNiceness(priority), niceness[priority + 1]) << priority;
    }
    // Drivers out of range, like "none", leave the stream out.
    for (int i : {-1, 0, 7}) EXPECT_EQ(VideoDriverOption(i), "-novideo") << i;
    for (int i : {-1, 0, 4}) EXPECT_EQ(AudioDriverOption(i), "-nosound") << i;
}

TEST(EngineArguments, PathsStayWhole) {
    SettingsRecord settings;
    settings.bAutoloadSubtitles = true;
    // The user's own decoder threads stand: none are added.
    settings.strMPlayerUserConfig = "-lavdopts fast:threads=3 -vf  \"scale=1:2, x\"\t-title \"\" -o\"ut\"x \"open";
    const EngineLaunch launch{"/opt/my engine/mplayer", 44040199, 0, "-my \"best\" -vo clip.avi", "a \"b\"", 2};
    // The engine, the subtitle face, the user's options split as a command
    // line splits them, the media path.
    const Args all = EngineArguments(settings, launch);
    EXPECT_EQ(all.front(), "/opt/my engine/mplayer");
    EXPECT_EQ(Middle(settings, launch),
              (Args{"-nodouble", "-autosub", "-font", "a \"b\"", "-vo", "xv,", "-zoom", "-ao", "pulse,", "-lavdopts",
                    "fast:threads=3", "-vf", "scale=1:2, x", "-title", "", "-outx", "open"}));
    EXPECT_EQ(all.back(), "./-my \"best\" -vo clip.avi");
    EngineLaunch quoted = launch;
    quoted.mediaPath = "/m/\" -dumpstream -dumpfile \"x";
    EXPECT_EQ(EngineArguments(settings, quoted).back(), quoted.mediaPath);
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
