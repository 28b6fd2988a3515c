#include "settings/RecentFiles.h"

#include "settings/IniText.h"
#include "settings/Settings.h"

#include <algorithm>

namespace taleno {

namespace {

std::string Key(int index) { return "File" + std::to_string(index + 1); }

CIniStore RecentStore(const std::string& moduleFolder) {
    CIniStore store = SettingsStore(moduleFolder);
    store.SetSection(kRecentSection);
    return store;
}

// Writes the list over the section's keys in one replacement of the file.
bool WriteRecentFiles(const std::string& moduleFolder, const std::vector<std::string>& paths) {
    CIniStore::Batch batch = RecentStore(moduleFolder).BeginBatch();
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        if (!(at < paths.size() ? batch.WriteString(Key(i), IniText(paths[at])) : batch.DeleteKey(Key(i)))) {
            return false;
        }
    }
    return batch.Commit();
}

}  // namespace

std::vector<std::string> ReadRecentFiles(const std::string& moduleFolder) {
    const CIniStore store = RecentStore(moduleFolder);
    std::vector<std::string> paths;
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        const std::string path = BytesFromIniText(store.ReadWholeString(Key(i), ""));
        // A hand-edited file may leave gaps or repeat a path: both are skipped.
        if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end()) {
            paths.push_back(path);
        }
    }
    return paths;
}

bool AddRecentFiles(const std::string& moduleFolder, const std::vector<std::string>& paths) {
    std::vector<std::string> kept;
    for (const std::string& path : paths) {
        if (!path.empty() && std::find(kept.begin(), kept.end(), path) == kept.end()) kept.push_back(path);
    }
    for (const std::string& path : ReadRecentFiles(moduleFolder)) {
        if (std::find(kept.begin(), kept.end(), path) == kept.end()) kept.push_back(path);
    }
    if (kept.size() > kMaxRecentFiles) kept.resize(kMaxRecentFiles);
    return WriteRecentFiles(moduleFolder, kept);
}

bool RemoveRecentFile(const std::string& moduleFolder, const std::string& path) {
    std::vector<std::string> paths = ReadRecentFiles(moduleFolder);
    std::erase(paths, path);
    return WriteRecentFiles(moduleFolder, paths);
}

bool ClearRecentFiles(const std::string& moduleFolder) { return WriteRecentFiles(moduleFolder, {}); }

}  // namespace taleno
