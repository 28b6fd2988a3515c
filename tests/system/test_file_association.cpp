// The association on the freedesktop desktop, in temporary XDG folders only.
#include "common/TestSupport.h"

#include "system/GCFileTypeAccess.h"

namespace taleno {
namespace {

class FileAssociationTest : public ::testing::Test {
protected:
    FileAssociationTest() {
        std::filesystem::create_directories(system.File("mime"));
        test::WriteWholeFile(system.File("mime/globs2"), "50:video/mp4:*.mp4\n");
        test::WriteWholeFile(config.File("mimeapps.list"), "; mine\n[Default Applications]\ntext/plain=vim.desktop\n");
    }
    bool Associate(const std::string& extension) {
        CGCFileTypeAccess access;
        access.extension = extension;
        access.openCommand = "/opt/My \"Player\"/taleno";
        access.documentClassName = "TALENO.Document";
        access.defaultIcon = "taleno";
        return access.RegisterAll();
    }
    std::string Entry() const { return test::ReadWholeFile(data.File("applications/taleno.desktop")); }
    std::string Apps() const { return test::ReadWholeFile(config.File("mimeapps.list")); }

    test::ScratchFolder data, config, system;
    test::ScopedEnv dataHome{"XDG_DATA_HOME", data.Path().c_str()};
    test::ScopedEnv configHome{"XDG_CONFIG_HOME", config.Path().c_str()};
    test::ScopedEnv dataDirs{"XDG_DATA_DIRS", system.Path().c_str()};
};

TEST_F(FileAssociationTest, KnownAndUnknownExtensionsBecomeDefaultsAndTwiceChangesNothing) {
    ASSERT_TRUE(Associate("mp4"));
    ASSERT_TRUE(Associate("xyz"));  // no type in the database: one of ours
    EXPECT_NE(test::ReadWholeFile(data.File("mime/packages/taleno-xyz.xml")).find("<glob pattern=\"*.xyz\"/>"),
              std::string::npos);
    EXPECT_EQ(Apps(),
              "; mine\n[Default Applications]\ntext/plain=vim.desktop\nvideo/mp4=taleno.desktop;\n"
              "application/x-taleno-xyz=taleno.desktop;\n[Added Associations]\n"
              "video/mp4=taleno.desktop;\napplication/x-taleno-xyz=taleno.desktop;\n");
    EXPECT_NE(Entry().find("Exec=\"/opt/My \\\\\"Player\\\\\"/taleno\" %f\n"), std::string::npos) << Entry();
    EXPECT_NE(Entry().find("MimeType=video/mp4;application/x-taleno-xyz;\n"), std::string::npos) << Entry();
    const std::string entry = Entry(), apps = Apps();
    ASSERT_TRUE(Associate("mp4"));
    ASSERT_TRUE(Associate("xyz"));
    EXPECT_EQ(Entry(), entry);
    EXPECT_EQ(Apps(), apps);
    ASSERT_TRUE(Associate(""));  // nothing to do
}

TEST_F(FileAssociationTest, TheUsersEntryKeepsAllOfTheInstalledEntryItHidesAndAddsItsTypes) {
    std::filesystem::create_directories(system.File("applications"));
    const std::string installed =
        "[Desktop Entry]\nType=Application\nName=Taleno\nName[de]=Taleno\nGenericName=Media Player\n"
        "Comment=Play films\nKeywords=video;audio;\nExec=taleno %f\nIcon=taleno\nMimeType=video/mp4;audio/flac;\n"
        "\n[Desktop Action Open]\nName=Open\nExec=taleno\n";
    test::WriteWholeFile(system.File("applications/taleno.desktop"), installed);
    ASSERT_TRUE(Associate("xyz"));
    ASSERT_TRUE(Associate("mp4"));
    std::string expected = installed;
    expected.replace(expected.find("Exec=taleno %f"), 14, "Exec=\"/opt/My \\\\\"Player\\\\\"/taleno\" %f");
    expected.replace(expected.find("MimeType=video/mp4;audio/flac;"), 30,
                     "MimeType=video/mp4;audio/flac;application/x-taleno-xyz;");
    EXPECT_EQ(Entry(), expected);
}

TEST_F(FileAssociationTest, WhatCannotBeAnExtensionIsRefusedWithNothingWritten) {
    const std::string apps = Apps();
    for (const char* refused : {"a\"b", "a;b", "a=b", "a b", "a/b", "..", ".avi", "caf\xc3\xa9", "a<b>"}) {
        EXPECT_FALSE(Associate(refused)) << refused;
    }
    EXPECT_TRUE(std::filesystem::is_empty(data.Path()));
    EXPECT_EQ(Apps(), apps);
    EXPECT_TRUE(Associate("tar.gz"));
    EXPECT_TRUE(Associate("mp4v_2+x-y"));
}

}  // namespace
}  // namespace taleno
