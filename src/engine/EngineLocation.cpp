#include "engine/EngineLocation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "system/PathUtils.h"

namespace taleno {

bool IsEngineExecutable(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string DefaultEnginePath(const std::string& moduleFolder, std::string_view searchPath) {
    const std::string bundled = moduleFolder + "/mplayer/mplayer";
    if (IsEngineExecutable(bundled)) {
        return bundled;
    }
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string_view::npos) {
            end = searchPath.size();
        }
        std::string folder(searchPath.substr(start, end - start));
        if (folder.starts_with('/')) {
            if (!folder.ends_with('/')) {
                folder += '/';
            }
            const std::string candidate = folder + "mplayer";
            if (IsEngineExecutable(candidate)) {
                return candidate;
            }
        }
        start = end + 1;
    }
    return bundled;
}

std::string DefaultEnginePath(const std::string& moduleFolder) {
    const char* path = std::getenv("PATH");
    return DefaultEnginePath(moduleFolder, path != nullptr ? path : "");
}

std::string ResolveEnginePath(bool useCustomPath, const std::string& customPath, const std::string& moduleFolder,
                              const std::string& defaultEnginePath) {
    if (!useCustomPath) {
        return defaultEnginePath;
    }
    if (customPath.starts_with('/')) {
        return customPath;
    }
    return PathMakeAbsolute(customPath, moduleFolder + "/");
}

}  // namespace taleno
