#include "settings/SettingsFolder.h"

#include "platform/UserFolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace taleno {

namespace {

// True when the program's folder cannot serve.
bool IsUserSettingsFolder(const std::string& moduleFolder) {
    struct stat info {};
    const bool hasSettings = ::stat((moduleFolder + "/Taleno .ini").c_str(), &info) == 0;
    // access() asks with the real user's rights, which is what the saves use.
    return !hasSettings && ::access(moduleFolder.c_str(), W_OK | X_OK) != 0;
}

std::string UserSettingsFolder() { return ConfigHome() + "/taleno"; }

}  // namespace

std::string SettingsFolder(const std::string& moduleFolder) {
    return IsUserSettingsFolder(moduleFolder) ? UserSettingsFolder() : moduleFolder;
}

CIniStore SettingsFolderStore(const std::string& moduleFolder, const std::string& fileName, std::string section) {
    const bool user = IsUserSettingsFolder(moduleFolder);
    CIniStore store((user ? UserSettingsFolder() : moduleFolder) + "/" + fileName, std::move(section));
    store.SetMakeFolder(user);
    return store;
}

}  // namespace taleno
