#include "system/DesktopEntry.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace taleno {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::string DesktopExecArgument(const std::string& path) {
    // The characters that make an argument need quotes, by the freedesktop
    // Desktop Entry rules.
    static const std::string kReserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string argument;
    if (path.find_first_of(kReserved) == std::string::npos) {
        argument = path;
    } else {
        argument = "\"";
        for (const char c : path) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') argument += '\\';
            argument += c;
        }
        argument += '"';
    }
    // Field codes begin with "%"; a literal one is doubled. Then the escapes
    // of every string value of a desktop entry.
    std::string value;
    for (const char c : argument) {
        if (c == '%') {
            value += "%%";
        } else if (c == '\\') {
            value += "\\\\";
        } else if (c == '\n') {
            value += "\\n";
        } else {
            value += c;
        }
    }
    return value;
}

std::string MimeTypeForExtension(const std::string& extension, const std::vector<std::string>& dataFolders) {
    const std::string glob = "*." + Lower(extension);
    std::string best;
    int bestWeight = -1;
    for (const std::string& folder : dataFolders) {
        std::ifstream globs(folder + "/mime/globs2");
        // Lines: weight:type:glob[:flags]; "#" begins a comment.
        for (std::string line; std::getline(globs, line);) {
            if (line.empty() || line.front() == '#') continue;
            std::istringstream fields(line);
            std::string weight, type, pattern;
            if (!std::getline(fields, weight, ':') || !std::getline(fields, type, ':') ||
                !std::getline(fields, pattern, ':')) {
                continue;
            }
            const int w = std::atoi(weight.c_str());
            if (Lower(pattern) == glob && w > bestWeight) {
                best = type;
                bestWeight = w;
            }
        }
    }
    return best;
}

}  // namespace taleno
