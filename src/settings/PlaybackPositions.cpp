#include "settings/PlaybackPositions.h"

#include "settings/IniStore.h"
#include "settings/SettingsFolder.h"

namespace taleno {

namespace {

constexpr const char* kPositionFileName = "PlaybackPosition.ini";

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool NeedsEscape(const std::string& clip) {
    if (clip.empty()) return false;
    char first = clip.front();
    if (first == ';' || first == '[' || first == '%' || first == ' ' || clip.back() == ' ') {
        return true;
    }
    for (char c : clip) {
        if (c == '=' || IsControl(static_cast<unsigned char>(c))) return true;
    }
    return false;
}

CIniStore PositionStore(const std::string& moduleFolder) {
    CIniStore store = SettingsFolderStore(moduleFolder, kPositionFileName, kPositionSection);
    store.SetKeyMatch(KeyMatch::Exact);
    return store;
}

}  // namespace

std::string PositionFilePath(const std::string& moduleFolder) {
    return SettingsFolder(moduleFolder) + "/" + kPositionFileName;
}

std::string PositionKey(const std::string& clip) {
    if (!NeedsEscape(clip)) return clip;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::size_t trailing = clip.find_last_not_of(' ');
    trailing = (trailing == std::string::npos) ? 0 : trailing + 1;  // first trailing space
    std::string key = "%";
    key.reserve(clip.size() + 8);
    for (std::size_t i = 0; i < clip.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(clip[i]);
        if (c == '%' || c == '=' || IsControl(c) || (c == ' ' && i >= trailing)) {
            key += '%';
            key += kHex[c >> 4];
            key += kHex[c & 0x0F];
        } else {
            key += static_cast<char>(c);
        }
    }
    return key;
}

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
