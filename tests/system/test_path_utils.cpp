// Paths made absolute and relative as playlist files hold them. The common
// relative forms are read and written by the playlist file tests; the round
// trip of every path in normal form is the paths fuzz target's.
#include "system/PathUtils.h"

#include "common/TestSupport.h"

namespace taleno {
namespace {

using Case = std::tuple<std::string, std::string, std::string>;  // argument, base, result

// Each case's result of `f`, against what the case expects.
void Check(const std::function<std::string(const std::string&, const std::string&)>& f,
           const std::vector<Case>& cases) {
    for (const auto& [argument, base, result] : cases) EXPECT_EQ(f(argument, base), result) << argument << " " << base;
}

TEST(PathUtils, MakeAbsoluteAndRelative) {
    Check(PathMakeAbsolute, {{"sub/a.mp3", "/Lists/x.m3u", "/Lists/sub/a.mp3"},
                             {"/Other/x.mp3", "/Lists/", "/Other/x.mp3"},
                             {"http://h/x.mp3", "/Lists/", "http://h/x.mp3"},
                             {"a.mp3", "/x.m3u", "/a.mp3"},                // base folder is the root
                             {"../../../a.mp3", "/Lists/", "/a.mp3"},      // stops at the root
                             {"../a/../b.mp3", "/L/M/", "/L/a/../b.mp3"},  // one "..", then the name as it is
                             {"./", "/Lists/", "/Lists/"},
                             {"a.mp3", "http://host/lists/x.m3u", "http://host/lists/a.mp3"},
                             {"../../a.mp3", "http://host/lists/", "http://host/a.mp3"},
                             {"", "/Lists/", ""},
                             {"a.mp3", "x.m3u", ""}});  // the base names no folder
    // The first component stands for the drive: another one means no
    // relative form; so does a path not in normal form ("x/../a.mp3" would
    // read back as "/Lists/a.mp3").
    Check(PathMakeRelative, {{"/Music/a.mp3", "/Music2/x.txt", "/Music/a.mp3"},
                             {"/Lists/Music/a.mp3", "/Lists/x.txt", "Music/a.mp3"},
                             {"/lists/a.mp3", "/Lists/x.txt", "/lists/a.mp3"},  // case counts
                             {"/a.mp3", "/Lists/x.txt", "/a.mp3"},              // nothing in common
                             {"/Lists/a.mp3", "/x.txt", "/Lists/a.mp3"},        // base is the root
                             {"http://h/Lists/a.mp3", "/h/Lists/", "http://h/Lists/a.mp3"},
                             {"sub/a.mp3", "/Lists/", "sub/a.mp3"},
                             {"/Lists/a.mp3", "Lists/", "/Lists/a.mp3"},
                             {"/Lists/x/../a.mp3", "/Lists/y.txt", "/Lists/x/../a.mp3"},
                             {"/Lists//a.mp3", "/Lists/y.txt", "/Lists//a.mp3"}});
}

}  // namespace
}  // namespace taleno
