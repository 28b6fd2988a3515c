#include "settings/PlaybackPositions.h"
#include "settings/Settings.h"
#include "settings/SettingsFolder.h"

#include "common/TestSupport.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace taleno {
namespace {

using namespace test;

// A record with every saved field away from its default.
SettingsRecord Changed() {
    SettingsRecord r;
    r.bMPlayerPathName = r.bShowPlaylist = r.bAllowMultipleInstances = r.bAutoShuffle = true;
    r.bStartupAlwaysOnTop = r.bLaunchInFullscreen = r.bRememberLastPlaybackPosition = true;
    r.bAutoloadSubtitles = r.bDisableMPlayerMonitor = r.bEnableLogging = r.bDoubleBuffering = true;
    r.bShowToolbar = r.bShowStatusBar = r.bShowProgressBar = false;
    r.nSSDisableMode = 1, r.nPresetZoom = 150, r.nVideoOutputDriver = 4;
    r.nAudioOutputDriver = 3, r.nSubtitleCodePage = 17, r.nMPlayerPriority = 5;
    r.nVideoBrightness = -100, r.nVideoContrast = 100, r.nVideoHue = -1, r.nVideoSaturation = 4;
    r.strMPlayerPathName = "/opt/mplayer", r.strSubtitleFont = "/fonts/a.ttf";
    r.strMPlayerUserConfig = "-af resample=8000:1:0";
    r.strF1CMD = "1", r.strF2CMD = "2", r.strF3CMD = "3", r.strF4CMD = "4";
    r.strF5CMD = "5", r.strF6CMD = "6", r.strF7CMD = "7", r.strF8CMD = "frame_step";
    return r;
}

class SettingsTest : public ::testing::Test {
protected:
    ScratchFolder dir;
    std::string file = SettingsFilePath(dir.Path());
    CIniStore store = SettingsStore(dir.Path());
    std::string folder = dir.Path();
    std::string positions = PositionFilePath(folder);
};

TEST_F(SettingsTest, FreshFileGivesTheDefaultsAndValuesAreReadAsWrittenWithinTheirRanges) {
    SettingsRecord fresh = Changed();
    LoadSettings(store, fresh);
    EXPECT_EQ(fresh, SettingsRecord{});
    EXPECT_EQ(ReadVolumeSetting(store), 100);
    // A flag is true only as "true" in any case; a semicolon after a value is
    // part of it, not a comment. A number outside its setting's range takes
    // the range's fallback; the volume is the engine controller's to check.
    // A UTF-8 byte-order mark before the section is no part of it.
    WriteWholeFile(
        file,
        "\xEF\xBB\xBF[taleno]\r\nbShowPlaylist=TRUE\r\nbAutoShuffle=True\r\nbBypassWinVersionCheck = TRUE\r\n"
        "bEnableLogging=1\r\nbShowToolbar=\r\n  bShowStatusBar = true ; no\r\nnSubtitleCodePage=-1\r\n"
        "nVolume=250\r\nnPresetZoom=5\r\nnVideoHue=-100\r\nnVideoContrast=101\r\n");
    SettingsRecord r;
    LoadSettings(store, r);
    EXPECT_TRUE(r.bShowPlaylist && r.bAutoShuffle && r.bBypassWinVersionCheck);
    EXPECT_FALSE(r.bEnableLogging || r.bShowToolbar || r.bShowStatusBar);
    EXPECT_EQ(r.nSubtitleCodePage, 0);
    EXPECT_EQ(r.nPresetZoom, 100);
    EXPECT_EQ(r.nVideoHue, -100);
    EXPECT_EQ(r.nVideoContrast, 0);
    EXPECT_EQ(ReadVolumeSetting(store), 250);
}

// Files saved before the keys became one table: a fresh save, and a save
// over a hand-edited file whose other lines stay as they were.
TEST_F(SettingsTest, SaveWritesTheSameBytesAsBeforeAndLoadsBack) {
    const std::string data = TALENO_TEST_TOOLS_DIR "/settings/data/";
    ASSERT_TRUE(SaveSettings(store, SettingsRecord{}));
    EXPECT_EQ(ReadWholeFile(file), ReadWholeFile(data + "fresh.ini"));

    WriteWholeFile(file, ReadWholeFile(data + "edited.ini"));
    SettingsRecord r;
    r.bMPlayerPathName = r.bShowPlaylist = r.bAllowMultipleInstances = r.bAutoShuffle = true;
    r.bLaunchInFullscreen = r.bAutoloadSubtitles = r.bEnableLogging = r.bDoubleBuffering = true;
    r.bBypassWinVersionCheck = true;  // never written
    r.bShowToolbar = false;
    r.strMPlayerPathName = "/opt/mplayer/mplayer", r.nSSDisableMode = 1, r.nPresetZoom = 150;
    r.nVideoOutputDriver = 4, r.nAudioOutputDriver = 3, r.nSubtitleCodePage = 22, r.nMPlayerPriority = 1;
    r.strSubtitleFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    r.strMPlayerUserConfig = "-af volnorm -cache 8192";
    r.nVideoBrightness = -10, r.nVideoContrast = 20, r.nVideoHue = -100, r.nVideoSaturation = 100;
    r.strF1CMD = "osd", r.strF8CMD = "sub_select";
    ASSERT_TRUE(SaveSettings(store, r));
    EXPECT_EQ(ReadWholeFile(file), ReadWholeFile(data + "edited-saved.ini"));

    ASSERT_TRUE(SaveSettings(store, Changed()));
    SettingsRecord loaded;
    LoadSettings(store, loaded);
    EXPECT_EQ(loaded, Changed());
}

// The playback positions file beside the settings.
using PlaybackPositionsTest = SettingsTest;

TEST_F(PlaybackPositionsTest, PlainPathsStayPlainLinesAndOnlyTheSamePathFindsItsPosition) {
    EXPECT_EQ(ReadPosition(folder, "/a.mp4"), -1);  // no file yet
    ASSERT_TRUE(StorePosition(folder, "/Video/clip.mp4", 754));
    ASSERT_TRUE(StorePosition(folder, "http://h/a b%20c?x=1", 9));
    ASSERT_TRUE(StorePosition(folder, "/Video/clip.mp4", 12));
    EXPECT_EQ(ReadWholeFile(positions),
              "[PlaybackPosition]\r\n/Video/clip.mp4=12\r\n"
              "%http://h/a b%2520c?x%3D1=9\r\n");
    // (Any two paths read back their own seconds: the positions fuzz target.)
    ASSERT_TRUE(StorePosition(folder, "/Video/Clip.mp4", 101));
    for (const char* other : {"/video/clip.mp4", "http://h/a b%20c?x%3D1", ""}) {
        EXPECT_EQ(ReadPosition(folder, other), -1) << other;
    }
    ASSERT_TRUE(ForgetPosition(folder, "/Video/clip.mp4"));
    EXPECT_EQ(ReadPosition(folder, "/Video/clip.mp4"), -1);
    EXPECT_EQ(ReadPosition(folder, "/Video/Clip.mp4"), 101);
    EXPECT_FALSE(StorePosition(folder, "", 5));
    std::filesystem::remove(positions);  // a folder in the file's place: nothing to read or write
    std::filesystem::create_directory(positions);
    EXPECT_EQ(ReadPosition(folder, "/a.mp4"), -1);
    EXPECT_FALSE(StorePosition(folder, "/a.mp4", 5));
}

// Runs check with the rights of an ordinary user ("nobody") when the tests
// run as root, for whom every folder is writable. check returns 0 or the
// number of the first thing that was wrong.
int AsOrdinaryUser(const std::function<int()>& check) {
    if (::geteuid() != 0) return check();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(100);
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

int Mode(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

TEST(SettingsFolderTest, AnInstalledProgramKeepsItsFilesInTheUsersConfigFolder) {
    ScratchFolder dir;
    const std::string program = dir.File("bin");
    const std::string ownFolder = dir.File("config/taleno");  // "config" itself is missing too
    std::filesystem::create_directory(program);
    EXPECT_EQ(SettingsFolder(program), program);  // writable: the portable place
    ::chmod(program.c_str(), 0555);
    ::chmod(dir.Path().c_str(), 0777);  // "nobody" makes the config folder here
    ScopedEnv config("XDG_CONFIG_HOME", dir.File("config").c_str());
    const int wrong = AsOrdinaryUser([&] {
        if (SettingsFilePath(program) != ownFolder + "/Taleno .ini") return 1;
        if (PositionFilePath(program) != ownFolder + "/PlaybackPosition.ini") return 2;
        if (!SaveSettings(SettingsStore(program), Changed())) return 3;
        if (!StorePosition(program, "/a.mp4", 42) || ReadPosition(program, "/a.mp4") != 42) return 4;
        SettingsRecord loaded;
        LoadSettings(SettingsStore(program), loaded);
        if (!(loaded == Changed())) return 5;
        if (Mode(ownFolder) != 0700 || Mode(dir.File("config")) != 0700) return 6;
        return 0;
    });
    EXPECT_EQ(wrong, 0);
    EXPECT_FALSE(std::filesystem::exists(program + "/Taleno .ini"));

    // A program folder that already holds its settings keeps them, writable or not.
    ::chmod(program.c_str(), 0755);
    WriteWholeFile(program + "/Taleno .ini", "[Settings]\n");
    ::chmod(program.c_str(), 0555);
    EXPECT_EQ(AsOrdinaryUser([&] { return SettingsFolder(program) == program ? 0 : 1; }), 0);
    ::chmod(program.c_str(), 0755);
}

}  // namespace
}  // namespace taleno
