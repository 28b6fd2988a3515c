// Replacing files atomically: contents, kept permissions, links followed,
// and a failed write leaving the old file whole.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "common/ScratchFolder.h"
#include "platform/AtomicFile.h"

namespace taleno {
namespace {

using test::ReadWholeFile;
using test::ScratchFolder;
using test::WriteWholeFile;

TEST(AtomicFileTest, ReplacesContentsKeepsModeAndFollowsLinks) {
    ScratchFolder dir;
    const std::string real = dir.File("real.ini");
    WriteWholeFile(real, "old");
    ::chmod(real.c_str(), 0600);
    const std::string link = dir.File("link.ini");
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);

    ASSERT_TRUE(WriteFileAtomically(link, "new contents"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(real), "new contents");
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
}

TEST(AtomicFileTest, FailedWriteLeavesTheOldFile) {
    ScratchFolder dir;
    // A name so long that the temporary file beside it cannot be made fails
    // even for root.
    const std::string name = dir.File(std::string(250, 'n'));
    WriteWholeFile(name, "keep me");
    EXPECT_FALSE(WriteFileAtomically(name, "lost"));
    EXPECT_EQ(ReadWholeFile(name), "keep me");
    EXPECT_FALSE(WriteFileAtomically(dir.File("missing/x.ini"), "x"));
}

}  // namespace
}  // namespace taleno
