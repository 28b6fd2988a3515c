#include "settings/SettingsFolder.h"

#include "platform/UserFolders.h"

#include <sys/stat.h>
#include <unistd.h>

namespace taleno {

bool IsUserSettingsFolder(const std::string& moduleFolder) {
    struct stat info {};
    const bool hasSettings = ::stat((moduleFolder + "/Taleno .ini").c_str(), &info) == 0;
    // access() asks with the real user's rights, which is what the saves use.
    return !hasSettings && ::access(moduleFolder.c_str(), W_OK | X_OK) != 0;
}

std::string SettingsFolder(const std::string& moduleFolder) {
    return IsUserSettingsFolder(moduleFolder) ? ConfigHome() + "/taleno" : moduleFolder;
}

}  // namespace taleno
