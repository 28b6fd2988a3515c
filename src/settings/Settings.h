#pragma once
// The settings record and its INI file "Taleno .ini" beside the executable,
// section "TALENO". Every field is named by its INI key. A new record holds
// the defaults a fresh installation starts with; the keys' types, defaults,
// ranges, holders and orders are the rows of SettingsTable.h.
//
// Values are read raw: the range checks belong to the component that holds
// a value (the engine controller's setters check the engine's options).

#include "settings/IniStore.h"

#include <string>

namespace taleno {

inline constexpr const char* kSettingsSection = "TALENO";

struct SettingsRecord {
    // Every field at its default.
    SettingsRecord();

    bool bMPlayerPathName;
    std::string strMPlayerPathName;
    bool bShowToolbar;
    bool bShowStatusBar;
    bool bShowProgressBar;
    bool bShowPlaylist;
    int nSSDisableMode;
    int nPresetZoom;
    bool bAllowMultipleInstances;
    int nVideoOutputDriver;
    int nAudioOutputDriver;
    bool bAutoShuffle;
    bool bStartupAlwaysOnTop;
    bool bLaunchInFullscreen;
    bool bRememberLastPlaybackPosition;
    bool bAutoloadSubtitles;
    int nSubtitleCodePage;
    std::string strSubtitleFont;
    std::string strMPlayerUserConfig;
    int nMPlayerPriority;
    bool bDisableMPlayerMonitor;
    bool bEnableLogging;
    bool bBypassWinVersionCheck;  // set by hand only; never saved
    int nVideoBrightness;
    int nVideoContrast;
    int nVideoHue;
    int nVideoSaturation;
    bool bDoubleBuffering;
    std::string strF1CMD;
    std::string strF2CMD;
    std::string strF3CMD;
    std::string strF4CMD;
    std::string strF5CMD;
    std::string strF6CMD;
    std::string strF7CMD;
    std::string strF8CMD;
    int nVolume;  // read and written on its own, see ReadVolumeSetting

    bool operator==(const SettingsRecord&) const = default;
};

// "Taleno .ini" in the settings folder of the program in moduleFolder
// (settings/SettingsFolder.h).
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
