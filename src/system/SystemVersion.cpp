#include "system/SystemVersion.h"

namespace taleno {

namespace {

struct Release {
    int code;
    const char* name;
};

Release Classify(const WindowsVersionRecord& r) {
    const int build = r.build & 0xFFFF;
    switch (r.platformId) {
    case 1:  // Windows 9x
        if (r.major != 4) break;
        if (r.minor < 10) {
            if (build == 950) return {1, "Windows 95"};
            if (build > 950 && build <= 1080) return {2, "Windows 95 SP1"};
            if (build > 1080) return {3, "Windows 95 OSR2"};
        } else if (r.minor == 10) {
            if (build == 1998) return {4, "Windows 98"};
            if (build > 1998 && build < 2183) return {5, "Windows 98 SP1"};
            if (build >= 2183) return {6, "Windows 98 SE"};
        } else if (r.minor == 90) {
            return {7, "Windows ME"};
        }
        break;
    case 2:  // Windows NT
        if (r.major == 3 && r.minor == 51) return {101, "Windows NT 3.51"};
        if (r.major == 4 && r.minor == 0) return {102, "Windows NT 4"};
        if (r.major == 5 && r.minor == 0) return {103, "Windows 2000"};
        if (r.major == 5 && r.minor == 1) return {104, "Windows XP"};
        break;
    case 3: return {201, "Windows CE"};
    default: break;
    }
    return {0, "unknown Windows version"};
}

// What a C buffer of that size receives: at most size - 1 characters.
std::string Cut(const char* text, std::size_t bufferSize) {
    const std::string whole(text);
    return bufferSize == 0 ? std::string() : whole.substr(0, bufferSize - 1);
}

}  // namespace

bool ClassifyWindowsVersion(const std::optional<WindowsVersionRecord>& record, std::size_t bufferSize,
                            std::string& name, int& code) {
    name = Cut("unknown Windows version", bufferSize);
    code = 0;
    if (!record) {
        return false;
    }
    const Release release = Classify(*record);
    if (release.code != 0) {
        name = Cut(release.name, bufferSize);
        code = release.code;
    }
    return true;
}

bool GetWindowsVersionName(std::size_t bufferSize, std::string& name, int& code) {
    return ClassifyWindowsVersion(std::nullopt, bufferSize, name, code);
}

}  // namespace taleno
