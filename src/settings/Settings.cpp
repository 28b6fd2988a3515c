#include "settings/Settings.h"

#include <iterator>

namespace taleno {

namespace {

// One key of the record: its INI name and the field it fills (exactly one
// of the three member pointers is set).
struct SettingKey {
    const char* name;
    bool SettingsRecord::*flag;
    int SettingsRecord::*number;
    std::string SettingsRecord::*text;
};

constexpr SettingKey Flag(const char* name, bool SettingsRecord::*field) {
    return {name, field, nullptr, nullptr};
}
constexpr SettingKey Number(const char* name, int SettingsRecord::*field) {
    return {name, nullptr, field, nullptr};
}
constexpr SettingKey Text(const char* name, std::string SettingsRecord::*field) {
    return {name, nullptr, nullptr, field};
}

using R = SettingsRecord;

constexpr SettingKey kLoadOrder[] = {
    Flag("bMPlayerPathName", &R::bMPlayerPathName),
    Text("strMPlayerPathName", &R::strMPlayerPathName),
    Flag("bShowToolbar", &R::bShowToolbar),
    Flag("bShowStatusBar", &R::bShowStatusBar),
    Flag("bShowProgressBar", &R::bShowProgressBar),
    Flag("bShowPlaylist", &R::bShowPlaylist),
    Number("nSSDisableMode", &R::nSSDisableMode),
    Number("nPresetZoom", &R::nPresetZoom),
    Flag("bAllowMultipleInstances", &R::bAllowMultipleInstances),
    Number("nVideoOutputDriver", &R::nVideoOutputDriver),
    Number("nAudioOutputDriver", &R::nAudioOutputDriver),
    Flag("bAutoShuffle", &R::bAutoShuffle),
    Flag("bStartupAlwaysOnTop", &R::bStartupAlwaysOnTop),
    Flag("bLaunchInFullscreen", &R::bLaunchInFullscreen),
    Flag("bRememberLastPlaybackPosition", &R::bRememberLastPlaybackPosition),
    Flag("bAutoloadSubtitles", &R::bAutoloadSubtitles),
    Number("nSubtitleCodePage", &R::nSubtitleCodePage),
    Text("strSubtitleFont", &R::strSubtitleFont),
    Text("strMPlayerUserConfig", &R::strMPlayerUserConfig),
    Number("nMPlayerPriority", &R::nMPlayerPriority),
    Flag("bDisableMPlayerMonitor", &R::bDisableMPlayerMonitor),
    Flag("bEnableLogging", &R::bEnableLogging),
    Flag("bBypassWinVersionCheck", &R::bBypassWinVersionCheck),
    Number("nVideoBrightness", &R::nVideoBrightness),
    Number("nVideoContrast", &R::nVideoContrast),
    Number("nVideoHue", &R::nVideoHue),
    Number("nVideoSaturation", &R::nVideoSaturation),
    Flag("bDoubleBuffering", &R::bDoubleBuffering),
    Text("strF1CMD", &R::strF1CMD),
    Text("strF2CMD", &R::strF2CMD),
    Text("strF3CMD", &R::strF3CMD),
    Text("strF4CMD", &R::strF4CMD),
    Text("strF5CMD", &R::strF5CMD),
    Text("strF6CMD", &R::strF6CMD),
    Text("strF7CMD", &R::strF7CMD),
    Text("strF8CMD", &R::strF8CMD),
};

constexpr SettingKey kSaveOrder[] = {
    Flag("bMPlayerPathName", &R::bMPlayerPathName),
    Text("strMPlayerPathName", &R::strMPlayerPathName),
    Flag("bShowToolbar", &R::bShowToolbar),
    Flag("bShowStatusBar", &R::bShowStatusBar),
    Flag("bShowProgressBar", &R::bShowProgressBar),
    Flag("bShowPlaylist", &R::bShowPlaylist),
    Number("nSSDisableMode", &R::nSSDisableMode),
    Number("nPresetZoom", &R::nPresetZoom),
    Flag("bAllowMultipleInstances", &R::bAllowMultipleInstances),
    Number("nVideoOutputDriver", &R::nVideoOutputDriver),
    Number("nAudioOutputDriver", &R::nAudioOutputDriver),
    Flag("bAutoloadSubtitles", &R::bAutoloadSubtitles),
    Number("nSubtitleCodePage", &R::nSubtitleCodePage),
    Flag("bAutoShuffle", &R::bAutoShuffle),
    Flag("bStartupAlwaysOnTop", &R::bStartupAlwaysOnTop),
    Flag("bLaunchInFullscreen", &R::bLaunchInFullscreen),
    Flag("bRememberLastPlaybackPosition", &R::bRememberLastPlaybackPosition),
    Text("strMPlayerUserConfig", &R::strMPlayerUserConfig),
    Text("strSubtitleFont", &R::strSubtitleFont),
    Number("nMPlayerPriority", &R::nMPlayerPriority),
    Flag("bDisableMPlayerMonitor", &R::bDisableMPlayerMonitor),
    Flag("bEnableLogging", &R::bEnableLogging),
    Number("nVideoBrightness", &R::nVideoBrightness),
    Number("nVideoContrast", &R::nVideoContrast),
    Number("nVideoHue", &R::nVideoHue),
    Number("nVideoSaturation", &R::nVideoSaturation),
    Flag("bDoubleBuffering", &R::bDoubleBuffering),
    Text("strF1CMD", &R::strF1CMD),
    Text("strF2CMD", &R::strF2CMD),
    Text("strF3CMD", &R::strF3CMD),
    Text("strF4CMD", &R::strF4CMD),
    Text("strF5CMD", &R::strF5CMD),
    Text("strF6CMD", &R::strF6CMD),
    Text("strF7CMD", &R::strF7CMD),
    Text("strF8CMD", &R::strF8CMD),
};

static_assert(std::size(kLoadOrder) == 36);
static_assert(std::size(kSaveOrder) == 35);

}  // namespace

std::string SettingsFilePath(const std::string& moduleFolder) {
    return moduleFolder + "/Taleno .ini";
}

CIniStore SettingsStore(const std::string& moduleFolder) {
    return CIniStore(SettingsFilePath(moduleFolder), kSettingsSection);
}

void LoadSettings(const CIniStore& store, SettingsRecord& record) {
    const SettingsRecord defaults;
    for (const SettingKey& key : kLoadOrder) {
        if (key.flag) {
            record.*key.flag = store.ReadBool(key.name, defaults.*key.flag);
        } else if (key.number) {
            record.*key.number = store.ReadInt(key.name, defaults.*key.number);
        } else {
            record.*key.text = store.ReadString(key.name, defaults.*key.text);
        }
    }
}

bool SaveSettings(const CIniStore& store, const SettingsRecord& record) {
    // Every key is written even when unchanged, and a key that cannot be
    // written does not stop the others. The result covers all of them: a
    // file that may lack any key is a failed save.
    CIniStore::Batch batch = store.BeginBatch();
    bool allTaken = true;
    for (const SettingKey& key : kSaveOrder) {
        bool taken;
        if (key.flag) {
            taken = batch.WriteBool(key.name, record.*key.flag);
        } else if (key.number) {
            taken = batch.WriteInt(key.name, record.*key.number);
        } else {
            taken = batch.WriteString(key.name, record.*key.text);
        }
        allTaken = allTaken && taken;
    }
    return batch.Commit() && allTaken;
}

int ReadVolumeSetting(const CIniStore& store) {
    return store.ReadInt("nVolume", SettingsRecord{}.nVolume);
}

bool WriteVolumeSetting(const CIniStore& store, int volume) {
    return store.WriteInt("nVolume", volume);
}

bool ReadAllowMultipleInstances(const std::string& moduleFolder) {
    return SettingsStore(moduleFolder).ReadBool("bAllowMultipleInstances",
                                                 SettingsRecord{}.bAllowMultipleInstances);
}

}  // namespace taleno
