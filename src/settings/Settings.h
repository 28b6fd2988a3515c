#pragma once
// The settings: each declared once in TALENO_SETTINGS, from which the
// record's fields, the table (SettingsTable.h), loading, saving, the
// preferences' bindings and the engine's arguments are made. They live in
// the INI file "Taleno .ini" in the settings folder, section "TALENO"; a new
// record holds the defaults a fresh installation starts with.

#include "settings/IniStore.h"

#include <string>

namespace taleno {

inline constexpr const char* kSettingsSection = "TALENO";

enum class SettingType { Flag, Number, Text };

// Who keeps the live value while the program runs: the frame, the engine
// controller (which takes the record whole and reads these), or both.
enum class SettingHolder { Frame, Engine, Both };

// An allowed range: a value outside it is replaced by the fallback when the
// settings are loaded and when the preferences store it.
struct SettingRange {
    int min;
    int max;
    int fallback;
};
inline constexpr SettingRange kNoRange{0, -1, 0};
constexpr SettingRange Range(int min, int max, int fallback) { return {min, max, fallback}; }

// Every setting, once: its INI key (also the record's field), type, default,
// range, holder, and its places in the fixed load and save orders (-1: read
// or written on its own, or never).
// clang-format off
#define TALENO_SETTINGS(X) \
    X(bMPlayerPathName,              Flag,   false, kNoRange,              Frame,   0,  0) \
    X(strMPlayerPathName,            Text,   "",    kNoRange,              Frame,   1,  1) \
    X(bShowToolbar,                  Flag,   true,  kNoRange,              Frame,   2,  2) \
    X(bShowStatusBar,                Flag,   true,  kNoRange,              Frame,   3,  3) \
    X(bShowProgressBar,              Flag,   true,  kNoRange,              Frame,   4,  4) \
    X(bShowPlaylist,                 Flag,   false, kNoRange,              Frame,   5,  5) \
    /* 0 "Don't disable", 1 "Disable when playing", 2 "Disable if media   */ \
    /* clip contains video stream".                                       */ \
    X(nSSDisableMode,                Number, 2,     Range(0, 2, 2),        Frame,   6,  6) \
    /* Percent of the video's own size; the Player page accepts no other. */ \
    X(nPresetZoom,                   Number, 100,   Range(10, 1000, 100),  Frame,   7,  7) \
    X(bAllowMultipleInstances,       Flag,   false, kNoRange,              Frame,   8,  8) \
    /* Driver indices stay unchecked: an index outside the list means no  */ \
    /* video (or no sound) on the command line.                           */ \
    X(nVideoOutputDriver,            Number, 2,     kNoRange,              Engine,  9,  9) \
    X(nAudioOutputDriver,            Number, 2,     kNoRange,              Engine, 10, 10) \
    X(bAutoShuffle,                  Flag,   false, kNoRange,              Frame,  11, 13) \
    X(bStartupAlwaysOnTop,           Flag,   false, kNoRange,              Frame,  12, 14) \
    X(bLaunchInFullscreen,           Flag,   false, kNoRange,              Frame,  13, 15) \
    X(bRememberLastPlaybackPosition, Flag,   false, kNoRange,              Frame,  14, 16) \
    X(bAutoloadSubtitles,            Flag,   false, kNoRange,              Engine, 15, 11) \
    X(nSubtitleCodePage,             Number, 0,     Range(0, 24, 0),       Engine, 16, 12) \
    X(strSubtitleFont,               Text,   "",    kNoRange,              Engine, 17, 18) \
    X(strMPlayerUserConfig,          Text,   "",    kNoRange,              Engine, 18, 17) \
    /* 0 "Idle" to 5 "Real Time".                                         */ \
    X(nMPlayerPriority,              Number, 2,     Range(0, 5, 2),        Engine, 19, 19) \
    X(bDisableMPlayerMonitor,        Flag,   false, kNoRange,              Both,   20, 20) \
    X(bEnableLogging,                Flag,   false, kNoRange,              Both,   21, 21) \
    /* Set by hand only, so a save never writes it.                       */ \
    X(bBypassWinVersionCheck,        Flag,   false, kNoRange,              Frame,  22, -1) \
    X(nVideoBrightness,              Number, 0,     Range(-100, 100, 0),   Engine, 23, 22) \
    X(nVideoContrast,                Number, 0,     Range(-100, 100, 0),   Engine, 24, 23) \
    X(nVideoHue,                     Number, 0,     Range(-100, 100, 0),   Engine, 25, 24) \
    X(nVideoSaturation,              Number, 0,     Range(-100, 100, 0),   Engine, 26, 25) \
    X(bDoubleBuffering,              Flag,   false, kNoRange,              Engine, 27, 26) \
    X(strF1CMD,                      Text,   "",    kNoRange,              Frame,  28, 27) \
    X(strF2CMD,                      Text,   "",    kNoRange,              Frame,  29, 28) \
    X(strF3CMD,                      Text,   "",    kNoRange,              Frame,  30, 29) \
    X(strF4CMD,                      Text,   "",    kNoRange,              Frame,  31, 30) \
    X(strF5CMD,                      Text,   "",    kNoRange,              Frame,  32, 31) \
    X(strF6CMD,                      Text,   "",    kNoRange,              Frame,  33, 32) \
    X(strF7CMD,                      Text,   "",    kNoRange,              Frame,  34, 33) \
    X(strF8CMD,                      Text,   "",    kNoRange,              Frame,  35, 34) \
    /* Read when the window is created and written when it closes, only   */ \
    /* if the volume moved; the engine controller's SetVolume checks it.  */ \
    X(nVolume,                       Number, 100,   kNoRange,              Both,   -1, -1)
// clang-format on

// The C++ type of a setting's value.
template <SettingType>
struct SettingValue;
template <>
struct SettingValue<SettingType::Flag> {
    using type = bool;
};
template <>
struct SettingValue<SettingType::Number> {
    using type = int;
};
template <>
struct SettingValue<SettingType::Text> {
    using type = std::string;
};

// The settings record: one field a setting, at its default.
struct SettingsRecord {
#define TALENO_SETTING_FIELD(key, kind, def, ...) SettingValue<SettingType::kind>::type key = def;
    TALENO_SETTINGS(TALENO_SETTING_FIELD)
#undef TALENO_SETTING_FIELD

    bool operator==(const SettingsRecord&) const = default;
};

// Replaces every value outside its setting's range by the fallback.
void CheckRanges(SettingsRecord& record);

// "Taleno .ini" in the settings folder of the program in moduleFolder
// (settings/SettingsFolder.h).
std::string SettingsFilePath(const std::string& moduleFolder);
// A store on the settings file and section.
CIniStore SettingsStore(const std::string& moduleFolder);

// Reads every key but nVolume (36 keys), each with its default, then
// checks the ranges.
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
