#include "platform/ModuleFolder.h"

#include <unistd.h>
#include <vector>

namespace taleno {

namespace {

std::string ExecutablePath() {
    // readlink does not say how long the target is: grow until it fits.
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return std::string();
        if (static_cast<std::size_t>(n) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string ModuleFolder() {
    std::string path = ExecutablePath();
    std::size_t slash = path.rfind('/');
    // Without /proc the executable's place is unknown; the working folder
    // is the best remaining guess.
    if (slash == std::string::npos) return ".";
    return path.substr(0, slash);
}

}  // namespace taleno
