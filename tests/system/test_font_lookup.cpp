// The font lookup against a private fontconfig set-up holding a few of
// Debian's DejaVu fonts.
#include "common/TestSupport.h"

#include "system/FontLookup.h"

namespace taleno {
namespace {

TEST(FontLookupTest, TheChosenFamilyAndStyleAsFontconfigMatchesThemAndTheirNameForTheEngine) {
    const std::filesystem::path system = "/usr/share/fonts/truetype/dejavu";
    if (!std::filesystem::exists(system / "DejaVuSerif.ttf")) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    // Our fonts only, with the system's rules (aliases such as "Serif").
    test::ScratchFolder folder;
    std::filesystem::create_directory(folder.File("fonts"));
    for (const char* font : {"DejaVuSans.ttf", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSansMono.ttf"}) {
        std::filesystem::copy_file(system / font, folder.File("fonts/") + font);
    }
    test::WriteWholeFile(folder.File("fonts.conf"), "<?xml version=\"1.0\"?><fontconfig><dir>" + folder.File("fonts") +
                                                        "</dir><cachedir>" + folder.File("cache") +
                                                        "</cachedir><include ignore_missing=\"yes\">/etc/fonts/conf.d"
                                                        "</include></fontconfig>");
    setenv("FONTCONFIG_FILE", folder.File("fonts.conf").c_str(), 1);  // this test process only
    const auto face = [](const char* family, const char* style = "", int weight = 400) {
        FontRequest request;
        request.family = family, request.style = style, request.weight = weight;
        return request;
    };
    const auto file = [&](const FontRequest& request) {
        const std::optional<FontFile> found = FindFontFile(request);
        return found ? found->path.substr(found->path.rfind('/') + 1) : std::string("none");
    };
    EXPECT_EQ(file(face("DejaVu Serif")), "DejaVuSerif.ttf");  // the regular face, not the first of the family
    EXPECT_EQ(file(face("dejavu serif", "", 700)), "DejaVuSerif-Bold.ttf");
    EXPECT_EQ(file(face("DejaVu Serif", "Bold")), "DejaVuSerif-Bold.ttf");
    EXPECT_EQ(file(face("DejaVu Serif [PfEd]")), "DejaVuSerif.ttf");  // tagged with its foundry
    EXPECT_EQ(file(face("Serif")), "DejaVuSerif.ttf");
    EXPECT_EQ(file(face("Monospace")), "DejaVuSansMono.ttf");
    EXPECT_EQ(file(face("Sans Serif")), "DejaVuSans.ttf");
    EXPECT_EQ(FindFontFile(face("DejaVu Serif", "Bold"))->displayName, "DejaVu Serif Bold");
    for (const char* unknown : {"Arial", "DejaVu", "DejaVu Serif [nobody]", ""}) {
        EXPECT_EQ(file(face(unknown)), "none") << unknown;
    }

    // The engine draws subtitles through fontconfig: a file is handed over
    // as its family, and its style where it is not the regular face.
    EXPECT_EQ(EngineFontName(folder.File("fonts/DejaVuSerif.ttf")), "DejaVu Serif");
    EXPECT_EQ(EngineFontName(folder.File("fonts/DejaVuSerif-Bold.ttf")), "DejaVu Serif:style=Bold");
    for (const std::string& other :
         {std::string("DejaVu Sans Mono"), folder.File("gone.ttf"), folder.File("fonts.conf"), std::string()}) {
        EXPECT_EQ(EngineFontName(other), other);
    }
}

}  // namespace
}  // namespace taleno
