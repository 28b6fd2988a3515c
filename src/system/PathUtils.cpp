#include "system/PathUtils.h"

#include <algorithm>

namespace taleno {

namespace {

// The part of a path in front of its first component: "/", "scheme://host/"
// or "" (see the header).
std::string_view PathRoot(std::string_view path) {
    const std::size_t scheme = path.find("://");
    if (scheme != std::string_view::npos) {
        const std::size_t hostEnd = path.find('/', scheme + 3);
        return hostEnd == std::string_view::npos ? path : path.substr(0, hostEnd + 1);
    }
    return path.starts_with('/') ? path.substr(0, 1) : std::string_view();
}

void DropLeadingDot(std::vector<std::string>& components) {
    if (!components.empty() && components.front() == ".") {
        components.erase(components.begin());
    }
}

void AppendComponents(std::string& out, const std::vector<std::string>& components, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        out += components[i];
        out += '/';
    }
}

}  // namespace

bool PathIsUrl(std::string_view path) { return path.find("://") != std::string_view::npos; }

bool PathIsAbsolute(std::string_view path) { return path.starts_with('/') || PathIsUrl(path); }

std::string PathGetDirectory(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string PathGetFileName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string PathGetTitle(std::string_view path) {
    std::string name = PathGetFileName(path);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return name;
}

std::string PathGetExtension(std::string_view path) {
    const std::string name = PathGetFileName(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::vector<std::string> PathSplit(std::string_view path) {
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        if (end > start) {
            components.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return components;
}

std::string PathMakeAbsolute(std::string_view relative, std::string_view base) {
    if (PathIsAbsolute(relative)) {
        return std::string(relative);
    }
    const std::string name = PathGetFileName(relative);
    const std::string folder = PathGetDirectory(base);
    const std::string_view root = PathRoot(folder);

    std::vector<std::string> parts = PathSplit(relative);
    std::vector<std::string> baseParts = PathSplit(folder.substr(root.size()));
    if (parts.empty() || (baseParts.empty() && root.empty())) {
        return std::string();
    }
    DropLeadingDot(parts);
    DropLeadingDot(baseParts);
    if (!name.empty() && !parts.empty()) {
        parts.pop_back();
    }

    std::size_t up = 0;
    while (up < parts.size() && parts[up] == "..") {
        ++up;
    }
    // More ".." than the base has folders: stop at the root.
    const std::size_t kept = baseParts.size() - std::min(up, baseParts.size());

    std::string result(root);
    AppendComponents(result, baseParts, 0, kept);
    AppendComponents(result, parts, up, parts.size());
    result += name;
    return result;
}

namespace {

// No empty, "." or ".." component: only then does a relative form, read
// back, give the very same text ("/a/x/../b" would come back as "/a/b").
bool InNormalForm(std::string_view path) {
    if (path.find("//") != std::string_view::npos) {
        return false;
    }
    for (const std::string& part : PathSplit(path)) {
        if (part == "." || part == "..") {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string PathMakeRelative(std::string_view absolute, std::string_view base) {
    const std::string folder = PathGetDirectory(base);
    if (!absolute.starts_with('/') || PathIsUrl(absolute) || !folder.starts_with('/') || PathIsUrl(folder) ||
        !InNormalForm(absolute) || !InNormalForm(folder)) {
        return std::string(absolute);
    }
    const std::string name = PathGetFileName(absolute);
    std::vector<std::string> parts = PathSplit(absolute);
    std::vector<std::string> baseParts = PathSplit(folder);
    if (!name.empty() && !parts.empty()) {
        parts.pop_back();
    }

    std::size_t common = 0;
    while (common < parts.size() && common < baseParts.size() && parts[common] == baseParts[common]) {
        ++common;
    }
    if (common == 0) {
        return std::string(absolute);
    }

    std::string result;
    for (std::size_t i = common; i < baseParts.size(); ++i) {
        result += "../";
    }
    AppendComponents(result, parts, common, parts.size());
    result += name;
    return result.empty() ? std::string("./") : result;
}

}  // namespace taleno
