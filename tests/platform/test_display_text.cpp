// Bytes from outside shown as text: UTF-8 when they are valid UTF-8, else
// Latin-1; control characters as their visible marks.
#include "common/TestSupport.h"

#include "platform/DisplayText.h"

namespace taleno {
namespace {

TEST(DisplayTextTest, ValidUtf8IsUtf8AndEverythingElseLatin1) {
    const std::pair<std::string, const char*> cases[] = {
        {"clip.avi", "clip.avi"},
        {"caf\xc3\xa9 \xe2\x82\xac", "caf\u00e9 \u20ac"},            // UTF-8
        {"caf\xe9.avi", "caf\u00e9.avi"},                            // Latin-1
        {"\xc3\xa9 and \xe9", "\u00c3\u00a9 and \u00e9"},            // mixed: all Latin-1
        {"\xc0\xaf", "\u00c0\u00af"},                                // an overlong form is no UTF-8
        {"\xe2\x82", "\u00e2\u0082"},                                // cut in a character
        {"a\nb\tc\x7f\x1b.avi", "a\u240ab\u2409c\u2421\u241b.avi"},  // controls as their marks
        {"", ""},
    };
    for (const auto& [bytes, shown] : cases) EXPECT_EQ(DisplayText(bytes), QString::fromUtf8(shown)) << bytes;
}

}  // namespace
}  // namespace taleno
