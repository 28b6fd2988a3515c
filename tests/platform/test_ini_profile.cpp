#include "platform/AtomicFile.h"
#include "platform/IniProfile.h"

#include "common/TestSupport.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <climits>

namespace taleno {
namespace {

using namespace test;
namespace fs = std::filesystem;

class IniProfileTest : public ::testing::Test {
protected:
    std::string Get(const std::string& key) { return GetProfileString(file, "S", key, "<def>"); }
    ScratchFolder dir;
    std::string file = dir.File("t.ini");
};

TEST_F(IniProfileTest, ReadsAsTheWindowsProfileFunctions) {
    EXPECT_EQ(Get("a"), "<def>");  // no file
    WriteWholeFile(file,
                   "orphan=0\n[s]\r\n n1 = 12abc \r\nn2=-3\nn3=\nn4=abc\nn5=+7\n"
                   "n6=99999999999\nn7=-99999999999\nn8=0x10\nKey=first\nKEY=second\n"
                   "; c=1\nno equals sign\n\tpad\t=  a b  \neq=a=b\nlong=" +
                       std::string(300, 'x') + "\nutf8=" + std::string(253, 'u') + "\xc3\xa9" +
                       "\nlatin1=" + std::string(253, 'l') + "\xe9\xe9" + "\n[ S ]\nlater=1\n");
    const std::pair<const char*, int> ints[] = {{"n1", 12},      {"n2", -3},      {"n3", 9}, {"n4", 0},     {"n5", 7},
                                                {"n6", INT_MAX}, {"n7", INT_MIN}, {"n8", 0}, {"missing", 9}};
    for (auto [key, want] : ints) EXPECT_EQ(GetProfileInt(file, "S", key, 9), want) << key;
    EXPECT_EQ(Get("key"), "first");
    EXPECT_EQ(Get("pad"), "a b");
    EXPECT_EQ(Get("eq"), "a=b");
    EXPECT_EQ(Get("long"), std::string(254, 'x'));
    // UTF-8 is cut before a character that does not fit whole; Latin-1 at the byte.
    EXPECT_EQ(Get("utf8"), std::string(253, 'u'));
    EXPECT_EQ(Get("latin1"), std::string(253, 'l') + "\xe9");
    for (const char* hidden : {"orphan", "; c", "no equals sign", "later"}) {
        EXPECT_EQ(Get(hidden), "<def>") << hidden;
    }
}

// That a write changes its key's line alone, in any file, is the ini fuzz
// target's; here, deleting keys and files with other line ends.
TEST_F(IniProfileTest, DeletesKeepEveryOtherByte) {
    WriteWholeFile(file, "; by hand\r\n[s]\r\n   k   =  old \r\nn= 5\r\n[Last]\r\nx=y");
    ASSERT_TRUE(DeleteProfileKey(file, "S", "n"));
    EXPECT_EQ(ReadWholeFile(file), "; by hand\r\n[s]\r\n   k   =  old \r\n[Last]\r\nx=y");
    WriteWholeFile(file, "[S]\na=1\nA=2");  // LF file, duplicates, no final line end
    ASSERT_TRUE(WriteProfileString(file, "S", "b", "2"));
    ASSERT_TRUE(DeleteProfileKey(file, "S", "a"));
    EXPECT_EQ(ReadWholeFile(file), "[S]\nb=2\n");
}

TEST_F(IniProfileTest, RefusesWhatWouldBeLostOrInjected) {
    WriteWholeFile(file, "[S]\r\na=1\r\n");
    EXPECT_FALSE(WriteProfileString(file, "S", "a", "2\r\nbInjected=true"));
    for (const char* key : {"", "k=v", ";k", "[k", " k", "k\t", "k\nl"}) {
        EXPECT_FALSE(WriteProfileString(file, "S", key, "v")) << key;
    }
    EXPECT_EQ(ReadWholeFile(file), "[S]\r\na=1\r\n");
    // A stray CR inside a value (a file edited with old Mac line ends) ends
    // no line: such a value read from a file can be written back.
    EXPECT_TRUE(WriteProfileString(file, "S", "a", "x\ry"));
    EXPECT_EQ(GetProfileString(file, "S", "a", ""), "x\ry");
}

TEST_F(IniProfileTest, FilesAreReplacedAtomicallyThroughLinksKeepingTheirMode) {
    const std::string real = dir.File("real.ini");
    WriteWholeFile(real, "old");
    ::chmod(real.c_str(), 0600);
    ASSERT_EQ(::symlink(real.c_str(), file.c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(file, "new contents"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(ReadWholeFile(real), "new contents");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2);  // no temporary file left
}

TEST_F(IniProfileTest, FailedOrUnsafeWritesLeaveTheOldFileWhole) {
    // No room for the temporary name beside a 250-byte name, even for root.
    const std::string longName = dir.File(std::string(250, 'n'));
    WriteWholeFile(longName, "[S]\r\na=1\r\n");
    EXPECT_FALSE(WriteProfileString(longName, "S", "a", "2"));
    EXPECT_FALSE(DeleteProfileKey(longName, "S", "a"));
    EXPECT_EQ(ReadWholeFile(longName), "[S]\r\na=1\r\n");
    EXPECT_EQ(fs::directory_iterator(dir.Path())->path(), longName);  // no leftovers

    // A FIFO (must not block) and an oversized file read as defaults and are
    // never replaced.
    const std::string fifo = dir.File("fifo"), huge = dir.File("huge");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    WriteWholeFile(huge, "[S]\na=1\n");
    fs::resize_file(huge, kMaxProfileFileSize + 1);
    for (const std::string& path : {fifo, huge}) {
        EXPECT_EQ(GetProfileInt(path, "S", "a", 4), 4) << path;
        EXPECT_FALSE(WriteProfileString(path, "S", "a", "2")) << path;
    }
    EXPECT_EQ(fs::file_size(huge), kMaxProfileFileSize + 1);

    // A file the user made read-only is not replaced, though its folder
    // would allow it; a file the user may write in a folder the user may not
    // is written in place. Root may write anything, so the writer is an
    // ordinary user.
    const std::string locked = dir.File("locked.ini");
    WriteWholeFile(locked, "[S]\na=1\n");
    ::chmod(locked.c_str(), 0444);
    ::chmod(dir.Path().c_str(), 0777);
    const std::string closed = dir.File("closed");
    fs::create_directory(closed);
    WriteWholeFile(closed + "/open.ini", "[S]\na=1\n");
    ::chmod((closed + "/open.ini").c_str(), 0666);
    ::chmod(closed.c_str(), 0555);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(9);
        ::_exit((WriteProfileString(locked, "S", "a", "2") ? 1 : 0) +
                (WriteProfileString(closed + "/open.ini", "S", "a", "2") ? 0 : 2));
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadWholeFile(locked), "[S]\na=1\n");
    EXPECT_EQ(ReadWholeFile(closed + "/open.ini"), "[S]\na=2\n");
}

}  // namespace
}  // namespace taleno
