#include "system/PathUtils.h"

#include <gtest/gtest.h>

namespace taleno {
namespace {

TEST(PathUtils, TakesPathsApart) {
    EXPECT_EQ(PathGetDirectory("/a/b.mp3"), "/a/");
    EXPECT_EQ(PathGetDirectory("/a/"), "/a/");
    EXPECT_EQ(PathGetDirectory("b.mp3"), "");
    EXPECT_EQ(PathGetDirectory(""), "");
    EXPECT_EQ(PathGetFileName("/a/b.mp3"), "b.mp3");
    EXPECT_EQ(PathGetFileName("b.mp3"), "b.mp3");
    EXPECT_EQ(PathGetFileName("/a/"), "");
    EXPECT_EQ(PathGetTitle("/a/b.c.mp3"), "b.c");
    EXPECT_EQ(PathGetTitle("/a/README"), "README");
    EXPECT_EQ(PathGetExtension("/a/b.c.MP3"), "MP3");
    EXPECT_EQ(PathGetExtension("/a.b/file"), "");  // the dot is in a folder name
    EXPECT_EQ(PathSplit("//a//b/"), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(PathSplit("///").empty());
}

TEST(PathUtils, AbsoluteAndUrl) {
    EXPECT_TRUE(PathIsAbsolute("/x"));
    EXPECT_TRUE(PathIsAbsolute("http://host/a.mp3"));
    EXPECT_FALSE(PathIsAbsolute("a:b/c"));  // a colon alone means nothing on Linux
    EXPECT_FALSE(PathIsAbsolute("x/y"));
    EXPECT_TRUE(PathIsUrl("mms://h/s"));
    EXPECT_FALSE(PathIsUrl("/a:b"));
}

// The common cases (same folder, one up, another first component, the
// folder itself, "./") are read and written by the playlist file tests; the
// round trip of every path in normal form is the paths fuzz target's.
TEST(PathUtils, MakeAbsolute) {
    EXPECT_EQ(PathMakeAbsolute("sub/a.mp3", "/Lists/x.m3u"), "/Lists/sub/a.mp3");
    EXPECT_EQ(PathMakeAbsolute("/Other/x.mp3", "/Lists/"), "/Other/x.mp3");
    EXPECT_EQ(PathMakeAbsolute("http://h/x.mp3", "/Lists/"), "http://h/x.mp3");
    EXPECT_EQ(PathMakeAbsolute("a.mp3", "/x.m3u"), "/a.mp3");            // base folder is the root
    EXPECT_EQ(PathMakeAbsolute("../../../a.mp3", "/Lists/"), "/a.mp3");  // stops at the root
    EXPECT_EQ(PathMakeAbsolute("../a/../b.mp3", "/L/M/"), "/L/a/../b.mp3");
    EXPECT_EQ(PathMakeAbsolute("./", "/Lists/"), "/Lists/");
    EXPECT_EQ(PathMakeAbsolute("a.mp3", "http://host/lists/x.m3u"), "http://host/lists/a.mp3");
    EXPECT_EQ(PathMakeAbsolute("../../a.mp3", "http://host/lists/"), "http://host/a.mp3");
    EXPECT_EQ(PathMakeAbsolute("", "/Lists/"), "");
    EXPECT_EQ(PathMakeAbsolute("a.mp3", "x.m3u"), "");  // the base names no folder
}

TEST(PathUtils, MakeRelative) {
    // The first component stands for the drive: another one means no relative form.
    EXPECT_EQ(PathMakeRelative("/Music/a.mp3", "/Music2/x.txt"), "/Music/a.mp3");
    EXPECT_EQ(PathMakeRelative("/Lists/Music/a.mp3", "/Lists/x.txt"), "Music/a.mp3");
    EXPECT_EQ(PathMakeRelative("/lists/a.mp3", "/Lists/x.txt"), "/lists/a.mp3");  // case counts
    EXPECT_EQ(PathMakeRelative("/a.mp3", "/Lists/x.txt"), "/a.mp3");              // nothing in common
    EXPECT_EQ(PathMakeRelative("/Lists/a.mp3", "/x.txt"), "/Lists/a.mp3");        // base is the root
    EXPECT_EQ(PathMakeRelative("http://h/Lists/a.mp3", "/h/Lists/"), "http://h/Lists/a.mp3");
    EXPECT_EQ(PathMakeRelative("sub/a.mp3", "/Lists/"), "sub/a.mp3");
    EXPECT_EQ(PathMakeRelative("/Lists/a.mp3", "Lists/"), "/Lists/a.mp3");
    // Only paths in normal form: "x/../a.mp3" would read back as "/Lists/a.mp3".
    EXPECT_EQ(PathMakeRelative("/Lists/x/../a.mp3", "/Lists/y.txt"), "/Lists/x/../a.mp3");
    EXPECT_EQ(PathMakeRelative("/Lists//a.mp3", "/Lists/y.txt"), "/Lists//a.mp3");
}

}  // namespace
}  // namespace taleno
