#include "session/SpoolFolder.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace taleno {

namespace {

// "sub_load " and "/s99.srt" around the folder's path.
constexpr std::size_t kLongestFolder = 38 - 9 - 8;
constexpr char kName[] = "/tl-XXXXXX";

}  // namespace

CSpoolFolder::~CSpoolFolder() {
    if (!folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
}

std::string CSpoolFolder::Path() {
    if (!tried) {
        tried = true;
        const char* temporary = std::getenv("TMPDIR");
        std::string base = temporary != nullptr && *temporary == '/' ? temporary : "/tmp";
        while (base.size() > 1 && base.back() == '/') base.pop_back();
        if (base.size() + sizeof kName - 1 > kLongestFolder) base = "/tmp";
        std::vector<char> name(base.begin(), base.end());
        name.insert(name.end(), kName, kName + sizeof kName);  // with its terminating zero
        if (mkdtemp(name.data()) != nullptr) folder = name.data();
    }
    return folder;
}

}  // namespace taleno
