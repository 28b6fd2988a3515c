#include "settings/SettingsTable.h"

#include <algorithm>
#include <array>

namespace taleno {

namespace {

using R = SettingsRecord;
constexpr SettingHolder kFrame = SettingHolder::Frame;
constexpr SettingHolder kEngine = SettingHolder::Engine;
constexpr SettingHolder kBoth = SettingHolder::Both;

constexpr SettingRow Flag(const char* key, bool R::*field, bool def, SettingHolder holder, int load, int save) {
    return {key, SettingType::Flag, field, nullptr, nullptr, def ? 1 : 0, "", false, {}, holder, load, save};
}
constexpr SettingRow Number(const char* key, int R::*field, int def, SettingHolder holder, int load, int save) {
    return {key, SettingType::Number, nullptr, field, nullptr, def, "", false, {}, holder, load, save};
}
constexpr SettingRow Number(const char* key, int R::*field, int def, SettingRange range, SettingHolder holder, int load,
                            int save) {
    return {key, SettingType::Number, nullptr, field, nullptr, def, "", true, range, holder, load, save};
}
constexpr SettingRow Text(const char* key, std::string R::*field, SettingHolder holder, int load, int save) {
    return {key, SettingType::Text, nullptr, nullptr, field, 0, "", false, {}, holder, load, save};
}

constexpr SettingRange kPictureRange{-100, 100, 0};

// key, field, default, [range,] holder, load place, save place
constexpr SettingRow kRows[] = {
    Flag("bMPlayerPathName", &R::bMPlayerPathName, false, kFrame, 0, 0),
    Text("strMPlayerPathName", &R::strMPlayerPathName, kFrame, 1, 1),
    Flag("bShowToolbar", &R::bShowToolbar, true, kFrame, 2, 2),
    Flag("bShowStatusBar", &R::bShowStatusBar, true, kFrame, 3, 3),
    Flag("bShowProgressBar", &R::bShowProgressBar, true, kFrame, 4, 4),
    Flag("bShowPlaylist", &R::bShowPlaylist, false, kFrame, 5, 5),
    // 0 "Don't disable", 1 "Disable when playing", 2 "Disable if media clip
    // contains video stream".
    Number("nSSDisableMode", &R::nSSDisableMode, 2, {0, 2, 2}, kFrame, 6, 6),
    // Percent of the video's own size; the Player page accepts 10 to 1000.
    Number("nPresetZoom", &R::nPresetZoom, 100, {10, 1000, 100}, kFrame, 7, 7),
    Flag("bAllowMultipleInstances", &R::bAllowMultipleInstances, false, kFrame, 8, 8),
    // Driver indices stay unchecked: an index outside the list means no
    // video (or no sound) on the command line.
    Number("nVideoOutputDriver", &R::nVideoOutputDriver, 2, kEngine, 9, 9),
    Number("nAudioOutputDriver", &R::nAudioOutputDriver, 2, kEngine, 10, 10),
    Flag("bAutoShuffle", &R::bAutoShuffle, false, kFrame, 11, 13),
    Flag("bStartupAlwaysOnTop", &R::bStartupAlwaysOnTop, false, kFrame, 12, 14),
    Flag("bLaunchInFullscreen", &R::bLaunchInFullscreen, false, kFrame, 13, 15),
    Flag("bRememberLastPlaybackPosition", &R::bRememberLastPlaybackPosition, false, kFrame, 14, 16),
    Flag("bAutoloadSubtitles", &R::bAutoloadSubtitles, false, kEngine, 15, 11),
    Number("nSubtitleCodePage", &R::nSubtitleCodePage, 0, {0, 24, 0}, kEngine, 16, 12),
    Text("strSubtitleFont", &R::strSubtitleFont, kEngine, 17, 18),
    Text("strMPlayerUserConfig", &R::strMPlayerUserConfig, kEngine, 18, 17),
    // 0 "Idle" to 5 "Real Time".
    Number("nMPlayerPriority", &R::nMPlayerPriority, 2, {0, 5, 2}, kEngine, 19, 19),
    Flag("bDisableMPlayerMonitor", &R::bDisableMPlayerMonitor, false, kBoth, 20, 20),
    Flag("bEnableLogging", &R::bEnableLogging, false, kBoth, 21, 21),
    // Set by hand only, so a save never writes it.
    Flag("bBypassWinVersionCheck", &R::bBypassWinVersionCheck, false, kFrame, 22, -1),
    Number("nVideoBrightness", &R::nVideoBrightness, 0, kPictureRange, kEngine, 23, 22),
    Number("nVideoContrast", &R::nVideoContrast, 0, kPictureRange, kEngine, 24, 23),
    Number("nVideoHue", &R::nVideoHue, 0, kPictureRange, kEngine, 25, 24),
    Number("nVideoSaturation", &R::nVideoSaturation, 0, kPictureRange, kEngine, 26, 25),
    Flag("bDoubleBuffering", &R::bDoubleBuffering, false, kEngine, 27, 26),
    Text("strF1CMD", &R::strF1CMD, kFrame, 28, 27),
    Text("strF2CMD", &R::strF2CMD, kFrame, 29, 28),
    Text("strF3CMD", &R::strF3CMD, kFrame, 30, 29),
    Text("strF4CMD", &R::strF4CMD, kFrame, 31, 30),
    Text("strF5CMD", &R::strF5CMD, kFrame, 32, 31),
    Text("strF6CMD", &R::strF6CMD, kFrame, 33, 32),
    Text("strF7CMD", &R::strF7CMD, kFrame, 34, 33),
    Text("strF8CMD", &R::strF8CMD, kFrame, 35, 34),
    // Read when the window is created and written when it closes, only if
    // the volume moved; outside 0 to 100 the engine plays at 100.
    Number("nVolume", &R::nVolume, 100, {0, 100, 100}, kBoth, -1, -1),
};

// The load places are the rows' order (36 keys); the save places are 35
// distinct places 0 to 34.
constexpr bool PlacesAreOrders() {
    std::array<int, std::size(kRows)> saved{};
    int loads = 0;
    for (const SettingRow& row : kRows) {
        if (row.loadPlace != -1 && row.loadPlace != loads++) return false;
        if (row.savePlace >= 0 && ++saved[row.savePlace] > 1) return false;
    }
    return loads == 36 && std::count(saved.begin(), saved.end(), 1) == 35;
}
static_assert(PlacesAreOrders());

}  // namespace

std::span<const SettingRow> SettingsTable() { return kRows; }

const SettingRow* FindSetting(const std::string& key) {
    for (const SettingRow& row : kRows) {
        if (key == row.key) return &row;
    }
    return nullptr;
}

}  // namespace taleno
