// The file or URL of the command line, and the text handed to a running
// instance.
#include <gtest/gtest.h>

#include "app/PlayerApp.h"

namespace taleno {
namespace {

TEST(CommandLineFile, FirstArgumentThatIsNoSwitch) {
    EXPECT_EQ(CommandLineFile({}), "");
    EXPECT_EQ(CommandLineFile({"clip.avi"}), "clip.avi");
    EXPECT_EQ(CommandLineFile({"-fs", "--verbose", "clip.avi", "other.avi"}), "clip.avi");
    EXPECT_EQ(CommandLineFile({"-x", "-"}), "");
    EXPECT_EQ(CommandLineFile({"", "clip.avi"}), "clip.avi");
    EXPECT_EQ(CommandLineFile({"http://example.org/a b.mp3?x=-1"}), "http://example.org/a b.mp3?x=-1");
    EXPECT_EQ(CommandLineFile({"My Clips/o'clock \"live\".avi"}), "My Clips/o'clock \"live\".avi");
}

TEST(CommandLineFile, DoubleDashEndsTheSwitches) {
    EXPECT_EQ(CommandLineFile({"--", "-dash.avi"}), "-dash.avi");
    EXPECT_EQ(CommandLineFile({"-a", "--", "--", "x"}), "--");
    EXPECT_EQ(CommandLineFile({"clip.avi", "--", "-dash.avi"}), "clip.avi");
    EXPECT_EQ(CommandLineFile({"--"}), "");
}

TEST(HandOffText, RelativeLocalPathsBecomeAbsolute) {
    EXPECT_EQ(HandOffText("clip.avi", "/home/u/films"), "/home/u/films/clip.avi");
    EXPECT_EQ(HandOffText("../a/-b.avi", "/x/"), "/x/../a/-b.avi");
    EXPECT_EQ(HandOffText("/media/clip.avi", "/home/u"), "/media/clip.avi");
    EXPECT_EQ(HandOffText("http://example.org/live.pls", "/home/u"), "http://example.org/live.pls");
    EXPECT_EQ(HandOffText("clip.avi", ""), "clip.avi");
}

}  // namespace
}  // namespace taleno
