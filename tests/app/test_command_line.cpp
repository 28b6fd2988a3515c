// The file or URL of the command line, and the text handed to a running
// instance (the process tests cover the plain cases end to end).
#include <gtest/gtest.h>

#include "app/PlayerApp.h"

namespace taleno {
namespace {

TEST(CommandLineFile, FirstArgumentThatIsNoSwitchAndDoubleDashEndsTheSwitches) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, ""},
        {{"-x", "-"}, ""},
        {{"", "clip.avi"}, "clip.avi"},
        {{"-fs", "a.avi", "b.avi"}, "a.avi"},
        {{"My Clips/o'clock \"live\".avi"}, "My Clips/o'clock \"live\".avi"},
        {{"http://example.org/a b.mp3?x=-1"}, "http://example.org/a b.mp3?x=-1"},
        {{"-a", "--", "--", "x"}, "--"},
        {{"clip.avi", "--", "-dash.avi"}, "clip.avi"},
        {{"--"}, ""},
        {{"-style", "Fusion", "--platform", "xcb", "a.avi"}, "a.avi"},  // Qt's switches and their values
        {{"--", "-style", "x"}, "-style"}};
    for (const auto& [arguments, file] : cases) EXPECT_EQ(CommandLineFile(arguments), file) << file;
}

TEST(AbsoluteClipArgument, RelativeLocalPathsBecomeAbsolute) {
    EXPECT_EQ(AbsoluteClipArgument("../a/-b.avi", "/x/"), "/x/../a/-b.avi");
    EXPECT_EQ(AbsoluteClipArgument("/media/clip.avi", "/home/u"), "/media/clip.avi");
    EXPECT_EQ(AbsoluteClipArgument("http://example.org/live.pls", "/home/u"), "http://example.org/live.pls");
    EXPECT_EQ(AbsoluteClipArgument("clip.avi", ""), "clip.avi");
}

}  // namespace
}  // namespace taleno
