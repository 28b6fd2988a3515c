#include "engine/EngineCommandLine.h"

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

#include "engine/EngineLocation.h"
#include "platform/ChildProcess.h"

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

TEST(EngineCommandLine, DefaultComposition) {
    CEngineCommandLine line = DefaultLine();
    EXPECT_EQ(Built(line),
              "\"/usr/bin/mplayer\" -wid 44040199 -quiet -slave -identify -colorkey 0x000012 "
              "-nodouble -noautosub -vo xv, -ao pulse,  \"/media/a b.avi\" ");
    EXPECT_EQ(line.BuildArguments(),
              (Args{"/usr/bin/mplayer", "-wid", "44040199", "-quiet", "-slave", "-identify",
                    "-colorkey", "0x000012", "-nodouble", "-noautosub", "-vo", "xv,", "-ao",
                    "pulse,", "/media/a b.avi"}));
}

TEST(EngineCommandLine, ConstructionDefaultsAndRangeChecks) {
    CEngineCommandLine line;
    EXPECT_EQ(Built(line), "\"\" -wid 0 -quiet -slave -identify -colorkey 0x000012 -nodouble "
                           "-noautosub -novideo -nosound  \"\" ");
    const auto kept = [&line](int codePage, int priority, int picture) {
        line.SetSubtitleCodePage(codePage);
        line.SetPriority(priority);
        line.SetBrightness(picture);
        line.SetContrast(picture);
        line.SetHue(picture);
        line.SetSaturation(picture);
        return std::vector<int>{line.GetSubtitleCodePage(), line.GetPriority(), line.GetBrightness(),
                                line.GetContrast(), line.GetHue(), line.GetSaturation()};
    };
    EXPECT_EQ(CEngineCommandLine().GetPriority(), 2);
    EXPECT_EQ(kept(24, 5, -100), (std::vector<int>{24, 5, -100, -100, -100, -100}));
    EXPECT_EQ(kept(25, 9, 101), (std::vector<int>{0, 2, 0, 0, 0, 0}));
    EXPECT_EQ(kept(-1, -1, -150), (std::vector<int>{0, 2, 0, 0, 0, 0}));
    const int niceness[] = {0, 19, 10, 0, -5, -10, -20, 0};  // priorities -1 to 6
    for (int priority = -1; priority <= 6; ++priority) {
        EXPECT_EQ(EngineNiceness(priority), niceness[priority + 1]) << priority;
    }
}

TEST(EngineCommandLine, DriverTables) {
    const Args video = {"-novideo", "-novideo", "-vo null", "-vo xv,", "-vo x11,", "-vo gl,",
                        "-vo gl_nosw,", "-vo vdpau,", "-novideo"};
    const Args audio = {"-nosound", "-nosound", "-ao null", "-ao pulse,", "-ao alsa,", "-nosound"};
    for (int i = -1; i <= 7; ++i) EXPECT_EQ(VideoDriverOption(i), video[i + 1]) << i;
    for (int i = -1; i <= 4; ++i) EXPECT_EQ(AudioDriverOption(i), audio[i + 1]) << i;
    EXPECT_EQ(kVideoDriverNames[5], "gl_nosw");
    EXPECT_EQ(kAudioDriverNames[2], "pulse");

    CEngineCommandLine line = DefaultLine();
    line.SetVideoDriver(7);
    line.SetAudioDriver(-1);
    EXPECT_NE(Built(line).find(" -noautosub -novideo -nosound  \""), std::string::npos);
}

TEST(EngineCommandLine, SubtitlesStartOffsetPictureAndUserOptions) {
    CEngineCommandLine line = DefaultLine();
    line.SetAutoloadSubtitles(true);
    line.SetStartOffset(-3);
    EXPECT_NE(Built(line).find(" -autosub -font \"\" -vo xv, "), std::string::npos);

    line.SetSubtitleCodePage(16);
    line.SetStartOffset(1);
    line.SetDoubleBuffering(true);
    line.SetHue(-20);
    EXPECT_NE(Built(line).find(" -double -autosub -font \"\" -subcp KOI8-U/RU -ss 1 -vo xv, "
                               "-ao pulse, -hue -20  \"/media/a b.avi\" "),
              std::string::npos);

    line.SetBrightness(1);
    line.SetContrast(2);
    line.SetSaturation(4);
    line.SetUserOptions("-af resample=8000:1:0");
    EXPECT_TRUE(Built(line).ends_with(" -brightness 1 -contrast 2 -hue -20 -saturation 4 "
                                      "-af resample=8000:1:0 \"/media/a b.avi\" "));
    EXPECT_EQ(kSubtitleCodePages[24].listText, "Arabic Windows (CP1256)");
}

TEST(EngineCommandLine, ArgumentsKeepPathsWhole) {
    CEngineCommandLine line = DefaultLine();
    line.SetEnginePath("/opt/my engine/mplayer");
    line.SetAutoloadSubtitles(true);
    line.SetSubtitleFont("/f/a \"b\".ttf");
    line.SetUserOptions("-vf  \"scale=1:2, x\"\t-title \"\" -o\"ut\"x \"open");
    line.SetMediaPath("-my \"best\" -vo clip.avi");
    const Args args = line.BuildArguments();
    EXPECT_EQ(args, (Args{"/opt/my engine/mplayer", "-wid", "44040199", "-quiet", "-slave",
                          "-identify", "-colorkey", "0x000012", "-nodouble", "-autosub", "-font",
                          "/f/a \"b\".ttf", "-vo", "xv,", "-ao", "pulse,", "-vf", "scale=1:2, x",
                          "-title", "", "-outx", "open", "./-my \"best\" -vo clip.avi"}));
    // The log text keeps the path as it was given.
    EXPECT_TRUE(Built(line).ends_with(" \"-my \"best\" -vo clip.avi\" "));

    line.SetMediaPath("/m/\" -dumpstream -dumpfile \"x");
    EXPECT_EQ(line.BuildArguments().back(), "/m/\" -dumpstream -dumpfile \"x");
}

TEST(EngineCommandLine, RealEngineOpensTheExactFile) {
    const std::string engine = "/usr/bin/mplayer";
    if (!IsEngineExecutable(engine) || !IsEngineExecutable("/usr/bin/ffmpeg")) {
        GTEST_SKIP() << "mplayer or ffmpeg is not installed";
    }
    char pattern[] = "/tmp/taleno-cmdline-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    const std::string clip = folder + "/my \"best\" clip.avi";
    ASSERT_EQ(std::system(("/usr/bin/ffmpeg -nostdin -loglevel error -f lavfi -i "
                           "testsrc=size=176x144:rate=25 -t 1 -c:v mpeg4 " + folder + "/c.avi")
                              .c_str()), 0);
    std::filesystem::rename(folder + "/c.avi", clip);
    const std::string leading = "-x \"q\".avi";  // relative to the current folder
    std::filesystem::copy_file(clip, folder + "/" + leading);
    // The engine keeps its configuration in HOME: point both at the test folder.
    const char* home = getenv("HOME");
    const std::string oldHome = home != nullptr ? home : "";
    const auto oldFolder = std::filesystem::current_path();
    setenv("HOME", folder.c_str(), 1);
    std::filesystem::current_path(folder);

    CEngineCommandLine line;
    line.SetEnginePath(engine);
    line.SetVideoDriver(1);
    line.SetAudioDriver(1);
    line.SetUserOptions("-frames 5");
    for (const auto& [media, shown] : {std::pair{clip, clip}, {leading, "./" + leading}}) {
        line.SetMediaPath(media);
        ChildProcess process;
        ASSERT_TRUE(process.Start(line.BuildArguments(), 0));
        std::string output;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < deadline) {
            const int byte = process.ReadByte();
            if (byte >= 0) {
                output += static_cast<char>(byte);
                continue;
            }
            if (process.HasExited() && process.Peek(nullptr, 1) == 0) break;
            usleep(1000);
        }
        EXPECT_NE(output.find("Playing " + shown + ".\n"), std::string::npos) << output;
        EXPECT_NE(output.find("ID_FILENAME=" + shown + "\n"), std::string::npos) << output;
        EXPECT_NE(output.find("Starting playback"), std::string::npos) << output;
    }
    std::filesystem::current_path(oldFolder);
    home != nullptr ? setenv("HOME", oldHome.c_str(), 1) : unsetenv("HOME");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace taleno
