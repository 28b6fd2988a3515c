#include "platform/UserFolders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace taleno {

namespace {

std::string Environment(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string HomeFolder() { return Environment("HOME", "/"); }
std::string ConfigHome() { return Environment("XDG_CONFIG_HOME", HomeFolder() + "/.config"); }
std::string DataHome() { return Environment("XDG_DATA_HOME", HomeFolder() + "/.local/share"); }

bool MakePrivateFolder(const std::string& folder) {
    if (IsFolder(folder)) return true;
    const std::size_t end = folder.find_last_not_of('/');
    if (end == std::string::npos) return false;
    const std::size_t slash = folder.rfind('/', end);
    if (slash != std::string::npos && slash > 0 && !MakePrivateFolder(folder.substr(0, slash))) return false;
    // Another process may make it between the look and the mkdir: EEXIST on
    // a folder is success.
    return ::mkdir(folder.c_str(), 0700) == 0 || (errno == EEXIST && IsFolder(folder));
}

}  // namespace taleno
