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

constexpr char kMainGroup[] = "[Desktop Entry]";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The key a line sets ("Key" of "Key = value"); "" for groups, comments and blanks.
std::string KeyOf(const std::string& line) {
    const auto equals = line.find('=');
    if (equals == std::string::npos || line.empty() || line[0] == '#' || line[0] == '[') return {};
    std::string key = line.substr(0, equals);
    while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
    return key;
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

bool IsAssociableExtension(const std::string& extension) {
    if (extension.empty() || extension.size() > 64 || extension.front() == '.' || extension.back() == '.') {
        return false;
    }
    return std::all_of(extension.begin(), extension.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' || c == '-' ||
               c == '_' || c == '.';
    });
}

std::string DesktopEntryValue(const std::string& entry, const std::string& key) {
    bool inMain = false;
    for (const std::string& line : Lines(entry)) {
        if (!line.empty() && line[0] == '[') {
            inMain = line == kMainGroup;
        } else if (inMain && KeyOf(line) == key) {
            std::string value = line.substr(line.find('=') + 1);
            value.erase(0, value.find_first_not_of(" \t"));
            return value;
        }
    }
    return {};
}

std::string SetDesktopEntryKeys(const std::string& entry,
                                const std::vector<std::pair<std::string, std::string>>& keys) {
    std::vector<std::string> lines = Lines(entry);
    auto group = std::find(lines.begin(), lines.end(), kMainGroup);
    if (group == lines.end()) {
        lines.insert(lines.begin(), kMainGroup);
        group = lines.begin();
    }
    for (const auto& [key, value] : keys) {
        auto end = std::find_if(group + 1, lines.end(),
                                [](const std::string& line) { return !line.empty() && line[0] == '['; });
        auto at = std::find_if(group + 1, end, [&key](const std::string& line) { return KeyOf(line) == key; });
        if (at != end) {
            *at = key + "=" + value;
        } else {
            // After the group's last line that is not blank.
            while (end != group + 1 && (end - 1)->empty()) --end;
            const auto offset = group - lines.begin();
            lines.insert(end, key + "=" + value);
            group = lines.begin() + offset;
        }
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

}  // namespace taleno
