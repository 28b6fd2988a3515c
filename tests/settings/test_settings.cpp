#include "settings/Settings.h"

#include "common/ScratchFolder.h"

#include <array>
#include <sstream>
#include <vector>

namespace taleno {
namespace {

using namespace test;

const char* const kSaveOrder[] = {
    "bMPlayerPathName", "strMPlayerPathName", "bShowToolbar", "bShowStatusBar",
    "bShowProgressBar", "bShowPlaylist", "nSSDisableMode", "nPresetZoom",
    "bAllowMultipleInstances", "nVideoOutputDriver", "nAudioOutputDriver", "bAutoloadSubtitles",
    "nSubtitleCodePage", "bAutoShuffle", "bStartupAlwaysOnTop", "bLaunchInFullscreen",
    "bRememberLastPlaybackPosition", "strMPlayerUserConfig", "strSubtitleFont",
    "nMPlayerPriority", "bDisableMPlayerMonitor", "bEnableLogging", "nVideoBrightness",
    "nVideoContrast", "nVideoHue", "nVideoSaturation", "bDoubleBuffering", "strF1CMD",
    "strF2CMD", "strF3CMD", "strF4CMD", "strF5CMD", "strF6CMD", "strF7CMD", "strF8CMD"};

// A record with every saved field away from its default.
SettingsRecord Changed() {
    SettingsRecord r;
    r.bMPlayerPathName = r.bShowPlaylist = r.bAllowMultipleInstances = r.bAutoShuffle = true;
    r.bStartupAlwaysOnTop = r.bLaunchInFullscreen = r.bRememberLastPlaybackPosition = true;
    r.bAutoloadSubtitles = r.bDisableMPlayerMonitor = r.bEnableLogging = true;
    r.bDoubleBuffering = true;
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
};

TEST_F(SettingsTest, FreshOrGarbageFileGivesTheDefaults) {
    EXPECT_EQ(file, dir.Path() + "/Taleno .ini");
    SettingsRecord r = Changed();
    LoadSettings(store, r);
    EXPECT_EQ(r, SettingsRecord{});
    EXPECT_TRUE(r.bShowToolbar && r.bShowStatusBar && r.bShowProgressBar && !r.bShowPlaylist);
    EXPECT_EQ((std::array{r.nSSDisableMode, r.nVideoOutputDriver, r.nAudioOutputDriver,
                          r.nMPlayerPriority, r.nPresetZoom, r.nVolume}),
              (std::array{2, 2, 2, 2, 100, 100}));
    EXPECT_EQ(ReadVolumeSetting(store), 100);

    std::string garbage(1 << 20, '\0');
    for (std::size_t i = 0; i < garbage.size(); i += 7) garbage[i] = static_cast<char>(i);
    WriteWholeFile(file, garbage);
    r = Changed();
    LoadSettings(store, r);
    EXPECT_EQ(r, SettingsRecord{});
}

TEST_F(SettingsTest, ValuesAreReadRaw) {
    WriteWholeFile(file, "[taleno]\r\nbShowPlaylist=TRUE\r\nbAutoShuffle=True\r\n"
                         "bEnableLogging=1\r\nbShowToolbar=\r\nnSubtitleCodePage=-1\r\n"
                         "nVideoHue=150\r\nnPresetZoom=12abc\r\nnVolume=250\r\n"
                         "bAllowMultipleInstances=true\r\nstrF1CMD=" + std::string(300, 'c'));
    SettingsRecord r;
    LoadSettings(store, r);
    EXPECT_TRUE(r.bShowPlaylist && r.bAutoShuffle);
    EXPECT_FALSE(r.bEnableLogging || r.bShowToolbar);
    EXPECT_EQ(r.nSubtitleCodePage, -1);
    EXPECT_EQ(r.nVideoHue, 150);
    EXPECT_EQ(r.nPresetZoom, 12);
    EXPECT_EQ(r.strF1CMD, std::string(254, 'c'));
    EXPECT_EQ(r.nVolume, 100);  // not part of LoadSettings
    EXPECT_EQ(ReadVolumeSetting(store), 250);
    EXPECT_TRUE(ReadAllowMultipleInstances(dir.Path()));
}

TEST_F(SettingsTest, SaveWritesTheKeysInOrderAndLoadsBack) {
    ASSERT_TRUE(SaveSettings(store, Changed()));
    std::istringstream in(ReadWholeFile(file));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[0], "[TALENO]\r");
    for (std::size_t i = 0; i < 35; ++i) {
        EXPECT_EQ(lines[i + 1].substr(0, lines[i + 1].find('=')), kSaveOrder[i]);
    }
    EXPECT_EQ(lines[1], "bMPlayerPathName=true\r");
    EXPECT_EQ(lines[23], "nVideoBrightness=-100\r");
    SettingsRecord loaded;
    LoadSettings(store, loaded);
    EXPECT_EQ(loaded, Changed());
}

TEST_F(SettingsTest, SaveKeepsHandEditsAndTheKeysItNeverWrites) {
    const std::string head = "; mine\r\n[TALENO]\r\nbBypassWinVersionCheck = TRUE\r\nnVolume=35\r\n";
    const std::string tail = "\r\n[Elsewhere]\r\nstrF1CMD=untouched\r\n";
    WriteWholeFile(file, head + "  bShowToolbar = true ; no comment\r\n" + tail);
    SettingsRecord r;
    LoadSettings(store, r);
    EXPECT_TRUE(r.bBypassWinVersionCheck);
    EXPECT_FALSE(r.bShowToolbar);
    ASSERT_TRUE(SaveSettings(store, r));
    ASSERT_TRUE(SaveSettings(store, Changed()));
    const std::string text = ReadWholeFile(file);
    EXPECT_EQ(text.substr(0, head.size() + 20), head + "bShowToolbar=false\r\n");
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    LoadSettings(store, r);
    EXPECT_TRUE(r.bBypassWinVersionCheck);
    EXPECT_EQ(ReadVolumeSetting(store), 35);
}

TEST_F(SettingsTest, AnyFailedWriteFailsTheSave) {
    // A command holding a line break is refused; the other keys are written.
    SettingsRecord r = Changed();
    r.strF3CMD = "pause\r\nbBypassWinVersionCheck=true";
    EXPECT_FALSE(SaveSettings(store, r));
    LoadSettings(store, r);
    EXPECT_FALSE(r.bBypassWinVersionCheck);
    EXPECT_EQ(r.strF3CMD, "");
    EXPECT_EQ(r.strF8CMD, "frame_step");

    // No room for a temporary name beside the file, whoever runs the test.
    const std::string longFile = dir.File(std::string(250, 'n'));
    const std::string before = "[TALENO]\r\nnVolume=20\r\n";
    WriteWholeFile(longFile, before);
    CIniStore longStore(longFile, kSettingsSection);
    EXPECT_FALSE(SaveSettings(longStore, SettingsRecord{}));
    EXPECT_FALSE(WriteVolumeSetting(longStore, 90));
    EXPECT_EQ(ReadWholeFile(longFile), before);
}

}  // namespace
}  // namespace taleno
