#pragma once
// The settings record and its INI file "Taleno .ini" beside the executable,
// section "TALENO". Every field is named by its INI key; the initial values
// are the defaults a fresh installation starts with.
//
// Values are read raw: the range checks belong to the component that holds
// a value (the engine controller's setters check the engine's options).

#include "settings/IniStore.h"

#include <string>

namespace taleno {

inline constexpr const char* kSettingsSection = "TALENO";

// Ranges of the values the frame holds, as the preferences offer them.
inline constexpr int kSSDisableModeMin = 0;    // "Don't disable"
inline constexpr int kSSDisableModeMax = 2;    // "Disable if media clip contains video stream"
inline constexpr int kPresetZoomMin = 10;      // percent; checked by the Player page only
inline constexpr int kPresetZoomMax = 1000;

struct SettingsRecord {
    bool bMPlayerPathName = false;
    std::string strMPlayerPathName;
    bool bShowToolbar = true;
    bool bShowStatusBar = true;
    bool bShowProgressBar = true;
    bool bShowPlaylist = false;
    int nSSDisableMode = 2;
    int nPresetZoom = 100;
    bool bAllowMultipleInstances = false;
    int nVideoOutputDriver = 2;
    int nAudioOutputDriver = 2;
    bool bAutoShuffle = false;
    bool bStartupAlwaysOnTop = false;
    bool bLaunchInFullscreen = false;
    bool bRememberLastPlaybackPosition = false;
    bool bAutoloadSubtitles = false;
    int nSubtitleCodePage = 0;
    std::string strSubtitleFont;
    std::string strMPlayerUserConfig;
    int nMPlayerPriority = 2;
    bool bDisableMPlayerMonitor = false;
    bool bEnableLogging = false;
    bool bBypassWinVersionCheck = false;  // set by hand only; never saved
    int nVideoBrightness = 0;
    int nVideoContrast = 0;
    int nVideoHue = 0;
    int nVideoSaturation = 0;
    bool bDoubleBuffering = false;
    std::string strF1CMD;
    std::string strF2CMD;
    std::string strF3CMD;
    std::string strF4CMD;
    std::string strF5CMD;
    std::string strF6CMD;
    std::string strF7CMD;
    std::string strF8CMD;
    int nVolume = 100;  // read and written on its own, see ReadVolumeSetting

    bool operator==(const SettingsRecord&) const = default;
};

// moduleFolder + "/Taleno .ini".
std::string SettingsFilePath(const std::string& moduleFolder);
// A store on the settings file and section.
CIniStore SettingsStore(const std::string& moduleFolder);

// Reads every key but nVolume (36 keys), each with its default.
void LoadSettings(const CIniStore& store, SettingsRecord& record);

// Writes 35 keys - all but bBypassWinVersionCheck and nVolume - in their
// fixed order, with one replacement of the file. True only when every key
// was written; on false the caller shows "Failed to Save Settings!".
bool SaveSettings(const CIniStore& store, const SettingsRecord& record);

// nVolume, default 100, read when the main window is created and written
// when it closes (only if the volume moved).
int ReadVolumeSetting(const CIniStore& store);
bool WriteVolumeSetting(const CIniStore& store, int volume);

// bAllowMultipleInstances, default false, read at start-up before any window
// exists.
bool ReadAllowMultipleInstances(const std::string& moduleFolder);

}  // namespace taleno
