#include "settings/PlaybackPositions.h"

#include "settings/IniStore.h"
#include "settings/IniText.h"
#include "settings/SettingsFolder.h"

namespace taleno {

namespace {

constexpr const char* kPositionFileName = "PlaybackPosition.ini";

CIniStore PositionStore(const std::string& moduleFolder) {
    CIniStore store = SettingsFolderStore(moduleFolder, kPositionFileName, kPositionSection);
    store.SetKeyMatch(KeyMatch::Exact);
    return store;
}

}  // namespace

std::string PositionFilePath(const std::string& moduleFolder) {
    return SettingsFolder(moduleFolder) + "/" + kPositionFileName;
}

std::string PositionKey(const std::string& clip) { return IniText(clip); }

int ReadPosition(const std::string& moduleFolder, const std::string& clip) {
    if (clip.empty()) return -1;
    return PositionStore(moduleFolder).ReadInt(PositionKey(clip), -1);
}

bool StorePosition(const std::string& moduleFolder, const std::string& clip, int seconds) {
    if (clip.empty()) return false;
    return PositionStore(moduleFolder).WriteInt(PositionKey(clip), seconds);
}

bool ForgetPosition(const std::string& moduleFolder, const std::string& clip) {
    if (clip.empty()) return false;
    return PositionStore(moduleFolder).DeleteKey(PositionKey(clip));
}

}  // namespace taleno
