// The Windows release classification, and the font lookup against a private
// fontconfig set-up holding a few of Debian's DejaVu fonts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "common/ScratchFolder.h"
#include "system/FontLookup.h"
#include "system/SystemVersion.h"

namespace taleno {
namespace {

TEST(SystemVersionTest, EveryReleaseAndItsBoundaries) {
    const std::tuple<WindowsVersionRecord, int, const char*> cases[] = {
        {{1, 4, 0, 950}, 1, "Windows 95"},
        {{1, 4, 0, 951}, 2, "Windows 95 SP1"},
        {{1, 4, 0, 1080}, 2, "Windows 95 SP1"},
        {{1, 4, 0, 1081}, 3, "Windows 95 OSR2"},
        {{1, 4, 0, 949}, 0, "unknown Windows version"},
        {{1, 4, 10, 1998}, 4, "Windows 98"},
        {{1, 4, 10, 2182}, 5, "Windows 98 SP1"},
        {{1, 4, 10, 2222}, 6, "Windows 98 SE"},
        {{1, 4, 10, 1500}, 0, "unknown Windows version"},
        {{1, 4, 90, 3000}, 7, "Windows ME"},
        {{2, 3, 51, 1057}, 101, "Windows NT 3.51"},
        {{2, 4, 0, 1381}, 102, "Windows NT 4"},
        {{2, 5, 0, 2195}, 103, "Windows 2000"},
        {{2, 5, 1, 2600}, 104, "Windows XP"},
        {{2, 6, 0, 6000}, 0, "unknown Windows version"},
        {{3, 2, 0, 0}, 201, "Windows CE"},
        {{1, 4, 10, 0x10000 + 1998}, 4, "Windows 98"},
    };
    for (const auto& [record, code, name] : cases) {
        std::string shown;
        int given = -1;
        EXPECT_TRUE(ClassifyWindowsVersion(record, 99, shown, given));
        EXPECT_EQ(std::pair(given, shown), std::pair(code, std::string(name))) << record.major << "." << record.minor;
    }
    // No record (Linux): unknown and false; a 5-character buffer holds "unkn".
    std::string shown;
    int code = -1;
    EXPECT_FALSE(GetWindowsVersionName(5, shown, code));
    EXPECT_EQ(std::pair(code, shown), std::pair(0, std::string("unkn")));
    EXPECT_EQ(GetWindowsMajorVersion(), 0);
}

TEST(FontLookupTest, FirstInstalledFontWhoseNameBeginsWithTheFaceIgnoringCase) {
    const std::filesystem::path system = "/usr/share/fonts/truetype/dejavu";
    if (!std::filesystem::exists(system / "DejaVuSerif.ttf")) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    test::ScratchFolder folder;
    std::filesystem::create_directory(folder.File("fonts"));
    for (const char* font : {"DejaVuSans.ttf", "DejaVuSerif.ttf"}) {
        std::filesystem::copy_file(system / font, folder.File("fonts/") + font);
    }
    test::WriteWholeFile(folder.File("fonts.conf"), "<?xml version=\"1.0\"?><fontconfig><dir>" + folder.File("fonts") +
                                                        "</dir><cachedir>" + folder.File("cache") +
                                                        "</cachedir></fontconfig>");
    setenv("FONTCONFIG_FILE", folder.File("fonts.conf").c_str(), 1);  // this test process only
    const std::optional<FontFile> serif = FindFontFile("dejavu SERIF");
    ASSERT_TRUE(serif.has_value());
    EXPECT_EQ(serif->displayName, "DejaVu Serif");
    EXPECT_EQ(serif->path, folder.File("fonts/DejaVuSerif.ttf"));
    EXPECT_EQ(FindFontFile("DejaVu")->path.rfind(folder.File("fonts/"), 0), 0u);  // one of ours, whichever first
    EXPECT_FALSE(FindFontFile("Arial").has_value());
    EXPECT_FALSE(FindFontFile("").has_value());
}

}  // namespace
}  // namespace taleno
