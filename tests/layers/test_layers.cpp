// The layers of src/: the top CMakeLists.txt adds the folders lowest layer
// first, and a folder may include and link only folders added before it.
// Each library links exactly the folders its sources include.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace taleno {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every match of the pattern's first group in the text.
std::set<std::string> Matches(const std::string& text, const std::regex& pattern) {
    std::set<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) found.insert((*it)[1]);
    return found;
}

// The folders of src/, lowest layer first.
std::vector<std::string> Layers(const fs::path& root) {
    std::vector<std::string> layers;
    const std::string top = Read(root / "CMakeLists.txt");
    const std::regex added(R"(add_subdirectory\(src/(\w+)\))");
    for (std::sregex_iterator it(top.begin(), top.end(), added), end; it != end; ++it) layers.push_back((*it)[1]);
    return layers;
}

// The layers that the sources of one folder, its subfolders too, include,
// other than itself: "layer/...", <layer/...> or "../layer/...".
std::map<std::string, std::set<std::string>> IncludedBy(const fs::path& folder, const std::string& self,
                                                        const std::vector<std::string>& layers) {
    std::map<std::string, std::set<std::string>> files;  // included layer -> including files
    const std::regex include(R"re(#\s*include\s*["<](?:\.\./)*(\w+)/)re");
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        for (const std::string& used : Matches(Read(entry.path()), include)) {
            if (used != self && std::find(layers.begin(), layers.end(), used) != layers.end()) {
                files[used].insert(fs::relative(entry.path(), folder).string());
            }
        }
    }
    return files;
}

TEST(LayersTest, FoldersIncludeAndLinkOnlyLowerLayersAndLinkWhatTheyInclude) {
    const fs::path root = TALENO_SOURCE_DIR;
    const std::vector<std::string> layers = Layers(root);
    ASSERT_EQ(layers, (std::vector<std::string>{"platform", "system", "settings", "playlist", "engine", "session",
                                                "shell", "player", "prefs", "app"}));
    const std::regex linked(R"(taleno_(\w+))");
    for (std::size_t level = 0; level < layers.size(); ++level) {
        const std::string& self = layers[level];
        const std::set<std::string> below(layers.begin(), layers.begin() + level);
        std::set<std::string> included;
        for (const auto& [used, files] : IncludedBy(root / "src" / self, self, layers)) {
            included.insert(used);
            for (const std::string& file : files) {
                EXPECT_TRUE(below.count(used))
                    << "src/" << self << "/" << file << " includes " << used << ", which is not a lower layer";
            }
        }
        std::set<std::string> links = Matches(Read(root / "src" / self / "CMakeLists.txt"), linked);
        links.erase(self);
        links.erase("library");
        EXPECT_EQ(links, included) << "src/" << self << "/CMakeLists.txt links other folders than it includes";
    }
}

}  // namespace
}  // namespace taleno
