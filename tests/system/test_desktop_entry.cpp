// A program path in a desktop entry's Exec line, read back as a desktop reads it.
#include "common/TestSupport.h"

#include "system/DesktopEntry.h"

namespace taleno {
namespace {

// What an Exec value's first argument reads back as: the string escapes
// undone, then the quoting, then "%%" - the reading the Desktop Entry rules ask
// of a desktop environment.
std::string ReadBack(const std::string& value) {
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            unescaped += next == 'n' ? '\n' : next == 's' ? ' ' : next;
        } else {
            unescaped += value[i];
        }
    }
    std::string argument;
    const bool quoted = !unescaped.empty() && unescaped.front() == '"';
    for (std::size_t i = quoted ? 1 : 0; i < unescaped.size(); ++i) {
        const char c = unescaped[i];
        if (quoted && c == '\\' && i + 1 < unescaped.size()) {
            argument += unescaped[++i];
        } else if (quoted && c == '"') {
            break;
        } else if (!quoted && c == ' ') {
            break;
        } else if (c == '%' && i + 1 < unescaped.size() && unescaped[i + 1] == '%') {
            argument += '%';
            ++i;
        } else {
            argument += c;
        }
    }
    return argument;
}

TEST(DesktopEntryTest, AProgramPathSurvivesTheExecLineWhateverItHolds) {
    EXPECT_EQ(DesktopExecArgument("/usr/bin/taleno"), "/usr/bin/taleno");
    for (const std::string path : {"/opt/My Player/taleno", "/home/u/\"quoted\" $HOME `x` \\back/taleno",
                                   "/home/u/100% sure/taleno", "/tmp/a'b;c&d|e(f)#g*h?/taleno"}) {
        const std::string value = DesktopExecArgument(path);
        EXPECT_EQ(value.front(), '"') << path;
        EXPECT_EQ(ReadBack(value + " %f"), path) << value;
    }
}

}  // namespace
}  // namespace taleno
