// A program path in a desktop entry's Exec line: quoted, with the characters
// the Desktop Entry rules reserve escaped, so a desktop reads the path back
// whole and runs nothing else.
#include "common/TestSupport.h"

#include "system/DesktopEntry.h"

namespace taleno {
namespace {

TEST(DesktopEntryTest, AProgramPathSurvivesTheExecLineWhateverItHolds) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/taleno", "/usr/bin/taleno"},
        {"/opt/My Player/taleno", "\"/opt/My Player/taleno\""},
        // Quote, dollar, backquote and backslash escaped inside the quotes,
        // then every backslash again as the string value asks.
        {"/u/\"q\" $HOME `x` \\b/taleno", "\"/u/\\\\\"q\\\\\" \\\\$HOME \\\\`x\\\\` \\\\\\\\b/taleno\""},
        {"/u/100% sure/taleno", "\"/u/100%% sure/taleno\""},
        {"/tmp/a'b;c&d|e(f)#g*h?/taleno", "\"/tmp/a'b;c&d|e(f)#g*h?/taleno\""},
    };
    for (const auto& [path, value] : cases) EXPECT_EQ(DesktopExecArgument(path), value) << path;
}

}  // namespace
}  // namespace taleno
